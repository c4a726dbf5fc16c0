#include "platform/resource_pack.h"

#include <cstring>

namespace platform {

namespace {

constexpr size_t kHeaderBytes = 16, kNameBytes = 48, kTypeBytes = 8;
constexpr size_t kEntryBytes = kNameBytes + kTypeBytes + 8;

uint32_t readU32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool fieldEquals(const uint8_t* field, size_t width, const char* text) {
    size_t n = std::strlen(text);
    return n < width && std::memcmp(field, text, n) == 0 && field[n] == 0;
}

} // namespace

Resource findInPack(const uint8_t* pack, size_t size, const char* name, const char* type) {
    if (!pack || !name || !type || size < kHeaderBytes || std::memcmp(pack, "TLXPACK1", 8) != 0)
        return {};
    const uint32_t count = readU32(pack + 8);
    if (count > (size - kHeaderBytes) / kEntryBytes) return {};
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = pack + kHeaderBytes + i * kEntryBytes;
        if (!fieldEquals(e, kNameBytes, name) || !fieldEquals(e + kNameBytes, kTypeBytes, type))
            continue;
        const uint32_t offset = readU32(e + kNameBytes + kTypeBytes);
        const uint32_t length = readU32(e + kNameBytes + kTypeBytes + 4);
        if (offset > size || length > size - offset) return {};
        return {pack + offset, length};
    }
    return {};
}

} // namespace platform
