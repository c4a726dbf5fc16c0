// Program records from outside (chunks, files, the factory resource): migration of older
// versions, the section-preset field lists, and the clean-up every record gets on arrival.
#pragma once
#include <cstdint>

#include "engine/parameter_table.h"
#include "engine/program_record.h"

namespace tarlix {

constexpr int kCurrentVersion = 2410;
constexpr int kFactoryVersion = 2400;

// The record's version as an integer (the float of "Version" x 10000, rounded, so 0.241f reads
// 2410 and not 2409.99). A non-finite or negative version reads as current.
int recordVersion(const uint8_t* rec);
float versionValue(int version);

// Brings a record of any older version up to the current one, in place. A current record is
// only stamped again, so a second upgrade changes nothing.
void upgradeRecord(uint8_t* rec, const ParameterLookup& lookup);

// The per-parameter part of the migration, for the values of an old section-preset file.
float upgradeSectionValue(int param, int fileVersion, float value, const ParameterLookup& lookup);

// Non-finite values to 0, everything into 0..1; string slots and name NUL-terminated.
void sanitiseRecord(uint8_t* rec);
// sanitiseRecord on every record, and record 0's MIDI-learn block copied into all others.
void normaliseBank(uint8_t* bank);
void copyMidiLearnFromFirst(uint8_t* bank);

// Section presets: the parameters each file type carries, in file order. An entry with bit 15
// set would stand for a 260-byte text field (none of this version's lists has one).
struct SectionList {
    const char* extension;
    int count;
    uint16_t entries[32];
};
constexpr int kSectionCount = 4;
extern const SectionList kSections[kSectionCount]; // sequencer, oscillator, filter, echo
constexpr uint16_t kSectionTextBit = 0x8000;
constexpr uint16_t kSectionParamMask = 0x1FFF;

} // namespace tarlix
