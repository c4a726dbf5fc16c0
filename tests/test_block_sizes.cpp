// The same MIDI at the same sample positions gives the same sound whatever blocks the host
// cuts: every factory program, through the built library, bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "dsp/midi_word.h"
#include "host/event_list.h"
#include "tools/audition.h"

using namespace vst;

namespace {

constexpr int kRate = 48000;
constexpr int kReferenceBlock = 512;

struct Timed {
    int at; // sample
    int status, key, value;
};

// Notes that start and end off every block grid (0.1013 s and on), overlapping, with a
// modulation-wheel move and a pitch bend between them; a short note whose voice comes free and
// is played again, a key struck again under the sustain pedal, and a chord that makes
// programs with few voices steal.
const std::vector<Timed>& phrase() {
    using namespace tarlix::midiword;
    static const std::vector<Timed> events = {
        {4862, kNoteOn, 57, 100},
        {6007, kNoteOn, 60, 80},
        {8111, kNoteOff, 60, 0},
        {9001, kController, 1, 64},
        {13337, kNoteOn, 64, 90},
        {17777, 0xE0, 0x00, 0x50},
        {19001, kController, kCcSustain, 127},
        {21011, kNoteOff, 57, 0},
        {22222, kNoteOn, 57, 70},
        {24999, kNoteOn, 69, 110},
        {26901, kNoteOn, 72, 100},
        {27777, kController, kCcSustain, 0},
        {29999, kNoteOn, 76, 95},
        {30103, kNoteOff, 64, 0},
        {31313, kNoteOff, 72, 0},
        {33333, kNoteOff, 69, 0},
        {34567, kNoteOff, 76, 0},
        {35001, kNoteOff, 57, 0},
    };
    return events;
}
constexpr int kLength = 38400; // 0.8 s

struct Render {
    std::vector<float> left, right;
};

// The host's block at call `call` of a render: `block`, or with block 0 a host that cuts every
// call differently (as one that splits its blocks at automation points does).
int blockAt(int block, int call) {
    static const int kChanging[] = {3, 200, 1, 64, 127, 129, 9, 512, 50, 255};
    return block > 0 ? block : kChanging[call % 10];
}
constexpr int kLargestChangingBlock = 512;

Render render(int program, int block) {
    tools::LoadedPlugin plugin(TARLIX_PLUGIN_PATH, audition::host);
    Render out;
    if (!plugin.ok()) return out;
    AEffect* fx = plugin.fx();
    plugin.call(effSetSampleRate, 0, 0, nullptr, static_cast<float>(kRate));
    plugin.call(effSetBlockSize, 0, block > 0 ? block : kLargestChangingBlock);
    plugin.call(effSetProgram, 0, program);
    plugin.call(effMainsChanged, 0, 1);
    plugin.call(effStartProcess);
    out.left.resize(kLength);
    out.right.resize(kLength);
    std::vector<float> silence(static_cast<size_t>(block > 0 ? block : kLargestChangingBlock),
                               0.0f);
    float* ins[2] = {silence.data(), silence.data()};
    EventList midi;
    size_t next = 0;
    const std::vector<Timed>& events = phrase();
    for (int pos = 0, call = 0, n = 0; pos < kLength; pos += n, ++call) {
        n = std::min(blockAt(block, call), kLength - pos);
        midi.clear();
        for (; next < events.size() && events[next].at < pos + n; ++next)
            midi.add(events[next].at - pos, events[next].status, events[next].key,
                     events[next].value);
        if (!midi.empty()) plugin.call(effProcessEvents, 0, 0, midi.list());
        float* outs[2] = {out.left.data() + pos, out.right.data() + pos};
        fx->processReplacing(fx, ins, outs, n);
    }
    plugin.call(effStopProcess);
    plugin.call(effMainsChanged, 0, 0);
    return out;
}

// The first sample at which two renders differ, or -1.
int firstDifference(const Render& a, const Render& b) {
    for (size_t i = 0; i < a.left.size() && i < b.left.size(); ++i)
        if (std::memcmp(&a.left[i], &b.left[i], sizeof(float)) != 0 ||
            std::memcmp(&a.right[i], &b.right[i], sizeof(float)) != 0)
            return static_cast<int>(i);
    return a.left.size() == b.left.size() ? -1 : 0;
}

// The block-512 render of every program, made once for every host block compared with it.
const Render& reference(int program) {
    static std::vector<Render> renders(audition::kPrograms);
    Render& r = renders[static_cast<size_t>(program)];
    if (r.left.empty()) r = render(program, kReferenceBlock);
    return r;
}

} // namespace

class BlockSizes : public ::testing::TestWithParam<int> {};

TEST_P(BlockSizes, EveryFactoryProgramRendersTheSameAtEveryHostBlock) {
    const int block = GetParam();
    std::ostringstream differing;
    for (int p = 0; p < audition::kPrograms; ++p) {
        const Render& ref = reference(p);
        ASSERT_EQ(ref.left.size(), static_cast<size_t>(kLength)) << "program " << p;
        const int at = firstDifference(ref, render(p, block));
        if (at >= 0) differing << ' ' << p << '@' << at;
    }
    EXPECT_TRUE(differing.str().empty())
        << "block " << block << ": programs (@ first sample that differs):" << differing.str();
}

// Blocks of whole cells, blocks that cut them (one sample, an odd size, half a cell), and a host
// whose every call has another size (0).
INSTANTIATE_TEST_SUITE_P(HostBlocks, BlockSizes, ::testing::Values(128, 4096, 64, 7, 1, 0));
