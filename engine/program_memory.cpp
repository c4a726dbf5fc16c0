#include "engine/program_memory.h"

#include <cmath>
#include <cstring>

#include "common/curves.h"
#include "common/tags.h"

namespace tarlix {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "records, chunks and files are little-endian and copied as they are");

namespace {
// a <- a * f + c: an old option index re-expressed on a longer option list.
void remap(uint8_t* rec, int param, float f, float c) {
    writeValue(rec, param, readValue(rec, param) * f + c);
}

void set(uint8_t* rec, int param, float v) {
    writeValue(rec, param, v);
}

// "Echo Length" was a position in 1..5; now it spans its layout row's range through its taper.
float remapEchoLength(float value, const ParameterLookup& lookup) {
    const LayoutRecord& row = lookup.rowOf(tag::kEchoLength);
    float x = (value * (5.0f - 1.0f) + 1.0f - row.min) / (row.max - row.min);
    if (!(x > 0.0f)) x = 0.0f;
    if (x > 1.0f) x = 1.0f;
    return taper_inverse(x, lookup.taper[tag::kEchoLength]);
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
        remap(rec, tag::kLfo1Target, 0.9444444f, 0.00055555557f);
        remap(rec, tag::kLfo2Target, 0.9444444f, 0.00055555557f);
        remap(rec, tag::kLfo3Target, 0.9411765f, 0.00058823527f);
        remap(rec, tag::kOsc1Wave, 0.8f, 0.0009999999f);
        remap(rec, tag::kOsc2Wave, 0.8f, 0.0009999999f);
        remap(rec, tag::kEnv1Target, 0.5833333f, 0.0008333333f);
        remap(rec, tag::kEnv2Target, 0.5833333f, 0.0008333333f);
        remap(rec, tag::kArpRate, 0.5f, 0.50125f);
        remap(rec, tag::kSeqRate, 0.5f, 0.50125f);
        static const struct {
            int param;
            float value;
        } kNew2200[] = {
            {tag::kChoMode, 0.0f},    {tag::kChorusDepth, 0.5f},  {tag::kChorusRate, 0.3f},
            {tag::kChorusMelt, 0.0f}, {tag::kChorusMix, 0.5f},    {tag::kPanTracking, 0.5f},
            {tag::kSeqHalf, 0.0f},    {tag::kEq1Freq, 0.00391f},  {tag::kEq1Gain, 0.5f},
            {tag::kEq1Width, 0.5f},   {tag::kEq2Freq, 0.047898f}, {tag::kEq2Gain, 0.5f},
            {tag::kEq2Width, 0.5f},   {tag::kEq3Freq, 0.243401f}, {tag::kEq3Gain, 0.5f},
            {tag::kEq3Width, 0.5f},   {tag::kPrePostEq, 0.0f}};
        for (const auto& s : kNew2200)
            set(rec, s.param, s.value);
    }
    if (v < 2300) {
        set(rec, tag::kFilterSaturation, 0.0f);
        set(rec, tag::kFilterDrive, 0.33333334f);
        set(rec, tag::kMidiChannel, 0.0f);
        for (int p = tag::kOscRnd; p <= tag::kMeltARnd; ++p)
            set(rec, p, 0.0f);
        set(rec, tag::kMonoNoteMode, 1.0f);
        set(rec, tag::kMeltBWow, 0.5345f);
        set(rec, tag::kMeltBFlutter, 0.5774f);
        set(rec, tag::kMeltBSpeedMix, 0.5f);
        set(rec, tag::kMeltBToPitch, 1.0f);
        set(rec, tag::kMeltBToAmp, 0.5f);
        set(rec, tag::kOscHarmonics, 1.0f);
        set(rec, tag::kEchoLength, remapEchoLength(readValue(rec, tag::kEchoLength), lookup));
        remap(rec, tag::kLpfType, 0.375f, 0.00125f);
    }
    if (v < 2400) {
        remap(rec, tag::kOsc1Wave, 0.71428573f, 0.0007142857f);
        remap(rec, tag::kOsc2Wave, 0.71428573f, 0.0007142857f);
        remap(rec, tag::kLpfType, 0.8888889f, 0.0011111111f);
        remap(rec, tag::kSubOscWave, 0.33333334f, 0.0016666666f);
        set(rec, tag::kMpeActive, 0.0f);
        set(rec, tag::kMpeA74, 1.0f);
        set(rec, tag::kEnv1Shape, 0.0f);
        set(rec, tag::kMeltACutoff, 0.0f);
        set(rec, tag::kAftHfoRate, 0.5f);
        set(rec, tag::kMpeLpfDepth, 0.5f);
        set(rec, tag::kMpeAmpDepth, 0.5f);
    }
    if (v < kCurrentVersion) remap(rec, tag::kBendDepth, 0.23404256f, 0.00021276595f);
    set(rec, kVersionParam, versionValue(kCurrentVersion));
}

float upgradeSectionValue(int param, int fileVersion, float value, const ParameterLookup& lookup) {
    if (fileVersion >= kCurrentVersion) return value;
    // The same per-parameter chain as a whole record, so an old oscillator or sequencer file
    // lands on today's option lists.
    if (fileVersion < 2200) {
        if (param == tag::kOsc1Wave || param == tag::kOsc2Wave)
            value = value * 0.8f + 0.0009999999f;
        if (param == tag::kSeqRate) value = value * 0.5f + 0.50125f;
    }
    if (fileVersion < 2300) {
        if (param == tag::kLpfType) value = value * 0.375f + 0.00125f;
        if (param == tag::kEchoLength) value = remapEchoLength(value, lookup);
    }
    if (fileVersion < 2400) {
        if (param == tag::kOsc1Wave || param == tag::kOsc2Wave)
            value = value * 0.71428573f + 0.0007142857f;
        if (param == tag::kLpfType) value = value * 0.8888889f + 0.0011111111f;
        // Old section files used this factor for the sub-oscillator; files rely on it.
        if (param == tag::kSubOscWave) value = value * 0.4f + 0.002f;
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
