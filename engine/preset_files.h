// The instrument's files, all "TRLX" first: banks (.Bnk), single programs (.pst), MIDI-learn
// maps (.mmp) and section presets (.SQp, .OSp, .FLp, .ECp). Readers stage the whole file and
// accept only a complete payload, so a refused file changes nothing; writers go through a
// temporary file and a rename, so a failed save never leaves half a preset behind.
#pragma once
#include <cstdint>
#include <string>

#include "engine/program_memory.h"

namespace tarlix {

constexpr int kFileRead = -1;    // bank, program and MIDI-learn readers: success
constexpr int kFileRefused = -2; // any reader: the file was not taken
constexpr int kSectionRead = 1;  // section reader: success (also for a file without fields)
constexpr char kFileMagic[4] = {'T', 'R', 'L', 'X'};
constexpr int kMidiLearnBlockSize = 2 * kNumParams;

// dest receives the bank normalised (values clamped, strings terminated, one MIDI-learn map).
int readBankFile(const std::string& path, uint8_t* bank);
// dest receives the record sanitised.
int readProgramFile(const std::string& path, uint8_t* rec);
int readMidiLearnFile(const std::string& path, uint8_t* learnBlock);

struct SectionValues {
    int count = 0;        // fields present in the file (a short file holds fewer)
    uint16_t entries[32]; // list entries, parameter index in the low 13 bits
    float values[32];     // normalised, migrated and clamped
    char texts[32][record::kStringSlotSize]; // text fields (bit 15 entries), NUL-terminated
};
int readSectionFile(const std::string& path, int section, const ParameterLookup& lookup,
                    SectionValues& out);

bool writeBankFile(const std::string& path, const uint8_t* bank);
bool writeProgramFile(const std::string& path, const uint8_t* rec);
bool writeMidiLearnFile(const std::string& path, const uint8_t* learnBlock);
// values: the normalised value of every parameter (333); texts: the string for text fields.
bool writeSectionFile(const std::string& path, int section, const float* values,
                      const char* const* texts = nullptr);

} // namespace tarlix
