// MIDI from the host: channel filtering, MPE member channels, bend, modulation and pressure
// collapsed per block, program change, NRPN and MIDI learn. Notes and controllers go into the
// graph as packed words on the MIDI input engine value at their sample position. Runs on the audio
// thread, before the block it belongs to.
#include <cmath>

#include "common/tags.h"
#include "dsp/midi_word.h"
#include "engine/instrument.h"

namespace tarlix {

namespace {
constexpr float k7Bit = 0.007874016f;
constexpr float k14BitBend = 6.1035156e-5f;
constexpr float k14BitNrpn = 6.103888e-5f;
constexpr float kNone = -1.0f;

bool isEqFrequency(int p) {
    return p == tag::kEq1Freq || p == tag::kEq2Freq || p == tag::kEq3Freq; // follow value^4
}
} // namespace

void Instrument::noteEngineField(int index, int32_t intValue) {
    if (index == tag::kMidiChannel) {
        int channel = intValue >= 0 && intValue <= 15 ? intValue : -1;
        // Keys held on the old channel would never hear their note-off: release them.
        if (midiChannel_.exchange(channel, std::memory_order_relaxed) != channel) postAllNotesOff();
    } else if (index == tag::kMpeActive)
        mpeActive_.store(intValue != 0, std::memory_order_relaxed);
    else if (index == tag::kMpeA74)
        pressureSwap_.store(intValue != 0, std::memory_order_relaxed);
}

void Instrument::processEvents(const vst::VstEvents* events) {
    if (pendingMidiProgram_ >= 0) requestProgramFromMidi(pendingMidiProgram_);
    if (!events || events->numEvents <= 0) return;
    // Deltas stay inside the host block, whatever the host sends.
    const int64_t lastFrame = (hostBlock_ > 1 ? hostBlock_ : 1) - 1;
    float bend = kNone, mod = kNone, pressure = kNone;
    uint64_t bendAt = context_.clock, modAt = context_.clock, pressureAt = context_.clock;
    // The list holds numEvents pointers, more than the declared two.
    vst::VstEvent* const* entries = events->events;
    for (int32_t n = 0; n < events->numEvents; ++n) {
        const vst::VstEvent* e = entries[n];
        if (!e || e->type != vst::kVstMidiType) continue;
        const auto& m = *reinterpret_cast<const vst::VstMidiEvent*>(e);
        int64_t delta =
            m.deltaFrames < 0 ? 0 : (m.deltaFrames > lastFrame ? lastFrame : m.deltaFrames);
        const uint64_t time = context_.clock + static_cast<uint64_t>(delta);
        const float b = bend, w = mod, a = pressure;
        handleMidiEvent(m, time, bend, mod, pressure);
        bendAt = bend != b ? time : bendAt;
        modAt = mod != w ? time : modAt;
        pressureAt = pressure != a ? time : pressureAt;
    }
    // One value per block for each, the last in the list, at its own sample: the sound does not
    // depend on where the host cut its blocks.
    if (bend != kNone) applyParameterAt(bendAt, tag::kBend, bend);
    if (mod != kNone) applyParameterAt(modAt, tag::kModWheel, mod);
    if (pressure != kNone) applyParameterAt(pressureAt, tag::kPressure, pressure);
}

void Instrument::handleMidiEvent(const vst::VstMidiEvent& e, uint64_t time, float& bend, float& mod,
                                 float& pressure) {
    uint8_t status = static_cast<uint8_t>(e.midiData[0]);
    const int d1 = e.midiData[1] & 127, d2 = e.midiData[2] & 127;
    if (status < 0x80 || status >= 0xF0) return; // no running status or system messages here
    const int type = status & 0xF0, ch = status & 15;
    const bool note = type == midiword::kNoteOff || type == midiword::kNoteOn;
    if (!mpeActive()) {
        int channel = midiChannel();
        if (channel < 0)
            status = static_cast<uint8_t>(type); // omni: everything plays as channel 1
        else if (ch != channel)
            return;
    } else if (ch != 0) {
        // A member channel: its own expression values, and its notes.
        const bool swap = pressureSwap_.load(std::memory_order_relaxed) != 0;
        if (type == midiword::kPitchBend) {
            applyParameterAt(time, tag::mpeBend(ch),
                             static_cast<float>(d2 * 128 + d1) * k14BitBend);
            return;
        }
        if (type == midiword::kChannelPressure) {
            applyParameterAt(time, swap ? tag::mpeCc74(ch) : tag::mpeAft(ch), d1 * k7Bit);
            return;
        }
        if (type == midiword::kController && d1 == midiword::kCcBrightness) {
            applyParameterAt(time, swap ? tag::mpeAft(ch) : tag::mpeCc74(ch), d2 * k7Bit);
            return;
        }
        if (!note) return;
    } else if (note) {
        return; // the master channel carries no notes
    }

    if (type == midiword::kProgramChange) {
        requestProgramFromMidi(d1);
        return;
    }
    if (type == midiword::kPitchBend) {
        bend = static_cast<float>(d2 * 128 + d1) * k14BitBend;
        return;
    }
    if (type == midiword::kController && d1 == midiword::kCcModWheel) mod = d2 * k7Bit;
    if (type == midiword::kChannelPressure) {
        pressure = d1 * k7Bit;
        return;
    }
    const uint32_t packed = status | (static_cast<uint32_t>(d1) << 8) |
                            (static_cast<uint32_t>(d2) << 16) |
                            (static_cast<uint32_t>(static_cast<uint8_t>(e.midiData[3])) << 24);
    sendEngineValue(time, tag::kMidiInput, 0, static_cast<int32_t>(packed), 0.0f);
    if (type == midiword::kController) handleController(time, d1, d2);
}

void Instrument::handleController(uint64_t time, int number, int value) {
    switch (number) {
    case midiword::kCcNrpnFine:
        nrpnLsb_ = static_cast<uint8_t>(value);
        return;
    case midiword::kCcNrpnCoarse:
        nrpnMsb_ = static_cast<uint8_t>(value);
        return;
    case midiword::kCcDataEntryFine:
        dataLsb_ = static_cast<uint8_t>(value);
        return;
    case midiword::kCcRpnFine:
    case midiword::kCcRpnCoarse:
        nrpnMsb_ = kNoNrpn; // an RPN selection ends the NRPN one
        break;
    case midiword::kCcDataEntry: {
        dataMsb_ = static_cast<uint8_t>(value);
        int selected = static_cast<int8_t>(nrpnMsb_) * 128 + static_cast<int8_t>(nrpnLsb_);
        if (nrpnMsb_ != kNoNrpn && selected >= 0 && selected <= kLastNrpn) {
            setLastController(kLearnFirstNrpn + selected);
            applyMidiLearn(time, kLearnFirstNrpn + selected,
                           static_cast<float>(dataMsb_ * 128 + dataLsb_) * k14BitNrpn);
            return;
        }
        break;
    }
    default:
        break;
    }
    setLastController(number);
    applyMidiLearn(time, number, value * k7Bit);
}

void Instrument::applyMidiLearn(uint64_t time, int code, float value) {
    if (code < 0 || code >= kNotLearned) return;
    for (int p = 0; p < kNumParams; ++p) {
        if (learnedCode(p) != code) continue;
        float v = isEqFrequency(p) ? value * value * value * value : value;
        applyParameterAt(time, p, v);
    }
}

// The records belong to the host side: a program change from MIDI waits for them when another
// thread holds them, and is tried again at the next block.
void Instrument::requestProgramFromMidi(int program) {
    if (program < 0 || program >= kNumPrograms) return;
    const bool taken = !programChange_ || programChange_->tryProgramFromMidi(program);
    pendingMidiProgram_ = taken ? -1 : program;
}

} // namespace tarlix
