// Instances in one host are independent: what draws random numbers (oscillator drift, the
// arpeggiator's "Random" order, the randomise buttons) draws from its own instance's generator,
// so a phrase renders the same alone, again, or interleaved with another instance.
#include <vector>

#include "host/event_list.h"
#include "tests/host_fixture.h"

using namespace testhost;
using namespace vst;

namespace {

constexpr int kBlock = 256;
constexpr int kBlocks = 120; // about 0.7 s: many arpeggio steps and drift targets

// Parameters by index, with the option index as a normalised value.
constexpr int kOscDrift = 70;
constexpr int kArpOnOff = 124, kArpMode = 126, kArpRange = 127, kArpRate = 128;
float option(int index, int count) {
    return static_cast<float>(index) / static_cast<float>(count - 1);
}

// A plain program with full drift and a random arpeggio over a held chord.
struct Player {
    Instance p{tempoHost};
    std::vector<float> left = std::vector<float>(kBlock), right = std::vector<float>(kBlock);
    std::vector<float> heard;
    int block = 0;

    Player() {
        playTransport(120.0, 44100.0);
        p.start(44100, kBlock);
        loadPlainProgram(p, 1, 1);
        p.fx->setParameter(p.fx, kOscDrift, 1.0f);
        p.fx->setParameter(p.fx, kArpOnOff, 1.0f);
        p.fx->setParameter(p.fx, kArpMode, option(4, 5)); // "Random"
        p.fx->setParameter(p.fx, kArpRange, option(2, 4));
        p.fx->setParameter(p.fx, kArpRate, option(6, 9));
    }
    // One host block; the chord is pressed in the second.
    void step() {
        if (block == 1) {
            EventList chord;
            for (int key : {60, 64, 67, 71})
                chord.add(0, 0x90, key, 100);
            p.call(effProcessEvents, 0, 0, chord.list());
        }
        p.process(left, right, kBlock);
        heard.insert(heard.end(), left.begin(), left.end());
        heard.insert(heard.end(), right.begin(), right.end());
        ++block;
    }
};

std::vector<float> renderAlone() {
    Player one;
    for (int b = 0; b < kBlocks; ++b)
        one.step();
    return one.heard;
}

bool sounds(const std::vector<float>& v) {
    for (float x : v)
        if (x != 0.0f) return true;
    return false;
}

TEST(Instances, RandomPhraseRendersTheSameAloneAgainAndInterleaved) {
    const std::vector<float> alone = renderAlone();
    ASSERT_TRUE(sounds(alone));
    EXPECT_EQ(renderAlone(), alone) << "a second render of the same phrase differs";

    Player a, b;
    for (int n = 0; n < kBlocks; ++n) {
        a.step();
        b.step();
    }
    EXPECT_EQ(a.heard, alone) << "the first of two interleaved instances was disturbed";
    EXPECT_EQ(b.heard, alone) << "the second of two interleaved instances was disturbed";
}

} // namespace
