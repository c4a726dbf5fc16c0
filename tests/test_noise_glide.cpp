// The noise source, the glide and the smoothers, measured on their output buffers.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dsp/noise_glide.h"
#include "tests/module_rig.h"
#include "tests/spectrum.h"

using namespace tarlix;

using moduletest::Solo;

TEST(Noise, FullRateHeldAndSilent) {
    Solo<QX_DSP_Noise> n;
    n.run(4);
    float peak = 0.0f;
    int changes = 0;
    for (size_t i = 1; i < n.out.size(); ++i) {
        peak = std::fmax(peak, std::fabs(n.out[i]));
        changes += n.out[i] != n.out[i - 1];
    }
    EXPECT_GT(peak, 0.3f);
    EXPECT_LE(peak, 0.5f);
    EXPECT_GT(changes, 250); // a new value every sample
    // Level 0: zeros for a block, then asleep.
    n.post(0, 0, 0.0f);
    n.run(4);
    EXPECT_EQ(n.out.back(), 0.0f);
    EXPECT_TRUE(n.asleep());
}

// Full-rate noise is white: the mean power per bin of every octave band from 172 Hz up is within
// 1.5 dB of the others; the same seeds give the same sequence.
TEST(Noise, FullRateSpectrumIsFlatAndSeeded) {
    Solo<QX_DSP_Noise> n;
    n.run(65536 / 64);
    std::vector<float> s(n.out.begin(), n.out.begin() + 65536);
    std::vector<double> p = spectrum::powerSpectrum(s);
    double lo = 1e300, hi = 0.0;
    for (size_t band = 256; band < 32768; band *= 2) { // 172 Hz .. 22 kHz at 44.1 kHz
        double sum = 0.0;
        for (size_t k = band; k < 2 * band && k < p.size(); ++k)
            sum += p[k];
        const double mean = sum / static_cast<double>(band);
        lo = std::fmin(lo, mean);
        hi = std::fmax(hi, mean);
    }
    EXPECT_LT(10.0 * std::log10(hi / lo), 3.0); // every band within +-1.5 dB of the middle
    Solo<QX_DSP_Noise> again;
    again.run(16);
    for (size_t i = 0; i < again.out.size(); ++i)
        ASSERT_EQ(again.out[i], n.out[i]);
}

// "Noise Tone" 100 holds each value for 100 samples at 44.1 kHz, 200 at 88.2 kHz.
TEST(Noise, HoldScalesWithTheSampleRateAndFiltersSmooth) {
    for (float rate : {44100.0f, 88200.0f}) {
        Solo<QX_DSP_Noise> n(rate);
        n.post(6, 100, 100.0f);
        n.run(20);
        int changes = 0;
        for (size_t i = 1; i < n.out.size(); ++i)
            changes += n.out[i] != n.out[i - 1];
        EXPECT_NEAR(changes, 1280 * 44100 / rate / 100, 1) << rate;
    }
    Solo<QX_DSP_Noise> f;
    f.post(4, 0, 0.99f); // a strong low-pass: neighbouring samples stay close
    f.run(20);
    float jump = 0.0f;
    for (size_t i = 200; i < f.out.size(); ++i)
        jump = std::fmax(jump, std::fabs(f.out[i] - f.out[i - 1]));
    EXPECT_LT(jump, 0.02f);
}

TEST(Glide, JumpsGlidesAndSleeps) {
    Solo<QX_DSP_Glide_F> g;
    g.post(3, 0, 0.5f); // a pitch alone jumps
    g.run(1);
    EXPECT_FLOAT_EQ(g.out[0], 0.5f);
    g.post(1, 0, 100.0f); // times
    g.post(2, 0, 100.0f);
    g.post(3, 0, 0.6f);
    g.post(7, 0, 0.5f); // glide start: from 0.5 up to 0.6
    g.out.clear();
    g.run(200);
    const double c = std::exp(-600.0 / (100.0 * 44100.0));
    EXPECT_NEAR(g.out[0], 0.6 - 0.1 * c, 1e-6);
    EXPECT_NEAR(g.out[1000], 0.6 - 0.1 * std::pow(c, 1001), 1e-4);
    for (size_t i = 1; i < g.out.size(); ++i)
        ASSERT_GE(g.out[i], g.out[i - 1] - 1e-7f); // only upwards
    g.run(1200);                                   // about ten time constants of 7350 samples
    EXPECT_NEAR(g.out.back(), 0.6f, 1e-5f);
    EXPECT_TRUE(g.asleep());
    // Portamento 0: the target at once.
    g.post(1, 0, 0.0f);
    g.post(2, 0, 0.0f);
    g.post(3, 0, 0.3f);
    g.post(7, 0, 0.9f);
    g.out.clear();
    g.run(1);
    EXPECT_NEAR(g.out[0], 0.3f, 1e-6f);
}

TEST(Smoother, RampsLinearlyOverThirtyMillisecondsThenSleeps) {
    Solo<QX_DSP_GUItoV_Glide> s;
    s.run(40); // the start-up ramp settles
    s.post(0, 0, 1.0f);
    s.out.clear();
    s.run(30);
    const int ramp = static_cast<int>(3.0f * 10.0f * 44.1f + 1.0f); // about 1324 samples
    EXPECT_NEAR(s.out[ramp / 2], 0.5f, 0.01f);
    for (int i = 1; i < ramp; ++i)
        ASSERT_NEAR(s.out[i] - s.out[i - 1], 1.0f / ramp, 1e-5f);
    EXPECT_EQ(s.out[ramp + 10], 1.0f);
    s.run(80); // at least 100 ms after the change
    EXPECT_TRUE(s.asleep());
    // A ramp length of 1 ms.
    s.post(1, 0, 0.1f);
    s.post(0, 0, 0.0f);
    s.out.clear();
    s.run(2);
    EXPECT_EQ(s.out[50], 0.0f);
}
