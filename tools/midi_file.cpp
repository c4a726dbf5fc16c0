#include "tools/midi_file.h"

#include "platform/platform.h"

#include <algorithm>

namespace midi {

namespace {

class Reader {
  public:
    Reader(const uint8_t* p, size_t n) : p_(p), end_(p + n) {}
    size_t left() const { return static_cast<size_t>(end_ - p_); }
    bool byte(uint8_t& b) {
        if (p_ >= end_) return false;
        b = *p_++;
        return true;
    }
    bool u16(uint32_t& v) {
        if (left() < 2) return false;
        v = (uint32_t(p_[0]) << 8) | p_[1];
        p_ += 2;
        return true;
    }
    bool u32(uint32_t& v) {
        if (left() < 4) return false;
        v = (uint32_t(p_[0]) << 24) | (uint32_t(p_[1]) << 16) | (uint32_t(p_[2]) << 8) | p_[3];
        p_ += 4;
        return true;
    }
    bool varLen(uint32_t& v) { // at most four bytes
        v = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b;
            if (!byte(b)) return false;
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    bool skip(size_t n) {
        if (left() < n) return false;
        p_ += n;
        return true;
    }
    const uint8_t* pos() const { return p_; }

  private:
    const uint8_t* p_;
    const uint8_t* end_;
};

int dataBytes(uint8_t status) {
    switch (status & 0xF0) {
    case 0xC0:
    case 0xD0:
        return 1;
    default:
        return 2;
    }
}

bool parseTrack(Reader r, Song& song, int& order, std::string& error) {
    uint64_t tick = 0;
    uint8_t running = 0;
    while (r.left() > 0) {
        uint32_t delta;
        if (!r.varLen(delta)) return error = "bad delta time", false;
        tick += delta;
        uint8_t b;
        if (!r.byte(b)) return error = "truncated event", false;
        if (b == 0xFF) {
            uint8_t type;
            uint32_t len;
            if (!r.byte(type) || !r.varLen(len) || r.left() < len)
                return error = "bad meta event", false;
            const uint8_t* d = r.pos();
            if (type == 0x51) {
                if (len != 3) return error = "bad tempo event", false;
                uint32_t us = (uint32_t(d[0]) << 16) | (uint32_t(d[1]) << 8) | d[2];
                if (us == 0) return error = "zero tempo", false;
                song.tempo.push_back({tick, us});
            }
            r.skip(len);
            if (type == 0x2F) return true;
            running = 0;
            continue;
        }
        if (b == 0xF0 || b == 0xF7) {
            uint32_t len;
            if (!r.varLen(len) || !r.skip(len)) return error = "bad sysex event", false;
            running = 0;
            continue;
        }
        uint8_t status = b;
        uint8_t first;
        if (b & 0x80) {
            if (b >= 0xF0) return error = "unexpected system message", false;
            running = b;
            if (!r.byte(first)) return error = "truncated event", false;
        } else {
            if (!running) return error = "data byte without status", false;
            status = running;
            first = b;
        }
        Event e{tick, {status, first, 0}, 2, order++};
        if (dataBytes(status) == 2) {
            if (!r.byte(e.bytes[2])) return error = "truncated event", false;
            e.size = 3;
        }
        if ((e.bytes[1] | e.bytes[2]) & 0x80) return error = "data byte out of range", false;
        song.events.push_back(e);
    }
    return error = "track without end-of-track event", false;
}

} // namespace

bool parse(const uint8_t* data, size_t size, Song& song, std::string& error) {
    song = Song{};
    Reader r(data, size);
    uint32_t id, len, format, tracks, division;
    if (!r.u32(id) || id != 0x4D546864) return error = "not a Standard MIDI File", false;
    if (!r.u32(len) || len < 6 || !r.u16(format) || !r.u16(tracks) || !r.u16(division) ||
        !r.skip(len - 6))
        return error = "bad header", false;
    if (format > 1) return error = "only MIDI file formats 0 and 1 are supported", false;
    if (tracks == 0 || (format == 0 && tracks != 1)) return error = "bad track count", false;
    if (division & 0x8000) {
        int fps = -static_cast<int8_t>(division >> 8);
        int perFrame = division & 0xFF;
        if (fps <= 0 || perFrame <= 0) return error = "bad SMPTE division", false;
        song.smpte = true;
        song.ticksPerQuarter = fps * perFrame;
    } else {
        if (division == 0) return error = "zero division", false;
        song.ticksPerQuarter = static_cast<int>(division);
    }
    song.format = static_cast<int>(format);
    int order = 0;
    for (uint32_t t = 0; t < tracks; ++t) {
        uint32_t chunk, clen;
        // Unknown chunks are skipped, as the format asks.
        for (;;) {
            if (!r.u32(chunk) || !r.u32(clen) || r.left() < clen)
                return error = "truncated track", false;
            if (chunk == 0x4D54726B) break;
            r.skip(clen);
        }
        if (!parseTrack(Reader(r.pos(), clen), song, order, error)) return false;
        r.skip(clen);
    }
    auto byTick = [](const auto& a, const auto& b) { return a.tick < b.tick; };
    std::stable_sort(song.events.begin(), song.events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::stable_sort(song.tempo.begin(), song.tempo.end(), byTick);
    if (song.smpte) song.tempo.clear();
    if (song.tempo.empty() || song.tempo.front().tick != 0)
        song.tempo.insert(song.tempo.begin(), {0, 500000});
    return true;
}

bool load(const std::string& path, Song& song, std::string& error) {
    std::string bytes;
    if (!platform::readWholeFile(path, bytes)) return error = "cannot open " + path, false;
    if (bytes.size() > (64u << 20)) return error = "file too large", false;
    return parse(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), song, error);
}

double Song::secondsAt(uint64_t tick) const {
    if (smpte) return static_cast<double>(tick) / ticksPerQuarter;
    double seconds = 0.0;
    for (size_t i = 0; i < tempo.size(); ++i) {
        uint64_t from = tempo[i].tick;
        if (from >= tick) break;
        uint64_t to = (i + 1 < tempo.size() && tempo[i + 1].tick < tick) ? tempo[i + 1].tick : tick;
        seconds +=
            static_cast<double>(to - from) * tempo[i].microsPerQuarter * 1e-6 / ticksPerQuarter;
    }
    return seconds;
}

double Song::tempoAt(double seconds) const {
    double bpm = 120.0;
    for (const TempoChange& t : tempo) {
        if (secondsAt(t.tick) > seconds) break;
        bpm = 60e6 / t.microsPerQuarter;
    }
    return bpm;
}

double Song::quartersAt(double seconds) const {
    if (smpte) return seconds * 2.0;
    double quarters = 0.0, at = 0.0;
    for (size_t i = 0; i < tempo.size(); ++i) {
        double start = secondsAt(tempo[i].tick);
        double end = i + 1 < tempo.size() ? secondsAt(tempo[i + 1].tick) : 1e300;
        if (seconds <= start) break;
        double span = std::min(seconds, end) - start;
        quarters += span * 1e6 / tempo[i].microsPerQuarter;
        at = start + span;
    }
    (void)at;
    return quarters;
}

double Song::lengthSeconds() const {
    return events.empty() ? 0.0 : secondsAt(events.back().tick);
}

} // namespace midi
