#include "dsp/arp_sequencer.h"

#include <cmath>
#include <cstring>

#include "common/curves.h"
#include "dsp/midi_word.h"
#include "dsp/module_host.h"

namespace tarlix {

namespace {
using namespace midiword;

float multiplierOf(int32_t option) {
    int k = option < 0 ? 0 : (option > 8 ? 8 : option);
    return static_cast<float>(QX_DSP_Midi_Sync_Tempo::kRateMultipliers[k]);
}
// A factor from the "Half" switches: 1.0 or 1.5; nothing usable reads as 1.
double factorOf(float f) {
    return std::isfinite(f) && f > 0.0f ? static_cast<double>(f) : 1.0;
}
} // namespace

// ---- host tempo ---------------------------------------------------------------------------

QX_DSP_Host_Tempo::QX_DSP_Host_Tempo(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(6);
}

void QX_DSP_Host_Tempo::Prepare() {
    lastTempo_ = -1.0;
    lastPlaying_ = -1;
}

void QX_DSP_Host_Tempo::Render(int, int) {
    const ModuleHost* host = context->host;
    double bpm = host ? host->hostTempo() : 120.0;
    int playing = host && host->hostPlaying() ? 1 : 0;
    if (bpm != lastTempo_) {
        lastTempo_ = bpm;
        // The data of the tempo event is the tempo itself in full precision (BPM, double), for
        // the clocks: over minutes a float tempo would drift them off the grid.
        SendEvent(now, kOutTempo, 0, static_cast<int32_t>(bpm), static_cast<float>(bpm * 0.1),
                  &lastTempo_);
        SendEvent(now, kOutBeatSeconds, 0, 0, static_cast<float>(60.0 / bpm), nullptr);
        SendEvent(now, kOutBeatsPerSecond, 0, 0, static_cast<float>(bpm / 60.0), nullptr);
    }
    if (playing != lastPlaying_) {
        lastPlaying_ = playing;
        SendEvent(now, kOutPlaying, 0, playing ? 10 : 0, playing ? 1.0f : 0.0f, nullptr);
    }
}

// ---- tempo clocks -------------------------------------------------------------------------

QX_DSP_Midi_Sync_Tempo::QX_DSP_Midi_Sync_Tempo(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(15);
}

void QX_DSP_Midi_Sync_Tempo::Prepare() {
    rate_ = sampleRate();
    tempoVolts_ = 12.0;
    start_ = context->clock;
    keysDown_ = 0;
    for (Clock& c : clocks_)
        c = Clock{};
}

void QX_DSP_Midi_Sync_Tempo::pulse(int output, uint64_t time) {
    SendEvent(time, output, 0, 1, 1.0f, nullptr);
    SendEvent(time + 1, output, 0, 0, 0.0f, nullptr);
}

// The phase follows from the time since the clocks were started, so a new rate or tempo keeps
// the clock on its grid.
void QX_DSP_Midi_Sync_Tempo::updateIncrement(Clock& c) {
    // Cycles per sample: multiplier x half x BPM / 60 / sample rate (tempo volts = BPM / 10).
    c.increment = c.multiplier * c.half * tempoVolts_ * 10.0 / (60.0 * rate_);
}

void QX_DSP_Midi_Sync_Tempo::realign(Clock& c) {
    updateIncrement(c);
    double elapsed = static_cast<double>(now - start_) * c.increment;
    c.phase = elapsed - std::floor(elapsed);
    c.gone = 0;
    if (c.phase == 0.0) c.phase = 1.0;
    c.recompute = false;
}

void QX_DSP_Midi_Sync_Tempo::HandleEvent(const EventRecord& e, int) {
    const int p = e.port;
    if (p == kInTempo) {
        double v = e.data ? *static_cast<const double*>(e.data) * 0.1 : e.floatValue;
        tempoVolts_ = std::isfinite(v) && v > 0.0 ? (v > 99.9 ? 99.9 : v) : 12.0;
        for (Clock& c : clocks_)
            c.recompute = true;
    } else if (p >= kInRate && p < kInRate + kClocks) {
        clocks_[p - kInRate].multiplier = multiplierOf(e.intValue);
        clocks_[p - kInRate].recompute = true;
    } else if (p >= kInHold && p < kInHold + kClocks) {
        Clock& c = clocks_[p - kInHold];
        bool hold = e.intValue != 0;
        if (hold && !c.hold) c.pending = true;
        c.hold = hold;
    } else if (p >= kInHalf && p < kInHalf + kClocks) {
        clocks_[p - kInHalf].half = factorOf(e.floatValue);
        clocks_[p - kInHalf].recompute = true;
    } else if (p == kInMidi) {
        const uint32_t w = static_cast<uint32_t>(e.intValue);
        if (isNoteOn(w)) {
            if (++keysDown_ != 1) return;
            start_ = now;
            pulse(kOutKeyStart, now);
            for (int k = 0; k < kClocks; ++k) {
                if (!connected(k)) continue;
                Clock& c = clocks_[k];
                if (!c.hold) {
                    updateIncrement(c);
                    c.recompute = false;
                    c.phase = 1.0; // the first step at once, on the key
                    c.gone = 0;
                    pulse(kOutRestart + k, now);
                } else if (c.pending) {
                    c.pending = false;
                    pulse(kOutRestart + k, now);
                }
            }
        } else if (isNoteOff(w)) {
            if (keysDown_ > 0) --keysDown_;
        } else if (isAllOff(w)) {
            keysDown_ = 0;
        }
    }
}

void QX_DSP_Midi_Sync_Tempo::Render(int, int count) {
    for (int k = 0; k < kClocks; ++k) {
        if (!connected(k)) continue;
        Clock& c = clocks_[k];
        if (!continuesCall() && c.gone > 0) {
            c.phase += c.increment * static_cast<double>(c.gone);
            c.gone = 0;
        }
        if (c.recompute) realign(c);
        if (!(c.increment > 0.0)) continue;
        // The phase is the part of a period gone at the start of a sample; a tick at the sample
        // where it reaches 1. Whole ticks are found without a loop over every sample. `at` is
        // where the phase was taken: before this call when it goes on past a host's cut.
        int64_t at = -c.gone;
        while (at < count) {
            double need = (1.0 - c.phase) / c.increment;
            int64_t i = need <= 0.0 ? 0 : static_cast<int64_t>(std::ceil(need));
            if (at + i >= count) break;
            pulse(kOutTick + k, now + static_cast<uint64_t>(at + i));
            c.phase = c.phase + c.increment * static_cast<double>(i + 1) - 1.0;
            at += i + 1;
        }
        c.gone = count - at;
    }
}

// ---- arpeggiator --------------------------------------------------------------------------

QX_DSP_Midi_Phrase_Arp::QX_DSP_Midi_Phrase_Arp(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {}

void QX_DSP_Midi_Phrase_Arp::Prepare() {
    count_ = 0;
    keysDown_ = 0;
    std::memset(down_, 0, sizeof down_);
    sounding_ = false;
    resetPattern();
}

void QX_DSP_Midi_Phrase_Arp::resetPattern() {
    index_ = 0;
    // Cycle Down starts at the top octave going down; the others at the bottom going up.
    direction_ = mode_ == kDown ? -1 : 1;
    octave_ = mode_ == kDown ? range_ * 12 : 0;
}

void QX_DSP_Midi_Phrase_Arp::stopSounding(uint64_t time) {
    if (!sounding_) return;
    sounding_ = false;
    send(time, make(kNoteOff | (statusByte(soundingWord_) & 15), data1(soundingWord_), 0));
}

void QX_DSP_Midi_Phrase_Arp::removeReleasedEntries() {
    int kept = 0;
    for (int k = 0; k < count_; ++k)
        if (down_[held_[k].note]) held_[kept++] = held_[k];
    count_ = kept;
    if (count_ == 0) stopSounding(now);
}

void QX_DSP_Midi_Phrase_Arp::HandleEvent(const EventRecord& e, int) {
    const int32_t i = e.intValue;
    switch (e.port) {
    case kInMidi:
        handleMidi(static_cast<uint32_t>(i), e.floatValue);
        break;
    case kInTick:
        if (i > 0 && on_) step();
        break;
    case kInTempo:
        tempoVolts_ = std::isfinite(e.floatValue) && e.floatValue > 0.0f ? e.floatValue : 12.0f;
        break;
    case kInGate:
        gate_ = e.floatValue > 0.01f ? (e.floatValue < 1.0f ? e.floatValue : 1.0f) : 0.01f;
        break;
    case kInMode:
        mode_ = i < kUp ? kUp : (i > kRandom ? kRandom : i);
        resetPattern();
        break;
    case kInRange:
        range_ = i < 0 ? 0 : (i > kMaxRange ? kMaxRange : i);
        if (octave_ > range_ * 12) octave_ = range_ * 12;
        break;
    case kInConstantVelocity:
        constantVelocity_ = i != 0;
        break;
    case kInRate:
        multiplier_ = multiplierOf(i);
        break;
    case kInOn:
        if (on_ && i == 0) {
            // Switched off while playing: the sounding note ends, the keys pass on from now.
            stopSounding(now);
            count_ = 0;
        }
        on_ = i != 0;
        break;
    case kInHold:
    case kInHold2:
        if (hold_ && i == 0) {
            hold_ = false;
            removeReleasedEntries(); // keys already up leave the pattern
        }
        hold_ = i != 0;
        break;
    case kInHalf:
        half_ = static_cast<float>(factorOf(e.floatValue));
        break;
    case kInLegato:
        legato_ = i != 0;
        break;
    default:
        break;
    }
}

void QX_DSP_Midi_Phrase_Arp::handleMidi(uint32_t word, float value) {
    if (!on_) {
        SendEvent(now, kOutMidi, 0, static_cast<int32_t>(word), value, nullptr);
        return;
    }
    const int note = data1(word);
    if (isNoteOn(word)) {
        if (down_[note] >= 2) return;
        if (keysDown_ == 0) {
            // A new phrase: the pattern restarts, and a latched chord gives way to the new one.
            stopSounding(now);
            if (hold_) count_ = 0;
            resetPattern();
        }
        ++down_[note];
        ++keysDown_;
        bool listed = false;
        for (int k = 0; k < count_; ++k)
            listed = listed || held_[k].note == note;
        if (!listed && count_ < 32)
            held_[count_++] = {static_cast<uint8_t>(note), static_cast<uint8_t>(data2(word)),
                               static_cast<uint8_t>(statusByte(word) & 15)};
    } else if (isNoteOff(word)) {
        if (down_[note] == 0) return;
        --down_[note];
        if (keysDown_ > 0) --keysDown_;
        if (hold_ || down_[note] > 0) return;
        int kept = 0;
        for (int k = 0; k < count_; ++k)
            if (held_[k].note != note) held_[kept++] = held_[k];
        count_ = kept;
        if (count_ == 0) stopSounding(now);
    } else if (isAllOff(word)) {
        count_ = 0;
        keysDown_ = 0;
        std::memset(down_, 0, sizeof down_);
        stopSounding(now);
        SendEvent(now, kOutMidi, 0, static_cast<int32_t>(word), value, nullptr);
    } else {
        SendEvent(now, kOutMidi, 0, static_cast<int32_t>(word), value, nullptr);
    }
}

void QX_DSP_Midi_Phrase_Arp::Render(int, int count) {
    // The sounding note's end, when it falls in this chunk.
    if (sounding_ && offTime_ < now + static_cast<uint64_t>(count))
        stopSounding(offTime_ < now ? now : offTime_);
}

void QX_DSP_Midi_Phrase_Arp::step() {
    if (count_ == 0) return;
    const double rate = sampleRate();
    const double length = std::trunc(6.0 / tempoVolts_ / (half_ * multiplier_) * rate);
    const uint64_t t = now;
    const int top = range_ * 12;
    if (routes[kOutStep])
        SendEvent(t, kOutStep, 0, 1, 10.0f, nullptr); // a step pulse, for whoever listens
    const bool upDown = (mode_ == kUpDown || mode_ == kUpDown2) && !(count_ == 1 && range_ == 0);
    if (mode_ == kRandom) {
        RandomSequence fallback; // only a module without a host draws from a fresh sequence
        RandomSequence& random = context->host ? context->host->random() : fallback;
        index_ = random.below(count_);
        octave_ = random.below(range_ + 1) * 12;
    } else if (index_ >= count_) {
        octave_ += 12;
        if (octave_ <= top) {
            index_ = 0;
        } else if (!upDown) {
            octave_ = 0;
            index_ = 0;
        } else {
            index_ = count_ - 1;
            octave_ = top;
            direction_ = -1;
            if (mode_ == kUpDown) index_ += direction_; // the top note is not played twice
        }
    } else if (index_ < 0) {
        octave_ -= 12;
        if (octave_ >= 0) {
            index_ = count_ - 1;
        } else if (upDown) {
            index_ = 0;
            octave_ = 0;
            direction_ = 1;
            if (mode_ == kUpDown) index_ += direction_;
        } else {
            octave_ = top;
            index_ = count_ - 1;
        }
    }
    if (index_ < 0) index_ = 0;
    if (index_ >= count_) index_ = count_ - 1;
    const Entry& entry = held_[index_];
    index_ += direction_;
    const int note = entry.note + octave_;
    if (note > 127) return;
    const int velocity = constantVelocity_ ? 127 : entry.velocity;
    const uint32_t on = make(kNoteOn | entry.channel, note, velocity);
    const double gate = legato_ ? gate_ * 1.05 : gate_;
    uint64_t end = t + static_cast<uint64_t>(length * gate > 1.0 ? length * gate : 1.0);
    if (sounding_) {
        if (legato_ && data1(soundingWord_) == note) {
            offTime_ = end; // the same pitch in legato simply goes on
            return;
        }
        const uint32_t off =
            make(kNoteOff | (statusByte(soundingWord_) & 15), data1(soundingWord_), 0);
        sounding_ = false;
        // Outside legato the old note ends just before; in legato just after (a glide).
        send(legato_ ? t + 2 : (t > now ? t - 1 : t), off);
    }
    send(t, on);
    sounding_ = true;
    soundingWord_ = on;
    offTime_ = end;
}

// ---- sequencer step counter -----------------------------------------------------------------

QX_DSP_Counter_Indexing::QX_DSP_Counter_Indexing(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(2);
}

uint32_t QX_DSP_Counter_Indexing::nextRandom() {
    uint32_t x = random_; // xorshift32: this module's own generator
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    return random_ = x ? x : 0x9E3779B9u;
}

void QX_DSP_Counter_Indexing::restart() {
    step_ = mode_ == kBack || mode_ == kBackForward ? last_ : first_;
    direction_ = mode_ == kBack || mode_ == kBackForward ? -1 : 1;
}

void QX_DSP_Counter_Indexing::HandleEvent(const EventRecord& e, int) {
    const int32_t i = e.intValue;
    switch (e.port) {
    case kInFirst:
        first_ = i < 0 ? 0 : (i >= kSteps ? kSteps - 1 : i);
        break;
    case kInLast:
        last_ = i < 0 ? 0 : (i >= kSteps ? kSteps - 1 : i);
        break;
    case kInDirection:
        mode_ = i < kForward ? kForward : (i > kRandom ? kRandom : i);
        restart();
        break;
    case kInSeed:
        random_ = static_cast<uint32_t>(i) * 2654435761u + 1u;
        break;
    case kInOn:
        if (on_ && i == 0) {
            SendEvent(now, kOutStep, 0, -2, -2.0f, nullptr); // the neutral values
            showStep(-2);
        }
        on_ = i != 0;
        break;
    case kInRestart:
        if (i > 0) restart();
        break;
    case kInTick:
        if (i > 0 && on_) advance();
        break;
    case kInMarkStep:
        markStep_ = i;
        break;
    default:
        break;
    }
    if (last_ < first_) last_ = first_;
    if (step_ < first_ || step_ > last_) step_ = first_;
}

// The step displays bound to this counter show the playing step (-2: none, sequencer off).
void QX_DSP_Counter_Indexing::showStep(int step) {
    if (!context->host) return;
    for (int slot = 0; slot < kBindingSlots; ++slot)
        if (paramTag[slot])
            context->host->postEditorValue(paramSlot[slot],
                                           step >= 0 ? static_cast<float>(step) + 0.2f : -2.0f);
}

void QX_DSP_Counter_Indexing::advance() {
    SendEvent(now, kOutStep, 0, step_, static_cast<float>(step_), nullptr);
    showStep(step_);
    if (step_ == markStep_) {
        SendEvent(now, kOutMark, 0, 1, 10.0f, nullptr);
        SendEvent(now + 1, kOutMark, 0, 0, 0.0f, nullptr);
    }
    switch (mode_) {
    case kForward:
        step_ = step_ >= last_ ? first_ : step_ + 1;
        break;
    case kBack:
        step_ = step_ <= first_ ? last_ : step_ - 1;
        break;
    case kForwardBack:
    case kBackForward: {
        int next = step_ + direction_;
        // At an end the direction turns; the end itself is not played twice.
        if (next > last_) {
            direction_ = -1;
            next = last_ - 1;
        } else if (next < first_) {
            direction_ = 1;
            next = first_ + 1;
        }
        step_ = next < first_ ? first_ : (next > last_ ? last_ : next);
        break;
    }
    default: {
        double r = static_cast<double>(nextRandom()) / 4294967296.0;
        step_ = first_ + static_cast<int>(r * (last_ - first_) + 0.5);
        break;
    }
    }
}

} // namespace tarlix
