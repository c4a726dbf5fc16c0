// Plug-in side of the host interface: an AEffect record with trampolines into a C++ object
// whose dispatcher routes every opcode to a virtual operation.
#pragma once
#include "host/vst_abi.h"

namespace vst {

class GuiEditor;

// Copies at most maxChars characters and always terminates (dest holds maxChars + 1 bytes).
void copyString(char* dest, const char* source, int maxChars);

class AudioEffect {
  public:
    AudioEffect(HostCallback host, int32_t numPrograms, int32_t numParams);
    virtual ~AudioEffect();
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    AEffect* getAeffect() { return &effect_; }
    static AudioEffect* fromAeffect(AEffect* e);

    virtual intptr_t dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                float opt);

    // Lifecycle and audio.
    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}
    virtual void setSampleRate(float rate) { sampleRate_ = rate; }
    virtual void setBlockSize(int32_t size) { blockSize_ = size; }
    virtual void processReplacing(float** inputs, float** outputs, int32_t frames) = 0;

    // Parameters.
    virtual void setParameter(int32_t, float) {}
    virtual float getParameter(int32_t) { return 0.0f; }
    virtual void setParameterAutomated(int32_t index, float value);
    // The user's gesture on a parameter starts and ends (the editor's knobs and sliders).
    bool beginEdit(int32_t index);
    bool endEdit(int32_t index);
    virtual void getParameterLabel(int32_t, char* text) { text[0] = 0; }
    virtual void getParameterDisplay(int32_t, char* text) { text[0] = 0; }
    virtual void getParameterName(int32_t, char* text) { text[0] = 0; }

    // Programs and chunks.
    virtual int32_t getProgram() { return curProgram_; }
    virtual void setProgram(int32_t program) { curProgram_ = program; }
    virtual void setProgramName(const char*) {}
    virtual void getProgramName(char* text) { text[0] = 0; }
    virtual int32_t getChunk(void** data, bool isPreset);
    virtual int32_t setChunk(void* data, int32_t byteSize, bool isPreset);

    float getSampleRate() const { return sampleRate_; }
    int32_t getBlockSize() const { return blockSize_; }
    GuiEditor* getEditor() { return editor_; }
    // Asks the host to give the editor's window this size; false when it refuses or cannot.
    bool sizeWindow(int32_t width, int32_t height);
    // Takes ownership; sets the has-editor flag the host reads.
    void setEditor(GuiEditor* editor);

  protected:
    void deleteEditor();
    void setUniqueID(int32_t id) { effect_.uniqueID = id; }
    void setNumInputs(int32_t n) { effect_.numInputs = n; }
    void setNumOutputs(int32_t n) { effect_.numOutputs = n; }
    void setFlag(int32_t flag, bool on);
    void canProcessReplacing(bool on) { setFlag(effFlagsCanReplacing, on); }
    void programsAreChunks(bool on) { setFlag(effFlagsProgramChunks, on); }
    void setInitialDelay(int32_t d) { effect_.initialDelay = d; }
    intptr_t callHost(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f);
    bool hasHost() const { return host_ != nullptr; }

    float sampleRate_ = 44100.0f;
    int32_t blockSize_ = 1024;
    int32_t curProgram_ = 0;
    GuiEditor* editor_ = nullptr;

  private:
    HostCallback host_;
    AEffect effect_;
};

// The 2.4 extensions: events, pins, speaker arrangements, identity strings and capabilities.
class AudioEffectX : public AudioEffect {
  public:
    AudioEffectX(HostCallback host, int32_t numPrograms, int32_t numParams);

    intptr_t dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                        float opt) override;

    virtual int32_t processEvents(VstEvents*) { return 0; }
    virtual bool canParameterBeAutomated(int32_t) { return true; }
    virtual bool string2parameter(int32_t, char*) { return false; }
    virtual bool getProgramNameIndexed(int32_t, int32_t, char*) { return false; }
    virtual bool getInputProperties(int32_t, VstPinProperties*) { return false; }
    virtual bool getOutputProperties(int32_t, VstPinProperties*) { return false; }
    virtual bool setSpeakerArrangement(VstSpeakerArrangement*, VstSpeakerArrangement*) {
        return false;
    }
    virtual bool getSpeakerArrangement(VstSpeakerArrangement**, VstSpeakerArrangement**) {
        return false;
    }
    virtual bool setBypass(bool) { return false; }
    virtual bool getEffectName(char*) { return false; }
    virtual bool getVendorString(char*) { return false; }
    virtual bool getProductString(char*) { return false; }
    virtual int32_t getVendorVersion() { return 0; }
    virtual intptr_t vendorSpecific(int32_t, intptr_t, void*, float) { return 0; }
    virtual int32_t canDo(const char*) { return 0; }
    virtual int32_t getTailSize() { return 0; }
    virtual int32_t getVstVersion() { return 2400; }
    virtual PlugCategory getPlugCategory() { return kPlugCategUnknown; }
    virtual int32_t getNumMidiInputChannels() { return 0; }
    virtual int32_t getNumMidiOutputChannels() { return 0; }

    // Host services.
    VstTimeInfo* getTimeInfo(int32_t filter);
    bool wantEvents(int32_t filter = 1);

  protected:
    void isSynth(bool on) { setFlag(effFlagsIsSynth, on); }
    void noTail(bool on) { setFlag(effFlagsNoSoundInStop, on); }
};

// Base of an editor: a rectangle and open/close/idle, called from the host's UI thread.
class GuiEditor {
  public:
    explicit GuiEditor(AudioEffect* effect) : effect_(effect) {}
    virtual ~GuiEditor() = default;
    virtual bool getRect(ERect** rect) {
        *rect = &rect_;
        return true;
    }
    virtual bool open(void* parentWindow) {
        systemWindow_ = parentWindow;
        return true;
    }
    virtual void close() { systemWindow_ = nullptr; }
    virtual void idle() {}
    virtual int32_t onKeyDown(int32_t, int32_t, int32_t) { return 0; }
    virtual int32_t onKeyUp(int32_t, int32_t, int32_t) { return 0; }
    bool isOpen() const { return systemWindow_ != nullptr; }
    AudioEffect* getEffect() { return effect_; }

  protected:
    AudioEffect* effect_;
    void* systemWindow_ = nullptr;
    ERect rect_{0, 0, 0, 0};
};

} // namespace vst
