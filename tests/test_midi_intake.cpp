// MIDI intake inside the engine: what reaches the graph, when, and what moves parameters.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/parameter_table.h"
#include "engine/qx_dsp_vst.h"
#include "host/event_list.h"
#include "tests/module_rig.h"

using namespace tarlix;
using moduletest::host;

namespace {

using Seen = moduletest::EventRecorder::Heard;

constexpr int kListened[] = {335, 339, 340, 338, 404, 405, 419, 420, 434, 435};

// Listens to the MIDI input (input 0), bend (1), modulation (2), pressure (3) and the first
// MPE channels' values (4..9).
int listenerGraph(Instrument& e) {
    ModuleContext& c = e.context();
    auto* m = new moduletest::EventRecorder(&c, false);
    c.modules[c.buildCount++] = m;
    for (int k = 0; k < 10; ++k)
        e.addParameterRoute(m, 0, kListened[k], k, 0, 0, 0);
    return 1;
}

struct Midi : ::testing::Test {
    QX_DSP_VST fx{host};
    vst::EventList list;
    std::vector<float> l = std::vector<float>(256), r = std::vector<float>(256);
    void SetUp() override {
        fx.instrument().setGraphBuilder(listenerGraph);
        fx.setSampleRate(44100);
        fx.setBlockSize(256);
        fx.resume();
        block();
        block(); // the engine's own start-up messages (all notes off) are through
        listener().heard.clear();
    }
    moduletest::EventRecorder& listener() {
        return *static_cast<moduletest::EventRecorder*>(fx.instrument().context().modules[0]);
    }
    void add(int delta, int status, int d1, int d2) { list.add(delta, status, d1, d2); }
    // Sends the list, then processes one block.
    void block() {
        fx.processEvents(list.list());
        float* outs[2] = {l.data(), r.data()};
        fx.processReplacing(nullptr, outs, 256);
        list.clear();
    }
};

} // namespace

TEST_F(Midi, NotesAndControllersArriveAtTheirSamplePositions) {
    uint64_t start = fx.instrument().clock();
    add(10, 0x90, 60, 100);
    add(3, 0xB0, 7, 90);
    add(200, 0x80, 60, 0);
    add(50, 0xA0, 60, 30); // polyphonic pressure passes too
    block();
    auto midi = listener().on(0);
    ASSERT_EQ(midi.size(), 4u);
    EXPECT_EQ(midi[0].time, start + 3); // in time order, whatever the list order
    EXPECT_EQ(midi[0].value, 0xB0 | (7 << 8) | (90 << 16));
    EXPECT_EQ(midi[1].time, start + 10);
    EXPECT_EQ(midi[1].value, 0x90 | (60 << 8) | (100 << 16));
    EXPECT_EQ(midi[2].time, start + 50);
    EXPECT_EQ(midi[3].time, start + 200);
}

TEST_F(Midi, BendModulationAndPressureOncePerBlockWithTheLastValue) {
    add(0, 0xE0, 0, 64);
    add(5, 0xE0, 0, 32);
    add(9, 0xE0, 127, 127);
    add(1, 0xB0, 1, 127);
    add(2, 0xD0, 64, 0);
    block();
    ASSERT_EQ(listener().on(1).size(), 1u);
    EXPECT_TRUE(listener().on(0).size() == 1u); // only the modulation controller goes to 335
    EXPECT_EQ(listener().on(2).size(), 1u);
    EXPECT_EQ(listener().on(3).size(), 1u);
    // The last bend (16383/16384 of the range) and the wheel at 127.
    const ParameterLookup& p = fx.instrument().shared().parameters;
    EXPECT_FLOAT_EQ(listener().on(1)[0].floatValue,
                    engineUnits(p.rowOf(339), p.taper[339], 16383.0f / 16384.0f));
    EXPECT_FLOAT_EQ(listener().on(2)[0].floatValue, engineUnits(p.rowOf(340), p.taper[340], 1.0f));
    EXPECT_FLOAT_EQ(listener().on(3)[0].floatValue,
                    engineUnits(p.rowOf(338), p.taper[338], 64.0f / 127.0f));
}

TEST_F(Midi, MpeMemberChannelsCarryTheirOwnExpression) {
    fx.setParameter(232, 1.0f); // "MPE Active"
    fx.setParameter(233, 0.0f); // no pressure swap
    block();
    block(); // the MPE switch sends all notes off
    listener().heard.clear();
    add(0, 0x90, 60, 100); // master channel: no notes
    add(1, 0x91, 62, 100); // member channel 2: a note
    add(2, 0xE1, 0, 96);   // its bend
    add(3, 0xD1, 127, 0);  // its pressure
    add(4, 0xB2, 74, 127); // CC74 on channel 3
    add(5, 0xB1, 10, 1);   // anything else on a member channel: skipped
    block();
    auto midi = listener().on(0);
    ASSERT_EQ(midi.size(), 1u);
    EXPECT_EQ(midi[0].value & 0xFF, 0x91);
    ASSERT_EQ(listener().on(4).size(), 1u); // engine value 404: channel 2's bend
    EXPECT_EQ(listener().on(6).size(), 1u); // 419: channel 2's pressure
    EXPECT_EQ(listener().on(9).size(), 1u); // 435: channel 3's CC74
    fx.setParameter(233, 1.0f);             // swap pressure and CC74
    block();
    listener().heard.clear();
    add(0, 0xD1, 127, 0);
    block();
    EXPECT_EQ(listener().on(8).size(), 1u); // now to 434
    EXPECT_TRUE(listener().on(6).empty());
}

TEST_F(Midi, MalformedListsAreHandledSafely) {
    add(-5, 0x90, 60, 100);           // negative delta: the block start
    add(1000000000, 0x80, 60, 0);     // far beyond the block: its last sample
    add(0, 0x10, 0xFF, 0xFF);         // no status byte
    add(0, 0x90, 0xFF, 0xFF);         // data bytes out of range: masked
    add(0, 0xF8, 0, 0);               // system message
    list.addRaw(vst::VstMidiEvent{}); // type 0
    uint64_t start = fx.instrument().clock();
    block();
    auto midi = listener().on(0);
    ASSERT_EQ(midi.size(), 3u);
    EXPECT_EQ(midi[0].time, start);
    EXPECT_EQ(midi[2].time, start + 255);
    for (const Seen& s : midi) {
        EXPECT_EQ((s.value >> 8) & 0x80, 0);
        EXPECT_EQ((s.value >> 16) & 0x80, 0);
    }
    // Null lists and null entries.
    EXPECT_EQ(fx.processEvents(nullptr), 1);
    std::vector<uint8_t> storage(sizeof(vst::VstEvents) + 8 * sizeof(void*), 0);
    auto* events = reinterpret_cast<vst::VstEvents*>(storage.data());
    events->numEvents = 8;
    EXPECT_EQ(fx.processEvents(events), 1);
    events->numEvents = -3;
    EXPECT_EQ(fx.processEvents(events), 1);
}
