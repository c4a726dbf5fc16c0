#include "platform/plugin_entry.h"

#include <windows.h>

/* UTF-8 to UTF-16 into a fixed buffer; 0 when it does not fit or is not UTF-8. */
static int widen(const char* utf8, wchar_t* out, int capacity) {
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, out, capacity);
}

void* tarlix_plugin_entry(const char* utf8_path) {
    wchar_t path[4096];
    if (!widen(utf8_path, path, 4096)) return NULL;
    HMODULE lib = LoadLibraryW(path);
    if (!lib) return NULL;
    FARPROC entry = GetProcAddress(lib, "VSTPluginMain");
    if (!entry) entry = GetProcAddress(lib, "main");
    return (void*)entry;
}

FILE* tarlix_open_file(const char* utf8_path, const char* mode) {
    wchar_t path[4096], wideMode[16];
    if (!widen(utf8_path, path, 4096) || !widen(mode, wideMode, 16)) return NULL;
    return _wfopen(path, wideMode);
}
