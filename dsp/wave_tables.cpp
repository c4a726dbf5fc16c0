#include "dsp/wave_tables.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/portable_math.h"

namespace tarlix {

namespace {
constexpr int kN = WaveTables::kMaxHarmonics;

struct Partial {
    int n;
    double a;
};
// The formant waves: harmonic number and amplitude.
constexpr Partial kVoxPartials[] = {{1, 1.0},   {3, 1.0},   {6, 0.5},   {8, 0.2},   {11, 0.01},
                                    {12, 0.02}, {13, 0.03}, {14, 0.04}, {15, 0.05}, {16, 0.1},
                                    {17, 0.05}, {18, 0.03}, {19, 0.02}, {20, 0.01}};
constexpr Partial kVox2Partials[] = {
    {1, 1.0},   {2, 1.0},   {3, 1.0},   {4, 0.1},   {5, 0.1},   {6, 0.5},   {7, 0.3},
    {8, 0.1},   {9, 0.1},   {10, 0.1},  {11, 0.1},  {12, 0.1},  {13, 0.09}, {14, 0.08},
    {15, 0.07}, {16, 0.06}, {17, 0.05}, {18, 0.05}, {19, 0.04}, {20, 0.03}, {21, 0.03},
    {22, 0.02}, {23, 0.02}, {24, 0.02}, {25, 0.01}, {26, 0.01}, {27, 0.01}};
constexpr Partial kVox3Partials[] = {{1, 1.0},   {2, 1.0},   {3, 1.0},   {4, 0.6},   {5, 0.5},
                                     {6, 0.2},   {7, 0.3},   {23, 0.04}, {24, 0.04}, {25, 0.03},
                                     {26, 0.02}, {27, 0.02}, {28, 0.01}, {29, 0.01}};
constexpr Partial kFunkPartials[] = {{1, 1.0},   {2, 0.8},   {3, 0.3},   {4, 0.2},   {5, 0.1},
                                     {6, 0.05},  {7, 0.05},  {8, 0.05},  {9, 0.05},  {10, 0.01},
                                     {11, 0.01}, {12, 0.01}, {13, 0.01}, {14, 0.01}, {15, 0.01},
                                     {16, 0.01}, {17, 0.01}};

template <size_t K> void fill(const Partial (&p)[K], double* a) {
    for (const Partial& x : p)
        a[x.n] = x.a;
}

double oddSign(int n) {
    return ((n - 1) / 2) % 2 == 0 ? 1.0 : -1.0;
}

void storeCycle(float* t, const double* v) {
    t[0] = static_cast<float>(v[WaveTables::kPoints - 1]);
    for (int i = 0; i <= WaveTables::kPoints; ++i)
        t[1 + i] = static_cast<float>(v[i]);
    t[WaveTables::kPoints + 2] = static_cast<float>(v[1]);
    t[WaveTables::kPoints + 3] = static_cast<float>(v[2]);
}
} // namespace

void waveRecipe(int wave, double* a) {
    for (int n = 0; n <= kN; ++n)
        a[n] = 0.0;
    switch (wave) {
    case WaveTables::kSaw:
    case WaveTables::kPulse:
        for (int n = 1; n <= kN; ++n)
            a[n] = -1.0 / n;
        break;
    case WaveTables::kSoftRamp:
        for (int n = 1; n <= kN; ++n)
            a[n] = pmath::exp2(1 - n);
        break;
    case WaveTables::kTriangle:
        for (int n = 1; n <= kN; n += 2)
            a[n] = oddSign(n) / (static_cast<double>(n) * n);
        break;
    case WaveTables::kPeak:
        for (int n = 1; n <= kN; n += 2) {
            double d = 1.0 + 0.75 * (n - 1) / 2.0;
            a[n] = oddSign(n) / (d * d);
        }
        break;
    case WaveTables::kCluster:
        for (int n = 1; n <= kN; ++n)
            if (n % 4 == 1 || n % 4 == 2) a[n] = 1.0 / n;
        break;
    case WaveTables::kOrgan:
        for (int n = 1; n <= kN; n *= 2)
            a[n] = 1.0 / n;
        break;
    case WaveTables::kSquare:
        for (int n = 1; n <= kN; n += 2)
            a[n] = 1.0 / n;
        break;
    case WaveTables::kInvertedSaw:
        for (int n = 1; n <= kN; ++n)
            a[n] = 1.0 / n;
        break;
    case WaveTables::kBell: // n = 1 + k(k-1)/2
        for (int k = 1;; ++k) {
            int n = 1 + k * (k - 1) / 2;
            if (n > kN) break;
            a[n] = 1.0 / n;
        }
        break;
    case WaveTables::kVox:
        fill(kVoxPartials, a);
        break;
    case WaveTables::kVox2:
        fill(kVox2Partials, a);
        break;
    case WaveTables::kVox3:
        fill(kVox3Partials, a);
        break;
    case WaveTables::kFunk:
        fill(kFunkPartials, a);
        break;
    default: // kSine: the sine table itself
        a[1] = 1.0;
        break;
    }
}

WaveTables::WaveTables() {
    auto start = std::chrono::steady_clock::now();
    double v[kPoints + 1];
    for (int i = 0; i <= kPoints; ++i)
        v[i] = 0.5 * pmath::sin(2.0 * M_PI * i / kPoints);
    v[kPoints] = v[0];
    storeCycle(sine_, v);
    bytes_ = sizeof(*this);
    for (int w = 0; w < kWaveCount; ++w) {
        if (w == 0 || w == kPulse || !buildWave(w)) useSine(w);
    }
    for (int h = 0; h < kMaxHarmonics; ++h)
        tables_[kPulse][h] = tables_[kSaw][h];
    distinct_[kPulse] = 0;
    buildMs_ =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

WaveTables::~WaveTables() {
    for (float* p : storage_)
        std::free(p);
}

void WaveTables::useSine(int wave) {
    for (int h = 0; h < kMaxHarmonics; ++h)
        tables_[wave][h] = sine_ + 1;
    distinct_[wave] = wave == kSine ? 1 : 0;
}

// Each table is the partial sum up to its harmonic count, accumulated in double precision from
// the sine table; a count that adds nothing audible in float shares the previous table.
bool WaveTables::buildWave(int w) {
    double a[kN + 1];
    waveRecipe(w, a);
    for (int n = 897; n <= kN; ++n)
        a[n] *= 1.0 - (n - 897) / 128.0;
    double s = 0.0;
    for (int n = 1; n <= kN; ++n)
        s += std::fabs(a[n]) / n;
    if (!(s > 0.0)) return false;

    const float* sine = sine_ + 1;
    float* work = static_cast<float*>(std::malloc(sizeof(float) * kStride * kMaxHarmonics));
    if (!work) return false;
    double v[kPoints + 1] = {};
    int count = 0;
    int slot[kMaxHarmonics];
    for (int n = 1; n <= kN; ++n) {
        const double an = a[n] / s;
        if (an != 0.0) {
            for (int i = 0; i <= kPoints; ++i)
                v[i] += an * sine[(n * i) & (kPoints - 1)];
            float* t = work + static_cast<size_t>(count) * kStride;
            storeCycle(t, v);
            if (count == 0 || std::memcmp(t, t - kStride, sizeof(float) * kStride) != 0) ++count;
        }
        slot[n - 1] = count - 1; // -1 until the first partial: the table is silent
    }
    float* kept = static_cast<float*>(std::malloc(sizeof(float) * kStride * (count + 1)));
    if (!kept) {
        std::free(work);
        return false;
    }
    std::memset(kept, 0, sizeof(float) * kStride); // slot -1: silence
    std::memcpy(kept + kStride, work, sizeof(float) * kStride * count);
    std::free(work);
    storage_[w] = kept;
    for (int h = 0; h < kMaxHarmonics; ++h)
        tables_[w][h] = kept + static_cast<size_t>(slot[h] + 1) * kStride + 1;
    distinct_[w] = count;
    bytes_ += sizeof(float) * kStride * (count + 1);
    return true;
}

const WaveTables& waveTables() {
    // Built on first use (thread-safe), freed when the library is unloaded or the process ends.
    static const WaveTables tables;
    return tables;
}

} // namespace tarlix
