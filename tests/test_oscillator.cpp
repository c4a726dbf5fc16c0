// The wave tables, the oscillator and the combiner, measured on their outputs: harmonic choice,
// aliasing (bin-exact spectra), pulse, sync, retrigger, the logic modes and unsafe inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "dsp/oscillator.h"
#include "tests/module_rig.h"
#include "tests/spectrum.h"

using namespace tarlix;

namespace {

// Module 0: master oscillator, 1: slave oscillator, 2: combiner of 0 and 1.
int oscGraph(moduletest::Bench& e) {
    ModuleContext& c = e.context();
    c.modules[c.buildCount++] = new QX_DSP_OSC_Multi_Out_x8(&c, false);
    c.modules[c.buildCount++] = new QX_DSP_OSC_Multi_Out_x8(&c, false);
    c.modules[c.buildCount++] = new QX_DSP_Tarlix2_OSC_Combine(&c, false);
    return 3;
}

constexpr int kBlock = 64;

struct Osc : ::testing::Test {
    moduletest::Bench fx;
    float pitch = 0.5f, pitch2 = 0.5f, level = 1.0f, width = 0.0f, pm = 0.0f;
    void start(int rate) {
        fx.setGraphBuilder(oscGraph);
        fx.setSampleRate(static_cast<float>(rate));
        fx.setBlockSize(kBlock);
        fx.resume();
        for (int i = 0; i < 2; ++i) {
            QX_DSP_OSC_Multi_Out_x8& o = osc(i);
            o.SetInput(0, i == 0 ? &pitch : &pitch2);
            o.SetInput(29, &level);
            o.SetInput(49, &pm);
            o.SetInput(57, &width);
        }
    }
    void SetUp() override { start(48000); }
    QX_DSP_OSC_Multi_Out_x8& osc(int i) {
        return *static_cast<QX_DSP_OSC_Multi_Out_x8*>(fx.context().modules[i]);
    }
    QX_ModuleBase& combine() { return *fx.context().modules[2]; }
    void post(int module, int port, int i, float f = 0.0f) {
        fx.context().modules[module]->PostEvent(fx.clock(), port, 0, i, f, nullptr);
    }
    // Renders `samples` and returns output 0 of `module`.
    std::vector<float> run(int samples, int module = 0) {
        std::vector<float> l(kBlock), r(kBlock), out;
        float* outs[2] = {l.data(), r.data()};
        for (int n = 0; n < samples; n += kBlock) {
            fx.processReplacing(nullptr, outs, kBlock);
            const float* o = fx.context().modules[module]->GetOutput(0);
            out.insert(out.end(), o, o + kBlock);
        }
        out.resize(static_cast<size_t>(samples));
        return out;
    }
    // A linear-frequency oscillator on FFT bin k0 of an n-point frame at 48 kHz (exact in
    // float for a power-of-two n: 48000 / n x k0 / 10).
    std::vector<float> binExact(int wave, int k0, size_t n, int module = 0) {
        post(module, 5, 2);
        post(module, 9, wave);
        (module == 0 ? pitch : pitch2) = 4800.0f * static_cast<float>(k0) / static_cast<float>(n);
        run(kBlock); // settle the settings, then start a fresh frame
        std::vector<float> s = run(static_cast<int>(n) + kBlock, module);
        return std::vector<float>(s.begin() + kBlock, s.end());
    }
};

} // namespace

TEST(WaveTables, EveryTableStaysWithinOneAndPulseReadsTheSaw) {
    const WaveTables& t = waveTables();
    EXPECT_EQ(&t, &waveTables()); // one copy per process
    for (int w = 0; w < WaveTables::kWaveCount; ++w)
        for (int h = 1; h <= WaveTables::kMaxHarmonics; ++h) {
            const float* c = t.table(w, h);
            for (int i = -1; i <= WaveTables::kPoints + 2; i += 1) {
                ASSERT_LE(std::fabs(c[i]), 1.0f) << "wave " << w << " H " << h;
            }
            ASSERT_EQ(c[-1], c[WaveTables::kPoints - 1]);
            ASSERT_EQ(c[WaveTables::kPoints], c[0]);
            ASSERT_EQ(c[WaveTables::kPoints + 2], c[2]);
        }
    EXPECT_EQ(t.table(8, 45), t.table(1, 45));
    EXPECT_EQ(t.table(0, 1), t.table(0, 1024));
    EXPECT_NEAR(t.table(0, 1)[512], 0.5f, 1e-7f); // 0.5 sin at a quarter cycle
    EXPECT_EQ(t.distinctTables(6), 10); // Organ: 1, 2, 4, ..., 512 (1024 is zero on 2048 points)
    EXPECT_EQ(t.table(11, 20), t.table(11, 1024)); // Vox ends at harmonic 20
    EXPECT_NE(t.table(1, 1022), t.table(1, 1023));
    // Out-of-range waves and counts are clamped, never read outside.
    EXPECT_EQ(t.table(-3, 0), t.table(0, 1));
    EXPECT_EQ(t.table(99, 5000), t.table(14, 1024));
    std::printf("wave tables: %.1f MB, built in %.1f ms\n", t.bytes() / 1048576.0,
                t.buildMilliseconds());
}

// A saw's harmonics stop below 20 kHz and below half the rate (22.05 kHz: 10025 Hz); far above
// the band it is a sine; "Osc Harmonics" sets fewer.
TEST_F(Osc, HarmonicCountFollowsTheFrequencyTheRateAndTheOption) {
    struct Case {
        int rate, harmonics; // of 440 Hz
    } cases[] = {{22050, 22}, {44100, 45}, {48000, 45}, {96000, 45}};
    for (const Case& c : cases) {
        start(c.rate);
        post(0, 9, 1);
        run(kBlock * 2);
        EXPECT_EQ(osc(0).harmonics(0), c.harmonics) << c.rate;
    }
    pitch = 1.5f; // 450 kHz: still a sine
    run(kBlock);
    EXPECT_EQ(osc(0).harmonics(0), 1);
    pitch = 0.5f;
    post(0, 19, 5); // "Osc Harmonics" option 5 = 6 harmonics
    run(kBlock);
    EXPECT_EQ(osc(0).harmonics(0), 6);
    post(0, 19, 999); // clamped to the last option, 1024
    run(kBlock);
    EXPECT_EQ(osc(0).harmonics(0), 45);
}

// The bin-exact spectrum of a static saw and square: everything off the harmonic lines is
// alias or interpolation image. Cubic reads must meet -90 dBc from 100 Hz to 5 kHz.
TEST_F(Osc, SawAndSquareAliasFiguresAt48k) {
    const size_t n = 65536;
    const double binHz = 48000.0 / n;
    std::printf("wave   f0 Hz  read   H  worst dBc  <f0 dBc  off-line dB  top Hz\n");
    for (int wave : {1, 7}) {
        for (int k0 : {41, 137, 601, 1365, 5461, 6827}) { // 30, 100, 440, 1000, 4000, 5000 Hz
            for (auto read :
                 {QX_DSP_OSC_Multi_Out_x8::Read::Cubic, QX_DSP_OSC_Multi_Out_x8::Read::Linear}) {
                osc(0).setRead(read);
                spectrum::AliasFigures f =
                    spectrum::aliasFigures(binExact(wave, k0, n), static_cast<size_t>(k0), 48000.0);
                const bool cubic = read == QX_DSP_OSC_Multi_Out_x8::Read::Cubic;
                std::printf("%-6s %6.0f  %-6s %4d %9.1f %8.1f %11.1f %7.0f\n",
                            wave == 1 ? "Saw" : "Square", k0 * binHz, cubic ? "cubic" : "linear",
                            osc(0).harmonics(0), f.worstDbc, f.belowF0Dbc, f.outsideDb,
                            f.topHarmonicHz);
                EXPECT_LT(f.topHarmonicHz, 20001.0); // nothing generated above the band limit
                if (cubic && k0 >= 137) {
                    EXPECT_LT(f.worstDbc, -90.0) << k0 * binHz << " Hz";
                }
                EXPECT_LT(f.worstDbc, -50.0)
                    << k0 * binHz << " Hz"; // a mirrored partial is far louder
            }
        }
    }
}

TEST_F(Osc, PulseWidthZeroIsSilentAndHalfIsASquare) {
    width = 0.0f;
    std::vector<float> s = binExact(8, 601, 8192);
    for (float v : s)
        ASSERT_EQ(v, 0.0f);
    width = 0.5f;
    s = binExact(8, 64, 8192); // f0 on bin 64 of 8192

    std::vector<double> p = spectrum::powerSpectrum(s);
    for (int h = 2; h * 64 < 4096; h += 2)
        EXPECT_LT(10.0 * std::log10(p[h * 64] / p[64] + 1e-30), -80.0) << "even harmonic " << h;
    EXPECT_GT(p[3 * 64] / p[64], 0.1); // odd harmonics at 1/n
}

TEST_F(Osc, CombinerModes) {
    osc(0).Connect(&combine(), 2, 0, 0, 0, 0, 0);
    osc(1).Connect(&combine(), 2, 0, 2, 0, 0, 0);
    float threshold = 0.1f, x = -0.5f;
    combine().SetInput(9, &threshold);
    combine().SetInput(4, &x);
    post(0, 9, 1);
    post(1, 9, 7);
    pitch2 = 0.61f;
    for (int mode : {1, 2, 3}) {
        post(2, 5, mode);
        std::vector<float> out = run(2048, 2);
        bool high = false, low = false;
        for (float v : out) {
            ASSERT_TRUE(v == 0.5f || v == -0.5f) << mode;
            high = high || v > 0;
            low = low || v < 0;
        }
        EXPECT_TRUE(high && low) << mode;
    }
    post(2, 5, 6); // X-wave at x = -0.5 is A alone, at +0.5 B alone
    run(kBlock);
    std::vector<float> out = run(kBlock, 2);
    const float* a = osc(0).GetOutput(0);
    for (int i = 0; i < kBlock; ++i)
        ASSERT_FLOAT_EQ(out[static_cast<size_t>(i)], a[i]);
    x = 0.5f;
    out = run(kBlock, 2);
    const float* b = osc(1).GetOutput(0);
    for (int i = 0; i < kBlock; ++i)
        ASSERT_FLOAT_EQ(out[static_cast<size_t>(i)], b[i]);
    post(2, 5, 4); // Ring
    out = run(kBlock, 2);
    for (int i = 0; i < kBlock; ++i)
        ASSERT_FLOAT_EQ(out[static_cast<size_t>(i)], a[i] * b[i]);
    post(2, 5, 42); // no such mode: zeros
    out = run(kBlock, 2);
    for (float v : out)
        ASSERT_EQ(v, 0.0f);
}

TEST_F(Osc, HardSyncRestartsTheSlaveAtTheMastersPeriod) {
    // Master sine at exactly 480 Hz (100 samples), slave saw at 3.37 times that.
    post(0, 5, 2);
    post(1, 5, 2);
    pitch = 48.0f;
    pitch2 = 48.0f * 3.37f;
    post(1, 9, 1);
    osc(0).Connect(&osc(1), 1, 0, 2, 0, 0, 0);
    auto periodicError = [&] {
        std::vector<float> s = run(4096, 1);
        float worst = 0.0f;
        for (size_t i = 1000; i + 100 < s.size(); ++i)
            worst = std::fmax(worst, std::fabs(s[i + 100] - s[i]));
        return worst;
    };
    EXPECT_GT(periodicError(), 0.1f); // free running: not periodic at the master's period
    post(1, 61, 1);
    run(kBlock);
    EXPECT_LT(periodicError(), 1e-4f);
}

TEST_F(Osc, RetriggerRestartsPhasesOnlyWhenOn) {
    post(0, 9, 1);
    run(1000);
    post(0, 1, 10);
    run(kBlock);
    const double free = osc(0).phase(0);
    post(0, 62, 1);
    post(0, 1, 10); // gate while retrigger is on: phase 0, then one block of advance
    run(kBlock);
    const double restarted = osc(0).phase(0);
    const double inc = 13.75 * std::exp2(5.0) / 48000.0;
    EXPECT_NEAR(restarted, kBlock * inc - std::floor(kBlock * inc), 1e-6);
    EXPECT_GT(std::fabs(free - restarted), 1e-3);
    post(0, 1, 0); // a release (intValue 0) restarts nothing
    run(kBlock);
    EXPECT_NEAR(osc(0).phase(0), 2 * kBlock * inc - std::floor(2 * kBlock * inc), 1e-6);
}

TEST_F(Osc, DisableSilencesAndSleeps) {
    post(0, 9, 1);
    run(kBlock);
    post(0, 4, 0);
    std::vector<float> s = run(kBlock * 3);
    for (float v : s)
        ASSERT_EQ(v, 0.0f);
    EXPECT_NE(osc(0).status() & kStatusAsleep, 0u);
    EXPECT_EQ(osc(0).phase(0), 0.0);
    post(0, 4, 2);
    s = run(kBlock * 2);
    EXPECT_GT(std::fabs(s.back()) + std::fabs(s[40]), 0.0f);
}

TEST_F(Osc, UnsafeInputsGiveFiniteOutput) {
    post(0, 9, 1);
    for (float p : {10.0f, -10.0f, NAN, INFINITY, 3.09f, -3.0f}) {
        pitch = p;
        for (float m : {0.0f, -100.5f, 1e9f, NAN}) {
            pm = m;
            for (float v : run(kBlock * 2))
                ASSERT_TRUE(std::isfinite(v) && std::fabs(v) <= 1.0f) << p << " " << m;
        }
    }
    pitch = 0.5f;
    pm = 0.0f;
    float zeroRatio = 0.0f; // no frequency: the full harmonic count, no division by zero
    osc(0).SetInput(39, &zeroRatio);
    run(kBlock);
    EXPECT_EQ(osc(0).harmonics(0), 1024);
    post(0, 9, -5); // wave index clamped to Sine
    post(0, 19, -1);
    for (float v : run(kBlock))
        ASSERT_TRUE(std::isfinite(v));
}

TEST_F(Osc, DriftOnlyRaisesThePitchAndStaysBounded) {
    float amount = 0.00833f; // "Osc Drift" 100
    osc(0).SetInput(7, &amount);
    post(0, 9, 1);
    float lo = 10.0f, hi = 0.0f;
    for (int b = 0; b < 48000 * 20 / kBlock / 32; ++b) {
        run(kBlock * 32);
        lo = std::fmin(lo, osc(0).driftFactor());
        hi = std::fmax(hi, osc(0).driftFactor());
    }
    EXPECT_GE(lo, 1.0f);
    EXPECT_LE(hi, 1.0f + amount * 10.0f + 1e-5f);
    EXPECT_GT(hi, 1.01f); // it does move
}
