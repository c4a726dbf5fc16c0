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

// Control kinds and directives as the code outside the editor's builder reads them. Ranges name
// their first and last kind.
namespace kind {
constexpr int16_t kTaperKnob = 0; // 0..5: a knob whose kind is also its taper code
constexpr int16_t kLastTaperKnob = 5;
constexpr int16_t kTaperKnobB = 7; // 7..12 and 13..18: knob styles, taper = kind - first
constexpr int16_t kTaperKnobC = 13;
constexpr int16_t kTaperKnobStyles = 6;
constexpr int16_t kOnOffButton = 26; // 26..28: two-state buttons
constexpr int16_t kHub = 29;         // holds a multi-state parameter for its buttons
constexpr int16_t kToggleButton = 30;
constexpr int16_t kRadioButton = 31;
constexpr int16_t kMenu = 32; // 32..42: menus
constexpr int16_t kLastMenu = 42;
constexpr int16_t kValueDisplay = 55; // the value of the parameter last touched
constexpr int16_t kNameDisplay = 56;  // its name
constexpr int16_t kTextEntry = 57;    // 57..66: text fields, each with a string slot
constexpr int16_t kLastTextEntry = 66;
constexpr int16_t kDataStore = 67; // 67..72: data stores, each with a data block
constexpr int16_t kLastDataStore = 72;
constexpr int16_t kImageMenu = 74;
constexpr int16_t kFirstDirective = 139;
constexpr int16_t kTextStyle = 151;
constexpr int16_t kPanel = 158;
constexpr int16_t kEnd = 161;
} // namespace kind

constexpr int16_t kLayoutEndKind = kind::kEnd;
constexpr int16_t kFirstDirectiveKind = kind::kFirstDirective;
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
