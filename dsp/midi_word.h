// Packed MIDI words as they travel between modules: status in bits 0-7, data 1 in bits 8-14,
// data 2 in bits 16-22.
#pragma once
#include <cstdint>

namespace tarlix::midiword {

constexpr int kNoteOff = 0x80, kNoteOn = 0x90, kController = 0xB0;
constexpr int kProgramChange = 0xC0, kChannelPressure = 0xD0, kPitchBend = 0xE0;
constexpr uint32_t kAllNotesOff = 0x7BB0; // controller 123, channel 1

// Controller numbers.
constexpr int kCcModWheel = 1, kCcDataEntry = 6, kCcDataEntryFine = 38, kCcSustain = 64;
constexpr int kCcBrightness = 74; // an MPE member channel's third dimension
constexpr int kCcNrpnFine = 98, kCcNrpnCoarse = 99, kCcRpnFine = 100, kCcRpnCoarse = 101;
constexpr int kCcAllSoundOff = 120, kCcAllNotesOff = 123;

inline int statusByte(uint32_t w) {
    return static_cast<int>(w & 0xFF);
}
inline int data1(uint32_t w) {
    return static_cast<int>((w >> 8) & 0x7F);
}
inline int data2(uint32_t w) {
    return static_cast<int>((w >> 16) & 0x7F);
}
inline bool isNoteOn(uint32_t w) {
    return (statusByte(w) & 0xF0) == kNoteOn && data2(w) > 0;
}
inline bool isNoteOff(uint32_t w) {
    int t = statusByte(w) & 0xF0;
    return t == kNoteOff || (t == kNoteOn && data2(w) == 0);
}
// Controller 123 (All Notes Off) or 120 (All Sound Off), on any channel.
inline bool isAllOff(uint32_t w) {
    return (statusByte(w) & 0xF0) == kController &&
           (data1(w) == kCcAllNotesOff || data1(w) == kCcAllSoundOff);
}
inline uint32_t make(int status, int d1, int d2) {
    return static_cast<uint32_t>(status & 0xFF) | (static_cast<uint32_t>(d1 & 0x7F) << 8) |
           (static_cast<uint32_t>(d2 & 0x7F) << 16);
}
inline uint32_t withNote(uint32_t w, int note) {
    return (w & ~0xFF00u) | (static_cast<uint32_t>(note & 0x7F) << 8);
}

} // namespace tarlix::midiword
