#include "host/audio_effect.h"

#include <cstring>
#include <new>

namespace vst {

void copyString(char* dest, const char* source, int maxChars) {
    if (!dest) return;
    int i = 0;
    if (source)
        for (; i < maxChars && source[i]; ++i)
            dest[i] = source[i];
    dest[i] = 0;
}

namespace {

AudioEffect* objectOf(AEffect* e) {
    return AudioEffect::fromAeffect(e);
}

intptr_t dispatchTrampoline(AEffect* e, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                            float opt) {
    AudioEffect* fx = objectOf(e);
    if (!fx) return 0;
    if (opcode == effClose) {
        fx->close();
        delete fx; // the record lives inside the object: nothing may touch it afterwards
        return 1;
    }
    return fx->dispatcher(opcode, index, value, ptr, opt);
}

// The old accumulating call: render into scratch and add, for hosts that still use it.
void processAccumulating(AEffect* e, float** inputs, float** outputs, int32_t frames) {
    AudioEffect* fx = objectOf(e);
    if (!fx || !outputs || frames <= 0) return;
    float scratchL[256], scratchR[256];
    for (int32_t done = 0; done < frames;) {
        int32_t n = frames - done < 256 ? frames - done : 256;
        float* ins[2] = {inputs && inputs[0] ? inputs[0] + done : nullptr,
                         inputs && inputs[1] ? inputs[1] + done : nullptr};
        float* outs[2] = {scratchL, scratchR};
        fx->processReplacing(inputs ? ins : nullptr, outs, n);
        for (int ch = 0; ch < 2; ++ch)
            if (outputs[ch])
                for (int32_t i = 0; i < n; ++i)
                    outputs[ch][done + i] += outs[ch][i];
        done += n;
    }
}

void processReplacingTrampoline(AEffect* e, float** inputs, float** outputs, int32_t frames) {
    AudioEffect* fx = objectOf(e);
    if (fx) fx->processReplacing(inputs, outputs, frames);
}

void setParameterTrampoline(AEffect* e, int32_t index, float value) {
    AudioEffect* fx = objectOf(e);
    // A host may only reach its own parameters, never the internal values behind them.
    if (fx && index >= 0 && index < e->numParams) fx->setParameter(index, value);
}

float getParameterTrampoline(AEffect* e, int32_t index) {
    AudioEffect* fx = objectOf(e);
    if (!fx || index < 0 || index >= e->numParams) return 0.0f;
    return fx->getParameter(index);
}

} // namespace

AudioEffect::AudioEffect(HostCallback host, int32_t numPrograms, int32_t numParams) : host_(host) {
    std::memset(&effect_, 0, sizeof(effect_));
    effect_.magic = kEffectMagic;
    effect_.dispatcher = dispatchTrampoline;
    effect_.process = processAccumulating;
    effect_.setParameter = setParameterTrampoline;
    effect_.getParameter = getParameterTrampoline;
    effect_.numPrograms = numPrograms;
    effect_.numParams = numParams;
    effect_.numInputs = 1;
    effect_.numOutputs = 2;
    effect_.flags = effFlagsCanReplacing;
    effect_.ioRatio = 1.0f;
    effect_.object = this;
    effect_.uniqueID = fourCC('N', 'o', 'E', 'f');
    effect_.version = 1;
    effect_.processReplacing = processReplacingTrampoline;
}

AudioEffect::~AudioEffect() {
    deleteEditor();
}

AudioEffect* AudioEffect::fromAeffect(AEffect* e) {
    if (!e || e->magic != kEffectMagic) return nullptr;
    return static_cast<AudioEffect*>(e->object);
}

void AudioEffect::setFlag(int32_t flag, bool on) {
    if (on)
        effect_.flags |= flag;
    else
        effect_.flags &= ~flag;
}

void AudioEffect::setEditor(GuiEditor* editor) {
    if (editor != editor_) delete editor_;
    editor_ = editor;
    setFlag(effFlagsHasEditor, editor != nullptr);
}

void AudioEffect::deleteEditor() {
    delete editor_;
    editor_ = nullptr;
}

intptr_t AudioEffect::callHost(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                               float opt) {
    return host_ ? host_(&effect_, opcode, index, value, ptr, opt) : 0;
}

bool AudioEffect::beginEdit(int32_t index) {
    return callHost(audioMasterBeginEdit, index) != 0;
}

bool AudioEffect::endEdit(int32_t index) {
    return callHost(audioMasterEndEdit, index) != 0;
}

void AudioEffect::setParameterAutomated(int32_t index, float value) {
    setParameter(index, value);
    if (index >= 0 && index < effect_.numParams)
        callHost(audioMasterAutomate, index, 0, nullptr, value);
}

int32_t AudioEffect::getChunk(void**, bool) {
    return 0;
}
int32_t AudioEffect::setChunk(void*, int32_t, bool) {
    return 0;
}

intptr_t AudioEffect::dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                 float opt) {
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effSetProgram:
        if (value >= 0 && value < effect_.numPrograms) setProgram(static_cast<int32_t>(value));
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        if (text) setProgramName(text);
        return 0;
    case effGetProgramName:
        if (text) getProgramName(text);
        return 0;
    case effGetParamLabel:
    case effGetParamDisplay:
    case effGetParamName:
        if (!text) return 0;
        text[0] = 0;
        if (opcode == effGetParamLabel)
            getParameterLabel(index, text);
        else if (opcode == effGetParamDisplay)
            getParameterDisplay(index, text);
        else
            getParameterName(index, text);
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<int32_t>(value));
        return 0;
    case effMainsChanged:
        if (value)
            resume();
        else
            suspend();
        return 0;
    case effEditGetRect:
        if (editor_ && ptr) return editor_->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
        return 0;
    case effEditOpen:
        return editor_ ? (editor_->open(ptr) ? 1 : 0) : 0;
    case effEditClose:
        if (editor_) editor_->close();
        return 0;
    case effEditIdle:
        if (editor_) editor_->idle();
        return 0;
    case effGetChunk:
        return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk:
        if (!ptr || value <= 0 || value > INT32_MAX) return 0;
        return setChunk(ptr, static_cast<int32_t>(value), index != 0);
    default:
        return 0;
    }
}

bool AudioEffect::sizeWindow(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || !host_) return false;
    return callHost(audioMasterSizeWindow, width, height) != 0;
}

AudioEffectX::AudioEffectX(HostCallback host, int32_t numPrograms, int32_t numParams)
    : AudioEffect(host, numPrograms, numParams) {}

intptr_t AudioEffectX::dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                  float opt) {
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effProcessEvents:
        return processEvents(static_cast<VstEvents*>(ptr));
    case effCanBeAutomated:
        return canParameterBeAutomated(index) ? 1 : 0;
    case effString2Parameter:
        return text && string2parameter(index, text) ? 1 : 0;
    case effGetProgramNameIndexed:
        return text && getProgramNameIndexed(static_cast<int32_t>(value), index, text) ? 1 : 0;
    case effGetInputProperties:
        return ptr && getInputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetOutputProperties:
        return ptr && getOutputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetPlugCategory:
        return getPlugCategory();
    case effSetSpeakerArrangement:
        return setSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement*>(value),
                                     static_cast<VstSpeakerArrangement*>(ptr))
                   ? 1
                   : 0;
    case effGetSpeakerArrangement:
        if (!value || !ptr) return 0;
        return getSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement**>(value),
                                     static_cast<VstSpeakerArrangement**>(ptr))
                   ? 1
                   : 0;
    case effSetBypass:
        return setBypass(value != 0) ? 1 : 0;
    case effGetEffectName:
        return text && getEffectName(text) ? 1 : 0;
    case effGetVendorString:
        return text && getVendorString(text) ? 1 : 0;
    case effGetProductString:
        return text && getProductString(text) ? 1 : 0;
    case effGetVendorVersion:
        return getVendorVersion();
    case effVendorSpecific:
        return vendorSpecific(index, value, ptr, opt);
    case effCanDo:
        return text ? canDo(text) : 0;
    case effGetTailSize:
        return getTailSize();
    case effGetParameterProperties:
        return 0;
    case effGetVstVersion:
        return getVstVersion();
    case effEditKeyDown:
        return editor_ ? editor_->onKeyDown(index, static_cast<int32_t>(value),
                                            static_cast<int32_t>(opt))
                       : 0;
    case effEditKeyUp:
        return editor_
                   ? editor_->onKeyUp(index, static_cast<int32_t>(value), static_cast<int32_t>(opt))
                   : 0;
    case effGetNumMidiInputChannels:
        return getNumMidiInputChannels();
    case effGetNumMidiOutputChannels:
        return getNumMidiOutputChannels();
    default:
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

VstTimeInfo* AudioEffectX::getTimeInfo(int32_t filter) {
    return reinterpret_cast<VstTimeInfo*>(callHost(audioMasterGetTime, 0, filter));
}

bool AudioEffectX::wantEvents(int32_t filter) {
    return callHost(audioMasterWantMidi, 0, filter) != 0;
}

} // namespace vst
