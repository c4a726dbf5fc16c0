// The glue modules: a modulation summer choosing its sources by target, a level stage after
// it, and the control-rate converters.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dsp/level_mix.h"
#include "engine/patch_table.h"
#include "engine/qx_dsp_vst.h"
#include "tests/module_rig.h"

using namespace tarlix;

namespace {

intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

// A varying source: 0.001 per sample of the engine clock.
class Ramp : public QX_ModuleBase {
  public:
    Ramp(ModuleContext* c, bool held) : QX_ModuleBase(c, held) { allocateOutputs(1); }
    void Render(int offset, int count) override {
        for (int i = 0; i < count; ++i)
            outputs[0][offset + i] = static_cast<float>(now + static_cast<uint64_t>(i)) * 0.001f;
    }
};

class Listener : public QX_ModuleBase {
  public:
    Listener(ModuleContext* c, bool held) : QX_ModuleBase(c, held) {}
    void HandleEvent(const EventRecord& e, int) override {
        last[e.port] = e.floatValue;
        ++count[e.port];
    }
    void Render(int, int) override {}
    float last[64] = {};
    int count[64] = {};
};

QX_ModuleBase* testModules(int code, ModuleContext* c, bool held) {
    if (code == 6100) return new Ramp(c, held);
    if (code == 6101) return new Listener(c, held);
    return nullptr;
}

// Adder: the ramp counts when "Lfo1 Target" (parameter 10) is option 1, the id of this
// summer; the constant 2 always counts (selector 0 = id 0); offset 3. Then (sum + 1) x 2.
constexpr PatchEntry kAdder[] = {{0, 0, 6100},  {1, 0, 5502},  {20, 0, 10},  {40, 0, 5501},
                                 {21, 0, 5500}, {41, 0, 5500}, {56, 0, 5503}};
constexpr PatchEntry kLevel[] = {{0, 0, 6074}, {1, 0, 5501}, {2, 0, 5502}};
// The sequencer's value switch: step index on input 0, step values from "SeqB 1".."SeqB 8".
constexpr PatchEntry kSwitch[] = {{9, 0, 144},  {10, 0, 145}, {11, 0, 146}, {12, 0, 147},
                                  {13, 0, 148}, {14, 0, 149}, {15, 0, 150}, {16, 0, 151}};
constexpr PatchEntry kMulti[] = {{0, 0, 5505}, {20, 0, 5501}, {40, 0, 5502}, {60, 0, 5500}};
constexpr PatchEntry kListen[] = {{0, 0, 6060}, {1, 0, 6032}};
constexpr PatchRow kTable[] = {
    {6100, 0, nullptr, 0},          {6074, 0, kAdder, 7}, {6151, 0, kLevel, 3},
    {6060, 0, kSwitch, 8},          {6032, 0, kMulti, 4}, {6101, 0, kListen, 2},
    {kPatchEndMark, 0, nullptr, 0},
};
int graph(Instrument& e) {
    return buildGraphFromTable(e, kTable, e.graphLayout(), testModules);
}

struct Glue : ::testing::Test {
    QX_DSP_VST fx{host};
    void SetUp() override {
        fx.instrument().setGraphBuilder(graph);
        fx.setBlockSize(64);
        fx.resume();
    }
    QX_ModuleBase* module(int i) { return fx.instrument().context().modules[i]; }
    void run(int blocks) {
        std::vector<float> l(64), r(64);
        float* outs[2] = {l.data(), r.data()};
        for (int b = 0; b < blocks; ++b)
            fx.processReplacing(nullptr, outs, 64);
    }
    bool asleep(int i) { return (fx.instrument().context().status[i] & kStatusAsleep) != 0; }
};

} // namespace

TEST_F(Glue, TheSummerTakesTheSourcesAimedAtIt) {
    ASSERT_EQ(fx.instrument().moduleCount(), 6);
    fx.setParameter(10, 1.0f / 18.0f); // "Lfo1 Target" option 1: this summer
    run(3);
    const float* sum = module(1)->GetOutput(0);
    const float* level = module(2)->GetOutput(0);
    uint64_t start = fx.instrument().clock() - 64; // the last block
    for (int i = 0; i < 64; ++i) {
        float ramp = static_cast<float>(start + static_cast<uint64_t>(i)) * 0.001f;
        ASSERT_NEAR(sum[i], ramp + 2.0f + 3.0f, 1e-3f);
        ASSERT_NEAR(level[i], (sum[i] + 1.0f) * 2.0f, 1e-4f);
    }
    EXPECT_FALSE(asleep(1));
    fx.setParameter(10, 0.0f); // aimed elsewhere: only the constant and the offset remain
    // Settles over a whole cell of the engine's 128-sample grid and sleeps at a cell's end (the
    // fifth, after these blocks of 64).
    run(7);
    EXPECT_FLOAT_EQ(sum[10], 5.0f);
    EXPECT_TRUE(asleep(1)); // constant: it sleeps
}

TEST_F(Glue, SequencerValueSwitchAndClampedChannels) {
    fx.setParameter(145, 0.53f); // "SeqB 2" (0..100 %, engine units 0..1)
    run(1);
    auto* sw = module(3);
    sw->PostEvent(fx.instrument().clock(), 5, 0, 1, 1.0f, nullptr); // semitone steps
    sw->PostEvent(fx.instrument().clock(), 0, 0, 1, 1.0f, nullptr); // step 2
    run(1);
    auto* listener = static_cast<Listener*>(module(5));
    const float v = fx.instrument().engineValue(145);
    EXPECT_NEAR(listener->last[0], std::round(v * 12.0f) / 12.0f, 1e-6f);
    sw->PostEvent(fx.instrument().clock(), 0, 0, -2, -2.0f, nullptr); // sequencer off: neutral
    run(1);
    EXPECT_EQ(listener->last[0], 0.0f);
    sw->PostEvent(fx.instrument().clock(), 0, 0, 1, 1.0f, nullptr);
    run(1);
    ASSERT_NE(listener->last[0], 0.0f);
    sw->PostEvent(fx.instrument().clock(), 0, 0, 20, 20.0f,
                  nullptr); // no ninth step: neutral, nothing read
    run(1);
    EXPECT_EQ(listener->last[0], 0.0f);
    // GUI_Multi_ABxC channel 0: (5 + 1) x 2 = 12, above the minimum 0.
    module(4)->PostEvent(fx.instrument().clock(), 0, 0, 0, 0.0f, nullptr);
    run(1);
    EXPECT_FLOAT_EQ(listener->last[1], 12.0f);
}

// The band gain of "EQ n Gain dB": 0 dB is exactly 0 (a skipped band), +-18 dB put the
// peaking band's centre gain g / (1.001 - g), g = G + 0.5, at +18.2 and -18.2 dB, and the gain
// never leaves +-0.5 where the band stays stable.
TEST(GainCurve, CentreGainsOfTheDbRange) {
    EXPECT_EQ(QX_DSP_FdB_to_VFGain::gainOf(0.0f), 0.0f);
    auto centre = [](float dB) {
        const double g = QX_DSP_FdB_to_VFGain::gainOf(dB * 0.1f) + 0.5;
        return 20.0 * std::log10(g / (1.001 - g));
    };
    EXPECT_NEAR(centre(18.0f), 18.2, 0.1);
    EXPECT_NEAR(centre(-18.0f), -18.2, 0.1);
    for (float v = -1.8f; v <= 1.8f; v += 0.01f)
        EXPECT_LT(std::fabs(QX_DSP_FdB_to_VFGain::gainOf(v)), 0.5f);
}

// The control-rate arithmetic modules: scale and offset arrive x 10; NaN counts as 0.
TEST(ControlArithmetic, ConverterAndAdderScaleAndOffsetTheirValues) {
    ModuleContext ctx;
    EventPool pool(64);
    ctx.pool = &pool;
    auto feed = [](QX_ModuleBase& m, int port, float v) {
        EventRecord e{};
        e.port = static_cast<uint16_t>(port);
        e.floatValue = v;
        m.HandleEvent(e, 0);
    };
    QX_DSP_Float_Converter converter(&ctx, false);
    feed(converter, 20, 0.2f); // scale 2
    feed(converter, 21, 0.1f); // offset 1
    feed(converter, 0, 3.0f);
    EXPECT_FLOAT_EQ(converter.output(), 7.0f);
    feed(converter, 5, 100.0f); // not a term of the converter
    EXPECT_FLOAT_EQ(converter.output(), 7.0f);

    QX_DSP_Float_Adder adder(&ctx, false);
    feed(adder, 0, 1.0f);
    feed(adder, 1, 2.0f);
    feed(adder, 15, 3.0f);
    EXPECT_FLOAT_EQ(adder.output(), 6.0f);
    feed(adder, 1, NAN);
    EXPECT_FLOAT_EQ(adder.output(), 4.0f);
}

namespace {

// Hears the whole-number word of every event.
class WordListener : public QX_ModuleBase {
  public:
    using QX_ModuleBase::QX_ModuleBase;
    void HandleEvent(const EventRecord& e, int) override { words.push_back(e.intValue); }
    void Render(int, int) override {}
    std::vector<int32_t> words;
};

int adderToListener(moduletest::Bench& b) {
    ModuleContext& c = b.context();
    auto* adder = new QX_DSP_Float_Adder(&c, false);
    c.modules[c.buildCount++] = adder;
    auto* listener = new WordListener(&c, false);
    c.modules[c.buildCount++] = listener;
    adder->Connect(listener, 1, 0, 0, 0, 0, 0);
    return 2;
}

} // namespace

// The word sent with a value is value x 10 rounded, halves away from zero; past the int32
// range it holds at the range's end instead of wrapping round to another number.
TEST(ControlArithmetic, WholeNumberWordsHoldAtTheEndsOfTheirRange) {
    moduletest::Bench bench;
    bench.setGraphBuilder(adderToListener);
    bench.setBlockSize(64);
    bench.resume();
    QX_ModuleBase& adder = *bench.context().modules[0];
    const auto& heard = static_cast<WordListener*>(bench.context().modules[1])->words;
    std::vector<float> l(64), r(64);
    float* outs[2] = {l.data(), r.data()};
    for (float v : {0.25f, -0.25f, 3e9f, 1e30f, -3e9f, -1e30f, 2.0f}) {
        adder.PostEvent(bench.clock(), 0, 0, 0, v, nullptr);
        bench.processReplacing(nullptr, outs, 64);
    }
    const std::vector<int32_t> expected = {3, -3, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, 20};
    EXPECT_EQ(heard, expected);
}
