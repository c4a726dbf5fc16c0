// The envelope's stages measured on its output.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dsp/envelope.h"
#include "tests/module_rig.h"

using namespace tarlix;

namespace {

struct Envelope : ::testing::Test, moduletest::Solo<QX_DSP_HAHDSR_Env> {
    float attack = 0.01f, decay = 0.01f, sustain = 0.5f, release = 0.01f; // 0.1 s each
    void SetUp() override { start(44100); }
    void start(float rate) {
        Solo::start(rate);
        m().SetInput(2, &attack);
        m().SetInput(4, &decay);
        m().SetInput(5, &sustain);
        m().SetInput(6, &release);
        post(3, 0, 0.0f); // no hold, as in the instrument (unset, the hold is endless)
        run(4);
        out.clear();
    }
};

} // namespace

TEST_F(Envelope, AttackDecaySustainRelease) {
    post(0, 10, 10.0f);
    run(200);                             // 12800 samples: attack 4410, decay 4410, then sustain
    EXPECT_NEAR(out[2205], 0.5f, 0.001f); // half way up
    EXPECT_NEAR(out[4409], 1.0f, 0.001f); // the top after 0.1 s
    EXPECT_NEAR(out[4410 + 2205], 0.75f, 0.01f); // half way down to the sustain
    EXPECT_FLOAT_EQ(out[12000], 0.5f);
    EXPECT_EQ(m().stage(), QX_DSP_HAHDSR_Env::Stage::Sustain);
    out.clear();
    post(0, 0, 0.0f);
    run(80); // release from 0.5 takes the whole release time
    EXPECT_NEAR(out[2205], 0.25f, 0.001f);
    EXPECT_GT(out[4400], 0.0f);
    EXPECT_EQ(out[4420], 0.0f);
    EXPECT_EQ(m().stage(), QX_DSP_HAHDSR_Env::Stage::End);
}

TEST_F(Envelope, MinimumAttackShapesInversionAndRetrigger) {
    attack = 0.0f;
    post(14, 0, 0.001f); // the amplitude envelope's 10 ms minimum
    post(0, 10, 10.0f);
    run(10);
    EXPECT_NEAR(out[220], 0.5f, 0.01f);
    EXPECT_NEAR(out[440], 1.0f, 0.01f);
    // Exp contour and the velocity gain: velocity 0.5 fully applied halves the level.
    post(8, 1, 0.0f);
    post(11, 0, 0.5f);
    post(12, 0, 1.0f);
    sustain = 1.0f; // the decay ends at once
    out.clear();
    run(100);
    EXPECT_NEAR(out.back(), 0.5f, 1e-6f);
    // Retriggered during the release: it restarts from zero.
    post(0, 0, 0.0f);
    run(20);
    out.clear();
    post(8, 0, 0.0f);
    post(0, 10, 10.0f);
    run(1);
    EXPECT_LT(out[0], 0.05f);
    // Invert 2 with the envelope idle gives 1.
    post(10, 2, 0.0f);
    post(9, 0, 0.0f); // disabled: ended at once
    out.clear();
    run(4);
    EXPECT_EQ(out.back(), 1.0f);
}

// Each stage lasts its set time (0.1 V per second) within 2 % or one sample, at both rates;
// the release from any level takes the whole release time.
TEST_F(Envelope, StageDurationsAtTwoRates) {
    for (float rate : {44100.0f, 96000.0f}) {
        start(rate);
        attack = 0.037f; // 0.37 s
        decay = 0.0123f; // 0.123 s
        sustain = 0.3f;
        release = 0.051f; // 0.51 s
        post(0, 10, 10.0f);
        run(static_cast<int>(rate * 0.7f / 64));
        auto firstAt = [&](size_t from, auto test) {
            for (size_t i = from; i < out.size(); ++i)
                if (test(out[i])) return i;
            return out.size();
        };
        const size_t top = firstAt(0, [](float v) { return v >= 0.99999f; });
        const size_t floor = firstAt(top, [&](float v) { return v <= sustain + 1e-6f; });
        auto near = [&](double samples, double seconds) {
            EXPECT_NEAR(samples, seconds * rate, std::fmax(1.0, 0.02 * seconds * rate)) << rate;
        };
        near(static_cast<double>(top + 1), 0.37);
        near(static_cast<double>(floor - top), 0.123);
        // Release from the middle of the attack: still the full release time.
        for (float from : {0.3f, 0.0f}) {
            out.clear();
            post(0, 0, 0.0f);
            run(static_cast<int>(rate * 0.6f / 64));
            near(static_cast<double>(firstAt(0, [](float v) { return v <= 0.0f; })), 0.51);
            if (from == 0.0f) break;
            post(0, 10, 10.0f); // again, released part-way up the attack
            out.clear();
            run(static_cast<int>(rate * 0.1f / 64));
        }
    }
}

// Automation reaching an ended envelope does not keep it (and its voice) from being freed.
TEST_F(Envelope, EventsDoNotHoldAnEndedEnvelope) {
    post(0, 10, 10.0f);
    run(10);
    post(0, 0, 0.0f);
    run(80); // ended
    for (int b = 0; b < 8; ++b) {
        post(6, 0, 0.01f); // a release-time automation event every block
        run(1);
    }
    EXPECT_TRUE(asleep());
}
