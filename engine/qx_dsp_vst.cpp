#include "engine/qx_dsp_vst.h"

#include <cmath>
#include <cstring>

#include "engine/parameter_table.h"

using namespace tarlix;

namespace {
int sanitiseRate(float rate) {
    if (!std::isfinite(rate) || rate < 200.0f || rate > 768000.0f) return 44100;
    return static_cast<int>(rate);
}
} // namespace

QX_DSP_VST::QX_DSP_VST(vst::HostCallback host) : AudioEffectX(host, kNumPrograms, kNumParams) {
    if (!shared_.tables) return; // the entry point refuses a half-built instance
    const int rate = sanitiseRate(getSampleRate());
    sampleRate_ = static_cast<float>(rate);
    instrument_ = std::make_unique<Instrument>(*shared_.tables, rate);
    programsAreChunks(true);
    if (hasHost()) {
        setNumInputs(2);
        setNumOutputs(2);
        setUniqueID(vst::fourCC('T', 'r', 'X', '2'));
        isSynth(true);
        noTail(false);
        canProcessReplacing(true);
        wantEvents(1);
    }
    store_ = std::make_unique<ProgramStore>(
        *shared_.tables, *instrument_,
        [this](int32_t index, float value) { setParameterAutomated(index, value); });
    instrument_->setProgramChangeTarget(store_.get());
}

QX_DSP_VST::~QX_DSP_VST() {
    // Editor first (it may still call into the engine), then records, modules and tables.
    deleteEditor();
    if (instrument_) instrument_->setProgramChangeTarget(nullptr);
    store_.reset();
    instrument_.reset();
}

// ---- audio ---------------------------------------------------------------------------------

void QX_DSP_VST::setSampleRate(float rate) {
    const int sane = sanitiseRate(rate);
    sampleRate_ = static_cast<float>(sane);
    instrument_->setSampleRate(sane);
}

void QX_DSP_VST::setBlockSize(int32_t size) {
    blockSize_ = size;
    instrument_->setBlockSize(size);
}

void QX_DSP_VST::suspend() {
    instrument_->suspend();
}

void QX_DSP_VST::resume() {
    instrument_->resume();
    sampleRate_ = static_cast<float>(instrument_->sampleRateInt());
}

void QX_DSP_VST::processReplacing(float** inputs, float** outputs, int32_t frames) {
    if (!outputs || frames <= 0) return;
    readHostTime();
    instrument_->process(inputs, outputs, frames);
}

int32_t QX_DSP_VST::processEvents(vst::VstEvents* events) {
    instrument_->processEvents(events);
    return 1;
}

// No time information, an invalid or unusable tempo: 120 BPM, transport stopped.
void QX_DSP_VST::readHostTime() {
    double tempo = 120.0;
    bool playing = false;
    if (hasHost()) {
        intptr_t answer = callHost(vst::audioMasterGetTime, 0, vst::kVstTempoValid, nullptr, 0.0f);
        if (const auto* info = reinterpret_cast<const vst::VstTimeInfo*>(answer)) {
            playing = (info->flags & vst::kVstTransportPlaying) != 0;
            double bpm = info->tempo;
            if ((info->flags & vst::kVstTempoValid) && std::isfinite(bpm) && bpm > 0.0)
                tempo = bpm > 999.0 ? 999.0 : bpm;
        }
    }
    instrument_->setHostTime(tempo, playing);
}

// ---- parameters ----------------------------------------------------------------------------

// Any thread. The value becomes the parameter's current value at once (getParameter and
// getChunk see it); the modules get it at the audio thread's next block, from a slot that
// coalesces repeated changes, so no queue is shared across threads.
void QX_DSP_VST::setParameter(int32_t index, float value) {
    instrument_->setParameter(index, value);
}

float QX_DSP_VST::getParameter(int32_t index) {
    return instrument_->parameterValue(index);
}

void QX_DSP_VST::setParameterAutomated(int32_t index, float value) {
    setParameter(index, value);
    if (index >= 0 && index < kNumParams)
        callHost(vst::audioMasterAutomate, index, 0, nullptr, getParameter(index));
}

void QX_DSP_VST::getParameterName(int32_t index, char* text) {
    if (!text) return;
    if (index < 0 || index >= kNumParams) {
        vst::copyString(text, "z-", 20);
        return;
    }
    const char* name = shared_.tables->parameters.rowOf(index).name;
    vst::copyString(text, name ? name : "z|", 20);
}

void QX_DSP_VST::getParameterDisplay(int32_t index, char* text) {
    if (!text) return;
    text[0] = 0;
    if (index < 0 || index >= kNumParams) return;
    const ParameterLookup& lookup = shared_.tables->parameters;
    const LayoutRecord& row = lookup.rowOf(index);
    float v = instrument_->parameterValue(index);
    float tapered = taper_forward(v, lookup.taper[index]);
    if (isOptionKind(row.kind)) {
        int n = lookup.steps[index];
        if (n == 0) return;
        // Rounded like the quantiser, so a stored option always shows its own text.
        int k = static_cast<int>(std::floor((n - 1) * v + 0.5f));
        if (k >= 0 && k < n && optionItem(row.options, k, text, vst::kMaxParamStrLen)) return;
    } else if (isTextDisplayKind(row.kind)) {
        uint8_t slot = lookup.slot[index];
        if (slot != kNoSlot) {
            store_->copySlotText(slot, text, vst::kMaxParamStrLen);
            return;
        }
    } else if (row.kind == kind::kValueDisplay || row.kind == kind::kNameDisplay) {
        return; // they show another parameter, not a value of their own
    }
    formatParameterNumber(row.min + (row.max - row.min) * tapered, text);
}

bool QX_DSP_VST::canParameterBeAutomated(int32_t index) {
    return index >= 0 && index < kNumAutomatable;
}

// ---- programs and chunks -------------------------------------------------------------------

void QX_DSP_VST::setProgram(int32_t program) {
    store_->selectProgram(program);
}

void QX_DSP_VST::getProgramName(char* text) {
    store_->getProgramName(text);
}

void QX_DSP_VST::setProgramName(const char* text) {
    store_->setProgramName(text);
}

bool QX_DSP_VST::getProgramNameIndexed(int32_t, int32_t index, char* text) {
    return store_->getProgramNameIndexed(index, text);
}

int32_t QX_DSP_VST::getChunk(void** data, bool isPreset) {
    return store_->getChunk(data, isPreset);
}

int32_t QX_DSP_VST::setChunk(void* data, int32_t byteSize, bool) {
    return store_->setChunk(data, byteSize);
}

// ---- identity -----------------------------------------------------------------------------

namespace {
bool fillPin(int32_t index, vst::VstPinProperties* p, const char* left, const char* right) {
    if (!p || index < 0 || index > 1) return false;
    std::memset(p, 0, sizeof(*p));
    vst::copyString(p->label, index == 0 ? left : right, 63);
    p->flags = vst::kVstPinIsActive | vst::kVstPinIsStereo;
    p->arrangementType = vst::kSpeakerArrStereo;
    return true;
}

void fillStereo(vst::VstSpeakerArrangement& a) {
    std::memset(&a, 0, sizeof(a));
    a.type = vst::kSpeakerArrStereo;
    a.numChannels = 2;
    a.speakers[0].type = vst::kSpeakerL;
    vst::copyString(a.speakers[0].name, "L", 63);
    a.speakers[1].type = vst::kSpeakerR;
    vst::copyString(a.speakers[1].name, "R", 63);
}
} // namespace

bool QX_DSP_VST::getInputProperties(int32_t index, vst::VstPinProperties* p) {
    return fillPin(index, p, "Left In", "Right In");
}

bool QX_DSP_VST::getOutputProperties(int32_t index, vst::VstPinProperties* p) {
    return fillPin(index, p, "Left Out", "Right Out");
}

bool QX_DSP_VST::getSpeakerArrangement(vst::VstSpeakerArrangement** in,
                                       vst::VstSpeakerArrangement** out) {
    fillStereo(inputArrangement_);
    fillStereo(outputArrangement_);
    *in = &inputArrangement_; // instance-owned: the host may keep the pointers
    *out = &outputArrangement_;
    return true;
}

bool QX_DSP_VST::getEffectName(char* text) {
    vst::copyString(text, "Tarlix_2_Demo", vst::kMaxEffectNameLen);
    return true;
}

bool QX_DSP_VST::getProductString(char* text) {
    vst::copyString(text, "Tarlix_2_Demo", vst::kMaxProductStrLen);
    return true;
}

bool QX_DSP_VST::getVendorString(char* text) {
    vst::copyString(text, "QuillwaveAudio", vst::kMaxVendorStrLen);
    return true;
}

int32_t QX_DSP_VST::canDo(const char* text) {
    static const char* const yes[] = {"receiveVstEvents", "receiveVstMidiEvent",
                                      "receiveVstTimeInfo"};
    static const char* const no[] = {"sendVstMidiEvent", "sendVstEvents", "offline", "bypass",
                                     "midiProgramNames"};
    for (const char* t : yes)
        if (std::strcmp(text, t) == 0) return 1;
    for (const char* t : no)
        if (std::strcmp(text, t) == 0) return -1;
    return 0;
}
