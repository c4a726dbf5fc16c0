// The plug-in object: what a VST 2.4 host sees of one instance. It answers identity, pins and
// capabilities itself and hands everything else to the two objects it owns: the instrument
// (sound, parameters, MIDI, the editor mailbox) and the program store (records and files).
//
// Thread contract. The host calls the dispatcher-facing methods from its own threads, the
// audio calls (processReplacing, processEvents) from the audio thread; each forwards under the
// contract of the object it reaches (see instrument.h and program_store.h). The editor talks to
// programStore() and instrument() directly, from its own thread.
#pragma once
#include <cstdint>
#include <memory>

#include "engine/instrument.h"
#include "engine/program_store.h"
#include "engine/shared_tables.h"
#include "host/audio_effect.h"

class QX_DSP_VST : public vst::AudioEffectX {
  public:
    explicit QX_DSP_VST(vst::HostCallback host);
    ~QX_DSP_VST() override;
    bool constructedOk() const { return store_ && store_->ok(); }

    tarlix::Instrument& instrument() { return *instrument_; }
    tarlix::ProgramStore& programStore() { return *store_; }

    void suspend() override;
    void resume() override;
    void setSampleRate(float rate) override;
    void setBlockSize(int32_t size) override;
    void processReplacing(float** inputs, float** outputs, int32_t frames) override;
    int32_t processEvents(vst::VstEvents* events) override;

    void setParameter(int32_t index, float value) override;
    float getParameter(int32_t index) override;
    // The value is set and the host is told, as if the user had moved the control.
    void setParameterAutomated(int32_t index, float value) override;
    void getParameterName(int32_t index, char* text) override;
    void getParameterDisplay(int32_t index, char* text) override;
    bool canParameterBeAutomated(int32_t index) override;

    int32_t getProgram() override { return store_->selectedProgram(); }
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

    // The tag of parameter events sent by a program load (buttons must not act on them).
    static constexpr int kProgramLoadTag = tarlix::kProgramLoadTag;

  private:
    void readHostTime();

    // Declared in the order they are made; destroyed in reverse, the tables last.
    tarlix::SharedTablesLease shared_;
    std::unique_ptr<tarlix::Instrument> instrument_;
    std::unique_ptr<tarlix::ProgramStore> store_;
    vst::VstSpeakerArrangement inputArrangement_{}, outputArrangement_{};
};
