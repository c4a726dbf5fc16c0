// A strict Standard MIDI File reader (formats 0 and 1) with the tempo map.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace midi {

struct Event {
    uint64_t tick;
    uint8_t bytes[3];
    uint8_t size; // 2 or 3 channel-message bytes
    int order;    // file order, for a stable merge of tracks
};

struct TempoChange {
    uint64_t tick;
    uint32_t microsPerQuarter;
};

struct Song {
    int format = 0;
    int ticksPerQuarter = 480; // for SMPTE timing: ticks per second, see smpte
    bool smpte = false;
    std::vector<Event> events;      // channel messages, sorted by tick
    std::vector<TempoChange> tempo; // sorted; starts with 120 BPM at tick 0 if the file has none

    double secondsAt(uint64_t tick) const;
    double tempoAt(double seconds) const; // BPM
    double quartersAt(double seconds) const;
    double lengthSeconds() const;
};

// Parses the bytes of a file; on failure returns false and describes the fault in `error`.
bool parse(const uint8_t* data, size_t size, Song& song, std::string& error);
bool load(const std::string& path, Song& song, std::string& error);

} // namespace midi
