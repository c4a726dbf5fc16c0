#include "dsp/voice_allocation.h"

#include <cstring>

#include "dsp/midi_word.h"

namespace tarlix {

namespace {
using namespace midiword;

float pitchVolts(int note) {
    return static_cast<float>(note - 9) / 120.0f; // 0.1 V per octave, 0 V = 13.75 Hz
}
} // namespace

// ---- MIDI adder ---------------------------------------------------------------------------

QX_DSP_Midi_Adder::QX_DSP_Midi_Adder(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    for (float*& out : outputs)
        out = nullptr;
}

void QX_DSP_Midi_Adder::clearKeys() {
    std::memset(keys_, 0, sizeof keys_);
}

void QX_DSP_Midi_Adder::HandleEvent(const EventRecord& e, int) {
    switch (e.port) {
    case kInTranspose:
        transpose_ = e.intValue;
        return;
    case kInPanicKey:
        panicKey_ = e.intValue;
        return;
    case kInEnabled:
        enabled_ = e.intValue != 0;
        return;
    case kInPassOn:
        SendEvent(now, kOutPassedOn, e.tag, e.intValue, e.floatValue, e.data);
        return;
    case kInMidi:
        break;
    default:
        return;
    }
    // Data bytes are 7 bits from here on: note tables have 128 entries.
    const uint32_t word = static_cast<uint32_t>(e.intValue) & 0xFF7F7FFFu;
    const int key = data1(word);
    if (isNoteOn(word)) {
        if (keys_[key]) return; // already down
        int note = key + transpose_;
        keys_[key] = static_cast<int16_t>(note + 1);
        if (!enabled_ || note < 0 || note > 127) return;
        if (note == panicKey_) {
            clearKeys();
            send(kAllNotesOff, 0.0f);
            return;
        }
        send(withNote(word, note), e.floatValue);
    } else if (isNoteOff(word)) {
        if (!keys_[key]) return;
        int note = keys_[key] - 1;
        keys_[key] = 0;
        if (note >= 0 && note <= 127) send(withNote(word, note), e.floatValue);
    } else if (isAllOff(word)) {
        clearKeys();
        send(kAllNotesOff, 0.0f);
    } else if ((statusByte(word) & 0xF0) == kController) {
        if (enabled_) send(word, e.floatValue);
    } else {
        send(word, e.floatValue);
    }
}

void QX_DSP_Midi_Adder::OnDeferredMidi(uint64_t time, uint32_t word, float value) {
    PostEvent(time, 19, 0, static_cast<int32_t>(word), value, nullptr);
}

// ---- voice allocator ----------------------------------------------------------------------

QX_DSP_Midi_to_Poly_Gen2::QX_DSP_Midi_to_Poly_Gen2(ModuleContext* context, bool createdHeld)
    : QX_DSP_VoiceGroupHead(context, createdHeld) {
    for (int16_t& v : noteVoice_)
        v = -1;
}

void QX_DSP_Midi_to_Poly_Gen2::setVoiceGroup(int firstModule, int voiceCount, int modulesPerVoice) {
    QX_DSP_VoiceGroupHead::setVoiceGroup(firstModule, voiceCount, modulesPerVoice);
    voiceTotal_ = voiceCount < kMaxVoices ? (voiceCount > 0 ? voiceCount : 0) : kMaxVoices;
    voiceLimit_ = voiceTotal_;
}

void QX_DSP_Midi_to_Poly_Gen2::Prepare() {
    voiceLimit_ = voiceTotal_;
    lastNote_ = 60;
    float perMs = static_cast<float>(samplesPerMs());
    retriggerGap_ = static_cast<uint64_t>(perMs * 10.0f + 1.0f);
    fadeLength_ = static_cast<int>(perMs * 10.0f);
    if (fadeLength_ <= 0) fadeLength_ = 220;
    for (int v = 0; v < kMaxVoices; ++v)
        voices_[v] = Voice{};
    for (int16_t& v : noteVoice_)
        v = -1;
    std::memset(noteDown_, 0, sizeof noteDown_);
    heldCount_ = 0;
    stackTop_ = -1;
    currentMonoNote_ = -1;
}

void QX_DSP_Midi_to_Poly_Gen2::Suspend() {
    std::memset(noteDown_, 0, sizeof noteDown_);
    heldCount_ = 0;
    stackTop_ = -1;
    currentMonoNote_ = -1;
    sustain_ = false;
    // Every voice is freed, a stolen or fading one too, with its pending note dropped.
    for (int v = 0; v < voiceTotal_; ++v) {
        voices_[v] = Voice{};
        holdVoice(v);
    }
    for (int16_t& v : noteVoice_)
        v = -1;
}

void QX_DSP_Midi_to_Poly_Gen2::ConnectVoiceOutput(QX_ModuleBase* destination, int output, int input,
                                                  int) {
    if (destination && output >= 0 && output < kModulePorts) {
        destination->SetInput(input, outputs[output]);
        destination->setInputKind(input, InputKind::Module);
    }
}

int QX_DSP_Midi_to_Poly_Gen2::activeVoices() const {
    int n = 0;
    for (int v = 0; v < voiceTotal_; ++v)
        n += voices_[v].state != State::Free;
    return n;
}

void QX_DSP_Midi_to_Poly_Gen2::HandleEvent(const EventRecord& e, int) {
    const int32_t i = e.intValue;
    switch (e.port) {
    case kInMidi:
        handleMidi(static_cast<uint32_t>(i), e.floatValue, -1, false);
        break;
    case kInPassedOn:
        handleMidi(static_cast<uint32_t>(i), e.floatValue, -1, e.floatValue >= 1.0f);
        break;
    case kInPortamento:
        portamento_ = e.floatValue > 0.0f ? e.floatValue : 0.0f;
        break;
    case kInLegato:
        legato_ = i != 0;
        break;
    case kInMono:
        if ((i != 0) != mono_) fadeOutAll();
        mono_ = i != 0;
        break;
    case kInNoSteal:
        noSteal_ = i != 0;
        break;
    case kInVoiceLimit:
        voiceLimit_ = i < 1 ? 1 : (i > voiceTotal_ ? voiceTotal_ : i);
        break;
    case kInTranspose:
        transpose_ = i;
        break;
    case kInLastNote:
        lastNoteMode_ = i != 0;
        break;
    case kInVelocityThreshold:
        velocityThreshold_ = e.floatValue * 127.0f;
        break;
    case kInMpeActive:
        mpe_ = i != 0;
        break;
    case kOpFadeEnd:
        if (e.tag == kOwnTag) {
            finishFade(i);
            break;
        }
        [[fallthrough]];
    case kOpFreeVoice:
        if (e.tag == kOwnTag) {
            if (inRange(i) && voices_[i].freeAt == now) freeNow(i);
            break;
        }
        [[fallthrough]];
    default:
        if (e.port >= kInFadeOutFirst && e.port <= kInFadeOutLast) fadeOutAll();
        break;
    }
}

void QX_DSP_Midi_to_Poly_Gen2::handleMidi(uint32_t word, float value, int voice, bool deferred) {
    if (isAllOff(word)) {
        allNotesOff();
        return;
    }
    int note = data1(word) + transpose_;
    if (note < 0 || note > 127) return;
    word = withNote(word, note);
    if ((statusByte(word) & 0xF0) == kController && data1(word) == kCcSustain) {
        bool down = data2(word) >= 64;
        if (down == sustain_) return;
        sustain_ = down;
        if (!down)
            for (int n = 0; n < 128; ++n)
                if (noteDown_[n] != 0 && noteDown_[n] != 255) releaseKey(n, noteDown_[n] - 1);
        return;
    }
    if (isNoteOn(word))
        noteOn(word, voice);
    else if (isNoteOff(word))
        noteOff(word, deferred, value);
}

void QX_DSP_Midi_to_Poly_Gen2::allNotesOff() {
    std::memset(noteDown_, 0, sizeof noteDown_);
    heldCount_ = 0;
    stackTop_ = -1;
    currentMonoNote_ = -1;
    for (int v = 0; v < voiceTotal_; ++v) {
        Voice& voice = voices_[v];
        voice.pending = 0; // a note waiting for its fade would otherwise hang
        if (voice.state == State::Free) continue;
        if (voice.state == State::Playing) voice.state = State::Released;
        if (voice.note >= 0 && noteVoice_[voice.note] == v) noteVoice_[voice.note] = -1;
        sendToVoice(now, v, kOutGate, 0, 0.0f);
        for (int m = 0; m < groupModulesPerVoice; ++m) {
            int index = groupStart + v * groupModulesPerVoice + m;
            QX_ModuleBase* mod = context->modules[index];
            if (mod && !(context->status[index] & kStatusHeld)) mod->FastRelease();
        }
    }
}

void QX_DSP_Midi_to_Poly_Gen2::fadeOutAll() {
    for (int v = 0; v < voiceTotal_; ++v) {
        Voice& voice = voices_[v];
        voice.pending = 0;
        if (voice.state == State::Free) continue;
        if (voice.state != State::Fading && voice.state != State::Stolen) markStolen(v);
    }
    for (int16_t& n : noteVoice_)
        n = -1;
    stackTop_ = -1;
    currentMonoNote_ = -1;
    wakeCollector();
}

void QX_DSP_Midi_to_Poly_Gen2::pushStack(uint32_t word) {
    removeFromStack(data1(word));
    if (stackTop_ < 127) stack_[++stackTop_] = word;
}

void QX_DSP_Midi_to_Poly_Gen2::removeFromStack(int note) {
    for (int k = stackTop_; k >= 0; --k)
        if (data1(stack_[k]) == note) {
            for (int j = k; j < stackTop_; ++j)
                stack_[j] = stack_[j + 1];
            --stackTop_;
        }
}

int QX_DSP_Midi_to_Poly_Gen2::chooseVoice() {
    for (int v = 0; v < voiceLimit_; ++v)
        if (voices_[v].state == State::Free) return v;
    if (noSteal_) return -1;
    // Steal: a voice already on its way out, else the oldest released, else the oldest playing.
    const State order[3][2] = {{State::Stolen, State::Fading},
                               {State::Released, State::Released},
                               {State::Playing, State::Playing}};
    for (const auto& kinds : order) {
        int best = -1;
        for (int v = 0; v < voiceLimit_; ++v) {
            State s = voices_[v].state;
            if ((s == kinds[0] || s == kinds[1]) &&
                (best < 0 || voices_[v].start < voices_[best].start))
                best = v;
        }
        if (best >= 0) return best;
    }
    return -1;
}

void QX_DSP_Midi_to_Poly_Gen2::noteOn(uint32_t word, int voice) {
    const int note = data1(word);
    if (voice >= 0) {
        startNote(voice, word);
        return;
    }
    const bool replay = voice == -2;
    const bool wasDown = noteDown_[note] == 255;
    if (mono_ && !wasDown) {
        // A second key within about 20 ms of the last one is taken as a bounce.
        if (!replay && lastNoteOnTime_ > 2 * retriggerGap_ &&
            now - lastNoteOnTime_ < 2 * retriggerGap_)
            return;
        if (lastNoteMode_) pushStack(word);
    }
    if (!wasDown) {
        if (!replay) ++heldCount_;
        ++keySequence_[note];
    } else if (!mono_) {
        int v = noteVoice_[note];
        if (!sustain_ || v < 0) return;
        noteDown_[note] = 255;
        lastNoteOnTime_ = now;
        steal(v, word);
        return;
    }
    noteDown_[note] = 255;
    lastNoteOnTime_ = now;
    if (mono_) {
        if (voiceTotal_ < 1) return;
        Voice& v0 = voices_[0];
        if (v0.state == State::Stolen || v0.state == State::Fading) {
            steal(0, word);
        } else if (legato_ && heldCount_ > 1 && v0.state == State::Playing) {
            if (v0.note >= 0 && noteVoice_[v0.note] == 0) noteVoice_[v0.note] = -1;
            startNote(0, word);
        } else if (v0.state != State::Free) {
            steal(0, word);
        } else {
            startNote(0, word);
        }
        if (lastNoteMode_) currentMonoNote_ = note;
        return;
    }
    int v = chooseVoice();
    if (v < 0) return;
    if (voices_[v].state == State::Free)
        startNote(v, word);
    else
        steal(v, word);
}

void QX_DSP_Midi_to_Poly_Gen2::steal(int v, uint32_t word) {
    Voice& voice = voices_[v];
    if (voice.note >= 0 && noteVoice_[voice.note] == v) noteVoice_[voice.note] = -1;
    const int note = data1(word);
    noteVoice_[note] = static_cast<int16_t>(v);
    // A voice already fading keeps its fade; only the note waiting for it changes.
    if (voice.state != State::Stolen && voice.state != State::Fading) markStolen(v);
    voice.note = note;
    voice.pending = word;
    voice.start = now + retriggerGap_;
    wakeCollector();
}

// The fade starts at this sample and ends a fade length later, when the allocator, which runs
// before the voice's modules, starts the waiting note at that very sample.
void QX_DSP_Midi_to_Poly_Gen2::markStolen(int v) {
    Voice& voice = voices_[v];
    voice.state = State::Stolen;
    voice.stolenAt = now;
    voice.freeAt = 0;
    PostEvent(now + static_cast<uint64_t>(fadeLength_), kOpFadeEnd, kOwnTag, v, 0.0f, nullptr);
}

void QX_DSP_Midi_to_Poly_Gen2::startNote(int v, uint32_t word) {
    if (!inRange(v)) return;
    const int note = data1(word);
    const bool legatoMove = mono_ && legato_ && heldCount_ > 1;
    Voice& voice = voices_[v];
    if (mpe_)
        sendToVoice(now, v, kOutChannel,
                    (statusByte(word) & 15) - 1 < 0 ? 0 : (statusByte(word) & 15) - 1, 0.0f);
    noteVoice_[note] = static_cast<int16_t>(v);
    // From a free voice the note's sound starts here; a legato move or a restart after a fade
    // goes on from modules that kept running.
    if (voice.state == State::Free) voice.soundsFrom = now;
    voice.state = State::Playing;
    voice.note = note;
    voice.start = now;
    voice.pending = 0;
    voice.freeAt = 0;
    wakeVoice(v);
    const float velocity = static_cast<float>(data2(word)) / 127.0f;
    const float octave = static_cast<float>(data2(word)) > velocityThreshold_ ? 0.1f : 0.0f;
    sendToVoice(now, v, kOutPitch, note, pitchVolts(note) + octave);
    if (portamento_ > 0.0f && lastNote_ != note && !(mono_ && legato_ && heldCount_ <= 1))
        sendToVoice(now, v, kOutGlideStart, note, pitchVolts(lastNote_) + octave);
    if (!legatoMove) {
        sendToVoice(now, v, kOutVelocity, static_cast<int32_t>(velocity * 127.0f), velocity);
        sendToVoice(now, v, kOutGate, 10, 10.0f);
    }
    lastNote_ = note;
    wakeCollector();
}

void QX_DSP_Midi_to_Poly_Gen2::noteOff(uint32_t word, bool deferred, float sequence) {
    const int note = data1(word);
    // A retried note-off that belongs to an earlier press of the key is stale.
    if (deferred && static_cast<uint32_t>(sequence) - 1 != keySequence_[note]) return;
    if (noteDown_[note] != 255) return;
    if (sustain_) {
        noteDown_[note] = static_cast<uint8_t>(1 + data2(word));
        return;
    }
    const int v = noteVoice_[note];
    if (v >= 0 && inRange(v)) {
        const Voice& voice = voices_[v];
        if (voice.start == now || voice.state == State::Stolen || voice.state == State::Fading) {
            // Too early for this voice: the note-off is tried again about 20 ms later.
            if (QX_ModuleBase* feeder = inputSource[31])
                feeder->OnDeferredMidi(now + 2 * retriggerGap_, word,
                                       static_cast<float>(keySequence_[note] + 1));
            return;
        }
    }
    releaseKey(note, data2(word));
}

void QX_DSP_Midi_to_Poly_Gen2::releaseKey(int note, int) {
    noteDown_[note] = 0;
    if (heldCount_ > 0) --heldCount_;
    const int v = noteVoice_[note];
    if (v >= 0 && inRange(v)) {
        noteVoice_[note] = -1;
        voices_[v].state = State::Released;
    }
    if (mono_ && lastNoteMode_) {
        removeFromStack(note);
        if (note == currentMonoNote_ && stackTop_ >= 0) {
            // Back to the newest key still held, without a gate-off between.
            uint32_t back = stack_[stackTop_];
            noteDown_[data1(back)] = 0;
            noteOn(back, -2);
            return;
        }
        if (note == currentMonoNote_) currentMonoNote_ = -1;
    }
    if (v >= 0 && inRange(v)) sendToVoice(now, v, kOutGate, 0, 0.0f);
}

void QX_DSP_Midi_to_Poly_Gen2::FreeVoice(int v) {
    if (!inRange(v)) return;
    Voice& voice = voices_[v];
    if (voice.state == State::Stolen || voice.state == State::Fading || voice.freeAt) return;
    // The call comes at the end of the amplitude stage's render, wherever the host cut the
    // cell; the voice's modules run to the cell's end and are held before the next one.
    freeAtNextCell(v);
}

void QX_DSP_Midi_to_Poly_Gen2::freeAtNextCell(int v) {
    const uint64_t cellEnd = context->gridStart + static_cast<uint64_t>(blockSize);
    voices_[v].freeAt = cellEnd > context->clock ? cellEnd : context->clock;
    PostEvent(voices_[v].freeAt, kOpFreeVoice, kOwnTag, v, 0.0f, nullptr);
}

void QX_DSP_Midi_to_Poly_Gen2::freeNow(int v) {
    Voice& voice = voices_[v];
    if (voice.note >= 0 && noteVoice_[voice.note] == v) noteVoice_[voice.note] = -1;
    voice = Voice{};
    holdVoice(v);
}

bool QX_DSP_Midi_to_Poly_Gen2::beginFade(int v) {
    if (!inRange(v) || voices_[v].state != State::Stolen) return false;
    voices_[v].state = State::Fading;
    return true;
}

// Due a fade length after the steal. A voice restarted, freed or reset since has moved on.
void QX_DSP_Midi_to_Poly_Gen2::finishFade(int v) {
    if (!inRange(v)) return;
    Voice& voice = voices_[v];
    if (voice.state != State::Stolen && voice.state != State::Fading) return;
    if (voice.stolenAt + static_cast<uint64_t>(fadeLength_) != now) return;
    if (voice.pending) {
        startNote(v, voice.pending);
        return;
    }
    // Nothing waits: freed, its modules held from the next cell (the collector has faded it
    // out by then).
    if (voice.note >= 0 && noteVoice_[voice.note] == v) noteVoice_[voice.note] = -1;
    voice = Voice{};
    freeAtNextCell(v);
}

void QX_DSP_Midi_to_Poly_Gen2::sendToVoice(uint64_t time, int voice, int output, int32_t i,
                                           float f) {
    if (!inRange(voice) || output < 0 || output >= kModulePorts) return;
    for (RouteRecord* r = routes[output]; r; r = r->next) {
        int dest = r->destination;
        if (r->voiceCount) {
            if (voice >= r->voiceCount) continue;
            dest += voice * r->voiceStride;
        }
        if (dest < kMaxModules)
            if (QX_ModuleBase* m = context->modules[dest])
                m->PostEvent(time, r->input, 0, i, f, nullptr);
    }
}

void QX_DSP_Midi_to_Poly_Gen2::wakeVoice(int v) {
    for (int m = 0; m < groupModulesPerVoice; ++m) {
        int index = groupStart + v * groupModulesPerVoice + m;
        if (index >= 0 && index < kMaxModules) {
            if (context->status[index] & kStatusHeld) context->awakeFrom[index] = now;
            context->setStatus(index, context->status[index] & ~kStatusHeld);
        }
    }
}

void QX_DSP_Midi_to_Poly_Gen2::holdVoice(int v) {
    for (int m = 0; m < groupModulesPerVoice; ++m) {
        int index = groupStart + v * groupModulesPerVoice + m;
        if (index >= 0 && index < kMaxModules && context->modules[index])
            context->modules[index]->Hold();
    }
}

void QX_DSP_Midi_to_Poly_Gen2::wakeCollector() {
    if (collector_) collector_->PostEvent(now, QX_DSP_Poly_to_Mono::kInWake, 0, 0, 0.0f, nullptr);
}

// ---- MPE switch ---------------------------------------------------------------------------

QX_DSP_MPE_Switch::QX_DSP_MPE_Switch(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(4);
}

void QX_DSP_MPE_Switch::HandleEvent(const EventRecord& e, int) {
    if (e.port == kInChannel)
        channel_ =
            e.intValue < 0 ? 0 : (e.intValue >= kMemberChannels ? kMemberChannels - 1 : e.intValue);
    for (int k = 0; k < 3; ++k)
        if (e.port == kDepthPorts[k]) depthEvent_[k] = finiteOr(e.floatValue, 0.0f);
}

void QX_DSP_MPE_Switch::Render(int offset, int count) {
    for (int k = 0; k < 4; ++k) {
        float* out = outputs[k];
        if (!out) continue;
        const float* in = inputs[kInBend + channel_ + kMemberChannels * k];
        const int port = k < 3 ? kDepthPorts[k] : -1;
        if (!in) {
            for (int i = offset; i < offset + count; ++i)
                out[i] = 0.0f;
            continue;
        }
        if (port >= 0 && inputs[port] && inputSource[port]) { // a varying depth
            for (int i = offset; i < offset + count; ++i)
                out[i] = in[i] * inputs[port][i];
            continue;
        }
        // A parameter or constant depth, the last value of an event-only source, or none.
        const float depth = port < 0            ? 1.0f
                            : inputs[port]      ? finiteOr(inputs[port][0], 0.0f)
                            : inputSource[port] ? depthEvent_[k]
                                                : 1.0f;
        for (int i = offset; i < offset + count; ++i)
            out[i] = in[i] * depth;
    }
}

// ---- voice collector ------------------------------------------------------------------------

QX_DSP_Poly_to_Mono::QX_DSP_Poly_to_Mono(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    allocateOutputs(2);
}

void QX_DSP_Poly_to_Mono::AttachVoiceGroup(QX_ModuleBase* head, int sourceIndex, int voiceCount,
                                           int modulesPerVoice, int output, int input) {
    auto* allocator = dynamic_cast<QX_DSP_Midi_to_Poly_Gen2*>(head);
    if (!allocator || input < 0 || input >= 2 || output < 0 || output >= kModulePorts) return;
    allocator_ = allocator;
    allocator->setCollector(this);
    if (input + 1 > channels_) channels_ = input + 1;
    for (int v = 0; v < voiceCount && v < QX_DSP_Midi_to_Poly_Gen2::kMaxVoices; ++v) {
        int index = sourceIndex + v * modulesPerVoice;
        QX_ModuleBase* m = index < kMaxModules ? context->modules[index] : nullptr;
        sources_[input][v] = m ? m->GetOutput(output) : nullptr;
    }
}

void QX_DSP_Poly_to_Mono::Prepare() {
    float perMs = static_cast<float>(samplesPerMs());
    riseLength_ = static_cast<int>(perMs * 2.0f);
    if (riseLength_ <= 0) riseLength_ = 96;
    Suspend();
}

void QX_DSP_Poly_to_Mono::Suspend() {
    for (int v = 0; v < QX_DSP_Midi_to_Poly_Gen2::kMaxVoices; ++v) {
        gain_[v] = 0.0f;
        countdown_[v] = 0;
        rising_[v] = 0;
    }
}

void QX_DSP_Poly_to_Mono::Render(int offset, int count) {
    const int end = offset + count;
    bool any = false;
    for (int c = 0; c < 2; ++c)
        if (outputs[c]) std::memset(outputs[c] + offset, 0, sizeof(float) * count);
    const int voices = allocator_ ? allocator_->voiceCount() : 0;
    for (int v = 0; v < voices; ++v) {
        using State = QX_DSP_Midi_to_Poly_Gen2::State;
        // A voice's steal, fade end and restart fall on their own samples, not on this call's
        // edges, so the mix does not depend on where the host cut its blocks. The allocator
        // ends the fade (restarting or freeing the voice) at its last sample, before this
        // module runs: the fade is counted here, whatever state the voice has reached since.
        for (int i = offset; i < end;) {
            if (countdown_[v] > 0) {
                any = true;
                const int n = countdown_[v] < end - i ? countdown_[v] : end - i;
                mixFading(v, i, i + n);
                i += n;
                countdown_[v] -= n;
                if (countdown_[v] == 0 && allocator_->state(v) != State::Free)
                    rising_[v] = riseLength_; // restarted
                continue;
            }
            const State s = allocator_->state(v);
            if (s == State::Free || s == State::Fading) break; // free, or faded out
            any = true;
            // A note started later in this call: its modules' buffers hold nothing of it before.
            const uint64_t from = allocator_->soundsFrom(v);
            if (const uint64_t here = now + static_cast<uint64_t>(i - offset); from > here) {
                if (from - here >= static_cast<uint64_t>(end - i)) break;
                i += static_cast<int>(from - here);
            }
            if (s == State::Stolen) {
                const uint64_t at = allocator_->stolenAt(v);
                const uint64_t here = now + static_cast<uint64_t>(i - offset);
                const int until = at > here ? (at - here < static_cast<uint64_t>(end - i)
                                                   ? i + static_cast<int>(at - here)
                                                   : end)
                                            : i;
                mixPlaying(v, i, until);
                i = until;
                if (i >= end) break;
                allocator_->beginFade(v);
                gain_[v] = 1.0f;
                countdown_[v] = allocator_->fadeLength();
                rising_[v] = 0;
                continue;
            }
            mixPlaying(v, i, end);
            i = end;
        }
    }
    if (any != active_) {
        active_ = any;
        for (int c = 0; c < 2; ++c)
            SendEvent(now, c, any ? 1 : 0, 0, 0.0f, nullptr);
    }
    if (any) {
        silentSamples_ = 0;
    } else if ((silentSamples_ += count) > blockSize) {
        Sleep(offset, count); // zeros stay in the buffers for a whole block
    }
}

} // namespace tarlix

namespace tarlix {

void QX_DSP_Poly_to_Mono::mixPlaying(int v, int from, int to) {
    if (to <= from) return;
    const float per = 1.0f / static_cast<float>(riseLength_);
    for (int c = 0; c < channels_ && c < 2; ++c) {
        const float* src = sources_[c][v];
        float* out = outputs[c];
        if (!src || !out) continue;
        if (rising_[v] > 0) {
            int left = rising_[v];
            for (int i = from; i < to; ++i) {
                out[i] += src[i] * (1.0f - static_cast<float>(left) * per);
                left = left > 0 ? left - 1 : 0;
            }
        } else {
            for (int i = from; i < to; ++i)
                out[i] += src[i];
        }
    }
    rising_[v] = rising_[v] > to - from ? rising_[v] - (to - from) : 0;
}

void QX_DSP_Poly_to_Mono::mixFading(int v, int from, int to) {
    const float step = 1.0f / static_cast<float>(allocator_->fadeLength());
    float g = gain_[v];
    for (int c = 0; c < channels_ && c < 2; ++c) {
        const float* src = sources_[c][v];
        float* out = outputs[c];
        if (!src || !out) continue;
        g = gain_[v];
        for (int i = from; i < to; ++i) {
            g = g > step ? g - step : 0.0f;
            out[i] += src[i] * g;
        }
    }
    g = gain_[v];
    for (int i = from; i < to; ++i)
        g = g > step ? g - step : 0.0f;
    gain_[v] = g;
}

} // namespace tarlix
