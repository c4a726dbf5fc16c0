#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/qx_dsp_vst.h"
#include "tests/module_rig.h"

using namespace tarlix;
using moduletest::host;

namespace {

std::vector<int> gChunks;

// A last module that writes a constant 0.5 and records each chunk it is given.
class ConstantOut : public QX_ModuleBase {
  public:
    explicit ConstantOut(ModuleContext* c) : QX_ModuleBase(c, false) {
        allocateOutputs(2);
        c->modules[moduleIndex] = this;
        ++c->buildCount;
    }
    void Render(int offset, int count) override {
        gChunks.push_back(count);
        for (int i = 0; i < count; ++i)
            outputs[0][offset + i] = outputs[1][offset + i] = 0.5f;
    }
    void HandleEvent(const EventRecord& e, int) override { events.push_back(e.port); }
    std::vector<int> events;
};

int oneModuleGraph(Instrument& engine) {
    auto* m = new ConstantOut(&engine.context());
    engine.addParameterRoute(m, 0, 120, 5, 0, 0, 0);
    return 1;
}

struct Engine : ::testing::Test {
    QX_DSP_VST fx{host};
    std::vector<float> l = std::vector<float>(8192), r = std::vector<float>(8192);
    void run(int frames) {
        float* outs[2] = {l.data(), r.data()};
        fx.processReplacing(nullptr, outs, frames);
    }
};

} // namespace

TEST_F(Engine, EngineUnitsOfTellingRows) {
    fx.instrument().setGraphBuilder(oneModuleGraph);
    fx.resume();
    fx.setParameter(11, 0.5f); // "Lfo1 Rate(Hz)", x^2
    fx.setParameter(83, 1.0f); // "LPF Cutoff"
    fx.setParameter(46, 1.0f); // "HFO Tune (cents)"
    fx.setParameter(184, 0.5f);
    run(16);
    EXPECT_NEAR(fx.instrument().engineValue(11), 0.5015f, 1e-5f);
    EXPECT_NEAR(fx.instrument().engineValue(83), 1.0f, 1e-6f);
    EXPECT_NEAR(fx.instrument().engineValue(46), 0.00833333f, 1e-6f);
    EXPECT_NEAR(fx.getParameter(184), 24.0f / 47.0f, 1e-6f);
    EXPECT_NEAR(fx.instrument().engineValue(385), 128 * 1000.0f / 44100.0f, 1e-5f);
}

TEST_F(Engine, HostBlockIsCutIntoChunksInsideTheRing) {
    fx.instrument().setGraphBuilder(oneModuleGraph);
    fx.resume();
    gChunks.clear();
    run(300);
    EXPECT_EQ(gChunks, (std::vector<int>{128, 128, 44}));
    gChunks.clear();
    run(100);
    EXPECT_EQ(gChunks, (std::vector<int>{84, 16}));
    EXPECT_EQ(l[99], 0.5f);
    EXPECT_EQ(fx.instrument().clock(), 401u);
}

TEST_F(Engine, ResumeRebuildsOnlyWhenRateOrBlockChange) {
    fx.instrument().setGraphBuilder(oneModuleGraph);
    fx.resume();
    EXPECT_EQ(fx.instrument().buildCount(), 1);
    fx.suspend();
    EXPECT_EQ(fx.instrument().clock(), 1u);
    fx.resume();
    EXPECT_EQ(fx.instrument().buildCount(), 1);
    EXPECT_EQ(fx.instrument().resumeWithoutRebuildCount(), 1);
    fx.suspend();
    fx.setSampleRate(48000.0f);
    fx.resume();
    EXPECT_EQ(fx.instrument().buildCount(), 2);
    EXPECT_FLOAT_EQ(fx.instrument().samplesPerMs(), 48.0f);
    EXPECT_EQ(fx.instrument().halfRate(), 24000);
    // Back to the old rate while the graph is at 48 kHz: the tables must follow.
    fx.suspend();
    fx.setSampleRate(44100.0f);
    EXPECT_EQ(fx.instrument().tables().rate, 44100);
    fx.setBlockSize(0);
    EXPECT_EQ(fx.instrument().requestedBlock(), 1);
    fx.setSampleRate(NAN);
    EXPECT_EQ(fx.instrument().sampleRateInt(), 44100);
}

TEST_F(Engine, ParameterChangesArriveAsEventsAtTheNextBlock) {
    fx.instrument().setGraphBuilder(oneModuleGraph);
    fx.resume();
    auto* m = static_cast<ConstantOut*>(fx.instrument().context().modules[0]);
    run(8);
    m->events.clear();
    fx.setParameter(120, 1.0f);
    fx.setParameter(120, 0.0f); // coalesced: only the latest value is sent
    run(8);
    ASSERT_EQ(m->events.size(), 1u);
    EXPECT_EQ(m->events[0], 5);
    EXPECT_EQ(fx.instrument().engineValue(120), 0.0f);
}

TEST_F(Engine, ProgramFadeTakesTwentyOneMillisecondsEachWay) {
    fx.instrument().setGraphBuilder(oneModuleGraph);
    fx.resume();
    run(64);
    fx.setProgram(3);
    EXPECT_EQ(fx.getProgram(), 3);
    run(64); // the audio thread takes the request at its next block
    EXPECT_EQ(fx.instrument().fadeState(), ProgramFade::FadingOut);
    EXPECT_EQ(l[63], 0.5f); // the first block passes unchanged
    int fadeOut = 0;
    while (fx.instrument().fadeState() == ProgramFade::FadingOut && fadeOut < 100000) {
        run(1);
        ++fadeOut;
    }
    EXPECT_NEAR(fadeOut, 927, 2);
    EXPECT_EQ(fx.getProgram(), 3);
    int fadeIn = 0;
    while (fx.instrument().fadeState() == ProgramFade::FadingIn && fadeIn < 100000) {
        run(1);
        ++fadeIn;
    }
    EXPECT_NEAR(fadeIn, 927, 2);
    run(4);
    EXPECT_EQ(l[3], 0.5f);
}

TEST_F(Engine, ProgramChangeWhileStoppedIsImmediateAndBoundsAreKept) {
    fx.setProgram(5);
    EXPECT_EQ(fx.instrument().fadeState(), ProgramFade::None);
    EXPECT_EQ(fx.getProgram(), 5);
    fx.setProgram(-1);
    fx.setProgram(128);
    EXPECT_EQ(fx.getProgram(), 5);
    fx.setProgram(127);
    fx.programStore().nextProgram();
    EXPECT_EQ(fx.getProgram(), 127);
    fx.setProgram(0);
    fx.programStore().previousProgram();
    EXPECT_EQ(fx.getProgram(), 0);
    EXPECT_EQ(fx.programStore().getRecordSize(), 5876);
    EXPECT_EQ(fx.programStore().getMidiLearn(333), 0xFFFFFFFFu);
    EXPECT_EQ(fx.programStore().getMidiLearn(10), 65535u);
    fx.programStore().setMidiLearn(10, 74);
    EXPECT_EQ(readLearn(fx.programStore().bank() + 127 * record::kSize, 10), 74);
}

// Member channels 1..15: bend (centre 0.5), pressure and CC74 (rest 0). Turning "MPE" on or
// off sets every one back, so no note starts with another note's expression.
TEST_F(Engine, MpeSwitchRecentresTheExpressionValues) {
    constexpr int kMpeActive = 232, kBendFirst = 404, kPressureFirst = 419, kCc74First = 434;
    fx.instrument().setGraphBuilder(oneModuleGraph);
    fx.resume();
    run(8); // the first block only learns the switch's state
    for (int ch = 0; ch < 15; ++ch) {
        fx.setParameter(kBendFirst + ch, 0.9f);
        fx.setParameter(kPressureFirst + ch, 0.7f);
        fx.setParameter(kCc74First + ch, 0.6f);
    }
    run(8);
    for (int v = kBendFirst; v < kCc74First + 15; ++v)
        ASSERT_NE(fx.instrument().engineValue(v), 0.0f) << "expression value " << v;
    for (float active : {1.0f, 0.0f}) {
        fx.setParameter(kMpeActive, active);
        run(8);
        // The bend centre is 0 V, like the other two at rest.
        for (int v = kBendFirst; v < kCc74First + 15; ++v)
            EXPECT_FLOAT_EQ(fx.instrument().engineValue(v), 0.0f) << "expression value " << v;
        for (int v = kBendFirst; v < kCc74First + 15; ++v) // set again for the next switch
            fx.setParameter(v, 0.8f);
        run(8);
    }
}

TEST_F(Engine, StringSlotsAndDataBlocksStayInBounds) {
    std::string longText(1000, 'x');
    fx.programStore().setStringSlot(longText.c_str(), 1);
    char out[400];
    fx.programStore().getStringSlot(out, 1);
    EXPECT_EQ(std::strlen(out), 259u);
    fx.programStore().setStringSlot("global", -128);
    fx.programStore().getStringSlot(out, 128);
    EXPECT_STREQ(out, "global");
    fx.programStore().setStringSlot("nowhere", 5); // no such slot: ignored
    EXPECT_EQ(fx.programStore().getDataBlock(3, 512), nullptr);
    EXPECT_EQ(fx.programStore().getDataBlock(1, 2048), nullptr);
    EXPECT_EQ(fx.programStore().getDataBlock(0, 100), nullptr);
    EXPECT_NE(fx.programStore().getDataBlock(2, 512), nullptr);
    std::vector<uint8_t> big(5000, 7);
    fx.programStore().storeLongBlock(big.data(), 0, 5000);
    fx.programStore().storeShortBlock(big.data(), 9, 5000);
    EXPECT_EQ(fx.programStore().getDataBlock(0, 2048)[2047], 7);
    EXPECT_EQ(std::strcmp(fx.programStore().getProgramNamePointer(-3), ""), 0);
}

namespace {
std::vector<std::pair<int, float>> gAutomated;
intptr_t recordingHost(vst::AEffect*, int32_t op, int32_t index, intptr_t, void*, float opt) {
    if (op == vst::audioMasterAutomate) gAutomated.push_back({index, opt});
    return op == vst::audioMasterVersion ? 2400 : 0;
}
} // namespace

TEST(EngineAutomation, EditorChangesAreReportedForHostParametersOnly) {
    QX_DSP_VST fx(recordingHost);
    gAutomated.clear();
    fx.setParameterAutomated(120, 0.4f);
    fx.setParameterAutomated(340, 0.5f); // an internal value: stored nowhere the host sees
    ASSERT_EQ(gAutomated.size(), 1u);
    EXPECT_EQ(gAutomated[0].first, 120);
    EXPECT_FLOAT_EQ(gAutomated[0].second, 0.5f); // the quantised value
}

namespace {
// Builds one module, then claims a second that failed to build.
int halfBuiltGraph(Instrument& engine) {
    new ConstantOut(&engine.context());
    return 2;
}
int overlongGraph(Instrument& engine) {
    new ConstantOut(&engine.context());
    return kMaxModules + 1;
}
} // namespace

TEST(EngineBuild, IncompleteGraphStaysSilentAndFreesWhatWasBuilt) {
    for (GraphBuilder builder : {halfBuiltGraph, overlongGraph}) {
        QX_DSP_VST fx(host);
        fx.instrument().setGraphBuilder(builder);
        fx.resume();
        EXPECT_EQ(fx.instrument().moduleCount(), 0);
        EXPECT_EQ(fx.instrument().context().modules[0], nullptr);
        std::vector<float> l(64, 1.0f), r(64, 1.0f);
        float* outs[2] = {l.data(), r.data()};
        fx.processReplacing(nullptr, outs, 64);
        EXPECT_EQ(l[10], 0.0f);
    }
}

namespace {
// A last module that can be driven into a broken state; Reset mends it, as a module's own
// program-change reset does.
class Breakable : public QX_ModuleBase {
  public:
    explicit Breakable(ModuleContext* c) : QX_ModuleBase(c, false) {
        allocateOutputs(2);
        c->modules[moduleIndex] = this;
        ++c->buildCount;
    }
    void Render(int offset, int count) override {
        for (int i = 0; i < count; ++i)
            outputs[0][offset + i] = outputs[1][offset + i] = broken;
    }
    void Reset() override {
        broken = 0.25f;
        ++resets;
    }
    float broken = 0.25f;
    int resets = 0;
};
int breakableGraph(Instrument& e) {
    new Breakable(&e.context());
    return 1;
}
} // namespace

TEST(OutputGuard, NonFiniteOrRunawayBlocksAreSilencedAndTheGraphReset) {
    QX_DSP_VST fx(host);
    fx.instrument().setGraphBuilder(breakableGraph);
    fx.resume();
    auto* m = static_cast<Breakable*>(fx.instrument().context().modules[0]);
    std::vector<float> l(256), r(256);
    float* outs[2] = {l.data(), r.data()};
    fx.processReplacing(nullptr, outs, 256);
    EXPECT_EQ(l[100], 0.25f);
    EXPECT_EQ(fx.instrument().guardTrips(), 0u);
    int resetsBefore = m->resets;
    for (float poison : {NAN, INFINITY, 1000.0f}) {
        m->broken = poison;
        fx.processReplacing(nullptr, outs, 256);
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(l[i], 0.0f) << poison;
        EXPECT_EQ(m->broken, 0.25f) << "the graph was not reset";
        fx.processReplacing(nullptr, outs, 256);
        EXPECT_EQ(l[200], 0.25f); // back to normal at once
    }
    EXPECT_EQ(fx.instrument().guardTrips(), 3u);
    EXPECT_EQ(m->resets, resetsBefore + 3);
}

TEST(Sections, CopyAndPasteASectionThroughTheEngine) {
    QX_DSP_VST fx(host);
    fx.resume(); // the instrument's own graph
    std::vector<float> l(128), r(128);
    float* outs[2] = {l.data(), r.data()};
    auto block = [&] { fx.processReplacing(nullptr, outs, 128); };
    fx.setParameter(83, 0.25f); // "LPF Cutoff", in the filter section
    block();
    fx.setParameter(372, 1.0f); // "Copy" of the filter section
    block();
    fx.setParameter(372, 0.0f);
    fx.setParameter(83, 0.75f);
    block();
    fx.setParameter(373, 1.0f); // "Paste"
    block();
    EXPECT_FLOAT_EQ(fx.getParameter(83), 0.25f);
    float shown = 0.0f;
    EXPECT_TRUE(fx.instrument().takeEditorValue(83, shown)); // the knob is told
    EXPECT_FLOAT_EQ(shown, 0.25f);
    // Paste without a copy does nothing.
    fx.setParameter(64, 0.5f);
    fx.setParameter(371, 1.0f); // oscillator "Paste", never copied
    block();
    EXPECT_FLOAT_EQ(fx.getParameter(64), 0.5f);
}
