// The LFO's shapes, rate, phase, retrigger and switch-off, measured on its output.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dsp/lfo.h"
#include "tests/module_rig.h"

using namespace tarlix;

namespace {

struct Lfo : ::testing::Test, moduletest::Solo<QX_DSP_LFO> {
    float rate = 1.0f, offset = 0.0f; // 1 V linear = 10 Hz
    void SetUp() override {
        m().SetInput(0, &rate);
        m().SetInput(1, &offset);
    }
    void restart(int shape) {
        post(3, shape, 0.0f);
        post(10, 1, 0.0f); // phase reset
        run(0);
        out.clear();
    }
};

} // namespace

// At 10 Hz a cycle takes 4410 samples: each shape at its start, a quarter and half a cycle.
TEST_F(Lfo, ShapesFollowTheirFormulas) {
    const struct {
        int shape;
        float at0, atQuarter, atHalf;
    } cases[] = {
        {0, 0.0f, 0.5f, 0.0f},     // Sine
        {1, 0.0f, 0.5f, 0.0f},     // Triangle, rising from 0
        {3, -0.5f, -0.25f, 0.0f},  // Saw 1
        {6, 0.5f, 0.25f, 0.0f},    // Ramp 1
        {10, 0.5f, -0.25f, -0.5f}, // Dip
        {2, 0.5f, 0.5f, -0.5f},    // Pulse
    };
    for (const auto& c : cases) {
        restart(c.shape);
        run(90);
        EXPECT_NEAR(out[0], c.at0, 2e-3f) << c.shape;
        EXPECT_NEAR(out[1102], c.atQuarter, 3e-3f) << c.shape;
        EXPECT_NEAR(out[2205], c.atHalf, 3e-3f) << c.shape;
        EXPECT_NEAR(out[4410 + 1102], c.atQuarter, 3e-3f) << c.shape; // a cycle later
    }
    // Phase offset 0.5 on Triangle starts at 0 falling.
    offset = 0.5f;
    restart(1);
    run(2);
    EXPECT_NEAR(out[0], 0.0f, 2e-3f);
    EXPECT_LT(out[10], out[0]);
}

TEST_F(Lfo, RandomHoldsForACycleAndRetriggerFollowsItsFlag) {
    restart(11);
    run(140);
    int changes = 0;
    for (size_t i = 1; i < out.size(); ++i)
        changes += out[i] != out[i - 1];
    EXPECT_EQ(changes, 2); // a new value at each of the two wraps
    for (float v : out)
        EXPECT_LE(std::fabs(v), 0.25f);
    // With the retrigger flag off a pulse leaves the phase running.
    restart(3);
    run(10);
    double before = m().phase();
    post(8, 0, 0.0f);
    post(2, 1, 1.0f);
    run(1);
    EXPECT_GT(m().phase(), before);
    post(8, 1, 0.0f);
    post(2, 1, 1.0f);
    run(0);
    out.clear();
    run(1);
    EXPECT_NEAR(out[0], -0.5f, 1e-3f); // back to the start of the saw
}

TEST_F(Lfo, PitchModeAndSwitchingOff) {
    post(4, 0, 0.0f); // pitch volts: 0.5 V = 440 Hz
    rate = 0.5f;
    restart(3);
    run(10);
    // 440 Hz at 44.1 kHz: about 100.2 samples a cycle.
    int wraps = 0;
    for (size_t i = 1; i < out.size(); ++i)
        wraps += out[i] < out[i - 1];
    EXPECT_NEAR(wraps, 640 / 100.2, 1);
    post(5, 0, 0.0f);
    out.clear();
    run(4);
    EXPECT_EQ(out.back(), 0.0f);
    EXPECT_TRUE(asleep());
}
