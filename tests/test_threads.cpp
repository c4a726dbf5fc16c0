// Where threads meet, through the loaded library: the host's user-interface thread works the
// dispatcher (state, programs, names, automation) while the audio thread processes, and
// instances come and go on several threads at once. The thread sanitizer build runs these.
#include <random>

#include "tests/host_fixture.h"

using namespace testhost;
using namespace vst;

namespace {

constexpr int kBlock = 128;

// A bank that differs from the factory bank in the first program's name and cutoff.
std::vector<uint8_t> editedBank(const char* name, float cutoff) {
    Instance a;
    a.call(effSetProgramName, 0, 0, const_cast<char*>(name));
    a.set(83, cutoff); // "LPF Cutoff"
    return a.chunk();
}

} // namespace

// Each state the host saves while audio runs is one it set, never a mixture of two, and once
// the audio has caught up the instance holds the last state set.
TEST(ChunksThreads, SetAndGetWhileProcessing) {
    auto bankA = editedBank("State A", 0.25f), bankB = editedBank("State B", 0.75f);
    auto progA = editedBank("State A", 0.25f);
    progA.resize(kRecordBytes); // the first record: a program chunk
    Instance p;
    p.start(48000, kBlock);
    int mixed = 0;
    const int blocks = runBesideAudio(p, kBlock, 200, [&](int round) {
        auto& next = round % 2 ? bankB : bankA;
        p.setChunk(next);
        if (p.chunk() != next) ++mixed;
        p.setChunk(progA, true);
        if (p.chunk(true) != progA) ++mixed;
        p.call(effSetProgram, 0, round % 128);
        p.text(effGetProgramName);
        p.call(effSetProgram, 0, 0);
    });
    EXPECT_EQ(mixed, 0);
    EXPECT_GE(blocks, 199);
    p.setChunk(bankB);
    p.run(20, kBlock); // two program fades' worth of audio
    EXPECT_EQ(p.chunk(), bankB);
    EXPECT_FLOAT_EQ(p.get(83), 0.75f);
    EXPECT_EQ(p.text(effGetProgramName), "State B");
}

// Everything a host's editor side may call, in a loop, against an audio thread that plays
// notes, moves a controller and automates parameters.
TEST(ConformanceThreads, DispatcherCallsFromASecondThreadWhileProcessing) {
    auto state = editedBank("Edited", 0.4f);
    Instance p;
    p.start(48000, kBlock);
    std::mt19937 rng(1);
    vst::EventList midi;
    char text[64];
    runBesideAudio(
        p, kBlock, 150,
        [&](int round) {
            p.setChunk(state);
            p.call(effSetProgram, 0, round % 128);
            p.call(effGetParamDisplay, round % 333, 0, text);
            p.call(effGetParamName, round % 333, 0, text);
            p.text(effGetProgramName);
            p.call(effGetProgramNameIndexed, round % 128, -1, text);
            p.set(round % 242, 0.7f);
            EXPECT_FALSE(p.chunk(round % 2).empty());
        },
        [&](int) {
            midi.add(static_cast<int>(rng() % kBlock), 0x90, 40 + static_cast<int>(rng() % 30), 90);
            midi.add(static_cast<int>(rng() % kBlock), 0x80, 40 + static_cast<int>(rng() % 30), 0);
            midi.add(0, 0xB0, 21, static_cast<int>(rng() % 128));
            p.send(midi);
            p.set(static_cast<int>(rng() % 242), 0.3f); // automation from the audio thread
        });
}

// Instances created, used and closed on four threads at once, while others live on: the
// process-wide tables they share are built once and kept safely.
TEST(InstanceThreads, CreatedUsedAndClosedOnSeveralThreadsAtOnce) {
    auto* kept = new Instance;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 5; ++i) {
                Instance p;
                ASSERT_NE(p.fx, nullptr);
                EXPECT_EQ(p.text(effGetParamName, 83), "LPF Cutoff");
                p.start(48000, kBlock);
                Stereo out = p.run(4, kBlock);
                EXPECT_TRUE(allFinite(out.left) && allFinite(out.right));
            }
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(kept->text(effGetParamName, 120), "Play Mode");
    delete kept;
}
