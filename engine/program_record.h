// Byte layout of one program record (little-endian, no padding) and the bank of 128.
#pragma once
#include <cstdint>
#include <cstring>

#include "common/tags.h"

namespace tarlix {

constexpr int kNumParams = 333;
constexpr int kNumEngineValues = 451;
constexpr int kNumPrograms = 128;
constexpr int kNumAutomatable = 242;

namespace record {
constexpr int kValues = 0;         // f32 x333, normalised
constexpr int kMidiLearn = 1332;   // u16 x333, 65535 = not learned
constexpr int kStringSlots = 1998; // 3 x 260 chars
constexpr int kStringSlotSize = 260;
constexpr int kStringSlotCount = 3;
constexpr int kShortBlocks = 2778; // 2 x 512 bytes
constexpr int kShortBlockSize = 512;
constexpr int kLongBlock = 3802; // 2048 bytes
constexpr int kLongBlockSize = 2048;
constexpr int kName = 5850; // 26 chars: at most 24 + NUL, bytes 24 and 25 are 0
constexpr int kNameSize = 26;
constexpr int kSize = 5876;
static_assert(kMidiLearn == kValues + 4 * kNumParams);
static_assert(kStringSlots == kMidiLearn + 2 * kNumParams);
static_assert(kShortBlocks == kStringSlots + kStringSlotCount * kStringSlotSize);
static_assert(kLongBlock == kShortBlocks + 2 * kShortBlockSize);
static_assert(kName == kLongBlock + kLongBlockSize);
static_assert(kSize == kName + kNameSize);
} // namespace record

constexpr int kBankSize = kNumPrograms * record::kSize;
static_assert(kBankSize == 752128);
// MIDI-learn codes: a controller learns as its own number 0..127, NRPN n as
// kLearnFirstNrpn + n (n = 0..16383); kNotLearned marks a parameter without one.
constexpr uint16_t kNotLearned = 65535;
constexpr int kLearnLastCc = 127;
constexpr int kLearnFirstNrpn = 200;
constexpr int kLastNrpn = 16383;
constexpr int kVersionParam = tag::kVersion;

// Little-endian field access (the build targets are little-endian; memcpy avoids aliasing).
inline float readValue(const uint8_t* rec, int param) {
    float v;
    std::memcpy(&v, rec + record::kValues + 4 * param, 4);
    return v;
}
inline void writeValue(uint8_t* rec, int param, float v) {
    std::memcpy(rec + record::kValues + 4 * param, &v, 4);
}
inline uint16_t readLearn(const uint8_t* rec, int param) {
    uint16_t c;
    std::memcpy(&c, rec + record::kMidiLearn + 2 * param, 2);
    return c;
}
inline void writeLearn(uint8_t* rec, int param, uint16_t c) {
    std::memcpy(rec + record::kMidiLearn + 2 * param, &c, 2);
}
inline char* stringSlot(uint8_t* rec, int slot) {
    return reinterpret_cast<char*>(rec + record::kStringSlots + record::kStringSlotSize * slot);
}
inline char* programName(uint8_t* rec) {
    return reinterpret_cast<char*>(rec + record::kName);
}

} // namespace tarlix
