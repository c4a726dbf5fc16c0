// Host tempo, the tempo clocks, the arpeggiator and the step counter, heard through a small
// graph with the engine asking a test host for its time.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <vector>

#include "dsp/arp_sequencer.h"
#include "engine/patch_table.h"
#include "engine/qx_dsp_vst.h"
#include "host/event_list.h"
#include "tests/module_rig.h"

using namespace tarlix;

namespace {

vst::VstTimeInfo gTime{};
intptr_t timeHost(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    if (op == vst::audioMasterGetTime) return reinterpret_cast<intptr_t>(&gTime);
    return op == vst::audioMasterVersion ? 2400 : 0;
}

using moduletest::EventRecorder;
using Heard = EventRecorder::Heard;

QX_ModuleBase* recorders(int code, ModuleContext* c, bool held) {
    return code == 6100 ? new EventRecorder(c, held) : nullptr;
}

constexpr PatchEntry kAdder[] = {{0, 0, 335}};
constexpr PatchEntry kSync[] = {{0, 0, 6494}, {1, 1, 6491}, {2, 0, 133},
                                {3, 0, 128},  {22, 0, 195}, {23, 0, 194}};
constexpr PatchEntry kArp[] = {{0, 0, 6494}, {2, 2, 6488}, {3, 1, 6491}, {4, 0, 130},
                               {5, 0, 126},  {6, 0, 127},  {7, 0, 129},  {10, 0, 128},
                               {11, 0, 124}, {12, 0, 125}, {13, 0, 194}};
constexpr PatchEntry kCounter[] = {{1, 0, 134},  {2, 0, 132},   {5, 0, 131},  {6, 11, 6488},
                                   {7, 1, 6488}, {200, 1, 402}, {201, 1, 403}};
constexpr PatchEntry kListen[] = {{0, 0, 6505}, {1, 0, 6282}};
constexpr PatchRow kTable[] = {
    {6491, 0, nullptr, 0},
    {6494, 0, kAdder, 1},
    {6488, 0, kSync, 6},
    {6505, 0, kArp, 11},
    {6282, 0, kCounter, 7},
    {6100, 0, kListen, 2},
    {kPatchEndMark, 0, nullptr, 0},
};
int arpGraph(Instrument& e) {
    return buildGraphFromTable(e, kTable, e.graphLayout(), recorders);
}

// Normalised values of option parameters.
float option(int k, int count) {
    return static_cast<float>(k) / static_cast<float>(count - 1);
}

struct Arp : ::testing::Test {
    std::unique_ptr<QX_DSP_VST> engine;
    vst::EventList midi;
    int block = 128;
    QX_DSP_VST& fx() { return *engine; }
    void start(double bpm, int rate) {
        engine = std::make_unique<QX_DSP_VST>(timeHost);
        gTime = vst::VstTimeInfo{};
        gTime.tempo = bpm;
        gTime.flags = vst::kVstTempoValid | vst::kVstTransportPlaying;
        fx().instrument().setGraphBuilder(arpGraph);
        fx().setSampleRate(static_cast<float>(rate));
        fx().setBlockSize(block);
        fx().setParameter(124, 1.0f);             // "Arp OnOff"
        fx().setParameter(128, option(3, 9));     // "Arp Rate" 1
        fx().setParameter(126, option(0, 5));     // Cycle Up
        fx().setParameter(130, (50.0f - 5) / 90); // gate 50 %
        fx().resume();
        run(2);
        recorder().heard.clear();
    }
    EventRecorder& recorder() {
        return *static_cast<EventRecorder*>(fx().instrument().context().modules[5]);
    }
    void run(int blocks) {
        std::vector<float> l(static_cast<size_t>(block)), r(static_cast<size_t>(block));
        float* outs[2] = {l.data(), r.data()};
        for (int b = 0; b < blocks; ++b) {
            fx().processEvents(midi.list());
            midi.clear();
            fx().processReplacing(nullptr, outs, block);
        }
    }
    void runSeconds(double s, int rate) { run(static_cast<int>(s * rate / block) + 1); }
    std::vector<Heard> noteOns() {
        std::vector<Heard> ons;
        for (const Heard& h : recorder().heard)
            if (h.port == 0 && (h.value & 0xF0) == 0x90 && ((h.value >> 16) & 0x7F) > 0)
                ons.push_back(h);
        return ons;
    }
    std::vector<int> notes() {
        std::vector<int> n;
        for (const Heard& h : noteOns())
            n.push_back((h.value >> 8) & 0x7F);
        return n;
    }
};

} // namespace

TEST_F(Arp, RatesTickAtTheirDivisions) {
    const struct {
        int option;
        double seconds; // between steps at 120 BPM
    } rates[] = {{3, 0.5}, {0, 4.0}, {8, 0.5 / 32}};
    for (auto r : rates) {
        start(120.0, 48000);
        fx().setParameter(128, option(r.option, 9));
        run(1);
        midi.add(0, 0x90, 60, 100);
        runSeconds(r.seconds * 6.5, 48000);
        auto ons = noteOns();
        ASSERT_GE(ons.size(), 6u) << r.option;
        for (size_t k = 1; k < ons.size(); ++k)
            EXPECT_NEAR(static_cast<double>(ons[k].time - ons[k - 1].time), r.seconds * 48000, 1.0);
    }
}

// The note order of every mode over a chord is measured through the host; here the edges:
// one key over two octaves, and "Random" staying on the held notes and their octaves.
TEST_F(Arp, OneKeyOverTwoOctavesAndRandomStaysOnTheHeldNotes) {
    // One key, range 2, Cycle Up: the note and the note + 12 in turn.
    start(120.0, 44100);
    fx().setParameter(127, option(1, 4));
    run(1);
    midi.add(0, 0x90, 50, 100);
    runSeconds(1.9, 44100);
    EXPECT_EQ(notes(), (std::vector<int>{50, 62, 50, 62}));
    // Random stays on the held notes and their octaves.
    start(120.0, 44100);
    fx().setParameter(126, option(4, 5));
    fx().setParameter(127, option(1, 4));
    run(1);
    midi.add(0, 0x90, 60, 100);
    midi.add(0, 0x90, 64, 100);
    runSeconds(10, 44100);
    std::set<int> allowed = {60, 64, 72, 76};
    for (int n : notes())
        EXPECT_TRUE(allowed.count(n)) << n;
}

TEST_F(Arp, GateLengthConstantVelocityAndNoHungNotes) {
    start(120.0, 44100);
    fx().setParameter(129, 1.0f); // "Constant"
    run(1);
    midi.add(0, 0x90, 60, 40);
    runSeconds(1.2, 44100);
    auto& heard = recorder().heard;
    ASSERT_GE(heard.size(), 3u);
    EXPECT_EQ((heard[0].value >> 16) & 0x7F, 127);
    EXPECT_EQ(heard[1].value & 0xF0, 0x80);
    EXPECT_NEAR(static_cast<double>(heard[1].time - heard[0].time), 22050 * 0.5, 1.0);
    // Switched off while a note sounds: its note-off comes at once, keys then pass unchanged.
    midi.add(0, 0x90, 62, 100); // another key so a note sounds
    run(2);
    recorder().heard.clear();
    fx().setParameter(124, 0.0f);
    run(1);
    int ons = 0, offs = 0;
    for (const Heard& h : recorder().heard) {
        ons += (h.value & 0xF0) == 0x90;
        offs += (h.value & 0xF0) == 0x80;
    }
    EXPECT_EQ(ons, 0);
    EXPECT_LE(offs, 1);
    recorder().heard.clear();
    midi.add(5, 0x90, 70, 90);
    run(1);
    ASSERT_EQ(recorder().heard.size(), 1u);
    EXPECT_EQ((recorder().heard[0].value >> 8) & 0x7F, 70); // straight through
}

TEST_F(Arp, HoldLatchesTheChordUntilReleased) {
    start(120.0, 44100);
    fx().setParameter(125, 1.0f); // "Arp Hold"
    run(1);
    midi.add(0, 0x90, 60, 100);
    midi.add(0, 0x90, 64, 100);
    run(2);
    midi.add(0, 0x80, 60, 0);
    midi.add(0, 0x80, 64, 0);
    runSeconds(2.0, 44100);
    EXPECT_GE(noteOns().size(), 4u); // the pattern plays on with the keys up
    fx().setParameter(125, 0.0f);    // hold off: the released keys leave the pattern
    run(2);
    size_t ons = noteOns().size();
    runSeconds(2.0, 44100);
    EXPECT_EQ(noteOns().size(), ons);
    auto& heard = recorder().heard;
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().value & 0xF0, 0x80); // the last note was ended
}

TEST_F(Arp, TempoChangeAndMissingTempo) {
    start(120.0, 44100);
    midi.add(0, 0x90, 60, 100);
    runSeconds(2.1, 44100);
    size_t before = noteOns().size();
    gTime.tempo = 60.0; // mid-phrase
    runSeconds(4.1, 44100);
    auto ons = noteOns();
    ASSERT_GT(ons.size(), before + 2);
    for (size_t k = before + 1; k < ons.size(); ++k)
        EXPECT_NEAR(static_cast<double>(ons[k].time - ons[k - 1].time), 44100.0, 1.0);
    // No valid tempo from the host: 120 BPM.
    start(0.0, 44100);
    midi.add(0, 0x90, 60, 100);
    runSeconds(1.6, 44100);
    ons = noteOns();
    ASSERT_GE(ons.size(), 3u);
    EXPECT_NEAR(static_cast<double>(ons[2].time - ons[1].time), 22050.0, 1.0);
}

TEST_F(Arp, SequencerStepsInEveryDirection) {
    const struct {
        int direction, length;
        std::vector<int> steps;
    } cases[] = {
        {0, 4, {0, 1, 2, 3, 0, 1}},       // Forward
        {1, 4, {3, 2, 1, 0, 3, 2}},       // Back
        {2, 4, {0, 1, 2, 3, 2, 1, 0, 1}}, // Fwd/Back: the ends once
        {0, 1, {0, 0, 0}},                // length 1 stays on step 0
        {1, 1, {0, 0, 0}},
        {2, 1, {0, 0, 0}},
        {3, 1, {0, 0, 0}},
        {4, 1, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        start(120.0, 44100);
        fx().setParameter(124, 0.0f);                    // arpeggiator off
        fx().setParameter(131, 1.0f);                    // "Seq OnOff"
        fx().setParameter(133, option(3, 9));            // "Seq Rate" 1
        fx().setParameter(132, option(c.direction, 5));  // "Seq Dir"
        fx().setParameter(134, option(c.length - 1, 8)); // "Seq Length"
        run(1);
        recorder().heard.clear();
        midi.add(0, 0x90, 60, 100); // the first key restarts the clock
        runSeconds(0.5 * c.steps.size() - 0.25, 44100);
        std::vector<int> steps;
        for (const Heard& h : recorder().heard)
            if (h.port == 1) steps.push_back(h.value);
        EXPECT_EQ(steps, c.steps) << "direction " << c.direction << " length " << c.length;
        // The step displays learn the playing step through the editor's mailbox.
        float shown = -1.0f;
        ASSERT_TRUE(fx().instrument().takeEditorValue(403, shown));
        EXPECT_FLOAT_EQ(shown, static_cast<float>(steps.back()) + 0.2f);
        EXPECT_FALSE(fx().instrument().takeEditorValue(403, shown)); // taken once
    }
    fx().setParameter(131, 0.0f); // off: no step is shown
    run(1);
    float shown = 0.0f;
    ASSERT_TRUE(fx().instrument().takeEditorValue(402, shown));
    EXPECT_EQ(shown, -2.0f);
}
