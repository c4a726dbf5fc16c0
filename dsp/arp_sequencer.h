// Tempo, clocks, the arpeggiator and the step sequencer's counter: the instrument's timing.
#pragma once
#include <cstdint>

#include "dsp/module_base.h"

namespace tarlix {

// The host's tempo and transport, read by the engine once per host block.
class QX_DSP_Host_Tempo : public QX_ModuleBase {
  public:
    // Event-only outputs.
    enum Output {
        kOutPlaying = 0, // 10 while the host's transport runs
        kOutTempo = 1,   // BPM x 0.1; the data is the BPM as a double
        kOutBeatSeconds = 4,
        kOutBeatsPerSecond = 5,
    };
    QX_DSP_Host_Tempo(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Render(int offset, int count) override;

  private:
    double lastTempo_ = -1.0;
    int lastPlaying_ = -1;
};

// Up to four clocks of one-sample pulses locked to the tempo, restarted by the first key.
class QX_DSP_Midi_Sync_Tempo : public QX_ModuleBase {
  public:
    static constexpr double kRateMultipliers[9] = {0.125, 0.25, 0.5, 1, 2, 4, 8, 16, 32};
    static constexpr int kClocks = 4;
    // One input of each kind per clock k: base + k.
    enum Input {
        kInMidi = 0, // the first key down restarts the clocks
        kInTempo = 1,
        kInRate = 2,  // an option of kRateMultipliers
        kInHold = 12, // a held clock waits for the next key
        kInHalf = 22,
    };
    // Pulses (1, then 0 a sample later).
    enum Output {
        kOutKeyStart = 0,
        kOutTick = 1,     // every step of clock k: base + k
        kOutRestart = 11, // clock k restarted by a key: base + k
    };
    QX_DSP_Midi_Sync_Tempo(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    struct Clock {
        double multiplier = 1.0, half = 1.0, phase = 0.0, increment = 0.0;
        // Samples run since `phase` was last taken, added to it when a call starts afresh: a
        // call that only goes on past a host's cut finds its ticks from the same phase.
        int64_t gone = 0;
        bool recompute = true, hold = false, pending = false;
    };
    void pulse(int output, uint64_t time);
    void updateIncrement(Clock& c);
    void realign(Clock& c);
    bool connected(int k) const { return inputs[kInRate + k] != nullptr; }

    Clock clocks_[kClocks];
    double tempoVolts_ = 12.0, rate_ = 44100.0;
    uint64_t start_ = 0;
    int keysDown_ = 0;
};

class QX_DSP_Midi_Phrase_Arp : public QX_ModuleBase {
  public:
    enum Input {
        kInMidi = 0,
        kInTick = 2, // a step
        kInTempo = 3,
        kInGate = 4, // note length, a share of the step
        kInMode = 5,
        kInRange = 6, // octaves above
        kInConstantVelocity = 7,
        kInRate = 10,
        kInOn = 11,
        kInHold = 12,
        kInHold2 = 15,
        kInHalf = 13,
        kInLegato = 16,
    };
    enum Output { kOutMidi = 0, kOutStep = 3 };
    // "Arp Mode" items, from 1.
    enum Mode { kUp = 1, kDown = 2, kUpDown = 3, kUpDown2 = 4, kRandom = 5 };
    static constexpr int kMaxRange = 3;
    QX_DSP_Midi_Phrase_Arp(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    struct Entry {
        uint8_t note, velocity, channel;
    };
    void handleMidi(uint32_t word, float value);
    void step();
    void resetPattern();
    void stopSounding(uint64_t time);
    void removeReleasedEntries();
    void send(uint64_t time, uint32_t word) {
        SendEvent(time, kOutMidi, 0, static_cast<int32_t>(word), 0.0f, nullptr);
    }

    Entry held_[32] = {};
    int count_ = 0;
    uint8_t down_[128] = {};
    int keysDown_ = 0;
    int index_ = 0, direction_ = 1, octave_ = 0, range_ = 0, mode_ = kUp;
    bool on_ = false, hold_ = false, legato_ = false, constantVelocity_ = false;
    float gate_ = 0.5f, tempoVolts_ = 12.0f, half_ = 1.0f, multiplier_ = 1.0f;
    bool sounding_ = false;
    uint32_t soundingWord_ = 0; // the note-on of the note that sounds
    uint64_t offTime_ = 0;
};

class QX_DSP_Counter_Indexing : public QX_ModuleBase {
  public:
    static constexpr int kSteps = 8;
    enum Input {
        kInFirst = 0,
        kInLast = 1,
        kInDirection = 2,
        kInSeed = 3,
        kInOn = 5,
        kInRestart = 6,
        kInTick = 7,
        kInMarkStep = 30, // the step that pulses output 1
    };
    enum Output { kOutStep = 0, kOutMark = 1 };
    // "Seq Dir" items.
    enum Direction { kForward = 0, kBack = 1, kForwardBack = 2, kBackForward = 3, kRandom = 4 };
    QX_DSP_Counter_Indexing(ModuleContext* context, bool createdHeld);
    void HandleEvent(const EventRecord& e, int offset) override;
    int currentStep() const { return step_; }

  private:
    void restart();
    void advance();
    void showStep(int step);
    uint32_t nextRandom();

    int first_ = 0, last_ = kSteps - 1, step_ = 0, direction_ = 1, mode_ = kForward, markStep_ = -1;
    bool on_ = false;
    uint32_t random_ = 0x9E3779B9u;
};

} // namespace tarlix
