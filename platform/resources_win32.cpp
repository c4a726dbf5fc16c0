// Binary resources linked into the library: the factory bank, the manual page and the editor's
// resource pack (bitmaps and fonts, drawn by tools/art in the Linux build). The build compiles each
// one to a file that the assembler includes byte for byte into the read-only data section; the
// .def file keeps these symbols out of the export table.
#include <cstring>

#include "platform/platform.h"
#include "platform/resource_pack.h"

#define TARLIX_EMBED(symbol, file)                                                                 \
    __asm__(".section .rdata,\"dr\"\n"                                                             \
            ".balign 16\n"                                                                         \
            ".globl " #symbol "\n" #symbol ":\n"                                                   \
            ".incbin \"" file "\"\n"                                                               \
            ".globl " #symbol "_end\n" #symbol "_end:\n"                                           \
            ".byte 0\n"                                                                            \
            ".text\n")

TARLIX_EMBED(tarlix_factory_bank, TARLIX_FACTORY_BANK_FILE);

extern "C" const uint8_t tarlix_factory_bank[];
extern "C" const uint8_t tarlix_factory_bank_end[];

TARLIX_EMBED(tarlix_manual, TARLIX_MANUAL_FILE);
extern "C" const uint8_t tarlix_manual[];
extern "C" const uint8_t tarlix_manual_end[];

#ifdef TARLIX_ART_PACK_FILE
TARLIX_EMBED(tarlix_art_pack, TARLIX_ART_PACK_FILE);
extern "C" const uint8_t tarlix_art_pack[];
extern "C" const uint8_t tarlix_art_pack_end[];
#endif

namespace platform {

namespace {
struct Entry {
    const char* name;
    const char* type;
    const uint8_t* begin;
    const uint8_t* end;
};
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
