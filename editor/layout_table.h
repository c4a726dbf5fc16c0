// One static table defines every control of the editor and every parameter of the instrument.
#pragma once
#include <cstdint>

namespace tarlix {

struct LayoutRecord {
    uint32_t
        tagWord;  // low 16 bits: tag 0..450; bit 31: global; bit 29: detent; bit 28: mirror taper
    int16_t kind; // control kind 0..138, directive 142..161
    int16_t aux;  // kind-specific small number, -1 = none
    int16_t x, y;
    const char* bitmap;
    float min, max;             // value range as the user sees it
    float engineMin, engineMax; // range the engine converts with, in tenths of engine units
    const char* name;
    const char* options; // comma-terminated items
    const char* tooltip;
};

constexpr int kLayoutRowCount = 708;
constexpr int16_t kLayoutEndKind = 161;
constexpr int16_t kFirstDirectiveKind = 139;
constexpr uint32_t kLayoutGlobalBit = 1u << 31;
constexpr uint32_t kLayoutDetentBit = 1u << 29;
constexpr uint32_t kLayoutMirrorBit = 1u << 28;

extern const LayoutRecord kLayoutTable[kLayoutRowCount];

inline int layoutTag(const LayoutRecord& r) {
    return static_cast<int>(r.tagWord & 0xFFFFu);
}

// The 48-colour palette (RGBA) that text styles index three entries at a time.
constexpr int kPaletteSize = 48;
extern const uint32_t kPalette[kPaletteSize];

} // namespace tarlix
