// The band-limited wave tables every oscillator in the process reads: for each of the fifteen
// waves and each harmonic count 1..1024 one cycle of 2048 points, the additive partial sum of
// the wave's first H harmonics. Built once, on first use, and kept while the library is loaded.
#pragma once
#include <cstddef>

namespace tarlix {

class WaveTables {
  public:
    // "Osc1 Wave" items; the pulse reads the saw table twice.
    enum Wave {
        kSine,
        kSaw,
        kSoftRamp,
        kTriangle,
        kPeak,
        kCluster,
        kOrgan,
        kSquare,
        kPulse,
        kInvertedSaw,
        kBell,
        kVox,
        kVox2,
        kVox3,
        kFunk,
        kWaveCount
    };
    static constexpr int kPoints = 2048;
    static constexpr int kStride = 2052; // one guard point before the cycle, three after
    static constexpr int kMaxHarmonics = 1024;

    // Values of the "Osc Harmonics" options.
    static constexpr int kHarmonicOptionCount = 38;
    static constexpr int kHarmonicOptions[kHarmonicOptionCount] = {
        1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,  18,  19,
        20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 48, 64, 96, 128, 512, 1024};

    // The cycle of `wave` limited to `harmonics` (both clamped to their ranges; Pulse reads the
    // Saw). Entries -1 .. kPoints + 2 are valid, so a 4-point read never wraps inside a sample.
    const float* table(int wave, int harmonics) const {
        wave = wave < 0 ? 0 : (wave >= kWaveCount ? kWaveCount - 1 : wave);
        harmonics = harmonics < 1 ? 1 : (harmonics > kMaxHarmonics ? kMaxHarmonics : harmonics);
        return tables_[wave][harmonics - 1];
    }
    // Cycles with the same content (a harmonic the recipe leaves out) share one copy.
    int distinctTables(int wave) const { return distinct_[wave]; }
    size_t bytes() const { return bytes_; }
    double buildMilliseconds() const { return buildMs_; }

    WaveTables();
    ~WaveTables();
    WaveTables(const WaveTables&) = delete;
    WaveTables& operator=(const WaveTables&) = delete;

  private:
    bool buildWave(int wave);
    void useSine(int wave);

    float* storage_[kWaveCount] = {};
    const float* tables_[kWaveCount][kMaxHarmonics] = {};
    int distinct_[kWaveCount] = {};
    size_t bytes_ = 0;
    double buildMs_ = 0.0;
    float sine_[kStride] = {};
};

// The process's tables; the first caller builds them (callers on other threads wait). Never
// called on the audio thread: modules take the reference when they are constructed.
const WaveTables& waveTables();

// Harmonic amplitudes of a wave's recipe, a[1..1024] (a[0] unused), before taper and
// normalisation. Exposed for tests.
void waveRecipe(int wave, double* a);

} // namespace tarlix
