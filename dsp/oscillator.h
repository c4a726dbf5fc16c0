// The band-limited oscillator (up to eight outputs from one pitch, each with its own wave,
// harmonic limit, level, ratio and phase modulation) and the combiner of oscillators 1 and 2.
#pragma once
#include <cstdint>

#include "dsp/module_base.h"
#include "dsp/wave_tables.h"

namespace tarlix {

class QX_DSP_OSC_Multi_Out_x8 : public QX_ModuleBase {
  public:
    static constexpr int kOutputs = 8;
    // Cubic reads keep the images of the table's points below -90 dBc down to 100 Hz; linear
    // reads are the plain two-point interpolation, kept for comparison.
    enum class Read { Cubic, Linear };
    // Per-output settings take one input per output k: base + k.
    enum Input {
        kInPitch = 0,
        kInGate = 1, // restarts the phases when retriggering
        kInSyncSource = 2,
        kInOutputsInUse = 3,
        kInOn = 4,
        kInPitchMode = 5, // 0: pitch volts through the tables, else Hz / 10
        kInPerSamplePitch = 6,
        kInDrift = 7,
        kInDriftTime = 8,
        kInWave = 9,
        kInPhaseReset0 = 17, // then 18 for output 1, 27 and 28 for 2 and 3, ... up to 48
        kInHarmonics = 19,   // an option of the harmonic limits
        kInLevel = 29,
        kInRatio = 39, // times 0.1
        kInPhaseModulation = 49,
        kInPulseWidth = 57,
        kInKeepSilent = 58,
        kInTopFrequency = 59,
        kInTune = 60,
        kInSyncOn = 61,
        kInRetrigger = 62,
    };
    enum Output { kOut = 0 }; // output k: kOut + k

    QX_DSP_OSC_Multi_Out_x8(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void Resume() override { clearPhases(); }
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

    void setRead(Read r) { read_ = r; }
    double phase(int k) const { return phase_[k & 7]; }
    int harmonics(int k) const { return harmonics_[k & 7]; } // the table in use
    float driftFactor() const { return static_cast<float>(drift_); }

  private:
    // An input read per sample (a module's buffer) or as one value (a constant or parameter).
    struct Stream {
        const float* p;
        int step;
        float operator[](int i) const { return p[i * step]; }
    };
    Stream stream(int k, const float* unwired) const;
    double pitchIncrement(float pitch) const;
    void pitchIncrements(const float* pitch, int count);
    void clearPhases();
    void advanceDrift(int offset);
    int harmonicsFor(double cyclesPerSample, int k) const;
    void silence(int offset, int count);
    template <bool cubic, bool pulse, bool sync>
    void renderOutput(int k, const float* table, int offset, int count);

    const WaveTables& tables_;
    double phase_[kOutputs] = {};
    float syncPrevious_[kOutputs] = {};
    int wave_[kOutputs] = {}, maxHarmonics_[kOutputs] = {}, harmonics_[kOutputs] = {};
    bool active_[kOutputs] = {};
    int silentLeft_[kOutputs] = {};
    double increment_[kMaxChunk + 8] = {}; // cycles per sample at ratio 1, drift applied
    int incrementStep_ = 1;                // 0: the chunk holds increment_[0] throughout
    int outputsInUse_ = 8, pitchMode_ = 0, stopLeft_ = 0;
    bool enabled_ = true, perSampleAllowed_ = true, syncEnabled_ = false;
    bool retrigger_ = false, keepSilent_ = false;
    float tune_ = 1.0f, top_ = 20000.0f;
    double linearScale_ = 10.0 / 44100.0;
    double drift_ = 1.0, driftStep_ = 0.0;
    int driftInterval_ = 1, driftCountdown_ = 0;
    // Waking: the engine may run the oscillator from the start of the chunk in which the note
    // that woke it begins. The phases it slept with are kept, and a note starting within a chunk
    // of the wake starts from them, wherever the host cut its blocks.
    uint64_t renderedTo_ = 0, wokeAt_ = 0;
    bool chooseTable_ = true;
    double wakePhase_[kOutputs] = {};
    float wakeSync_[kOutputs] = {};
    Read read_ = Read::Cubic;
};

// Mix, And, Or, Xor, Ring, Sync, X-wave of oscillators 1 (A) and 2 (B).
class QX_DSP_Tarlix2_OSC_Combine : public QX_ModuleBase {
  public:
    enum Input {
        kInA = 0,
        kInALevel = 1,
        kInB = 2,
        kInBLevel = 3,
        kInCrossfade = 4, // X-wave: -0.5..0.5 from A to B
        kInMode = 5,
        kInThreshold = 9, // logic modes: a wave above it is "on"
    };
    enum Output { kOutMix = 0 };
    // "Osc Mode" items.
    enum Mode { kMix, kAnd, kOr, kXor, kRing, kSync, kXWave };
    QX_DSP_Tarlix2_OSC_Combine(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override;

  private:
    int mode_ = 0;
};

} // namespace tarlix
