#include <gtest/gtest.h>

#include <vector>

#include "tools/midi_file.h"

namespace {
std::vector<uint8_t> smf(int format, std::vector<std::vector<uint8_t>> tracks, int division = 96) {
    std::vector<uint8_t> f = {'M',
                              'T',
                              'h',
                              'd',
                              0,
                              0,
                              0,
                              6,
                              0,
                              uint8_t(format),
                              0,
                              uint8_t(tracks.size()),
                              uint8_t(division >> 8),
                              uint8_t(division)};
    for (auto& t : tracks) {
        f.insert(f.end(), {'M', 'T', 'r', 'k', 0, 0, uint8_t(t.size() >> 8), uint8_t(t.size())});
        f.insert(f.end(), t.begin(), t.end());
    }
    return f;
}
const std::vector<uint8_t> kEnd = {0x00, 0xFF, 0x2F, 0x00};
} // namespace

TEST(MidiFile, ReadsRunningStatusTempoAndMergesTracks) {
    std::vector<uint8_t> t1 = {0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, // 60 BPM
                               0x00, 0x90, 60,   100,  0x60, 64,   100,  // running status
                               0x60, 0x80, 60,   0};
    t1.insert(t1.end(), kEnd.begin(), kEnd.end());
    std::vector<uint8_t> t2 = {0x30, 0xE0, 0x00, 0x40};
    t2.insert(t2.end(), kEnd.begin(), kEnd.end());
    auto bytes = smf(1, {t1, t2});
    midi::Song song;
    std::string error;
    ASSERT_TRUE(midi::parse(bytes.data(), bytes.size(), song, error)) << error;
    ASSERT_EQ(song.events.size(), 4u);
    EXPECT_EQ(song.events[1].bytes[0], 0xE0); // tick 48 sorts before tick 96
    EXPECT_EQ(song.events[2].bytes[1], 64);
    EXPECT_DOUBLE_EQ(song.secondsAt(96), 1.0);
    EXPECT_DOUBLE_EQ(song.tempoAt(0.5), 60.0);
    EXPECT_DOUBLE_EQ(song.quartersAt(2.0), 2.0);
}

TEST(MidiFile, RefusesMalformedFiles) {
    std::vector<uint8_t> good = {0x00, 0x90, 60, 100};
    good.insert(good.end(), kEnd.begin(), kEnd.end());
    std::vector<std::vector<uint8_t>> bad = {
        {},
        {'R', 'I', 'F', 'F'},
        smf(2, {good}),
        smf(0, {{0x00, 0x90, 60}}),               // truncated, no end of track
        smf(0, {{0x00, 60, 100, 0xFF, 0x2F, 0}}), // data without status
        smf(0, {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}), // overlong delta
        smf(0, {good}, 0),
    };
    for (auto& b : bad) {
        midi::Song s;
        std::string error;
        EXPECT_FALSE(midi::parse(b.data(), b.size(), s, error));
        EXPECT_FALSE(error.empty());
    }
    auto truncated = smf(0, {good});
    truncated.erase(truncated.end() - 3, truncated.end()); // the last three bytes missing
    midi::Song s;
    std::string error;
    EXPECT_FALSE(midi::parse(truncated.data(), truncated.size(), s, error));
}
