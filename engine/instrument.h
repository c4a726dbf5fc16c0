// The sound engine of one plug-in instance: the module graph and its lifecycle, the chunked audio
// loop, the program fade, the output guard, the parameters' live values, MIDI intake, and the
// mailbox that carries values from the audio side to the editor.
//
// Thread contract. The audio thread calls process, processEvents and everything the modules
// reach through ModuleHost. The host side (dispatcher or editor thread) calls resume, suspend,
// setSampleRate and setBlockSize only while audio is stopped, and setParameter, parameterValue,
// startProgram and the learn map at any time. Shared between the two are atomics only: the live
// values, the pending parameter slots, the program request counter, the learn map's mirror, the
// MIDI channel and MPE switches, the fade state, and the editor mailbox. The editor's idle
// drains the mailbox (takeEditorValue, takeEditorNotice); nothing here ever calls the editor.
#pragma once
#include <atomic>
#include <cstdint>
#include <vector>

#include "common/curves.h"
#include "dsp/lookup_tables.h"
#include "dsp/module_base.h"
#include "dsp/module_host.h"
#include "engine/patch_table.h"
#include "engine/program_record.h"
#include "engine/shared_tables.h"
#include "host/vst_abi.h"

namespace tarlix {

class Instrument;
using GraphBuilder = int (*)(Instrument& instrument);

// Where a program change from MIDI goes: the owner of the records. Called on the audio thread,
// it must not block; false means the records were busy and the change is tried again at the
// next block.
class MidiProgramChange {
  public:
    virtual bool tryProgramFromMidi(int program) = 0;

  protected:
    ~MidiProgramChange() = default;
};

// The program change's fade: the old program fades out, the new one is loaded at silence and
// fades in.
enum class ProgramFade { None, FadingOut, FadingIn };

class Instrument final : public ModuleHost {
  public:
    Instrument(const SharedTables& shared, int sampleRate);
    ~Instrument();
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    void setProgramChangeTarget(MidiProgramChange* target) { programChange_ = target; }

    // ---- lifecycle (host side, audio stopped) ----
    void setSampleRate(int rate); // an already sanitised rate
    void setBlockSize(int32_t size);
    void suspend();
    void resume();
    int buildGraph();
    // The patch table builder; tests put their own graphs in.
    void setGraphBuilder(GraphBuilder builder) { graphBuilder_ = builder; }

    // ---- audio thread ----
    // The host's tempo and transport for the next block (120 BPM, stopped when unknown).
    void setHostTime(double tempo, bool playing) {
        hostTempo_ = tempo;
        hostPlaying_ = playing;
    }
    void process(float** inputs, float** outputs, int32_t frames);
    void processEvents(const vst::VstEvents* events);
    // Every parameter learned to `code` (a controller 0..127 or kLearnFirstNrpn + NRPN) follows
    // `value`.
    void applyMidiLearn(uint64_t time, int code, float value);

    // ---- parameters (any thread) ----
    // The value becomes the parameter's current value at once; the modules get it at the audio
    // thread's next block.
    void setParameter(int32_t index, float value);
    // Sets an engine value in engine units (the normalised live value follows); with `dispatch`
    // the modules get it at once (audio stopped or audio thread only).
    void setEngineValue(int32_t index, float value, bool dispatch);
    void sendEngineValue(uint64_t time, int32_t index, int32_t tag, int32_t intValue,
                         float floatValue);
    void addParameterRoute(QX_ModuleBase* module, int moduleIndex, int engineValue, int input,
                           int voiceCount, int voiceStride, int voiceNumber);

    // A program's values become the live values (host side, records' mutex held by the
    // caller). The modules get them at once while no audio runs, else from the audio thread's
    // next block, through the fade once something has sounded.
    void startProgram(const float (&values)[kNumParams]);

    // The MIDI-learn code of a parameter as the audio thread sees it; the program store keeps
    // it equal to the records' map.
    uint16_t learnedCode(int parameter) const {
        return learnMirror_[parameter].load(std::memory_order_relaxed);
    }
    void setLearnedCode(int parameter, uint16_t code) {
        learnMirror_[parameter].store(code, std::memory_order_relaxed);
    }

    // ---- editor mailbox ----
    // The editor is never called from the audio thread: values for its controls wait in a
    // mailbox (one slot per tag, the latest value wins) that its timer empties.
    void notifyEditor(int32_t index, const void* data);
    void postEditorValue(int32_t tag, float value) override;
    bool takeEditorValue(int32_t tag, float& value);
    bool takeEditorNotice(int32_t tag);

    // ---- module host ----
    int sampleRateInt() const override { return rate_; }
    float samplesPerMs() const override { return samplesPerMs_; }
    const LookupTables& tables() const override { return tables_; }
    double hostTempo() const override { return hostTempo_; }
    bool hostPlaying() const override { return hostPlaying_; }
    const float* audioInputRing(int channel) const override { return inputRings_[channel & 1]; }
    int parameterCount() const override { return kNumParams; }
    float parameterValue(int index) const override;
    // Audio-thread parameter path with an explicit time stamp (MIDI, MPE, program loads).
    void applyParameterAt(uint64_t time, int32_t index, float value) override;
    RandomSequence& random() override { return random_; }

    // ---- read-outs for the plug-in, tools and tests ----
    ModuleContext& context() { return context_; }
    const SharedTables& shared() const { return shared_; }
    float engineValue(int index) const { return engineValues_[index]; }
    const float* engineValueAddress(int index) const { return &engineValues_[index]; }
    int moduleCount() const { return moduleCount_.load(std::memory_order_acquire); }
    int engineBlock() const { return graphBlock_ > 0 ? graphBlock_ : block_; }
    int requestedBlock() const { return block_; }
    int halfRate() const { return rate_ / 2; }
    uint64_t clock() const { return context_.clock; }
    uint32_t ringPosition() const { return ringPosition_; }
    int running() const { return running_.load(); }
    int busy() const { return busy_.load(); }
    ProgramFade fadeState() const { return fadeState_.load(); }
    float fadeLevel() const { return fadeLevel_; }
    int midiChannel() const { return midiChannel_.load(std::memory_order_relaxed); }
    int lastController() const { return lastController_.load(std::memory_order_relaxed); }
    void setLastController(int code) { lastController_.store(code, std::memory_order_relaxed); }
    bool mpeActive() const { return mpeActive_.load(std::memory_order_relaxed) != 0; }
    uint64_t droppedEvents() const { return pool_.dropped(); }
    // Blocks silenced because the graph's output went non-finite or ran away.
    uint64_t guardTrips() const { return guardTrips_.load(std::memory_order_relaxed); }
    EventPool& eventPool() { return pool_; }
    int buildCount() const { return graphBuilds_; }
    GraphLayout& graphLayout() { return graphLayout_; }
    int parameterRouteCount(int engineValue) const {
        return engineValue >= 0 && engineValue < kNumEngineValues
                   ? static_cast<int>(routes_[engineValue].size())
                   : 0;
    }
    int resumeWithoutRebuildCount() const { return plainResumes_; }
    // Route i of an engine value's list: the module and its input; false past the end.
    bool parameterRoute(int engineValue, int i, int& module, int& input) const {
        if (i < 0 || i >= parameterRouteCount(engineValue)) return false;
        const ParamRoute& r = routes_[engineValue][static_cast<size_t>(i)];
        module = r.module;
        input = r.input;
        return true;
    }

    static constexpr int kEventPoolSize = 32768;

  private:
    struct ParamRoute {
        uint16_t module, input, voiceCount, voiceStride;
    };

    float storeLive(int index, float value); // quantise, keep as the parameter's current value
    void applyEngineSide(uint64_t time, int index, float quantised, int tag = 0);
    // Audio side (or host side while suspended): every live value sent to the modules.
    void applyLiveProgram(uint64_t time);
    void takeProgramRequest();
    void drainPendingParameters();
    // MIDI intake.
    void handleMidiEvent(const vst::VstMidiEvent& e, uint64_t time, float& bend, float& mod,
                         float& pressure);
    void handleController(uint64_t time, int number, int value);
    void requestProgramFromMidi(int program);
    void noteEngineField(int index, int32_t intValue); // values the engine itself reads
    void deriveRate(int rate);
    void destroyGraph();
    void deleteModules(int count);
    void runProgramFade(float* left, float* right, int32_t frames);
    void recoverFromFault(float* left, float* right, int32_t frames);
    void checkMpeSwitch();
    void postAllNotesOff();

    const SharedTables& shared_;
    MidiProgramChange* programChange_ = nullptr;
    EventPool pool_{kEventPoolSize};
    ModuleContext context_;
    LookupTables tables_;
    RandomSequence random_;
    std::vector<ParamRoute> routes_[kNumEngineValues];
    GraphBuilder graphBuilder_;
    GraphLayout graphLayout_{};

    float engineValues_[kNumEngineValues] = {};
    std::atomic<float> liveValue_[kNumParams]; // current normalised parameter values
    std::atomic<uint16_t> learnMirror_[kNumParams];
    std::atomic<uint32_t> programRequest_{0}; // bumped by the host side for each program load
    uint32_t programApplied_ = 0;             // the request the modules have received
    std::atomic<float> pendingValue_[kNumEngineValues];
    std::atomic<uint32_t> pendingDirty_[(kNumEngineValues + 31) / 32];

    std::atomic<int> moduleCount_{0};
    uint32_t ringPosition_ = 0;
    int block_ = 128;
    int32_t hostBlock_ = 1024; // the host's block size as given, for event positions
    int rate_ = 44100;
    float samplesPerMs_ = 44.1f;
    int graphRate_ = 0, graphBlock_ = 0;
    bool graphBuilt_ = false;
    bool tablesPendingRebuild_ = false;
    float blockDuration_ = 0.0f;
    float* inputRings_[2] = {nullptr, nullptr};
    std::atomic<int> running_{-1};
    int settleMarker_ = -1;
    std::atomic<int> loading_{0};
    std::atomic<int> busy_{-1};
    std::atomic<int> lastController_{-1};
    float fadeLevel_ = 1.0f, fadeStep_ = 0.0f;
    std::atomic<ProgramFade> fadeState_{ProgramFade::None};
    std::atomic<int> mpeActive_{0};
    std::atomic<int> pressureSwap_{0};
    std::atomic<int> midiChannel_{-1};      // 0..15, or omni
    int pendingMidiProgram_ = -1;           // a MIDI program change waiting for the records
    static constexpr uint8_t kNoNrpn = 255; // no NRPN selected
    uint8_t nrpnMsb_ = kNoNrpn, nrpnLsb_ = kNoNrpn, dataMsb_ = 0, dataLsb_ = 0;
    int mpeSeen_ = -1;
    std::atomic<uint64_t> guardTrips_{0};
    std::atomic<float> editorValue_[kNumEngineValues];
    std::atomic<uint32_t> editorValueDirty_[(kNumEngineValues + 31) / 32];
    std::atomic<uint32_t> editorNoticeDirty_[(kNumEngineValues + 31) / 32];
    double hostTempo_ = 120.0;
    bool hostPlaying_ = false;
    int graphBuilds_ = 0;
    int plainResumes_ = 0;
};

// Default patch-table builder of the instrument.
int buildInstrumentGraph(Instrument& instrument);

} // namespace tarlix
