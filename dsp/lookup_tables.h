// Per-instance tables that depend on the sample rate; rebuilt off the audio thread.
#pragma once

namespace tarlix {

struct LookupTables {
    static constexpr int kSineSize = 513;
    static constexpr int kPowerMin = -30, kPowerCount = 61;
    static constexpr int kFinePitchSize = 257;
    static constexpr int kCircleSize = 2049;

    float sine[kSineSize];     // 0.5 sin(2 pi i / 512)
    float sineDiff[kSineSize]; // forward difference for linear interpolation
    float sineScale = 2560.0f; // stored with the sine table
    // sine and sineDiff side by side, as the four-at-a-time read takes them.
    alignas(8) float sinePair[kSineSize - 1][2];
    float pow2[kPowerCount];         // 2^j, j = -30..30
    float pow2Milli[kPowerCount];    // 0.001375 * 2^j
    float pow2Pitch[kPowerCount];    // 1.375 * 2^j (frequency volts of octave j)
    float finePitch[kFinePitchSize]; // 13.75 * 2^(i/256) / rate
    float finePitchDiff[kFinePitchSize];
    // finePitch and finePitchDiff side by side, as the four-at-a-time lookup reads them.
    alignas(8) float finePitchPair[256][2];
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

    // Cycles per sample of a pitch in volts (0.1 V per octave, 0 V = 13.75 Hz), through the
    // octave and fraction tables; pitches are kept within -3..+3 V.
    static constexpr float kPitchOffset = 3.0f, kPitchScale = 2560.0f,
                           kPitchTop = 60.0f * 256.0f - 1.0f;
    float pitchIncrement(float pitch) const {
        float x = (pitch + kPitchOffset) * kPitchScale;
        if (!(x > 0.0f)) x = 0.0f;
        if (x > kPitchTop) x = kPitchTop;
        int i = static_cast<int>(x);
        int f = i & 255;
        return (finePitch[f] + finePitchDiff[f] * (x - static_cast<float>(i))) * pow2[i >> 8];
    }
    // pitchIncrement(p * tune) of each of `count` pitches, a non-finite pitch read as 0 V; the
    // same single-precision steps four at a time, so the results are bit-identical. `out` may
    // be `pitch` itself.
    void pitchIncrements(const float* pitch, float tune, float* out, int count) const;
    // sineAt of each of `count` phases, four at a time in the same single-precision steps.
    void sinesAt(const float* phase, float* out, int count) const;
    // 0.5 sin(2 pi p) for p in 0..1, interpolated.
    float sineAt(float p) const {
        float x = p * 512.0f;
        int i = static_cast<int>(x);
        i = i < 0 ? 0 : (i > 511 ? 511 : i);
        return sine[i] + sineDiff[i] * (x - static_cast<float>(i));
    }
};

} // namespace tarlix
