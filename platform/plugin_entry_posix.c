#include "platform/plugin_entry.h"

#include <dlfcn.h>

void* tarlix_plugin_entry(const char* utf8_path) {
    void* lib = dlopen(utf8_path, RTLD_NOW | RTLD_LOCAL);
    if (!lib) return NULL;
    void* entry = dlsym(lib, "VSTPluginMain");
    return entry ? entry : dlsym(lib, "main");
}

FILE* tarlix_open_file(const char* utf8_path, const char* mode) {
    return fopen(utf8_path, mode);
}
