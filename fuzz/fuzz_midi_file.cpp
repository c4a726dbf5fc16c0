// The renderer's MIDI-file reader on arbitrary bytes: it parses or refuses, and what it
// parses is ordered and in range.
#include <string>

#include "fuzz/fuzz_common.h"
#include "tools/midi_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    midi::Song song;
    std::string error;
    if (!midi::parse(data, size, song, error)) return 0;
    for (size_t i = 1; i < song.events.size(); ++i)
        fuzz::require(song.events[i - 1].tick <= song.events[i].tick, "events out of order");
    for (const midi::Event& e : song.events)
        fuzz::require(e.bytes[0] >= 0x80 && e.bytes[0] < 0xF0 && (e.size == 2 || e.size == 3),
                      "not a channel message");
    double length = song.lengthSeconds();
    fuzz::require(length >= 0.0 && length == length, "length");
    return 0;
}
