// The anti-aliased waveshapers: the resampling filters on their own, then the shaped stages
// against their static curves and against the folded harmonics a plain curve makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "dsp/half_band.h"
#include "dsp/oversampled_shaper.h"
#include "dsp/shapers.h"
#include "tools/alias_meter.h"

using namespace tarlix;

namespace {

constexpr int kRate = 48000;

// The complex amplitude of s at hz, over whole seconds from `from` on.
std::complex<double> amplitudeAt(const std::vector<float>& s, size_t from, double hz,
                                 double rate = kRate) {
    std::complex<double> a = 0.0;
    for (size_t i = from; i < s.size(); ++i)
        a += std::polar(1.0, -2.0 * M_PI * hz * static_cast<double>(i) / rate) *
             static_cast<double>(s[i]);
    return 2.0 * a / static_cast<double>(s.size() - from);
}

// A saw with every harmonic below 20 kHz, peak level about `level`.
std::vector<float> bandLimitedSaw(double hz, double level, size_t length) {
    std::vector<float> s(length);
    for (size_t n = 0; n < length; ++n) {
        double v = 0.0;
        for (int k = 1; k * hz < 20000.0; ++k)
            v += std::sin(2.0 * M_PI * k * hz * static_cast<double>(n) / kRate) / k;
        s[n] = static_cast<float>(level * 2.0 / M_PI * v);
    }
    return s;
}

// Runs a shape over x in the engine's chunks.
template <class Shape> std::vector<float> shaped(const std::vector<float>& x, const Shape& shape) {
    OversampledShaper stage;
    std::vector<float> y(x.size());
    for (size_t at = 0; at < x.size(); at += kMaxChunk) {
        const int n = static_cast<int>(std::min<size_t>(kMaxChunk, x.size() - at));
        stage.process(x.data() + at, y.data() + at, n, shape);
    }
    return y;
}

struct Params { // constant per-sample inputs of the shapes
    std::vector<float> threshold = std::vector<float>(kMaxChunk, 1.5f),
                       drive = std::vector<float>(kMaxChunk, 2.0f),
                       amount = std::vector<float>(kMaxChunk, 1.0f);
};

} // namespace

// Up and back down through one half-band is flat across the pass band, and the images that
// upsampling leaves above the base rate's Nyquist frequency lie 64 dB down (the outer stage's
// four sections; the way down removes them again).
TEST(Oversampling, HalfBandIsFlatAndRejectsImages) {
    const HalfBandDesign design = HalfBandDesign::elliptic(4, 0.083);
    for (double hz : {100.0, 1000.0, 10000.0, 16000.0, 19000.0}) {
        HalfBand up(design), down(design);
        std::vector<float> in(kRate), out(kRate), fast(2 * kRate);
        for (int n = 0; n < kRate; ++n) {
            in[n] = static_cast<float>(std::sin(2.0 * M_PI * hz * n / kRate));
            up.up(in[n], fast[2 * n], fast[2 * n + 1]);
            out[n] = down.down(fast[2 * n], fast[2 * n + 1]);
        }
        const double gain =
            std::abs(amplitudeAt(out, 4800, hz)) / std::abs(amplitudeAt(in, 4800, hz));
        EXPECT_NEAR(20.0 * std::log10(gain), 0.0, 0.001) << hz;
        const double image = std::abs(amplitudeAt(fast, 9600, kRate - hz, 2.0 * kRate)) /
                             std::abs(amplitudeAt(fast, 9600, hz, 2.0 * kRate));
        EXPECT_LT(20.0 * std::log10(image), -64.0) << hz;
    }
}

// A signal that never reaches the knee comes out as it went in, a few samples later: flat to
// 5 kHz within 0.02 dB, and delayed the same at every low frequency.
TEST(Oversampling, BelowTheKneeTheStagePassesTheSignal) {
    Params p;
    const KneeShape knee{p.threshold.data(), 0.1};
    for (double hz : {100.0, 1000.0, 5000.0}) {
        std::vector<float> x(kRate);
        for (int n = 0; n < kRate; ++n)
            x[n] = 0.5f * static_cast<float>(std::sin(2.0 * M_PI * hz * n / kRate));
        const std::vector<float> y = shaped(x, knee);
        const std::complex<double> ratio = amplitudeAt(y, 4800, hz) / amplitudeAt(x, 4800, hz);
        EXPECT_NEAR(20.0 * std::log10(std::abs(ratio)), 0.0, 0.02) << hz;
        const double delay = -std::arg(ratio) / (2.0 * M_PI * hz / kRate);
        EXPECT_NEAR(delay, 3.25, 0.1) << hz;
    }
}

// Driven into their curves at low frequencies, the stages keep the static shape: the
// fundamental of a sine through the knee (0.5 to 4 times the threshold) and through the quartic
// saturation matches the plain curve's within 0.02 dB at 100 Hz and 1 kHz.
TEST(Oversampling, CurvesKeepTheirStaticShape) {
    Params p;
    const KneeShape knee{p.threshold.data(), 0.1};
    const QuarticShape quartic{p.drive.data(), p.amount.data()};
    for (double hz : {100.0, 1000.0}) {
        for (float drive : {0.5f, 1.2f, 2.0f, 4.0f}) {
            std::vector<float> x(kRate), limited(kRate), saturated(kRate);
            for (int n = 0; n < kRate; ++n) {
                x[n] = drive * 1.5f * static_cast<float>(std::sin(2.0 * M_PI * hz * n / kRate));
                limited[n] = QX_DSP_Soft_Limiter::limit(x[n], 1.5f, 0.1f);
                saturated[n] = QX_DSP_Saturation::curve(x[n] / 1.5f, 2.0f, 1.0f);
            }
            std::vector<float> xs(x);
            for (float& v : xs)
                v /= 1.5f;
            const double knee_dB =
                20.0 * std::log10(std::abs(amplitudeAt(shaped(x, knee), 4800, hz)) /
                                  std::abs(amplitudeAt(limited, 4800, hz)));
            const double quartic_dB =
                20.0 * std::log10(std::abs(amplitudeAt(shaped(xs, quartic), 4800, hz)) /
                                  std::abs(amplitudeAt(saturated, 4800, hz)));
            EXPECT_NEAR(knee_dB, 0.0, 0.02) << hz << " Hz, knee, drive " << drive;
            EXPECT_NEAR(quartic_dB, 0.0, 0.02) << hz << " Hz, quartic, drive " << drive;
        }
    }
}

// A bright saw pushed into the knee: the plain curve folds harmonics far above Nyquist back
// into the band (-35 dBc and worse at 3.5 kHz); the oversampled stage keeps them below -80
// lightly driven, and below -60 driven to twelve times the threshold (the corner is then so
// sharp that its harmonics beyond the fast rate fold back).
TEST(Oversampling, KneeOfABrightSawStaysClean) {
    Params p;
    const KneeShape knee{p.threshold.data(), 0.1};
    for (double hz : {440.0, 1760.0, 3520.0}) {
        for (double level : {1.8, 18.0}) {
            const std::vector<float> x = bandLimitedSaw(hz, level, 2 * kRate);
            const std::vector<float> y = shaped(x, knee);
            std::vector<float> plain(x);
            for (float& v : plain)
                v = QX_DSP_Soft_Limiter::limit(v, 1.5f, 0.1f);
            const std::vector<float> a(y.begin() + kRate / 2, y.begin() + kRate / 2 + kRate),
                b(plain.begin() + kRate / 2, plain.begin() + kRate / 2 + kRate);
            const double clean = aliasmeter::measure(a, kRate, hz).worstDbc,
                         folded = aliasmeter::measure(b, kRate, hz).worstDbc;
            EXPECT_GT(folded, -60.0) << hz << " Hz at " << level << ": the plain curve folds";
            EXPECT_LT(clean, level < 2.0 ? -80.0 : -60.0) << hz << " Hz at " << level;
        }
    }
}

// Held still, the stage settles on the curve's value; settled by hand, it holds that value from
// the first sample; a non-finite sample is forgotten.
TEST(Oversampling, SettlesOnTheCurveAndForgetsBadSamples) {
    Params p;
    const KneeShape knee{p.threshold.data(), 0.1};
    const float in = 3.0f, expected = QX_DSP_Soft_Limiter::limit(in, 1.5f, 0.1f);
    std::vector<float> x(OversampledShaper::kSettle, in);
    const std::vector<float> y = shaped(x, knee);
    EXPECT_NEAR(y.back(), expected, 1e-6f);

    OversampledShaper stage;
    stage.settle(in, expected);
    float out[kMaxChunk];
    stage.process(x.data(), out, kMaxChunk, knee);
    for (float v : out)
        ASSERT_NEAR(v, expected, 1e-6f);

    x.assign(4 * kMaxChunk, 0.25f);
    x[10] = NAN;
    x[11] = INFINITY;
    const std::vector<float> z = shaped(x, knee);
    for (float v : z)
        ASSERT_TRUE(std::isfinite(v));
    EXPECT_NEAR(z.back(), 0.25f, 1e-6f);
}
