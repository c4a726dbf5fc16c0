// Voice allocation heard through a small graph: the MIDI adder, the control module (play
// mode), the allocator, 20 voices of a test source and the voice collector. The test source
// gives each active voice a constant level, so the output counts the voices and a click
// would show as a jump.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "dsp/voice_allocation.h"
#include "engine/patch_table.h"
#include "engine/qx_dsp_vst.h"
#include "host/event_list.h"
#include "tests/module_rig.h"

using namespace tarlix;
using moduletest::host;

namespace {

constexpr float kLevel = 0.05f;
constexpr int kAllocatorIndex = 3;

struct GateEvent {
    uint64_t time;
    int gate;
};

// A voice: level kLevel while the gate is on (2 ms attack), a 20 ms release, then it frees
// its voice as an amplitude envelope does.
class TestVoice : public QX_ModuleBase {
  public:
    TestVoice(ModuleContext* c, bool held) : QX_ModuleBase(c, held) { allocateOutputs(2); }
    void HandleEvent(const EventRecord& e, int) override {
        if (e.port == 0) {
            gateOn = e.intValue > 0;
            if (gateOn) {
                level = 0.0f; // the attack starts from silence (after a steal's fade too)
                sounding = true;
            }
            gates.push_back({e.time, e.intValue});
        }
        if (e.port == 1) pitch = e.floatValue;
        if (e.port == 2) ++velocities;
        if (e.port == 8) channel = e.intValue;
    }
    void FastRelease() override { gateOn = false; }
    void Render(int offset, int count) override {
        const float attack = kLevel / (0.002f * 44100.0f), release = kLevel / (0.02f * 44100.0f);
        for (int i = offset; i < offset + count; ++i) {
            level = gateOn ? std::fmin(kLevel, level + attack) : std::fmax(0.0f, level - release);
            outputs[0][i] = outputs[1][i] = level;
        }
        if (sounding && !gateOn && level == 0.0f) {
            sounding = false;
            static_cast<QX_DSP_Midi_to_Poly_Gen2*>(context->modules[kAllocatorIndex])
                ->FreeVoice(voice);
        }
    }
    bool gateOn = false, sounding = false;
    float level = 0.0f, pitch = 0.0f;
    int velocities = 0, channel = -1;
    std::vector<GateEvent> gates;
};

// Fifteen channel streams as buffers, each holding its engine value (as the smoothers do).
class ChannelStreams : public QX_ModuleBase {
  public:
    ChannelStreams(ModuleContext* c, bool held) : QX_ModuleBase(c, held) { allocateOutputs(15); }
    void Render(int offset, int count) override {
        for (int k = 0; k < 15; ++k)
            for (int i = offset; i < offset + count; ++i)
                outputs[k][i] = inputs[k] ? *inputs[k] : 0.0f;
    }
};

QX_ModuleBase* testModules(int code, ModuleContext* c, bool held) {
    if (code == 6100) return new TestVoice(c, held);
    if (code == 6027) return new ChannelStreams(c, held);
    return nullptr;
}

constexpr PatchEntry kAdder[] = {{0, 0, 335}};
constexpr PatchEntry kControl[] = {{24, 0, 120}};
constexpr PatchEntry kAllocator[] = {{0, 0, 6494},  {31, 1, 6494}, {2, 0, 72},   {3, 15, 6529},
                                     {4, 14, 6529}, {28, 0, 222},  {59, 0, 232}, {60, 0, 233}};
constexpr PatchEntry kVoice[] = {{0, 0, 6543}, {1, 1, 6543}, {2, 2, 6543}, {8, 8, 6543}};
constexpr PatchEntry kStreams[] = {{0, 0, 404}, {1, 0, 405}, {2, 0, 406}};
constexpr PatchEntry kSwitch[] = {{0, 0, 6027}, {1, 1, 6027}, {2, 2, 6027}, {61, 8, 6543}};
constexpr PatchEntry kCollector[] = {{0, 0, 6100}, {1, 1, 6100}};
constexpr PatchRow kVoiceTable[] = {
    {6494, 0, kAdder, 1},
    {6529, 0, kControl, 1},
    {6027, 0, kStreams, 3},
    {6543, 0, kAllocator, 8},
    {kPatchGroupBegin, 20, nullptr, 0},
    {6100, 0, kVoice, 4},
    {6527, 0, kSwitch, 4},
    {kPatchGroupEnd, 0, nullptr, 0},
    {6532, 0, kCollector, 2},
    {kPatchEndMark, 0, nullptr, 0},
};

int voiceGraph(Instrument& e) {
    return buildGraphFromTable(e, kVoiceTable, e.graphLayout(), testModules);
}

struct Voices : ::testing::Test {
    QX_DSP_VST fx{host};
    vst::EventList list;
    std::vector<float> out; // everything rendered
    void SetUp() override {
        fx.instrument().setGraphBuilder(voiceGraph);
        fx.setSampleRate(44100);
        fx.setBlockSize(128);
        fx.setParameter(120, 1.0f); // Poly
        fx.resume();
        ASSERT_EQ(fx.instrument().moduleCount(), 4 + 40 + 1);
        run(2);
    }
    QX_DSP_Midi_to_Poly_Gen2& allocator() {
        return *static_cast<QX_DSP_Midi_to_Poly_Gen2*>(
            fx.instrument().context().modules[kAllocatorIndex]);
    }
    TestVoice& voice(int v) {
        return *static_cast<TestVoice*>(fx.instrument().context().modules[4 + 2 * v]);
    }
    void midi(int delta, int status, int d1, int d2) { list.add(delta, status, d1, d2); }
    void run(int blocks = 1) {
        for (int b = 0; b < blocks; ++b) {
            fx.processEvents(list.list());
            list.clear();
            float l[128], r[128];
            float* outs[2] = {l, r};
            fx.processReplacing(nullptr, outs, 128);
            out.insert(out.end(), l, l + 128);
        }
    }
    float maxJump(size_t from) const {
        float m = 0.0f;
        for (size_t i = from + 1; i < out.size(); ++i)
            m = std::fmax(m, std::fabs(out[i] - out[i - 1]));
        return m;
    }
    static int gateOns(const TestVoice& v) {
        int n = 0;
        for (auto& g : v.gates)
            n += g.gate > 0;
        return n;
    }
};

} // namespace

TEST_F(Voices, TwentyOneNotesStealTheOldestWithAFadeAndNoClick) {
    for (int n = 0; n < 20; ++n) {
        midi(0, 0x90, 40 + n, 100);
        run(2);
    }
    EXPECT_EQ(allocator().activeVoices(), 20);
    EXPECT_NEAR(out.back(), 20 * kLevel, 1e-5f);
    EXPECT_EQ(allocator().voiceOfNote(40), 0);
    size_t before = out.size();
    midi(0, 0x90, 70, 100); // the 21st: voice 0 played longest
    run(1);
    EXPECT_EQ(allocator().state(0), QX_DSP_Midi_to_Poly_Gen2::State::Fading);
    run(8);
    EXPECT_EQ(allocator().state(0), QX_DSP_Midi_to_Poly_Gen2::State::Playing);
    EXPECT_EQ(allocator().voiceOfNote(70), 0);
    EXPECT_EQ(allocator().voiceOfNote(40), -1);
    // The new note starts when the 10 ms fade (441 samples) has ended.
    ASSERT_EQ(voice(0).gates.size(), 2u);
    EXPECT_GE(voice(0).gates[1].time - voice(0).gates[0].time, 441u);
    // Sample to sample, the sum never jumps: a voice cut off would jump by kLevel at once.
    EXPECT_LT(maxJump(before), kLevel / 20.0f);
    // A released voice goes before a playing one.
    midi(0, 0x80, 50, 0);
    run(1);
    midi(0, 0x90, 71, 100);
    run(10);
    EXPECT_EQ(allocator().voiceOfNote(71), 10);
}

TEST_F(Voices, AVoiceAlreadyFadingIsStolenAgainWithoutRestartingItsFade) {
    for (int n = 0; n < 20; ++n) {
        midi(0, 0x90, 40 + n, 100);
        run(2);
    }
    size_t before = out.size();
    midi(0, 0x90, 70, 100);
    run(1); // voice 0 fades for note 70
    midi(0, 0x90, 71, 100);
    midi(1, 0x80, 70, 0); // the note-off of a note that never sounded: harmless
    run(12);
    EXPECT_EQ(allocator().voiceOfNote(71), 0); // the fading voice was taken again
    EXPECT_EQ(allocator().voiceOfNote(70), -1);
    EXPECT_EQ(allocator().state(0), QX_DSP_Midi_to_Poly_Gen2::State::Playing);
    EXPECT_NEAR(voice(0).pitch, (71 - 9) / 120.0f, 1e-6f);
    EXPECT_EQ(gateOns(voice(0)), 2); // note 40, then note 71 after one fade
    EXPECT_LT(maxJump(before), kLevel / 20.0f);
}

TEST_F(Voices, MonoLastNoteReturnsToTheHeldKeyWithoutAGateOff) {
    fx.setParameter(120, 0.0f); // Mono
    fx.setParameter(222, 1.0f); // Last Note
    run(2);
    midi(0, 0x90, 60, 100);
    run(16);
    midi(0, 0x90, 64, 100);
    run(16);
    EXPECT_NEAR(voice(0).pitch, (64 - 9) / 120.0f, 1e-6f);
    midi(0, 0x80, 64, 0);
    run(16);
    EXPECT_NEAR(voice(0).pitch, (60 - 9) / 120.0f, 1e-6f);
    for (auto& g : voice(0).gates)
        EXPECT_GT(g.gate, 0) << "a gate-off between the notes";
    EXPECT_EQ(allocator().activeVoices(), 1);
    midi(0, 0x80, 60, 0);
    run(30);
    EXPECT_EQ(voice(0).gates.back().gate, 0);
    EXPECT_EQ(allocator().activeVoices(), 0);
}

TEST_F(Voices, LegatoChangesPitchWithoutANewGate) {
    fx.setParameter(120, 0.5f); // Legato
    run(2);
    midi(0, 0x90, 60, 100);
    run(16);
    midi(0, 0x90, 67, 100);
    run(16);
    EXPECT_NEAR(voice(0).pitch, (67 - 9) / 120.0f, 1e-6f);
    EXPECT_EQ(gateOns(voice(0)), 1);
    EXPECT_EQ(voice(0).velocities, 1);
    // Releasing the first key (no longer sounding) does not stop the voice.
    midi(0, 0x80, 60, 0);
    run(4);
    EXPECT_TRUE(voice(0).gateOn);
}

TEST_F(Voices, SustainPedalHoldsUntilReleased) {
    midi(0, 0xB0, 64, 127);
    midi(1, 0x90, 60, 100);
    run(8);
    midi(0, 0x80, 60, 0);
    run(8);
    EXPECT_TRUE(voice(0).gateOn);
    midi(0, 0xB0, 64, 0);
    run(2);
    EXPECT_FALSE(voice(0).gateOn);
}

TEST_F(Voices, ANoteOffInTheSampleOfItsNoteOnIsAppliedAbout20msLater) {
    midi(5, 0x90, 60, 100);
    midi(5, 0x80, 60, 0);
    run(12);
    ASSERT_EQ(voice(0).gates.size(), 2u);
    EXPECT_EQ(voice(0).gates[1].time - voice(0).gates[0].time, 2u * 442u);
}

TEST_F(Voices, EverythingStopsOnAllNotesOffAndSuspend) {
    for (int n = 0; n < 6; ++n)
        midi(n, 0x90, 50 + n, 90);
    run(4);
    EXPECT_EQ(allocator().activeVoices(), 6);
    midi(0, 0xB5, 123, 0); // on any channel
    run(40);
    EXPECT_EQ(allocator().activeVoices(), 0);
    midi(0, 0x80, 50, 0); // a note-off for a note that no longer plays: harmless
    midi(0, 0x80, 99, 0); // and one that never started
    run(2);
    for (int n = 0; n < 25; ++n)
        midi(n, 0x90, 30 + n, 90); // five of these steal
    run(1);
    fx.suspend();
    EXPECT_EQ(allocator().activeVoices(), 0);
    fx.resume();
    run(40);
    EXPECT_EQ(allocator().activeVoices(), 0); // no pending note came back
}

TEST_F(Voices, ChangingTheMidiChannelReleasesHeldKeys) {
    midi(0, 0x90, 60, 100);
    run(4);
    EXPECT_TRUE(voice(0).gateOn);
    fx.setParameter(211, 5.0f / 16.0f); // the key's note-off would now be filtered out
    run(4);
    EXPECT_FALSE(voice(0).gateOn);
    EXPECT_EQ(allocator().heldKeys(), 0);
}

TEST_F(Voices, MpeNotesCarryTheirChannelAndItsBend) {
    fx.setParameter(232, 1.0f); // MPE Active
    run(3);
    midi(0, 0xE1, 0, 96);   // channel 2's bend
    midi(1, 0x91, 60, 100); // a note on channel 2
    run(2);
    EXPECT_EQ(voice(0).channel, 0);
    auto* sw = fx.instrument().context().modules[4 + 1];
    EXPECT_FLOAT_EQ(sw->GetOutput(0)[5], fx.instrument().engineValue(404));
    EXPECT_NE(fx.instrument().engineValue(404), fx.instrument().engineValue(405));
}

// A long random stream; afterwards every key is released and the tails run out: no voice may
// be left playing.
TEST_F(Voices, RandomStreamLeavesNoStuckVoice) {
    std::mt19937 rng(2024);
    for (int block = 0; block < 3000; ++block) {
        int n = static_cast<int>(rng() % 6);
        for (int k = 0; k < n; ++k) {
            int delta = static_cast<int>(rng() % 300) - 20;
            int ch = static_cast<int>(rng() % 3);
            int kind = static_cast<int>(rng() % 100);
            int key = 36 + static_cast<int>(rng() % 40);
            if (kind < 40)
                midi(delta, 0x90 | ch, key, 1 + static_cast<int>(rng() % 127));
            else if (kind < 80)
                midi(delta, 0x80 | ch, key, 0);
            else if (kind < 86)
                midi(delta, 0xB0 | ch, 64, (rng() % 2) ? 127 : 0);
            else if (kind < 92)
                midi(delta, 0xE0 | ch, static_cast<int>(rng() % 128),
                     static_cast<int>(rng() % 128));
            else if (kind < 95)
                midi(delta, 0xB0 | ch, 123, 0);
            else if (kind < 97)
                midi(delta, 0xC0 | ch, static_cast<int>(rng() % 4), 0);
            else
                fx.setParameter(120, static_cast<float>(rng() % 3) / 2.0f); // play mode
        }
        run(1);
    }
    for (int ch = 0; ch < 16; ++ch) {
        midi(0, 0xB0 | ch, 64, 0);
        for (int key = 0; key < 128; ++key)
            midi(1, 0x80 | ch, key, 0);
    }
    run(200); // deferred note-offs, fades and release tails
    EXPECT_EQ(allocator().activeVoices(), 0);
    EXPECT_EQ(allocator().heldKeys(), 0);
    EXPECT_NEAR(out.back(), 0.0f, 1e-6f);
}
