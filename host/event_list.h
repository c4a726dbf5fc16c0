// A host's MIDI event list, built up event by event (the renderer, tests, benchmarks).
#pragma once
#include <cstdint>
#include <vector>

#include "host/vst_abi.h"

namespace vst {

class EventList {
  public:
    void add(int delta, int status, int d1, int d2) {
        VstMidiEvent e{};
        e.type = kVstMidiType;
        e.byteSize = sizeof e;
        e.deltaFrames = delta;
        e.midiData[0] = static_cast<char>(status);
        e.midiData[1] = static_cast<char>(d1);
        e.midiData[2] = static_cast<char>(d2);
        events_.push_back(e);
    }
    void addRaw(const VstMidiEvent& e) { events_.push_back(e); }
    // The list as the host hands it over; valid until the next call or clear().
    VstEvents* list() {
        storage_.assign(sizeof(VstEvents) + events_.size() * sizeof(void*), 0);
        auto* l = reinterpret_cast<VstEvents*>(storage_.data());
        l->numEvents = static_cast<int32_t>(events_.size());
        VstEvent** entries = l->events; // numEvents entries, more than the declared two
        for (size_t i = 0; i < events_.size(); ++i)
            entries[i] = reinterpret_cast<VstEvent*>(&events_[i]);
        return l;
    }
    void clear() { events_.clear(); }
    bool empty() const { return events_.empty(); }

  private:
    std::vector<VstMidiEvent> events_;
    std::vector<uint8_t> storage_;
};

} // namespace vst
