// Operating-system services behind small interfaces: embedded resources, the user folder,
// whole-file reads. This POSIX implementation is the only place that knows the OS.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

struct Resource {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// A resource embedded in the library, by name and type; empty when absent.
Resource findResource(const char* name, const char* type);

// The instrument's folder ("Documents/Tarlix_2/" under the user's home, or $TARLIX2_HOME),
// with a trailing slash; empty when no such base exists.
std::string userFolder();

// Expands %Public% to the user's documents base; false when unset or when the result would not
// fit in maxBytes (NUL included).
bool expandPublicPath(const std::string& pattern, std::string& out, size_t maxBytes);

// Reads exactly `size` bytes after a 4-byte magic; false (and `dest` untouched) otherwise.
bool readMagicPayload(const std::string& path, const char magic[4], uint8_t* dest, size_t size,
                      uint8_t* staging);

} // namespace platform
