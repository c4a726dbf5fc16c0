// Operating-system services behind small interfaces: embedded resources, the user folder,
// whole-file reads and atomic file writes. Every path is UTF-8 with '/' separators. The POSIX
// implementation is the only code that knows the OS; a Win32 one replaces it file for file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct Resource {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// A binary resource embedded in the library, by name and type; empty when absent.
Resource findResource(const char* name, const char* type);

// The documents folder "%Public%/Documents". On Windows: %Public% expanded by the system, with
// forward slashes, then "/Documents". Elsewhere $PUBLIC plays its role, else
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

// Reads a whole file into `out`; false (and `out` empty) when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& out);

// Renames `from` to `to`, replacing a file that already exists there.
bool replaceFile(const std::string& from, const std::string& to);

// Deletes a file; true when it is gone afterwards.
bool removeFile(const std::string& path);

// The names in a folder (files and folders, without "." and ".."), unsorted; empty when the
// folder cannot be read.
std::vector<std::string> listFolder(const std::string& folder);

// Sets an environment variable of this process (an empty value removes it), as seen by
// documentsFolder() and by the programs this process starts.
bool setEnvironmentVariable(const std::string& name, const std::string& value);

} // namespace platform
