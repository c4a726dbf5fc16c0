// Parameter lookup derived once per process from the control layout table: which row defines
// each tag, its option count, taper and text/data slot.
#pragma once
#include <cstdint>

#include "editor/layout_table.h"
#include "engine/program_record.h"

namespace tarlix {

// A text/data slot number: the slot in the low bits, kGlobalSlotBit for the global copy (kept in
// record 0); kNoSlot where a tag has none.
constexpr uint8_t kSlotIndexMask = 127;
constexpr uint8_t kGlobalSlotBit = 128;
constexpr uint8_t kNoSlot = 255;

struct ParameterLookup {
    int16_t row[kNumEngineValues];        // defining layout row; 0 where none
    uint16_t steps[kNumEngineValues];     // option count of list parameters, else 0
    uint8_t taper[kNumEngineValues];      // curve code, bit 7 = mirror
    uint8_t slot[kNumEngineValues];       // text/data slot, see kGlobalSlotBit; or kNoSlot
    int16_t slotFamily[kNumEngineValues]; // kind family of the slot (kind::kTextEntry or a data
                                          // store kind), 0 none

    void build(const LayoutRecord* table, int rows);

    const LayoutRecord& rowOf(int tag) const { return kLayoutTable[row[tag]]; }
    bool isGlobal(int tag) const { return (rowOf(tag).tagWord & kLayoutGlobalBit) != 0; }
};

// The lookup of the instrument's own layout table, built once (for tools and tests; the engine
// keeps its copy in the process-wide tables).
const ParameterLookup& instrumentParameterLookup();

bool isOptionKind(int kind);
bool isTextDisplayKind(int kind);
int countOptions(const char* options);
// Writes item k of a comma-terminated list, at most maxChars characters; false if absent.
bool optionItem(const char* options, int k, char* out, int maxChars);
// Shortest fixed-point text that fits in 8 characters, at most 2 decimals; "Huge!" beyond.
void formatParameterNumber(float value, char* out);

// Quantise a normalised value to a list of n options (round half up); NaN gives 0.
float quantiseNormalised(float value, int steps);
// Engine units of a normalised value for a defining row: (eMin + (eMax - eMin) * taper) * 0.1.
float engineUnits(const LayoutRecord& row, int taperCode, float normalised);
// Nearest integer of x * 10, clamped to the int32 range.
int32_t roundTenfold(float x);

} // namespace tarlix
