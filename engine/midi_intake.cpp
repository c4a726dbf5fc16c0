// MIDI from the host: channel filtering, MPE member channels, bend, modulation and pressure
// collapsed per block, program change, NRPN and MIDI learn. Notes and controllers go into the
// graph as packed words on engine value 335 at their sample position. Runs on the audio
// thread, before the block it belongs to.
#include <cmath>

#include "engine/instrument.h"

namespace tarlix {

namespace {
constexpr int kMidiInputValue = 335;
constexpr int kPressureValue = 338, kBendValue = 339, kModValue = 340;
constexpr int kMpeBend = 403, kMpePressure = 418, kMpeCC74 = 433; // + member channel 1..15
constexpr int kMidiChannelParam = 211, kMpeActiveParam = 232, kMpeSwapParam = 233;
constexpr float k7Bit = 0.007874016f;
constexpr float k14BitBend = 6.1035156e-5f;
constexpr float k14BitNrpn = 6.103888e-5f;
constexpr float kNone = -1.0f;

bool isEqFrequency(int p) {
    return p == 196 || p == 199 || p == 202; // "EQ n Freq Hz" follow value^4
}
} // namespace

void Instrument::noteEngineField(int index, int32_t intValue) {
    if (index == kMidiChannelParam) {
        int channel = intValue >= 0 && intValue <= 15 ? intValue : -1;
        // Keys held on the old channel would never hear their note-off: release them.
        if (midiChannel_.exchange(channel, std::memory_order_relaxed) != channel) postAllNotesOff();
    } else if (index == kMpeActiveParam)
        mpeActive_.store(intValue != 0, std::memory_order_relaxed);
    else if (index == kMpeSwapParam)
        pressureSwap_.store(intValue != 0, std::memory_order_relaxed);
}

void Instrument::processEvents(const vst::VstEvents* events) {
    if (pendingMidiProgram_ >= 0) requestProgramFromMidi(pendingMidiProgram_);
    if (!events || events->numEvents <= 0) return;
    // Deltas stay inside the host block, whatever the host sends.
    const int64_t lastFrame = (hostBlock_ > 1 ? hostBlock_ : 1) - 1;
    float bend = kNone, mod = kNone, pressure = kNone;
    // The list holds numEvents pointers, more than the declared two.
    vst::VstEvent* const* entries = events->events;
    for (int32_t n = 0; n < events->numEvents; ++n) {
        const vst::VstEvent* e = entries[n];
        if (!e || e->type != vst::kVstMidiType) continue;
        const auto& m = *reinterpret_cast<const vst::VstMidiEvent*>(e);
        int64_t delta =
            m.deltaFrames < 0 ? 0 : (m.deltaFrames > lastFrame ? lastFrame : m.deltaFrames);
        handleMidiEvent(m, context_.clock + static_cast<uint64_t>(delta), bend, mod, pressure);
    }
    // One value per block for each, the last in the list, at the block start.
    if (bend != kNone) applyParameterAt(context_.clock, kBendValue, bend);
    if (mod != kNone) applyParameterAt(context_.clock, kModValue, mod);
    if (pressure != kNone) applyParameterAt(context_.clock, kPressureValue, pressure);
}

void Instrument::handleMidiEvent(const vst::VstMidiEvent& e, uint64_t time, float& bend, float& mod,
                                 float& pressure) {
    uint8_t status = static_cast<uint8_t>(e.midiData[0]);
    const int d1 = e.midiData[1] & 127, d2 = e.midiData[2] & 127;
    if (status < 0x80 || status >= 0xF0) return; // no running status or system messages here
    const int type = status & 0xF0, ch = status & 15;
    const bool note = type == 0x80 || type == 0x90;
    if (!mpeActive()) {
        int channel = midiChannel();
        if (channel < 0)
            status = static_cast<uint8_t>(type); // omni: everything plays as channel 1
        else if (ch != channel)
            return;
    } else if (ch != 0) {
        // A member channel: its own expression values, and its notes.
        const bool swap = pressureSwap_.load(std::memory_order_relaxed) != 0;
        if (type == 0xE0) {
            applyParameterAt(time, kMpeBend + ch, static_cast<float>(d2 * 128 + d1) * k14BitBend);
            return;
        }
        if (type == 0xD0) {
            applyParameterAt(time, (swap ? kMpeCC74 : kMpePressure) + ch, d1 * k7Bit);
            return;
        }
        if (type == 0xB0 && d1 == 74) {
            applyParameterAt(time, (swap ? kMpePressure : kMpeCC74) + ch, d2 * k7Bit);
            return;
        }
        if (!note) return;
    } else if (note) {
        return; // the master channel carries no notes
    }

    if (type == 0xC0) {
        requestProgramFromMidi(d1);
        return;
    }
    if (type == 0xE0) {
        bend = static_cast<float>(d2 * 128 + d1) * k14BitBend;
        return;
    }
    if (type == 0xB0 && d1 == 1) mod = d2 * k7Bit;
    if (type == 0xD0) {
        pressure = d1 * k7Bit;
        return;
    }
    const uint32_t packed = status | (static_cast<uint32_t>(d1) << 8) |
                            (static_cast<uint32_t>(d2) << 16) |
                            (static_cast<uint32_t>(static_cast<uint8_t>(e.midiData[3])) << 24);
    sendEngineValue(time, kMidiInputValue, 0, static_cast<int32_t>(packed), 0.0f);
    if (type == 0xB0) handleController(time, d1, d2);
}

void Instrument::handleController(uint64_t time, int number, int value) {
    switch (number) {
    case 98:
        nrpnLsb_ = static_cast<uint8_t>(value);
        return;
    case 99:
        nrpnMsb_ = static_cast<uint8_t>(value);
        return;
    case 38:
        dataLsb_ = static_cast<uint8_t>(value);
        return;
    case 100:
    case 101:
        nrpnMsb_ = 255; // an RPN selection ends the NRPN one
        break;
    case 6: {
        dataMsb_ = static_cast<uint8_t>(value);
        int selected = static_cast<int8_t>(nrpnMsb_) * 128 + static_cast<int8_t>(nrpnLsb_);
        if (nrpnMsb_ != 255 && selected >= 0 && selected <= 16383) {
            setLastController(selected + 200);
            applyMidiLearn(time, selected + 200,
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
    if (code < 0 || code > 65534) return;
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
