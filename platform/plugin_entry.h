/* A C interface for small hosts written in C: loading a plug-in library's VST entry point and
 * opening files by UTF-8 paths. One implementation file per operating system. */
#ifndef TARLIX_PLATFORM_PLUGIN_ENTRY_H
#define TARLIX_PLATFORM_PLUGIN_ENTRY_H
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The library's VSTPluginMain (else its "main"); NULL when the library or the symbol cannot be
 * found. The library stays loaded until the process ends. */
void* tarlix_plugin_entry(const char* utf8_path);

/* fopen() for a UTF-8 path. */
FILE* tarlix_open_file(const char* utf8_path, const char* mode);

#ifdef __cplusplus
}
#endif
#endif
