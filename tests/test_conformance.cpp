// What plug-in validators and real hosts do to a plug-in, through the loaded library: many
// instances, state restored in any order of calls, wild automation, any block size and sample
// rate, in-place buffers, huge event lists, and calls from a second thread.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "host/event_list.h"
#include "tests/host_fixture.h"

using namespace testhost;
using namespace vst;

namespace {

void restore(Instance& p, std::vector<uint8_t> bank) {
    ASSERT_EQ(p.call(effSetChunk, 0, static_cast<intptr_t>(bank.size()), bank.data()),
              static_cast<intptr_t>(bank.size()));
}

// A phrase of notes and controller moves; the rendered samples.
std::vector<float> render(Instance& p, int blocks = 40) {
    std::vector<float> all, l(256), r(256);
    vst::EventList midi;
    for (int b = 0; b < blocks; ++b) {
        if (b % 8 == 0) midi.add(b % 3, 0x90, 48 + b / 8, 100);
        if (b % 8 == 5) midi.add(17, 0x80, 48 + b / 8, 0);
        if (b % 4 == 2) midi.add(9, 0xB0, 1, (b * 13) % 128);
        p.call(effProcessEvents, 0, 0, midi.list());
        midi.clear();
        p.process(l, r, 256);
        all.insert(all.end(), l.begin(), l.end());
        all.insert(all.end(), r.begin(), r.end());
    }
    return all;
}

// A state worth restoring: edited parameters in two programs, names, and a learned controller.
std::vector<uint8_t> editedState(int& selected) {
    Instance a;
    std::mt19937 rng(99);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    a.call(effSetProgram, 0, 9);
    for (int i = 6; i < 242; ++i)
        a.fx->setParameter(a.fx, i, unit(rng));
    // Melt moves at random (one generator for the process): keep its depth and level wobble
    // at 0 so the renders can be compared.
    for (int melt : {60, 155, 160, 228, 229})
        a.fx->setParameter(a.fx, melt, 0.0f);
    a.call(effSetProgramName, 0, 0, const_cast<char*>("Edited Nine"));
    a.call(effSetProgram, 0, 3);
    for (int i = 6; i < 242; i += 3)
        a.fx->setParameter(a.fx, i, unit(rng));
    a.call(effSetProgram, 0, 9);
    auto bank = a.chunk();
    setLearn(bank, 0, 83, 21); // "LPF Cutoff" on controller 21
    restore(a, bank);
    selected = 9;
    return a.chunk();
}

} // namespace

// Two hundred instances in a row, some started and run, and instances closed out of the
// order they were made in.
TEST(Conformance, TwoHundredInstancesInARowAndInMixedOrder) {
    for (int i = 0; i < 200; ++i) {
        Instance p;
        ASSERT_NE(p.fx, nullptr);
        if (i % 20 == 0) {
            p.start(44100, 64);
            EXPECT_TRUE(allFinite(p.run(1, 64).left));
        }
    }
    auto* a = new Instance;
    auto* b = new Instance;
    delete a;
    auto* c = new Instance;
    EXPECT_EQ(b->text(effGetParamName, 120), "Play Mode");
    delete b;
    EXPECT_EQ(c->text(effGetParamName, 72), "Portamento (ms)");
    delete c;
}

// The saved state comes back whatever order the host restores it in, and a program change
// right after the restore loses nothing; the re-saved state is byte-identical and the sound is
// the same (up to the chorus's random drift).
TEST(Conformance, StateRestoresInAnyOrderOfCalls) {
    int selected = 0;
    const auto state = editedState(selected);
    std::vector<std::vector<float>> renders;
    std::vector<std::vector<uint8_t>> saved;
    for (int order = 0; order < 4; ++order) {
        Instance p;
        switch (order) {
        case 0: // chunk, program, then start
            restore(p, state);
            p.call(effSetProgram, 0, selected);
            p.start(44100, 256);
            break;
        case 1: // start first, then the chunk and the program
            p.start(44100, 256);
            restore(p, state);
            p.call(effSetProgram, 0, selected);
            break;
        case 2: // chunk, then a sample-rate change before starting
            p.call(effSetProgram, 0, selected);
            restore(p, state);
            p.call(effSetSampleRate, 0, 0, nullptr, 96000.0f);
            p.start(44100, 256);
            break;
        case 3: // the host selects the program again right after restoring (a known trap)
            restore(p, state);
            p.call(effSetProgram, 0, selected);
            p.call(effSetProgram, 0, selected);
            p.start(44100, 256);
            break;
        }
        EXPECT_EQ(p.call(effGetProgram), selected) << order;
        EXPECT_EQ(p.text(effGetProgramName), "Edited Nine") << order;
        saved.push_back(p.chunk());
        renders.push_back(render(p));
        EXPECT_TRUE(allFinite(renders.back()));
    }
    for (size_t k = 0; k < saved.size(); ++k) {
        EXPECT_EQ(saved[k], state) << "order " << k;
        // The chorus rates drift at random (one generator for the process), so the renders
        // agree closely rather than bit for bit.
        ASSERT_EQ(renders[k].size(), renders[0].size());
        float peak = 0.0f, worst = 0.0f;
        for (size_t i = 0; i < renders[0].size(); ++i) {
            peak = std::fmax(peak, std::fabs(renders[0][i]));
            worst = std::fmax(worst, std::fabs(renders[k][i] - renders[0][i]));
        }
        EXPECT_LE(worst, std::fmax(1e-3f * peak, 1e-5f)) << "order " << k; // or -100 dBFS
    }
}

TEST(Conformance, WildAutomationWhileProcessing) {
    Instance p;
    p.start(44100, 128);
    std::mt19937 rng(3);
    const float wild[] = {NAN, INFINITY, -INFINITY, -1.0f, 2.0f, 1e30f, -0.0f, 0.5f, 1.0f};
    std::vector<float> l(128), r(128);
    char text[64];
    for (int block = 0; block < 200; ++block) {
        for (int k = 0; k < 40; ++k) {
            int index = static_cast<int>(rng() % 333);
            float v = (rng() % 3) ? static_cast<float>(rng() % 1001) / 1000.0f : wild[rng() % 9];
            p.fx->setParameter(p.fx, index, v);
            float back = p.fx->getParameter(p.fx, index);
            ASSERT_TRUE(back >= 0.0f && back <= 1.0f) << index << " " << v;
            std::memset(text, 0, sizeof text);
            p.call(effGetParamDisplay, index, 0, text);
            ASSERT_LE(std::strlen(text), 8u);
        }
        p.process(l, r, 128);
        ASSERT_TRUE(allFinite(l) && allFinite(r));
    }
}

// Every rate a host may run at, announced blocks from 1 to 8192 frames, and host blocks of any
// length (beyond the announced one too): the output stays finite.
TEST(Conformance, AnyBlockSizeAnySampleRate) {
    for (float rate :
         {8000.0f, 11025.0f, 22050.0f, 44100.0f, 48000.0f, 96000.0f, 192000.0f, 384000.0f}) {
        Instance p;
        std::mt19937 rng(static_cast<uint32_t>(rate));
        p.start(rate, 1 << (rng() % 14));
        std::vector<float> l(8192), r(8192);
        for (int call = 0; call < 30; ++call) {
            int frames = 1 + static_cast<int>(rng() % 8192);
            p.process(l, r, frames);
            ASSERT_TRUE(allFinite(l)) << rate;
        }
        float* outs[2] = {l.data(), r.data()};
        p.fx->processReplacing(p.fx, nullptr, outs, 0);
        p.fx->processReplacing(p.fx, nullptr, outs, -5);
        p.fx->processReplacing(p.fx, nullptr, nullptr, 64);
    }
}

TEST(Conformance, InPlaceBuffersNullInputsAndTheAccumulatingCall) {
    Instance p;
    p.start(44100, 256);
    std::vector<float> a(256, 0.5f), b(256, -0.5f);
    float* io[2] = {a.data(), b.data()};
    p.fx->processReplacing(p.fx, io, io, 256); // inputs and outputs are the same buffers
    EXPECT_TRUE(allFinite(a) && allFinite(b));
    float* nullInputs[2] = {nullptr, nullptr};
    p.fx->processReplacing(p.fx, nullInputs, io, 256);
    std::vector<float> nanIn(256, NAN);
    float* nanInputs[2] = {nanIn.data(), nanIn.data()};
    p.fx->processReplacing(p.fx, nanInputs, io, 256);
    EXPECT_TRUE(allFinite(a) && allFinite(b));
    std::fill(a.begin(), a.end(), 0.25f);
    p.fx->process(p.fx, nullInputs, io, 256); // adds to what is there
    EXPECT_TRUE(allFinite(a));
}

TEST(Conformance, EmptyAndHugeEventListsAndPowerToggling) {
    Instance p;
    p.start(44100, 512);
    std::vector<float> l(512), r(512);
    vst::EventList midi;
    EXPECT_EQ(p.call(effProcessEvents, 0, 0, midi.list()), 1);
    p.process(l, r, 512);
    std::mt19937 rng(8);
    for (int i = 0; i < 10000; ++i)
        midi.add(static_cast<int>(rng() % 512), 0x80 | (rng() % 0x70),
                 static_cast<int>(rng() % 128), static_cast<int>(rng() % 128));
    EXPECT_EQ(p.call(effProcessEvents, 0, 0, midi.list()), 1);
    p.process(l, r, 512);
    EXPECT_TRUE(allFinite(l));
    for (int b = 0; b < 20; ++b) {
        p.call(effMainsChanged, 0, b % 2);
        p.process(l, r, 512);
        EXPECT_TRUE(allFinite(l));
    }
}

// A validator's state round: save, randomise every parameter, restore: each parameter is back
// and the state saved again is byte-identical. Restoring tells the host nothing (no flood of
// automation), and power toggling or a program list walk loses no edit.
TEST(Conformance, RandomiseThenRestoreAndNoAutomationFlood) {
    Instance p;
    p.start(44100, 256);
    std::vector<float> l(256), r(256);
    p.fx->setParameter(p.fx, 83, 0.123f);
    auto saved = p.chunk();
    std::vector<float> before(333);
    for (int i = 0; i < 333; ++i)
        before[i] = p.fx->getParameter(p.fx, i);
    std::mt19937 rng(12);
    for (int i = 0; i < 333; ++i)
        p.fx->setParameter(p.fx, i, static_cast<float>(rng() % 1000) / 999.0f);
    p.process(l, r, 256);
    hostCalls().clear();
    restore(p, saved);
    for (int32_t op : hostCalls())
        EXPECT_NE(op, audioMasterAutomate) << "restoring reported parameters to the host";
    for (int i = 0; i < 333; ++i)
        EXPECT_EQ(p.fx->getParameter(p.fx, i), before[i]) << i;
    EXPECT_EQ(p.chunk(), saved);
    // Walk the program list and come back: nothing of the edit is lost.
    for (int prog : {5, 17, 0}) {
        p.call(effSetProgram, 0, prog);
        p.text(effGetProgramName);
        p.process(l, r, 256);
    }
    for (int b = 0; b < 4; ++b) {
        p.call(effMainsChanged, 0, b % 2);
        p.process(l, r, 256);
    }
    EXPECT_FLOAT_EQ(p.fx->getParameter(p.fx, 83), 0.123f);
    // Program 0 is byte for byte what was saved (the programs visited were upgraded on load).
    auto now = p.chunk();
    EXPECT_TRUE(std::equal(saved.begin(), saved.begin() + kRecordBytes, now.begin()));
}

// A section's "Rnd" button randomises once per press: held down it does nothing more, and a
// state saved while it was down does not randomise when it is loaded.
TEST(Sections, RandomiseButtonsActOncePerPress) {
    Instance p;
    p.start(44100, 256);
    p.run(1, 256);
    auto values = [](Instance& i) {
        std::vector<float> v(kParameters);
        for (int k = 0; k < kParameters; ++k)
            v[static_cast<size_t>(k)] = i.get(k);
        return v;
    };
    p.set(212, 1.0f); // "OSC Rnd" down
    p.run(1, 256);
    const std::vector<float> pressed = values(p);
    p.run(4, 256);
    EXPECT_EQ(values(p), pressed);
    auto saved = p.chunk();
    Instance q;
    q.start(44100, 256);
    restore(q, saved);
    q.run(10, 256);
    EXPECT_EQ(values(q), pressed);
}
