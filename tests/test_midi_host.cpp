// MIDI through the loaded library: learned controllers, NRPN, program change and the channel
// filter, seen from the host through getParameter and effGetProgram.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "host/event_list.h"
#include "tests/host_fixture.h"

using namespace testhost;
using namespace vst;

namespace {

struct MidiList : vst::EventList {
    void send(Instance& p) {
        EXPECT_EQ(p.call(effProcessEvents, 0, 0, list()), 1);
        clear();
    }
};

// A bank whose record 0 learns parameters to codes, as a host restores it.
void learn(Instance& p, std::initializer_list<std::pair<int, uint16_t>> codes) {
    std::vector<uint8_t> bank = p.chunk();
    for (auto [param, code] : codes)
        setLearn(bank, 0, param, code);
    p.setChunk(bank);
}

} // namespace

// Learned controllers move their parameters (two parameters may share a code; an equaliser
// frequency follows value^4); an NRPN selection makes data entry set the NRPN's parameter until
// an RPN selection ends it. None of it is reported to the host as automation.
TEST(MidiHost, LearnedControllersAndNrpnsMoveParameters) {
    Instance p;
    learn(p, {{83, 7}, {84, 7}, {199, 7}, {85, 330}, {86, 6}});
    p.start(44100, 512);
    hostCalls().clear();
    MidiList m;
    m.add(0, 0xB0, 7, 64);
    m.add(1, 0xB0, 6, 127); // data entry before any NRPN: an ordinary controller 6
    m.send(p);
    p.run(1, 512);
    EXPECT_FLOAT_EQ(p.get(83), 64.0f / 127.0f);
    EXPECT_FLOAT_EQ(p.get(84), 64.0f / 127.0f);
    EXPECT_NEAR(p.get(199), std::pow(64.0f / 127.0f, 4.0f), 1e-6f);
    EXPECT_FLOAT_EQ(p.get(86), 1.0f);
    m.add(0, 0xB0, 99, 1);
    m.add(1, 0xB0, 98, 2);
    m.add(2, 0xB0, 38, 0);
    m.add(3, 0xB0, 6, 64);  // NRPN 130 = code 330
    m.add(4, 0xB0, 7, 127); // and the list goes on after it
    m.send(p);
    p.run(1, 512);
    EXPECT_FLOAT_EQ(p.get(85), 64.0f * 128.0f / 16383.0f);
    EXPECT_FLOAT_EQ(p.get(83), 1.0f);
    m.add(0, 0xB0, 101, 0); // an RPN selection (bend range) ends the NRPN
    m.add(1, 0xB0, 100, 0);
    m.add(2, 0xB0, 6, 12);
    m.send(p);
    p.run(1, 512);
    EXPECT_FLOAT_EQ(p.get(85), 64.0f * 128.0f / 16383.0f);
    EXPECT_FLOAT_EQ(p.get(86), 12.0f / 127.0f);
    for (int32_t op : hostCalls())
        EXPECT_NE(op, audioMasterAutomate);
}

// Program changes select programs (the data byte masked to seven bits), at once while the
// instrument is stopped; the channel setting filters them, and "All" takes every channel.
TEST(MidiHost, ProgramChangeAndChannelFilter) {
    Instance p;
    p.midi(0xC0, 12, 0); // stopped: at once
    EXPECT_EQ(p.call(effGetProgram), 12);
    p.set(211, 5.0f / 16.0f); // "Channel: 5"
    p.start(44100, 256);
    p.run(1, 256);
    p.midi(0xC2, 30, 0); // channel 3: ignored
    p.run(1, 256);
    EXPECT_EQ(p.call(effGetProgram), 12);
    p.midi(0xC4, 31, 0); // channel 5
    EXPECT_EQ(p.call(effGetProgram), 31);
    p.set(211, 0.0f); // "Channel: All"
    p.run(1, 256);
    p.midi(0xC9, 200 & 0xFF, 0);
    EXPECT_EQ(p.call(effGetProgram), 72);
}

// Notes, controllers and garbage into the whole instrument for a while: it keeps producing
// finite silence (the sound sources come later) and never crashes.
TEST(MidiHost, RandomStreamIntoTheInstrument) {
    Instance p;
    p.start(48000, 256);
    std::vector<float> l(256), r(256);
    std::mt19937 rng(5);
    MidiList m;
    for (int block = 0; block < 2000; ++block) {
        int n = static_cast<int>(rng() % 8);
        for (int k = 0; k < n; ++k)
            m.add(static_cast<int>(rng() % 400) - 50, static_cast<int>(rng() % 256),
                  static_cast<int>(rng() % 256), static_cast<int>(rng() % 256));
        m.send(p);
        p.process(l, r, 256);
        ASSERT_TRUE(allFinite(l) && allFinite(r));
    }
}

namespace {

constexpr int kMasterVolumeParam = 123; // "Master Volume %"

// Renders `seconds` in blocks of 256 with a chord struck in the first block; left channel.
std::vector<float> strikeAndRender(Instance& p, double seconds) {
    MidiList m;
    for (int key : {60, 64, 67})
        m.add(0, 0x90, key, 100);
    m.send(p);
    return p.run(static_cast<int>(seconds * 48000 / 256), 256).left;
}

} // namespace

// A host that starts its transport with a note at the very first sample of a fresh instance:
// the note must keep sounding, not be released after the first block.
TEST(MidiHost, NotesInTheFirstBlockOfAFreshInstanceSustain) {
    Instance p;
    p.call(effSetProgram, 0, 113); // a plain held tone
    p.start(48000, 256);
    std::vector<float> out = strikeAndRender(p, 1.0);
    const float early = peakOf(out, 4800, 9600), late = peakOf(out, 38400, 48000);
    EXPECT_GT(early, 0.01f);
    EXPECT_GT(late, 0.5f * early);
}

// After a program change the new program's levels hold from its first sample: the output does
// not glide down from the previous program's master volume.
TEST(MidiHost, AProgramChangeTakesTheNewLevelsAtOnce) {
    auto volumeOf = [](Instance& p, int program) {
        p.call(effSetProgram, 0, program);
        return p.fx->getParameter(p.fx, kMasterVolumeParam);
    };
    Instance p;
    p.start(48000, 256);
    float volume[128];
    for (int prog = 0; prog < 128; ++prog)
        volume[prog] = volumeOf(p, prog);
    // The loudest program of the bank, and the quietest plain tone from the initials.
    const int loud = static_cast<int>(std::max_element(volume + 1, volume + 128) - volume);
    const int quiet = static_cast<int>(std::min_element(volume + 113, volume + 128) - volume);
    ASSERT_GT(volume[loud], 1.5f * volume[quiet]);
    auto onsetAfter = [&](int previous) {
        std::vector<float> l(256), r(256);
        p.call(effSetProgram, 0, previous);
        for (int n = 0; n < 40; ++n) // the previous program's levels settle
            p.process(l, r, 256);
        p.call(effMainsChanged, 0, 0);
        p.call(effSetProgram, 0, quiet);
        p.call(effMainsChanged, 0, 1);
        std::vector<float> out = strikeAndRender(p, 0.3);
        return peakOf(out, 0, 2400); // the first 50 ms
    };
    const float settled = onsetAfter(quiet), afterLoud = onsetAfter(loud);
    EXPECT_GT(settled, 0.001f);
    EXPECT_LT(afterLoud, 1.1f * settled);
}

// A second note that lands inside a block, on a voice whose envelope ended before: it sounds
// in the first run and again after the host stops and restarts the instrument.
TEST(MidiHost, EveryNoteSoundsAfterSuspendAndResume) {
    Instance p;
    p.start(48000, 256);
    struct Timed {
        int at, status, key;
    };
    const Timed phrase[] = {{0, 0x90, 60}, {21600, 0x80, 60}, {24000, 0x90, 64}, {45600, 0x80, 64}};
    for (int run = 0; run < 3; ++run) {
        p.call(effMainsChanged, 0, 0);
        p.call(effSetProgram, 0, 113);
        p.call(effMainsChanged, 0, 1);
        std::vector<float> out, l(256), r(256);
        size_t next = 0;
        for (int pos = 0; pos < 60000; pos += 256) {
            MidiList m;
            for (; next < std::size(phrase) && phrase[next].at < pos + 256; ++next)
                m.add(phrase[next].at - pos, phrase[next].status, phrase[next].key,
                      phrase[next].status == 0x90 ? 100 : 0);
            if (!m.empty()) m.send(p);
            p.process(l, r, 256);
            out.insert(out.end(), l.begin(), l.end());
        }
        const float first = peakOf(out, 2400, 19200), second = peakOf(out, 36000, 43200);
        EXPECT_GT(first, 0.01f) << "run " << run;
        EXPECT_GT(second, 0.5f * first) << "run " << run;
    }
}
