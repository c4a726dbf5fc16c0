// The echo's building blocks measured on their outputs: the delay line's timing (whole and
// fractional), its limits, feedback and restart from silence; the stereo block delay; the
// static filters against the voice filter's designs.
#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>
#include <utility>
#include <vector>

#include "dsp/delay.h"
#include "dsp/equaliser.h"
#include "dsp/filter.h"
#include "tests/module_rig.h"
#include "tests/spectrum.h"

using namespace tarlix;
using moduletest::Feeder;

namespace {

constexpr int kBlock = 64;
QX_ModuleBase* (*gMake)(ModuleContext*) = nullptr;
bool gStereo = false;

int rigGraph(moduletest::Bench& e) {
    ModuleContext& c = e.context();
    auto* feeder = new Feeder(&c, false);
    c.modules[c.buildCount++] = feeder;
    QX_ModuleBase* m = gMake(&c);
    c.modules[c.buildCount++] = m;
    feeder->Connect(m, 1, 0, 0, 0, 0, 0);
    if (gStereo) feeder->Connect(m, 1, 1, 1, 0, 0, 0);
    return 2;
}

struct Rig {
    moduletest::Bench fx;
    Rig(QX_ModuleBase* (*make)(ModuleContext*), bool stereo = false, float rate = 48000.0f) {
        gMake = make;
        gStereo = stereo;
        fx.setGraphBuilder(rigGraph);
        fx.setSampleRate(rate);
        fx.setBlockSize(kBlock);
        fx.resume();
    }
    QX_ModuleBase& module() { return *fx.context().modules[1]; }
    void post(int port, int i, float f) { module().PostEvent(fx.clock(), port, 0, i, f, nullptr); }
    // Runs the signals through; returns outputs 0 and 1.
    std::pair<std::vector<float>, std::vector<float>> run(const std::vector<float>& left,
                                                          const std::vector<float>& right = {}) {
        auto& f = *static_cast<Feeder*>(fx.context().modules[0]);
        f.play(left, right);
        std::vector<float> l(kBlock), r(kBlock), a, b;
        float* outs[2] = {l.data(), r.data()};
        for (size_t n = 0; n < (left.size() + kBlock - 1) / kBlock; ++n) {
            fx.processReplacing(nullptr, outs, kBlock);
            const float* o0 = module().GetOutput(0);
            const float* o1 = module().GetOutput(1);
            a.insert(a.end(), o0, o0 + kBlock);
            if (o1) b.insert(b.end(), o1, o1 + kBlock);
        }
        a.resize(left.size());
        if (!b.empty()) b.resize(left.size());
        return {a, b};
    }
};

QX_ModuleBase* makeDelay(ModuleContext* c) {
    return new QX_DSP_Delay(c, false);
}
QX_ModuleBase* makeStereoDelay(ModuleContext* c) {
    return new QX_DSP_Delay_ST(c, false);
}
QX_ModuleBase* makeStatic(ModuleContext* c) {
    return new QX_DSP_BiQuad_Static(c, false);
}
QX_ModuleBase* makeFilter(ModuleContext* c) {
    return new QX_DSP_Multi_Filter(c, false);
}

std::vector<float> click(size_t n, size_t at = 0) {
    std::vector<float> x(n, 0.0f);
    x[at] = 1.0f;
    return x;
}

size_t loudest(const std::vector<float>& s) {
    size_t at = 0;
    for (size_t i = 0; i < s.size(); ++i)
        if (std::fabs(s[i]) > std::fabs(s[at])) at = i;
    return at;
}

} // namespace

// A click comes back after the set time: 1 V is 10 ms (480 samples at 48 kHz); a fractional
// delay splits it between the two neighbouring samples; time 0 passes it at once.
TEST(Delay, ClickReturnsAfterTheSetTime) {
    Rig rig(makeDelay);
    float time = 2.5f; // 25 ms = 1200 samples
    rig.module().SetInput(1, &time);
    std::vector<float> out = rig.run(click(4096, 10)).first;
    EXPECT_EQ(out[10 + 1200], 1.0f);
    EXPECT_EQ(out[10 + 1199] + out[10 + 1201], 0.0f);
    time = 100.5f / 480.0f; // 100.5 samples
    out = rig.run(click(4096, 10)).first;
    EXPECT_NEAR(out[110], 0.5f, 1e-4f);
    EXPECT_NEAR(out[111], 0.5f, 1e-4f);
    time = 0.0f;
    out = rig.run(click(512, 10)).first;
    EXPECT_EQ(out[10], 1.0f);
}

// Longer than its line (size index 11: 256 samples), a delay is held at the line's end instead
// of wrapping to a wrong time; a negative time is no delay.
TEST(Delay, TimesAreHeldWithinTheLine) {
    Rig rig(makeDelay);
    float time = 1.0f; // 480 samples
    rig.module().SetInput(1, &time);
    rig.post(6, 11, 11.0f); // a 256-sample line (within the one allocated)
    std::vector<float> out = rig.run(click(2048, 10)).first;
    EXPECT_EQ(out[10 + 254], 1.0f);
    time = -3.0f;
    out = rig.run(click(512, 10)).first;
    EXPECT_EQ(out[10], 1.0f);
}

// Feedback returns every repeat scaled once more; switched off and on again, or cleared, the
// line starts from silence: nothing of what it held is heard.
TEST(Delay, FeedbackRepeatsAndRestartsFromSilence) {
    Rig rig(makeDelay);
    float time = 1.0f; // 480 samples
    rig.module().SetInput(1, &time);
    rig.post(2, 0, 0.5f); // feedback
    std::vector<float> out = rig.run(click(2048, 0)).first;
    EXPECT_FLOAT_EQ(out[480], 1.0f);
    EXPECT_FLOAT_EQ(out[960], 0.5f);
    EXPECT_FLOAT_EQ(out[1440], 0.25f);
    rig.post(2, 0, 0.0f);
    rig.run(click(100, 0)); // fill it with a click
    rig.post(7, 0, 0.0f);   // off
    EXPECT_EQ(rig.run(std::vector<float>(256, 0.0f)).first, std::vector<float>(256, 0.0f));
    rig.post(7, 1, 1.0f); // on again
    out = rig.run(std::vector<float>(2048, 0.0f)).first;
    for (float x : out)
        ASSERT_EQ(x, 0.0f);
    rig.run(click(100, 0));
    rig.post(8, 1, 1.0f); // clear
    out = rig.run(std::vector<float>(2048, 0.0f)).first;
    for (float x : out)
        ASSERT_EQ(x, 0.0f);
}

// Once every repeat has died away (quiet for longer than the tap reaches back) the line sleeps;
// the faintest sound wakes it at its first sample, and it plays on time.
TEST(Delay, SleepsWhenItsRepeatsHaveDiedAndWakesOnTheFirstSample) {
    Rig rig(makeDelay);
    float time = 1.0f; // 480 samples
    rig.module().SetInput(1, &time);
    rig.post(2, 0, 0.5f);
    std::vector<float> out = rig.run(click(4800, 0)).first;
    EXPECT_FLOAT_EQ(out[480 * 9], 1.0f / 256.0f);
    EXPECT_FALSE(rig.module().status() & kStatusAsleep); // repeats still sound
    rig.run(std::vector<float>(3 * 48000, 0.0f));
    EXPECT_TRUE(rig.module().status() & kStatusAsleep);
    std::vector<float> faint = click(2048, 100);
    faint[100] = 1e-9f;
    out = rig.run(faint).first;
    EXPECT_FLOAT_EQ(out[100 + 480], 1e-9f);
    EXPECT_FLOAT_EQ(out[100 + 960], 0.5e-9f);
}

// The stereo block delay: floor(time x scale) samples on both channels, the channels crossed
// when swapped.
TEST(Delay, StereoBlockDelayAndSwap) {
    Rig rig(makeStereoDelay, true);
    rig.post(2, 0, 1.8f); // 18 ms: 864 samples
    auto [l, r] = rig.run(click(2048, 5), click(2048, 7));
    EXPECT_EQ(l[5 + 864], 1.0f);
    EXPECT_EQ(r[7 + 864], 1.0f);
    rig.post(6, 1, 1.0f);
    rig.post(9, 1, 1.0f); // cleared as well
    std::tie(l, r) = rig.run(click(2048, 5), std::vector<float>(2048, 0.0f));
    EXPECT_EQ(r[5 + 864], 1.0f); // the left line now on the right
    EXPECT_EQ(l[5 + 864], 0.0f);
}

// The line owns its buffer: copies would free it twice, so there are none; a move hands the
// samples over and leaves the source empty, and each buffer is freed once (the sanitizer build
// sees a second free).
TEST(Delay, RingMovesItsBufferAndNeverCopiesIt) {
    static_assert(!std::is_copy_constructible_v<DelayRing>);
    static_assert(!std::is_copy_assignable_v<DelayRing>);
    DelayRing a;
    ASSERT_TRUE(a.allocate(64));
    for (int i = 1; i <= 3; ++i)
        a.write(static_cast<float>(i));
    DelayRing b(std::move(a));
    EXPECT_FALSE(a.ready());
    ASSERT_TRUE(b.ready());
    EXPECT_EQ(b.at(0), 3.0f);
    EXPECT_EQ(b.at(2), 1.0f);
    EXPECT_EQ(b.at(3), 0.0f); // not written: silence

    DelayRing c;
    ASSERT_TRUE(c.allocate(128));
    c = std::move(b); // c's own buffer is freed, b's taken over
    EXPECT_FALSE(b.ready());
    EXPECT_EQ(c.length(), 64);
    EXPECT_EQ(c.at(1), 2.0f);
}

// The static filters' low-pass (design 1) and high-pass (design 5) are the voice filter's A and
// high-pass, sample for sample, at a fixed cutoff; resonance 0 as in the echo.
TEST(StaticFilter, DesignsMatchTheVoiceFilter) {
    std::vector<float> noise(8192);
    uint32_t seed = 3;
    for (float& x : noise) {
        seed = seed * 1664525u + 1013904223u;
        x = static_cast<float>(static_cast<int32_t>(seed)) * 2e-10f;
    }
    for (int design : {1, 5}) {
        float cutoff = 0.6f, resonance = 0.0f;
        Rig flt(makeStatic);
        flt.module().SetInput(2, &cutoff);
        flt.module().SetInput(3, &resonance);
        flt.post(7, 0, 0.0f); // exponential
        flt.post(5, design, 0.0f);
        Rig voice(makeFilter);
        voice.module().SetInput(2, &cutoff);
        voice.module().SetInput(3, &resonance);
        voice.post(7, 0, 0.0f);
        voice.post(5, design == 1 ? 1 : QX_DSP_Multi_Filter::kTypeHighPass, 0.0f);
        EXPECT_EQ(flt.run(noise).first, voice.run(noise).first) << design;
    }
}

namespace {
QX_ModuleBase* makeShifter(ModuleContext* c) {
    return new QX_DSP_PitchShifter(c, false);
}
} // namespace

// At rest (pitch exactly 0) the shifter is a fixed delay: the whole window W = rate x 0.005 x 6
// (1323 samples at 44.1 kHz) in the Melt form, half of it in the echo form. The increment of
// an octave up over that window is -3.25e6 per sample; an absurd ratio saturates.
TEST(PitchShifter, RestDelaysAndIncrement) {
    for (int mode : {1, 4}) {
        Rig rig(makeShifter, false, 44100.0f);
        float pitch = 0.0f;
        rig.module().SetInput(2, &pitch);
        rig.post(5, mode, 0.0f);
        ASSERT_EQ(static_cast<QX_DSP_PitchShifter&>(rig.module()).window(), 1323);
        std::vector<float> out = rig.run(click(4096, 100)).first;
        const size_t expected = 100 + (mode == 1 ? 1323 : 1323 / 2);
        EXPECT_NEAR(static_cast<double>(loudest(out)), static_cast<double>(expected), 1.0) << mode;
    }
    EXPECT_NEAR(QX_DSP_PitchShifter::incrementFor(1.0, 1323), -3.2464e6, 1e3);
    EXPECT_EQ(QX_DSP_PitchShifter::incrementFor(1e9, 1323), -2147483647);
    EXPECT_EQ(QX_DSP_PitchShifter::incrementFor(-1e9, 2), 2147483647);
    EXPECT_EQ(QX_DSP_PitchShifter::incrementFor(NAN, 0), -2147483647);
}

// Twelve semitones up (1.2 V on the semitone law) in the echo form: a 440 Hz sine comes out
// an octave higher, its energy around 880 Hz far above what is left around 440 Hz.
TEST(PitchShifter, ShiftsAnOctaveUp) {
    Rig rig(makeShifter, false, 48000.0f);
    float pitch = 1.2f;
    rig.module().SetInput(2, &pitch);
    rig.post(5, 4, 0.0f);
    std::vector<float> in(48000);
    for (size_t i = 0; i < in.size(); ++i)
        in[i] = 0.5f * static_cast<float>(std::sin(2.0 * M_PI * 440.0 * i / 48000.0));
    std::vector<float> out = rig.run(in).first;
    // The sweeps' cross-fades spread each line into sidebands: compare 40 Hz wide bands.
    auto band = [&](double centre) {
        double sum = 0.0;
        for (double f = centre - 20.0; f <= centre + 20.0; f += 1.0)
            sum += spectrum::powerAt(out, 4800, out.size(), f, 48000.0);
        return sum;
    };
    EXPECT_GT(10.0 * std::log10(band(880.0) / band(440.0)), 20.0);
}

namespace {
QX_ModuleBase* makeChorus(ModuleContext* c) {
    return new QX_DSP_Chorus3v(c, false);
}
} // namespace

// Line lengths by size index, doubled above 48, 96 and 192 kHz: the chorus's default index 4
// holds 32768 samples at 44.1 and 48 kHz, 65536 at 96 kHz.
TEST(Chorus, BufferLengthsPerRate) {
    EXPECT_EQ(delayBufferLength(4, 44100.0), 32768);
    EXPECT_EQ(delayBufferLength(4, 48000.0), 32768);
    EXPECT_EQ(delayBufferLength(4, 96000.0), 65536);
    EXPECT_EQ(delayBufferLength(4, 176400.0), 131072);
    EXPECT_EQ(delayBufferLength(4, 384000.0), 262144);
    EXPECT_EQ(delayBufferLength(0, 48000.0), 524288);
    EXPECT_EQ(delayBufferLength(11, 48000.0), 256);
    EXPECT_EQ(delayBufferLength(-3, 48000.0), 524288); // indices held within 0..11
    EXPECT_EQ(delayBufferLength(40, 48000.0), 256);
}

// A chorus voice's delay runs from its tap (modulation -0.5) to tap + depth (+0.5): with the
// graph's base of one sample and a 2 ms depth, a click returns 1 sample and 97 samples later
// at 48 kHz; depth 0 leaves the base alone.
TEST(Chorus, TapsAndDepths) {
    Rig rig(makeChorus);
    float depth = 0.2f, low = -0.5f, high = 0.5f; // 2 ms
    rig.module().SetInput(14, &depth);
    rig.module().SetInput(6, &low);
    rig.module().SetInput(7, &high);
    rig.post(31, 0, 0.0f); // base delay 0 V: one sample
    auto [v1, v2] = rig.run(click(1024, 10));
    EXPECT_EQ(loudest(v1), 11u);
    EXPECT_EQ(loudest(v2), 10u + 1 + 96);
    depth = 0.0f;
    std::tie(v1, v2) = rig.run(click(1024, 10));
    EXPECT_EQ(loudest(v2), 11u);
}
