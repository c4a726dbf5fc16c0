// Binary resources linked into the library: the factory bank, the manual page and the editor's
// resource pack (bitmaps and fonts, drawn and gathered by tools/art at build time). The build
// compiles each one to a file that the assembler includes byte for byte.
#include <cstring>

#include "platform/platform.h"

#define TARLIX_EMBED(symbol, file)                                                                 \
    __asm__(".section .rodata\n"                                                                   \
            ".balign 16\n"                                                                         \
            ".globl " #symbol "\n"                                                                 \
            ".hidden " #symbol "\n" #symbol ":\n"                                                  \
            ".incbin \"" file "\"\n"                                                               \
            ".globl " #symbol "_end\n"                                                             \
            ".hidden " #symbol "_end\n" #symbol "_end:\n"                                          \
            ".byte 0\n"                                                                            \
            ".previous\n")

TARLIX_EMBED(tarlix_factory_bank, TARLIX_FACTORY_BANK_FILE);
extern "C" __attribute__((visibility("hidden"))) const uint8_t tarlix_factory_bank[];
extern "C" __attribute__((visibility("hidden"))) const uint8_t tarlix_factory_bank_end[];

TARLIX_EMBED(tarlix_manual, TARLIX_MANUAL_FILE);
extern "C" __attribute__((visibility("hidden"))) const uint8_t tarlix_manual[];
extern "C" __attribute__((visibility("hidden"))) const uint8_t tarlix_manual_end[];

#ifdef TARLIX_ART_PACK_FILE
TARLIX_EMBED(tarlix_art_pack, TARLIX_ART_PACK_FILE);
extern "C" __attribute__((visibility("hidden"))) const uint8_t tarlix_art_pack[];
extern "C" __attribute__((visibility("hidden"))) const uint8_t tarlix_art_pack_end[];
#endif

namespace platform {

namespace {
struct Entry {
    const char* name;
    const char* type;
    const uint8_t* begin;
    const uint8_t* end;
};

// The pack: "TLXPACK1", u32 count, u32 0, count entries {char name[48], char type[8],
// u32 offset, u32 size} (little-endian), then the blobs. Every field is checked against the
// pack's size, so a damaged pack yields nothing rather than a wild pointer.
constexpr size_t kHeaderBytes = 16, kNameBytes = 48, kTypeBytes = 8;
constexpr size_t kEntryBytes = kNameBytes + kTypeBytes + 8;

uint32_t readU32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool fieldEquals(const uint8_t* field, size_t width, const char* text) {
    size_t n = std::strlen(text);
    return n < width && std::memcmp(field, text, n) == 0 && field[n] == 0;
}

[[maybe_unused]] Resource findInPack(const uint8_t* pack, size_t size, const char* name,
                                     const char* type) {
    if (size < kHeaderBytes || std::memcmp(pack, "TLXPACK1", 8) != 0) return {};
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
} // namespace

Resource findResource(const char* name, const char* type) {
    static const Entry kResources[] = {
        {"VST_PatchMemoryBanks.mem", "DATA", tarlix_factory_bank, tarlix_factory_bank_end},
        {"manual.html", "HTML", tarlix_manual, tarlix_manual_end},
    };
    if (!name || !type) return {};
    for (const Entry& e : kResources)
        if (std::strcmp(e.name, name) == 0 && std::strcmp(e.type, type) == 0)
            return {e.begin, static_cast<size_t>(e.end - e.begin)};
#ifdef TARLIX_ART_PACK_FILE
    return findInPack(tarlix_art_pack, static_cast<size_t>(tarlix_art_pack_end - tarlix_art_pack),
                      name, type);
#else
    return {};
#endif
}

} // namespace platform
