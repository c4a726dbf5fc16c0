// The plug-in object and the sound engine: programs, engine values, the module graph and the
// chunked audio loop.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "dsp/module_base.h"
#include "dsp/module_host.h"
#include "engine/patch_table.h"
#include "engine/program_record.h"
#include "engine/shared_tables.h"
#include "host/audio_effect.h"

class QX_DSP_VST;
using GraphBuilder = int (*)(QX_DSP_VST& engine);

class QX_DSP_VST : public vst::AudioEffectX, public tarlix::ModuleHost {
  public:
    explicit QX_DSP_VST(vst::HostCallback host);
    ~QX_DSP_VST() override;
    bool constructedOk() const { return bank_ != nullptr && shared_ != nullptr; }

    // Host-facing.
    void suspend() override;
    void resume() override;
    void setSampleRate(float rate) override;
    void setBlockSize(int32_t size) override;
    void processReplacing(float** inputs, float** outputs, int32_t frames) override;
    int32_t processEvents(vst::VstEvents* events) override;

    void setParameter(int32_t index, float value) override;
    float getParameter(int32_t index) override;
    void setParameterAutomated(int32_t index, float value) override;
    void getParameterName(int32_t index, char* text) override;
    void getParameterDisplay(int32_t index, char* text) override;
    bool canParameterBeAutomated(int32_t index) override;

    int32_t getProgram() override { return selectedProgram_.load(); }
    void setProgram(int32_t program) override;
    void getProgramName(char* text) override;
    void setProgramName(const char* text) override;
    bool getProgramNameIndexed(int32_t category, int32_t index, char* text) override;
    int32_t getChunk(void** data, bool isPreset) override;
    int32_t setChunk(void* data, int32_t byteSize, bool isPreset) override;

    bool getInputProperties(int32_t index, vst::VstPinProperties* p) override;
    bool getOutputProperties(int32_t index, vst::VstPinProperties* p) override;
    bool getSpeakerArrangement(vst::VstSpeakerArrangement** in,
                               vst::VstSpeakerArrangement** out) override;
    bool getEffectName(char* text) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    int32_t getVendorVersion() override { return 2410; }
    int32_t getVstVersion() override { return 2400; }
    vst::PlugCategory getPlugCategory() override { return vst::kPlugCategSynth; }
    int32_t canDo(const char* text) override;
    int32_t getNumMidiInputChannels() override { return 16; }
    int32_t getNumMidiOutputChannels() override { return 0; }

    // Engine operations used by the editor and the modules.
    void setStringSlot(const char* text, int32_t slot);
    void getStringSlot(char* text, int32_t slot);
    void storeShortBlock(const void* source, int32_t blockIndex, int32_t byteCount);
    void storeLongBlock(const void* source, int32_t blockIndex, int32_t byteCount);
    uint8_t* getDataBlock(int32_t blockIndex, int32_t size);
    int buildGraph();
    void setMidiLearn(int32_t parameter, uint16_t code);
    uint32_t getMidiLearn(int32_t parameter);
    const char* getCurrentProgramName();
    const char* getProgramNamePointer(int32_t program);
    void setEngineValue(int32_t index, float value, bool dispatch);
    void notifyEditor(int32_t index, const void* data);
    // The editor is never called from the audio thread: values for its controls wait in a
    // mailbox (one slot per tag, the latest value wins) that its timer empties.
    void postEditorValue(int32_t tag, float value) override;
    bool takeEditorValue(int32_t tag, float& value);
    bool takeEditorNotice(int32_t tag);
    void reloadProgram() { setProgram(selectedProgram_.load()); }
    void nextProgram();
    void previousProgram();
    int32_t getRecordSize() const { return tarlix::record::kSize; }
    void sendEngineValue(uint64_t time, int32_t index, int32_t tag, int32_t intValue,
                         float floatValue);
    void addParameterRoute(tarlix::QX_ModuleBase* module, int moduleIndex, int engineValue,
                           int input, int voiceCount, int voiceStride, int voiceNumber);
    void loadProgram(int32_t program);

    // Files of the preset panel (called on the user-interface thread). Loads return -1 when the
    // file was taken and -2 when it was refused (the section loader 1 and -2); a refused file
    // changes nothing. Saves are atomic and report whether the file was written.
    int loadBankFile(const char* path);
    bool saveBankFile(const char* path);
    int loadProgramFile(const char* path);
    bool saveProgramFile(const char* path);
    int loadMidiLearnFile(const char* path);
    bool saveMidiLearnFile(const char* path);
    int loadSectionFile(int section, const char* path);
    bool saveSectionFile(int section, const char* path);

    // The MIDI-learn code of a parameter as the audio thread sees it (record 0's map).
    uint16_t learnedCode(int parameter) const {
        return learnMirror_[parameter].load(std::memory_order_relaxed);
    }
    // A copy of the bank image with the current edits folded in (for tests and tools).
    void copyBank(uint8_t* dest);

    // Audio-thread parameter path with an explicit time stamp (MIDI, MPE, program loads).
    void applyParameterAt(uint64_t time, int32_t index, float value) override;
    // Every parameter learned to `code` (a controller 0..127 or 200 + NRPN) follows `value`.
    void applyMidiLearn(uint64_t time, int code, float value);
    // The host's tempo (BPM; 120 when it gives none) and transport, read once per host block.
    double hostTempo() const override { return hostTempo_; }
    bool hostPlaying() const override { return hostPlaying_; }
    int midiChannel() const { return midiChannel_.load(std::memory_order_relaxed); }
    int lastController() const { return lastController_.load(std::memory_order_relaxed); }
    void setLastController(int code) { lastController_.store(code, std::memory_order_relaxed); }
    bool mpeActive() const { return mpeActive_.load(std::memory_order_relaxed) != 0; }

    // Read-outs for the modules and for tests.
    tarlix::ModuleContext& context() { return context_; }
    const tarlix::LookupTables& tables() const override { return tables_; }
    const tarlix::SharedTables& shared() const { return *shared_; }
    float engineValue(int index) const { return engineValues_[index]; }
    const float* engineValueAddress(int index) const { return &engineValues_[index]; }
    int moduleCount() const { return moduleCount_.load(std::memory_order_acquire); }
    int engineBlock() const { return graphBlock_ > 0 ? graphBlock_ : block_; }
    int requestedBlock() const { return block_; }
    int sampleRateInt() const override { return rate_; }
    int halfRate() const { return rate_ / 2; }
    float samplesPerMs() const override { return samplesPerMs_; }
    uint64_t clock() const { return context_.clock; }
    uint32_t ringPosition() const { return ringPosition_; }
    int running() const { return running_.load(); }
    int busy() const { return busy_.load(); }
    int fadeState() const { return fadeState_.load(); }
    float fadeLevel() const { return fadeLevel_; }
    const float* audioInputRing(int channel) const override { return inputRings_[channel & 1]; }
    int parameterCount() const override { return tarlix::kNumParams; }
    float parameterValue(int index) const override;
    tarlix::RandomSequence& random() override { return random_; }
    uint8_t* bank() { return bank_; } // the host-side master copy; not for the audio thread
    uint64_t droppedEvents() const { return pool_.dropped(); }
    // Blocks silenced because the graph's output went non-finite or ran away.
    uint64_t guardTrips() const { return guardTrips_.load(std::memory_order_relaxed); }
    tarlix::EventPool& eventPool() { return pool_; }
    int buildCount() const { return graphBuilds_; }
    tarlix::GraphLayout& graphLayout() { return graphLayout_; }
    int parameterRouteCount(int engineValue) const {
        return engineValue >= 0 && engineValue < tarlix::kNumEngineValues
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

    // The patch table builder; tests put their own graphs in.
    void setGraphBuilder(GraphBuilder builder) { graphBuilder_ = builder; }

    static constexpr int kEventPoolSize = 32768;
    // The tag of parameter events sent by a program load (buttons must not act on them).
    static constexpr int kProgramLoadTag = tarlix::kProgramLoadTag;

  private:
    struct ParamRoute {
        uint16_t module, input, voiceCount, voiceStride;
    };

    uint8_t* recordOf(int program) {
        return bank_ + static_cast<size_t>(program) * tarlix::record::kSize;
    }
    uint8_t* storageRecord(int index);       // record 0 for globals, else the live program's
    float storeLive(int index, float value); // quantise, keep as the parameter's current value
    void applyEngineSide(uint64_t time, int index, float quantised, int tag = 0);
    // Host side, bankMutex_ held: the live values written back into their records, and a
    // program's record made live.
    void syncLiveValues();
    void loadProgramLocked(int32_t program, bool keepEdits);
    void refreshLearnMirror();
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
    void readHostTime();
    void checkMpeSwitch();
    void postAllNotesOff();

    const tarlix::SharedTables* shared_ = nullptr;
    uint8_t* bank_ = nullptr;
    uint8_t* chunkSnapshot_ = nullptr; // what getChunk hands out, stable until the next call
    // Records belong to the host side and are touched only under this mutex; the audio thread
    // never reads them. It works from the live values below.
    std::mutex bankMutex_;
    int liveProgram_ = 0;
    tarlix::EventPool pool_{kEventPoolSize};
    tarlix::ModuleContext context_;
    tarlix::LookupTables tables_;
    tarlix::RandomSequence random_;
    std::vector<ParamRoute> routes_[tarlix::kNumEngineValues];
    GraphBuilder graphBuilder_;
    tarlix::GraphLayout graphLayout_{};

    float engineValues_[tarlix::kNumEngineValues] = {};
    std::atomic<float> liveValue_[tarlix::kNumParams]; // current normalised parameter values
    std::atomic<uint16_t> learnMirror_[tarlix::kNumParams];
    std::atomic<uint32_t> programRequest_{0}; // bumped by the host side for each program load
    uint32_t programApplied_ = 0;             // the request the modules have received
    std::atomic<float> pendingValue_[tarlix::kNumEngineValues];
    std::atomic<uint32_t> pendingDirty_[(tarlix::kNumEngineValues + 31) / 32];

    std::atomic<int> moduleCount_{0};
    uint32_t ringPosition_ = 0;
    int block_ = 128;
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
    std::atomic<int> selectedProgram_{0};
    float fadeLevel_ = 1.0f, fadeStep_ = 0.0f;
    std::atomic<int> fadeState_{0};
    std::atomic<int> mpeActive_{0};
    std::atomic<int> pressureSwap_{0};
    std::atomic<int> midiChannel_{-1}; // 0..15, or omni
    int pendingMidiProgram_ = -1;      // a MIDI program change waiting for the records
    uint8_t nrpnMsb_ = 255, nrpnLsb_ = 255, dataMsb_ = 0, dataLsb_ = 0;
    int mpeSeen_ = -1;
    std::atomic<uint64_t> guardTrips_{0};
    std::atomic<float> editorValue_[tarlix::kNumEngineValues];
    std::atomic<uint32_t> editorValueDirty_[(tarlix::kNumEngineValues + 31) / 32];
    std::atomic<uint32_t> editorNoticeDirty_[(tarlix::kNumEngineValues + 31) / 32];
    double hostTempo_ = 120.0;
    bool hostPlaying_ = false;
    int graphBuilds_ = 0;
    int plainResumes_ = 0;
    vst::VstSpeakerArrangement inputArrangement_{}, outputArrangement_{};
};

// Default patch-table builder of the instrument.
int buildInstrumentGraph(QX_DSP_VST& engine);
