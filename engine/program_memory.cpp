#include "engine/program_memory.h"

#include <cmath>
#include <cstring>

#include "common/curves.h"
#include "common/tags.h"

namespace tarlix {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "records, chunks and files are little-endian and copied as they are");

namespace {
constexpr int kEchoLength = 168;

// a <- a * f + c: an old option index re-expressed on a longer option list.
void remap(uint8_t* rec, int param, float f, float c) {
    writeValue(rec, param, readValue(rec, param) * f + c);
}

void set(uint8_t* rec, int param, float v) {
    writeValue(rec, param, v);
}

// "Echo Length" was a position in 1..5; now it spans its layout row's range through its taper.
float remapEchoLength(float value, const ParameterLookup& lookup) {
    const LayoutRecord& row = lookup.rowOf(kEchoLength);
    float x = (value * (5.0f - 1.0f) + 1.0f - row.min) / (row.max - row.min);
    if (!(x > 0.0f)) x = 0.0f;
    if (x > 1.0f) x = 1.0f;
    return taper_inverse(x, lookup.taper[kEchoLength]);
}
} // namespace

int recordVersion(const uint8_t* rec) {
    double v = static_cast<double>(readValue(rec, kVersionParam)) * 10000.0;
    if (!std::isfinite(v) || v < 0.0 || v > 1e9) return kCurrentVersion;
    return static_cast<int>(std::lround(v));
}

float versionValue(int version) {
    return static_cast<float>(version) / 10000.0f;
}

void upgradeRecord(uint8_t* rec, const ParameterLookup& lookup) {
    const int v = recordVersion(rec);
    if (v < 2200) {
        remap(rec, 10, 0.9444444f, 0.00055555557f);
        remap(rec, 21, 0.9444444f, 0.00055555557f);
        remap(rec, 32, 0.9411765f, 0.00058823527f);
        remap(rec, 64, 0.8f, 0.0009999999f);
        remap(rec, 65, 0.8f, 0.0009999999f);
        remap(rec, 104, 0.5833333f, 0.0008333333f);
        remap(rec, 113, 0.5833333f, 0.0008333333f);
        remap(rec, 128, 0.5f, 0.50125f);
        remap(rec, 133, 0.5f, 0.50125f);
        static const struct {
            int param;
            float value;
        } kNew2200[] = {
            {186, 0.0f}, {187, 0.5f},      {188, 0.3f}, {190, 0.0f}, {191, 0.5f},      {193, 0.5f},
            {195, 0.0f}, {196, 0.00391f},  {197, 0.5f}, {198, 0.5f}, {199, 0.047898f}, {200, 0.5f},
            {201, 0.5f}, {202, 0.243401f}, {203, 0.5f}, {204, 0.5f}, {206, 0.0f}};
        for (const auto& s : kNew2200)
            set(rec, s.param, s.value);
    }
    if (v < 2300) {
        set(rec, 208, 0.0f);
        set(rec, 209, 0.33333334f);
        set(rec, 211, 0.0f);
        for (int p = 212; p <= 221; ++p)
            set(rec, p, 0.0f);
        set(rec, 222, 1.0f);
        set(rec, 224, 0.5345f);
        set(rec, 225, 0.5774f);
        set(rec, 226, 0.5f);
        set(rec, 227, 1.0f);
        set(rec, 228, 0.5f);
        set(rec, 230, 1.0f);
        set(rec, kEchoLength, remapEchoLength(readValue(rec, kEchoLength), lookup));
        remap(rec, 82, 0.375f, 0.00125f);
    }
    if (v < 2400) {
        remap(rec, 64, 0.71428573f, 0.0007142857f);
        remap(rec, 65, 0.71428573f, 0.0007142857f);
        remap(rec, 82, 0.8888889f, 0.0011111111f);
        remap(rec, 73, 0.33333334f, 0.0016666666f);
        set(rec, 232, 0.0f);
        set(rec, 233, 1.0f);
        set(rec, 235, 0.0f);
        set(rec, 237, 0.0f);
        set(rec, 239, 0.5f);
        set(rec, 240, 0.5f);
        set(rec, 241, 0.5f);
    }
    if (v < kCurrentVersion) remap(rec, 184, 0.23404256f, 0.00021276595f);
    set(rec, kVersionParam, versionValue(kCurrentVersion));
}

float upgradeSectionValue(int param, int fileVersion, float value, const ParameterLookup& lookup) {
    if (fileVersion >= kCurrentVersion) return value;
    // The same per-parameter chain as a whole record, so an old oscillator or sequencer file
    // lands on today's option lists.
    if (fileVersion < 2200) {
        if (param == 64 || param == 65) value = value * 0.8f + 0.0009999999f;
        if (param == 133) value = value * 0.5f + 0.50125f;
    }
    if (fileVersion < 2300) {
        if (param == 82) value = value * 0.375f + 0.00125f;
        if (param == kEchoLength) value = remapEchoLength(value, lookup);
    }
    if (fileVersion < 2400) {
        if (param == 64 || param == 65) value = value * 0.71428573f + 0.0007142857f;
        if (param == 82) value = value * 0.8888889f + 0.0011111111f;
        // Old section files used this factor for the sub-oscillator; files rely on it.
        if (param == 73) value = value * 0.4f + 0.002f;
    }
    return value;
}

void sanitiseRecord(uint8_t* rec) {
    for (int i = 0; i < kNumParams; ++i) {
        float v = readValue(rec, i);
        if (!(v >= 0.0f)) v = 0.0f; // NaN and negatives
        if (v > 1.0f) v = 1.0f;
        writeValue(rec, i, v);
    }
    for (int s = 0; s < record::kStringSlotCount; ++s)
        stringSlot(rec, s)[record::kStringSlotSize - 1] = 0;
    char* name = programName(rec);
    name[24] = name[25] = 0;
}

void copyMidiLearnFromFirst(uint8_t* bank) {
    for (int p = 1; p < kNumPrograms; ++p)
        std::memcpy(bank + static_cast<size_t>(p) * record::kSize + record::kMidiLearn,
                    bank + record::kMidiLearn, 2 * kNumParams);
}

void normaliseBank(uint8_t* bank) {
    copyMidiLearnFromFirst(bank);
    for (int p = 0; p < kNumPrograms; ++p)
        sanitiseRecord(bank + static_cast<size_t>(p) * record::kSize);
}

// clang-format off
const SectionList kSections[kSectionCount] = {
    {".SQp", 25, {tag::kSeqDir, tag::kSeqRate, tag::kSeqLength, tag::kSeqA1, tag::kSeqA2,
                  tag::kSeqA3, tag::kSeqA4, tag::kSeqA5, tag::kSeqA6, tag::kSeqA7, tag::kSeqA8,
                  tag::kSeqRange, tag::kSeqB1, tag::kSeqB2, tag::kSeqB3, tag::kSeqB4, tag::kSeqB5,
                  tag::kSeqB6, tag::kSeqB7, tag::kSeqB8, tag::kSeqFilter, tag::kSeqAmp,
                  tag::kSeqGlide, tag::kSeqHalf, tag::kSeqOnOff}},
    {".OSp", 18, {tag::kOsc1Wave, tag::kOsc2Wave, tag::kOscMode, tag::kOscOctave, tag::kWave2Semi,
                  tag::kWave2Tune, tag::kOscDrift, tag::kOscWidth, tag::kPortamento,
                  tag::kSubOscWave, tag::kOsc1Mix, tag::kOsc2Mix, tag::kSubOscMix, tag::kNoiseMix,
                  tag::kNoiseLpf, tag::kNoiseHpf, tag::kOscRetrig, tag::kLogicSwitch}},
    {".FLp", 24, {tag::kFilterAmount, tag::kLpfType, tag::kLpfCutoff, tag::kLpfResonance,
                  tag::kHpfCutoff, tag::kFilterTrack, tag::kFilter2Offset, tag::kFilter2Active,
                  tag::kLpfMode, tag::kGainMode, tag::kEnvSource, tag::kHpfRes,
                  tag::kFilterSaturation, tag::kFilterDrive, tag::kLpfAttack, tag::kLpfDecay,
                  tag::kLpfSustain, tag::kLpfRelease, tag::kLpfTimeScale, tag::kLpfVelocity,
                  tag::kFilterEnvLevel, tag::kFilterInvert, tag::kLpfShape, tag::kGain}},
    {".ECp", 12, {tag::kEchoPong, tag::kEchoRate, tag::kEchoShift, tag::kEchoPhase,
                  tag::kEchoLength, tag::kEchoFbk, tag::kEchoLpf, tag::kEchoHpf, tag::kEchoLevel,
                  tag::kEchoStep, tag::kEchoDotted, tag::kEchoOnOff}},
};
// clang-format on

} // namespace tarlix
