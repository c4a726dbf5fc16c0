// From one MIDI stream to 20 voices and back to one stereo signal: the MIDI adder that tidies
// notes, the voice allocator (poly, mono, legato, last-note, sustain, stealing with a fade, MPE
// channel tagging), the per-voice MPE switch, and the voice collector that sums the voices and
// performs the fade of a stolen voice.
#pragma once
#include <cstdint>

#include "dsp/midi_modules.h"

namespace tarlix {

class QX_DSP_Midi_Adder : public QX_ModuleBase {
  public:
    enum Input {
        kInMidi = 0,
        kInTranspose = 17,
        kInPanicKey = 18, // a note that clears every key
        kInPassOn = 19,   // passed to output 1 untouched
        kInEnabled = 29,
    };
    enum Output { kOutMidi = 0, kOutPassedOn = 1 };

    QX_DSP_Midi_Adder(ModuleContext* context, bool createdHeld);
    void HandleEvent(const EventRecord& e, int offset) override;
    void OnDeferredMidi(uint64_t time, uint32_t word, float value) override;
    void Render(int offset, int count) override { Sleep(offset, count); }

  private:
    void send(uint32_t word, float value) {
        SendEvent(now, kOutMidi, 0, static_cast<int32_t>(word), value, nullptr);
    }
    void clearKeys();
    int16_t keys_[128] = {}; // transposed note + 1 of each key down, 0 = up
    int transpose_ = 0, panicKey_ = -1;
    bool enabled_ = true;
};

class QX_DSP_Poly_to_Mono;

class QX_DSP_Midi_to_Poly_Gen2 : public QX_DSP_VoiceGroupHead {
  public:
    enum class State : uint8_t { Free, Playing, Released, Stolen, Fading };
    static constexpr int kMaxVoices = 20;
    enum Input {
        kInMidi = 0,
        kInPortamento = 2,
        kInLegato = 3,
        kInMono = 4,
        kInNoSteal = 5,
        kInVoiceLimit = 6,
        kInTranspose = 7,
        kInLastNote = 28, // mono: the last note wins
        kInPassedOn = 31, // MIDI the adder passed on; a value of 1 or more defers note-offs
        kInVelocityThreshold = 32,
        kInFadeOutFirst = 50, // any event on 50..57 fades every voice out
        kInFadeOutLast = 57,
        kInMpeActive = 59,
        kInMpeSwap = 60,
    };
    // Per-voice outputs: each event reaches one voice's modules.
    enum Output {
        kOutGate = 0, // 10 on a note, 0 at its release
        kOutPitch = 1,
        kOutVelocity = 2,
        kOutChannel = 8, // MPE member channel
        kOutGlideStart = 19,
    };

    QX_DSP_Midi_to_Poly_Gen2(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Suspend() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void ConnectVoiceOutput(QX_ModuleBase* destination, int output, int input, int voice) override;
    void setVoiceGroup(int firstModule, int voiceCount, int modulesPerVoice) override;

    // Called by the voice's amplitude stage when its release has ended: the voice is freed at
    // the start of the next 128-sample cell of the engine's grid, wherever the host cut.
    void FreeVoice(int voice);
    void setCollector(QX_DSP_Poly_to_Mono* collector) { collector_ = collector; }

    State state(int voice) const { return inRange(voice) ? voices_[voice].state : State::Free; }
    // The collector takes a stolen voice over for its fade.
    bool beginFade(int voice);
    // The sample at which a stolen voice's fade is due.
    uint64_t stolenAt(int voice) const { return inRange(voice) ? voices_[voice].stolenAt : 0; }
    // The sample at which the voice's current note started: its modules' buffers hold nothing
    // of it before.
    uint64_t soundsFrom(int voice) const { return inRange(voice) ? voices_[voice].soundsFrom : 0; }
    // Samples a stolen voice takes to fade out; its waiting note starts when they have passed.
    int fadeLength() const { return fadeLength_; }
    int voiceOfNote(int note) const { return note >= 0 && note < 128 ? noteVoice_[note] : -1; }
    int activeVoices() const;
    int voiceCount() const { return voiceTotal_; }
    int heldKeys() const { return heldCount_; }

  private:
    struct Voice {
        State state = State::Free;
        int note = -1;
        uint64_t start = 0;
        uint32_t pending = 0;    // note-on waiting for the fade, 0 = none
        uint64_t stolenAt = 0;   // sample the steal happened at: the fade starts there
        uint64_t freeAt = 0;     // its release has ended: freed at this sample (a cell's start)
        uint64_t soundsFrom = 0; // the sample its note started at
    };
    // Operations the allocator posts to itself, due at a sample of the engine's clock: the end
    // of a stolen voice's fade, and the freeing of a voice whose release has ended.
    static constexpr int kOpFadeEnd = 61;
    static constexpr int kOpFreeVoice = 62;
    static constexpr int kOwnTag = 0x5646;
    void markStolen(int v);
    void finishFade(int v);
    void freeNow(int v);
    void freeAtNextCell(int v);

    bool inRange(int v) const { return v >= 0 && v < voiceTotal_; }
    void handleMidi(uint32_t word, float value, int voice, bool deferred);
    void noteOn(uint32_t word, int voice);
    void noteOff(uint32_t word, bool deferred, float sequence);
    void releaseKey(int note, int releaseVelocity);
    void allNotesOff();
    void fadeOutAll();
    void steal(int v, uint32_t word);
    void startNote(int v, uint32_t word);
    int chooseVoice();
    void sendToVoice(uint64_t time, int voice, int output, int32_t i, float f);
    void wakeVoice(int v);
    void holdVoice(int v);
    void wakeCollector();
    void pushStack(uint32_t word);
    void removeFromStack(int note);

    Voice voices_[kMaxVoices];
    int16_t noteVoice_[128];
    uint8_t noteDown_[128] = {}; // 0 up, 255 down, 1 + release velocity = held by the pedal
    uint32_t keySequence_[128] = {};
    int heldCount_ = 0;
    uint32_t stack_[129] = {};
    int stackTop_ = -1;
    int currentMonoNote_ = -1;
    int lastNote_ = 60;
    uint64_t lastNoteOnTime_ = 0;
    int voiceLimit_ = kMaxVoices, voiceTotal_ = 0;
    bool mono_ = false, legato_ = false, lastNoteMode_ = false, mpe_ = false, noSteal_ = false;
    float portamento_ = 0.0f;
    bool sustain_ = false;
    uint64_t retriggerGap_ = 442;
    int fadeLength_ = 441;
    int transpose_ = 0;
    float velocityThreshold_ = 200.0f;
    QX_DSP_Poly_to_Mono* collector_ = nullptr;
};

class QX_DSP_MPE_Switch : public QX_ModuleBase {
  public:
    static constexpr int kMemberChannels = 15;
    // Each stream has one input per member channel; the voice's channel picks one.
    enum Input {
        kInBend = 0,
        kInPressure = kInBend + kMemberChannels,
        kInCc74 = kInPressure + kMemberChannels,
        kInBendDepth = 60,
        kInChannel = 61,
        kInPressureDepth = 62,
        kInCc74Depth = 63,
    };
    enum Output { kOutBend = 0, kOutPressure = 1, kOutCc74 = 2 };
    QX_DSP_MPE_Switch(ModuleContext* context, bool createdHeld);
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    static constexpr int kDepthPorts[3] = {kInBendDepth, kInPressureDepth, kInCc74Depth};
    int channel_ = 0;
    float depthEvent_[3] = {1.0f, 1.0f, 1.0f};
};

class QX_DSP_Poly_to_Mono : public QX_ModuleBase {
  public:
    static constexpr int kChannels = 6;
    enum Input { kInLeft = 0, kInRight = 1, kInWake = 63 };
    enum Output { kOutLeft = 0, kOutRight = 1 };
    QX_DSP_Poly_to_Mono(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Suspend() override;
    void Render(int offset, int count) override;
    void AttachVoiceGroup(QX_ModuleBase* head, int sourceIndex, int voiceCount, int modulesPerVoice,
                          int output, int input) override;
    float fadeGain(int voice) const { return gain_[voice]; }

  private:
    QX_DSP_Midi_to_Poly_Gen2* allocator_ = nullptr;
    const float* sources_[kChannels][QX_DSP_Midi_to_Poly_Gen2::kMaxVoices] = {};
    int channels_ = 0;
    void mixPlaying(int voice, int from, int to);
    void mixFading(int voice, int from, int to);
    float gain_[QX_DSP_Midi_to_Poly_Gen2::kMaxVoices] = {};
    int countdown_[QX_DSP_Midi_to_Poly_Gen2::kMaxVoices] = {}; // samples of the fade left
    // A stolen voice's new note comes in over a short rise: the voice's oversampled shapers
    // still hold the faded note's last samples and ring on the jump from it to the new note.
    int rising_[QX_DSP_Midi_to_Poly_Gen2::kMaxVoices] = {}; // samples of the rise left
    int riseLength_ = 96;
    bool active_ = false;
    int silentSamples_ = 0;
};

} // namespace tarlix
