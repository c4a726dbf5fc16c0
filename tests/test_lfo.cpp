// The LFO's shapes, rate, phase, retrigger and switch-off, measured on its output.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dsp/lfo.h"
#include "tests/module_rig.h"

using namespace tarlix;

namespace {

int lfoGraph(moduletest::Bench& e) {
    ModuleContext& c = e.context();
    c.modules[0] = new QX_DSP_LFO(&c, false);
    ++c.buildCount;
    return 1;
}

struct Lfo : ::testing::Test {
    moduletest::Bench fx;
    float rate = 1.0f, offset = 0.0f; // 1 V linear = 10 Hz
    std::vector<float> out;
    void SetUp() override {
        fx.setGraphBuilder(lfoGraph);
        fx.setSampleRate(44100);
        fx.setBlockSize(64);
        fx.resume();
        lfo().SetInput(0, &rate);
        lfo().SetInput(1, &offset);
    }
    QX_DSP_LFO& lfo() { return *static_cast<QX_DSP_LFO*>(fx.context().modules[0]); }
    void post(int port, int i, float f) { lfo().PostEvent(fx.clock(), port, 0, i, f, nullptr); }
    void run(int blocks) {
        std::vector<float> l(64), r(64);
        float* outs[2] = {l.data(), r.data()};
        for (int b = 0; b < blocks; ++b) {
            fx.processReplacing(nullptr, outs, 64);
            const float* o = lfo().GetOutput(0);
            out.insert(out.end(), o, o + 64);
        }
    }
    void restart(int shape) {
        post(3, shape, 0.0f);
        post(10, 1, 0.0f); // phase reset
        run(0);
        out.clear();
    }
};

} // namespace

TEST_F(Lfo, SineAtTenHertzTakes4410SamplesACycle) {
    restart(0);
    run(140); // 8960 samples: two cycles
    EXPECT_NEAR(out[0], 0.0f, 1e-3f);
    EXPECT_NEAR(out[1102], 0.5f, 1e-3f); // a quarter cycle
    EXPECT_NEAR(out[4410], 0.0f, 2e-3f);
    EXPECT_NEAR(out[4410 + 1102], 0.5f, 1e-3f);
    float peak = 0.0f;
    for (float v : out)
        peak = std::fmax(peak, std::fabs(v));
    EXPECT_NEAR(peak, 0.5f, 1e-3f);
}

TEST_F(Lfo, ShapesFollowTheirFormulas) {
    const struct {
        int shape;
        float at0, atQuarter, atHalf;
    } cases[] = {
        {1, 0.0f, 0.5f, 0.0f},     // Triangle, rising from 0
        {3, -0.5f, -0.25f, 0.0f},  // Saw 1
        {6, 0.5f, 0.25f, 0.0f},    // Ramp 1
        {10, 0.5f, -0.25f, -0.5f}, // Dip
        {2, 0.5f, 0.5f, -0.5f},    // Pulse
    };
    for (const auto& c : cases) {
        restart(c.shape);
        run(70);
        EXPECT_NEAR(out[0], c.at0, 2e-3f) << c.shape;
        EXPECT_NEAR(out[1102], c.atQuarter, 3e-3f) << c.shape;
        EXPECT_NEAR(out[2205], c.atHalf, 3e-3f) << c.shape;
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
    double before = lfo().phase();
    post(8, 0, 0.0f);
    post(2, 1, 1.0f);
    run(1);
    EXPECT_GT(lfo().phase(), before);
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
    EXPECT_NE(fx.context().status[0] & kStatusAsleep, 0u);
}
