// The patch table and the graph it builds; the control module's conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dsp/tarlix2_control.h"
#include "engine/patch_table.h"
#include "engine/qx_dsp_vst.h"
#include "tests/module_rig.h"

using namespace tarlix;
using moduletest::host;

namespace {

int indexOfRow(int row) {
    if (row < 57) return row;
    if (row < 122) return 57 + (row - 58); // voice 0
    // After the group: the re-wire pairs (154/155, 158/159) make no module.
    int index = 57 + 64 * 20 + (row - 123);
    if (row > 155) index -= 2;
    if (row > 159) index -= 2;
    return index;
}

struct InstrumentGraph : ::testing::Test {
    QX_DSP_VST fx{host};
    void SetUp() override {
        fx.setSampleRate(44100);
        fx.setBlockSize(128);
        fx.resume();
    }
    QX_ModuleBase* module(int index) { return fx.instrument().context().modules[index]; }
};

} // namespace

TEST_F(InstrumentGraph, GraphHasTheTablesModulesInOrder) {
    const GraphLayout& g = fx.instrument().graphLayout();
    ASSERT_EQ(fx.instrument().moduleCount(), 1379);
    EXPECT_EQ(g.groupStart, 57);
    EXPECT_EQ(g.voiceCount, 20);
    EXPECT_EQ(g.modulesPerVoice, 64);
    EXPECT_EQ(g.skippedEntries, 0) << "an entry of the shipped table was refused";
    for (int row = 0; row < kPatchRowCount; ++row) {
        int code = kPatchTable[row].code;
        if (code >= kPatchGroupBegin || code < kFirstModuleCode) continue;
        if (row == 155 || row == 159) continue; // entry rows of re-wires
        ASSERT_EQ(module(indexOfRow(row))->moduleCode, code) << "row " << row;
    }
    EXPECT_EQ(module(1378)->moduleCode, 6230);
    EXPECT_EQ(module(526)->moduleCode, 6355); // voice 7's first oscillator
    EXPECT_EQ(module(526)->voice, 7);
    for (int v = 0; v < 20; ++v)
        EXPECT_EQ(module(57 + 64 * v + 21)->moduleCode, 6355);
    EXPECT_EQ(g.moduleByCode[6355 - 6000], 78); // a code names voice 0's module
    EXPECT_EQ(g.moduleByCode[6152 - 6000], 89); // shared by rows 80 and 90: the later one
    EXPECT_EQ(g.moduleByCode[6000 - 6000], -1); // no class, no module
}

TEST_F(InstrumentGraph, WiringInsideAndAcrossTheVoiceGroup) {
    // A parameter route made in the group: one route, the input of all 20 voices.
    EXPECT_EQ(fx.instrument().parameterRouteCount(64), 1);
    for (int v = 0; v < 20; ++v) {
        QX_ModuleBase* osc = module(57 + 64 * v + 21);
        EXPECT_EQ(osc->inputs[9], fx.instrument().engineValueAddress(64));
        // A source in the group is the same voice's module (row 78).
        EXPECT_EQ(osc->inputSource[0], module(57 + 64 * v + 20)) << v;
        // A source before the group (row 1) is shared.
        EXPECT_EQ(osc->inputSource[2], module(1));
        EXPECT_EQ(osc->inputs[2], module(1)->GetOutput(0));
    }
    // Row 1's output 0 (0 V) feeds nine inputs of the group (oscillator 1's sync source, the
    // sub-oscillator's sync source and pulse width, the limiters' make-up switches, the two
    // low-passes' third control and two cutoff floors), one route each, made for voice 0,
    // the echo filters' two resonances and the HFO smoothing filter's resonance.
    ASSERT_EQ(module(1)->routeCount(0), 12);
    const RouteRecord* r = module(1)->routes[0];
    EXPECT_EQ(r->destination, 57 + 14); // the HFO smoothing filter, row 72
    EXPECT_EQ(r->next->destination, 78);
    EXPECT_EQ(r->next->next->destination, 57 + 30);
    EXPECT_EQ(r->voiceCount, 20);
    EXPECT_EQ(r->voiceStride, 64);
    // The allocator's gate output reaches every voice of its fourteen rows (envelopes 1 and 2,
    // the LFO 3 fade-in and LFO 3, the HFO envelope and the HFO, the three oscillators, the
    // filter and amplitude envelopes, the three filters).
    ASSERT_EQ(module(56)->routeCount(0), 14);
    EXPECT_EQ(module(56)->routes[0]->voiceCount, 20);
    // The echo feedback re-wires: row 153 into row 146 input 1, row 157 into row 147 input 1.
    EXPECT_EQ(module(indexOfRow(146))->inputSource[1], module(indexOfRow(153)));
    EXPECT_EQ(module(indexOfRow(147))->inputSource[1], module(indexOfRow(157)));
    // The final stage reads the equalisers and the master level.
    EXPECT_EQ(module(1378)->inputSource[2], module(indexOfRow(167)));
}

// The builder records what feeds each input as it wires it: a parameter input reads its engine
// value, a constant one the patch table's constants, a module input a module's buffer or its
// events.
TEST_F(InstrumentGraph, EveryInputKnowsWhatFeedsIt) {
    Instrument& instrument = fx.instrument();
    const float* firstValue = instrument.engineValueAddress(0);
    int counts[4] = {};
    for (int m = 0; m < instrument.moduleCount(); ++m) {
        const QX_ModuleBase* mod = module(m);
        for (int k = 0; k < kModulePorts; ++k) {
            const float* p = mod->inputs[k];
            const InputKind kind = mod->inputKind(k);
            ++counts[static_cast<int>(kind)];
            switch (kind) {
            case InputKind::Unwired:
                EXPECT_EQ(p, nullptr) << "module " << m << " input " << k;
                break;
            case InputKind::Parameter:
                EXPECT_TRUE(p >= firstValue && p < firstValue + kNumEngineValues)
                    << "module " << m << " input " << k;
                break;
            case InputKind::Constant:
                EXPECT_TRUE(p >= kPatchConstants && p < kPatchConstants + kConstantCount)
                    << "module " << m << " input " << k;
                break;
            case InputKind::Module: // a buffer, or events only from a source without one
                EXPECT_TRUE(p != nullptr || mod->inputSource[k] != nullptr)
                    << "module " << m << " input " << k;
                break;
            }
        }
    }
    for (InputKind kind : {InputKind::Parameter, InputKind::Constant, InputKind::Module})
        EXPECT_GT(counts[static_cast<int>(kind)], 100);
}

namespace {
constexpr PatchEntry kLoose[] = {{0, 0, 6999}, {250, 0, 5}, {70, 0, 83}, {3, 0, 5800}};
constexpr PatchRow kBadTable[] = {
    {6001, 0, nullptr, 0},             // no class: nothing made
    {6005, 0, kLoose, 4},              // four entries that point nowhere
    {kPatchGroupBegin, 4, nullptr, 0}, // no allocator before it
    {kPatchGroupEnd, 0, nullptr, 0},
    {kPatchEndMark, 0, nullptr, 0},
};
int badGraph(Instrument& e) {
    return buildGraphFromTable(e, kBadTable, e.graphLayout());
}
} // namespace

TEST(PatchBuilder, BadRowsAndEntriesAreRefusedSafely) {
    QX_DSP_VST fx(host);
    fx.instrument().setGraphBuilder(badGraph);
    fx.resume();
    EXPECT_EQ(fx.instrument().moduleCount(),
              0); // the group without an allocator fails the build: silence
    EXPECT_EQ(fx.instrument().graphLayout().skippedEntries, 4);
    std::vector<float> l(64, 1.0f), r(64, 1.0f);
    float* outs[2] = {l.data(), r.data()};
    fx.processReplacing(nullptr, outs, 64);
    EXPECT_EQ(l[5], 0.0f);
}

// ---- the control module -----------------------------------------------------------------

namespace {
int controlGraph(Instrument& e) {
    ModuleContext& c = e.context();
    auto* control = new QX_DSP_Tarlix2_Control(&c, false);
    c.modules[0] = control;
    ++c.buildCount;
    auto* l = new moduletest::EventRecorder(&c, false);
    c.modules[c.buildCount++] = l;
    for (int out = 0; out < 51; ++out)
        control->Connect(l, 1, out, out, 0, 0, 0);
    return 2;
}

struct Control : ::testing::Test {
    QX_DSP_VST fx{host};
    std::vector<float> l = std::vector<float>(64), r = std::vector<float>(64);
    void SetUp() override {
        fx.instrument().setGraphBuilder(controlGraph);
        fx.setSampleRate(44100);
        fx.setBlockSize(64);
        fx.resume();
        run();
        listener().heard.clear();
    }
    moduletest::EventRecorder& listener() {
        return *static_cast<moduletest::EventRecorder*>(fx.instrument().context().modules[1]);
    }
    void post(int input, int i, float f) {
        fx.instrument().context().modules[0]->PostEvent(fx.instrument().clock(), input, 0, i, f,
                                                        nullptr);
    }
    void run() {
        float* outs[2] = {l.data(), r.data()};
        fx.processReplacing(nullptr, outs, 64);
    }
    std::pair<int, float> last(int output) {
        const auto v = listener().on(output);
        return v.empty() ? std::pair<int, float>{-99, -99.0f}
                         : std::pair<int, float>{v.back().value, v.back().floatValue};
    }
};
} // namespace

TEST_F(Control, EchoTimeFollowsTempoRateLengthStepAndDot) {
    post(4, 0, 0.0f); // "1b"
    post(5, 1, 1.0f); // length 1
    run();
    EXPECT_NEAR(last(4).second, 48.2f, 1e-4f);
    post(5, 27, 2.7f);
    post(19, 1, 1.0f); // step: 2.7 -> 2
    run();
    EXPECT_NEAR(last(4).second, 600.0f / 12 * 4 * 2 * 0.25f - 1.8000001f, 1e-4f);
    post(26, 1, 1.0f); // dotted: 3
    run();
    EXPECT_NEAR(last(4).second, 600.0f / 12 * 4 * 3 * 0.25f - 1.8000001f, 1e-4f);
    listener().heard.clear();
    run();
    EXPECT_TRUE(listener().on(4).empty()); // recomputed only after a change
    post(0, 240, 24.0f); // tempo 240 BPM: echo and LFO rates follow in the next chunk
    post(7, 4, 0.0f);    // LFO 1 beat "1b"
    run();
    EXPECT_NEAR(last(4).second, 600.0f / 24 * 4 * 3 * 0.25f - 1.8000001f, 1e-4f);
    EXPECT_NEAR(last(5).second, 24.0f / 960.0f * 4.0f, 1e-7f);
}

TEST_F(Control, SwitchesAndTranslations) {
    const struct { int mode, mono, legato; } play[] = {{0, 1, 0}, {1, 1, 1}, {2, 0, 0}};
    for (auto p : play) {
        post(24, p.mode, 0.0f);
        run();
        EXPECT_EQ(last(14).first, p.mono) << p.mode;
        EXPECT_EQ(last(15).first, p.legato) << p.mode;
    }
    post(1, 4, 0.0f); // HFO "Trap"
    post(2, 3, 0.0f); // sub "Vox"
    post(3, 5, 0.0f); // "Sync"
    run();
    EXPECT_EQ(last(1).first, 16);
    EXPECT_EQ(last(2).first, 11);
    EXPECT_EQ(last(3), (std::pair<int, float>{1, 10.0f}));
    post(21, 0, 0.3f);
    post(22, 0, 0.4f);
    post(20, 7, 0.0f); // "Osc2 - FM" doubles depth and level
    run();
    EXPECT_FLOAT_EQ(last(10).second, 0.6f);
    EXPECT_FLOAT_EQ(last(12).second, 0.8f);
    post(41, 1, 0.0f); // gain "Pre"
    post(44, 1, 0.0f); // EQ active, "Post"
    post(45, 1, 0.0f);
    run();
    EXPECT_EQ(last(40).first, 2);
    EXPECT_EQ(last(41).first, 1);
    EXPECT_EQ(last(44).first, 0);
    EXPECT_EQ(last(45).first, 1);
}

TEST_F(Control, OutOfRangeInputsStaySafe) {
    post(1, 99, 0.0f);
    post(2, -4, 0.0f);
    post(4, 1000, 0.0f);
    post(7, 77, 0.0f);
    post(0, 0, 0.0f);   // no tempo: 120 BPM
    post(34, 0, 0.0f);  // melt speed 0: no period
    post(53, 0, -1.0f); // wow rate below 0: ignored
    post(5, 0, INFINITY);
    for (int i = 0; i < 50; ++i)
        run();
    EXPECT_EQ(last(1).first, 11);
    EXPECT_EQ(last(2).first, 0);
    for (const auto& h : listener().heard)
        EXPECT_TRUE(std::isfinite(h.floatValue)) << h.port;
}
