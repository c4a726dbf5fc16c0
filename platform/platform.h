// Operating-system services behind small interfaces: embedded resources, the user folder,
// whole-file reads and atomic file writes. The POSIX implementation is the only code that
// knows the OS; a Win32 one replaces it file for file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

struct Resource {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// A binary resource embedded in the library, by name and type; empty when absent.
Resource findResource(const char* name, const char* type);

// The documents folder that plays the role of "%Public%/Documents": $PUBLIC, else
// $XDG_DOCUMENTS_DIR, else $HOME/Documents. No trailing slash; empty when none can be found.
std::string documentsFolder();

// The instrument's own folder, documentsFolder() + "/Tarlix_2/"; empty when no base exists.
std::string userFolder();

// Expands "%Public%/Documents" to documentsFolder() and turns backslashes into slashes.
// False when the base is unknown or the result would not fit in maxBytes (NUL included).
bool expandPublicPath(const std::string& pattern, std::string& out, size_t maxBytes);

// Reads at most `capacity` bytes from the start of a file. Returns the byte count, or -1 when
// the file cannot be opened or read.
long readFileHead(const std::string& path, uint8_t* dest, size_t capacity);

// Writes the parts to a temporary file beside `path`, flushes it and renames it over `path`,
// so a failed write never leaves a half-written file. Missing folders are created.
struct Span {
    const void* data;
    size_t size;
};
bool writeFileAtomically(const std::string& path, const Span* parts, size_t partCount);

// Creates the folder and its parents; true when it exists afterwards.
bool makeFolders(const std::string& folder);

} // namespace platform
