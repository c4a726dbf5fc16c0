// Per-instance tables that depend on the sample rate; rebuilt off the audio thread.
#pragma once

namespace tarlix {

struct LookupTables {
    static constexpr int kSineSize = 513;
    static constexpr int kPowerMin = -30, kPowerCount = 61;
    static constexpr int kFinePitchSize = 257;
    static constexpr int kCircleSize = 2049;

    float sine[kSineSize];           // 0.5 sin(2 pi i / 512)
    float sineDiff[kSineSize];       // forward difference for linear interpolation
    float sineScale = 2560.0f;       // stored with the sine table
    float pow2[kPowerCount];         // 2^j, j = -30..30
    float pow2Milli[kPowerCount];    // 0.001375 * 2^j
    float pow2Pitch[kPowerCount];    // 1.375 * 2^j (frequency volts of octave j)
    float finePitch[kFinePitchSize]; // 13.75 * 2^(i/256) / rate
    float finePitchDiff[kFinePitchSize];
    float fineRatio[kFinePitchSize]; // 2^(i/256)
    float fineRatioDiff[kFinePitchSize];
    // Unit circle, w = max(i, 1) / 4096; consumers clamp their index to 2047 (tan(pi/2) at 2048).
    float circleTan[kCircleSize], circleCot[kCircleSize], circleSin[kCircleSize],
        circleCos[kCircleSize];
    // Filter frequency f = min(13.75 * 2^(i * 23/2048 - 10), 0.99 * half rate).
    float filterRel[kCircleSize], filterTan[kCircleSize], filterCot[kCircleSize],
        filterSin[kCircleSize], filterCos[kCircleSize];
    int rate = 0;

    void build(int sampleRate);
};

} // namespace tarlix
