#include "engine/qx_dsp_vst.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <xmmintrin.h>

#include "common/curves.h"
#include "dsp/shapers.h"
#include "engine/preset_files.h"
#include "platform/platform.h"

using namespace tarlix;

namespace {
constexpr uint32_t kAllNotesOff = 0x7BB0; // controller 123, value 0, channel 1
constexpr int kMidiInputValue = 335;
constexpr int kBlockDurationValue = 385;
constexpr int kProgramLoadedSignal = 387;
constexpr int kPresetNameValue = 401;
constexpr int kMpeBendFirst = 404, kMpePressureFirst = 419, kMpeLast = 448; // then CC74 from 434
constexpr float kFadeMs = 21.0f;
// Far above any musical level (+36 dBFS): only a broken recursion gets there.
constexpr float kRunawayLevel = 64.0f;

int sanitiseRate(float rate) {
    if (!std::isfinite(rate) || rate < 200.0f || rate > 768000.0f) return 44100;
    return static_cast<int>(rate);
}

// Flush denormals to zero while the graph runs; the host's own mode is restored afterwards.
class DenormalGuard {
  public:
    DenormalGuard() : saved_(_mm_getcsr()) { _mm_setcsr(saved_ | 0x8040); }
    ~DenormalGuard() { _mm_setcsr(saved_); }

  private:
    unsigned saved_;
};
} // namespace

QX_DSP_VST::QX_DSP_VST(vst::HostCallback host)
    : AudioEffectX(host, kNumPrograms, kNumParams), graphBuilder_(buildInstrumentGraph) {
    for (auto& p : pendingValue_)
        p.store(0.0f, std::memory_order_relaxed);
    for (auto& d : pendingDirty_)
        d.store(0, std::memory_order_relaxed);
    for (auto& v : liveValue_)
        v.store(0.0f, std::memory_order_relaxed);
    for (auto& v : editorValue_)
        v.store(0.0f, std::memory_order_relaxed);
    for (auto& d : editorValueDirty_)
        d.store(0, std::memory_order_relaxed);
    for (auto& d : editorNoticeDirty_)
        d.store(0, std::memory_order_relaxed);
    for (auto& c : learnMirror_)
        c.store(kNotLearned, std::memory_order_relaxed);
    context_.pool = &pool_;
    context_.host = this;
    context_.blockSize = block_;

    shared_ = acquireSharedTables();
    curProgram_ = 0;
    bank_ = new (std::nothrow) uint8_t[kBankSize];
    chunkSnapshot_ = new (std::nothrow) uint8_t[kBankSize];
    if (!bank_ || !chunkSnapshot_ || !shared_) {
        delete[] bank_; // the entry point refuses a half-built instance
        bank_ = nullptr;
        return;
    }
    programsAreChunks(true);
    // No editor window yet on this platform: the host is not told about one.

    // Empty records (not learned) until the factory bank is copied over them.
    std::memset(bank_, 0, kBankSize);
    for (int p = 0; p < kNumPrograms; ++p)
        for (int i = 0; i < kNumParams; ++i)
            writeLearn(recordOf(p), i, kNotLearned);
    // The factory bank: everything after the magic, but never more than the bank.
    platform::Resource factory = platform::findResource("VST_PatchMemoryBanks.mem", "DATA");
    if (factory.data && factory.size >= 4) {
        size_t n = factory.size - 4;
        std::memcpy(bank_, factory.data + 4, n < size_t(kBankSize) ? n : size_t(kBankSize));
    }
    normaliseBank(bank_);
    // The user's default bank replaces the factory bank only when it is complete.
    std::string path;
    if (platform::expandPublicPath("%Public%/Documents/Tarlix_2/Banks/Default.Bnk", path,
                                   record::kStringSlotSize) &&
        readBankFile(path, bank_) == kFileRead) {
        char* slot = stringSlot(bank_, 0);
        std::memset(slot, 0, record::kStringSlotSize);
        std::memcpy(slot, path.c_str(), path.size());
    }
    refreshLearnMirror();

    deriveRate(sanitiseRate(getSampleRate()));
    tables_.build(rate_);

    if (hasHost()) {
        setNumInputs(2);
        setNumOutputs(2);
        setUniqueID(vst::fourCC('T', 'r', 'X', '2'));
        isSynth(true);
        noTail(false);
        canProcessReplacing(true);
        wantEvents(1);
    }
    std::lock_guard<std::mutex> lock(bankMutex_);
    loadProgramLocked(0, false); // no live values yet to keep
}

QX_DSP_VST::~QX_DSP_VST() {
    // Editor first (it may still call into the engine), then modules, tables and records.
    deleteEditor();
    destroyGraph();
    if (shared_) releaseSharedTables();
    for (float*& ring : inputRings_) {
        freeAlignedFloats(ring);
        ring = nullptr;
    }
    delete[] bank_;
    bank_ = nullptr;
    delete[] chunkSnapshot_;
    chunkSnapshot_ = nullptr;
}

void QX_DSP_VST::deriveRate(int rate) {
    rate_ = rate;
    samplesPerMs_ = static_cast<float>(rate) * 0.001f;
    sampleRate_ = static_cast<float>(rate);
}

void QX_DSP_VST::setSampleRate(float rate) {
    deriveRate(sanitiseRate(rate));
    if (rate_ != tables_.rate) {
        // Tables the audio thread reads are rebuilt only while it is stopped.
        if (busy_.load() != 0)
            tables_.build(rate_);
        else
            tablesPendingRebuild_ = true;
    }
}

void QX_DSP_VST::setBlockSize(int32_t size) {
    blockSize_ = size;
    // Takes effect at the next resume, where the buffers are sized for it.
    block_ = size < 1 ? 1 : (size > kMaxChunk ? kMaxChunk : size);
}

void QX_DSP_VST::suspend() {
    busy_.store(-1);
    for (int i = 0; i < moduleCount(); ++i)
        if (QX_ModuleBase* m = context_.modules[i]) m->Suspend();
    context_.clock = 1;
    ringPosition_ = 0;
    running_.store(-1);
    // A fade that can no longer finish: the requested program is loaded now.
    if (fadeState_.load() != 0 || programRequest_.load() != programApplied_) {
        fadeState_.store(0);
        fadeLevel_ = 1.0f;
        programApplied_ = programRequest_.load(std::memory_order_acquire);
        applyLiveProgram(context_.clock);
    }
}

void QX_DSP_VST::deleteModules(int count) {
    for (int i = count - 1; i >= 0; --i) {
        delete context_.modules[i];
        context_.modules[i] = nullptr;
    }
    for (auto& list : routes_)
        list.clear();
    context_.resetModuleState();
}

void QX_DSP_VST::destroyGraph() {
    int n = moduleCount_.exchange(0, std::memory_order_acq_rel);
    for (int i = n - 1; i >= 0; --i)
        if (QX_ModuleBase* m = context_.modules[i]) m->Release();
    deleteModules(n);
}

int QX_DSP_VST::buildGraph() {
    context_.resetModuleState();
    context_.buildCount = 0;
    context_.blockSize = graphBlock_;
    int n = graphBuilder_ ? graphBuilder_(*this) : 0;
    bool complete = n >= 0 && n <= kMaxModules;
    for (int i = 0; complete && i < n; ++i)
        complete = context_.modules[i] != nullptr;
    if (!complete) {
        // A graph with a missing module is not run half-wired: it stays silent.
        int built = context_.buildCount < kMaxModules ? context_.buildCount : kMaxModules;
        deleteModules(n > built && n <= kMaxModules ? n : built);
        n = 0;
    }
    ++graphBuilds_;
    return n;
}

void QX_DSP_VST::resume() {
    lastController_.store(-1);
    if (rate_ < 200) deriveRate(44100);
    if (tablesPendingRebuild_ || tables_.rate != rate_) {
        tables_.build(rate_);
        tablesPendingRebuild_ = false;
    }
    int block = block_ < 1 ? 1 : block_;
    if (graphBuilt_ && block == graphBlock_ && rate_ == graphRate_) {
        for (int i = 0; i < moduleCount(); ++i)
            if (QX_ModuleBase* m = context_.modules[i]) m->Resume();
        ++plainResumes_;
        busy_.store(0);
        return;
    }
    graphBlock_ = block;
    graphRate_ = rate_;
    blockDuration_ = static_cast<float>(graphBlock_) * 1000.0f / static_cast<float>(rate_);
    destroyGraph();
    running_.store(-1);
    settleMarker_ = -1;
    ringPosition_ = 0;
    for (float*& ring : inputRings_) {
        freeAlignedFloats(ring);
        ring = allocateAlignedFloats(static_cast<size_t>(bufferFloats(graphBlock_)));
    }
    int n = buildGraph();
    graphBuilt_ = true;
    for (int i = 0; i < n; ++i)
        context_.modules[i]->Prepare();
    moduleCount_.store(n, std::memory_order_release);
    drainPendingParameters();
    setEngineValue(kBlockDurationValue, blockDuration_, false);
    for (int i = 0; i < kNumEngineValues; ++i)
        sendEngineValue(context_.clock, i, kProgramLoadTag, roundTenfold(engineValues_[i]),
                        engineValues_[i]);
    busy_.store(0);
}

void QX_DSP_VST::processReplacing(float** inputs, float** outputs, int32_t frames) {
    if (!outputs || frames <= 0) return;
    float* outL = outputs[0];
    float* outR = outputs[1];
    int n = moduleCount_.load(std::memory_order_acquire);
    DenormalGuard guard;
    readHostTime();
    drainPendingParameters();
    takeProgramRequest();
    if (n == 0) {
        if (outL) std::memset(outL, 0, sizeof(float) * static_cast<size_t>(frames));
        if (outR) std::memset(outR, 0, sizeof(float) * static_cast<size_t>(frames));
        return;
    }
    QX_ModuleBase* last = context_.modules[n - 1];
    const float* mixL = last->GetOutput(0);
    const float* mixR = last->GetOutput(1);
    const float* inL = inputs ? inputs[0] : nullptr;
    const float* inR = inputs ? inputs[1] : nullptr;
    const uint32_t block = static_cast<uint32_t>(graphBlock_);
    int32_t done = 0;
    bool faulty = false;
    while (done < frames) {
        uint32_t chunk = static_cast<uint32_t>(frames - done);
        if (chunk > kMaxChunk) chunk = kMaxChunk;
        if (ringPosition_ + chunk > block) chunk = block - ringPosition_;
        // Inputs are copied before outputs are written, so in-place host buffers stay right.
        for (uint32_t i = 0; i < chunk; ++i) {
            float l = inL ? inL[done + i] : 0.0f;
            float r = inR ? inR[done + i] : 0.0f;
            inputRings_[0][ringPosition_ + i] = std::isfinite(l) ? l : 0.0f;
            inputRings_[1][ringPosition_ + i] = std::isfinite(r) ? r : 0.0f;
        }
        processChunk(context_, n, static_cast<int>(ringPosition_), static_cast<int>(chunk));
        for (uint32_t i = 0; i < chunk; ++i) {
            float l = mixL ? mixL[ringPosition_ + i] : 0.0f;
            float r = mixR ? mixR[ringPosition_ + i] : 0.0f;
            bool finite = std::isfinite(l) && std::isfinite(r);
            faulty =
                faulty || !finite || std::fabs(l) > kRunawayLevel || std::fabs(r) > kRunawayLevel;
            if (outL) outL[done + i] = OutputCeiling::apply(l); // never a NaN to the host
            if (outR) outR[done + i] = OutputCeiling::apply(r);
        }
        done += static_cast<int32_t>(chunk);
        ringPosition_ += chunk;
        context_.clock += chunk;
        context_.programSettling = false;
        running_.store(0, std::memory_order_relaxed);
        settleMarker_ = 0;
        if (ringPosition_ >= block) ringPosition_ = 0;
    }
    if (faulty) recoverFromFault(outL, outR, frames);
    runProgramFade(outL, outR, frames);
    checkMpeSwitch();
}

// Something in the graph went non-finite or ran away: this block is silenced, every module is
// reset as on a program change and the notes are stopped, so the next block starts clean.
void QX_DSP_VST::recoverFromFault(float* left, float* right, int32_t frames) {
    if (left) std::memset(left, 0, sizeof(float) * static_cast<size_t>(frames));
    if (right) std::memset(right, 0, sizeof(float) * static_cast<size_t>(frames));
    guardTrips_.fetch_add(1, std::memory_order_relaxed);
    for (int i = 0; i < moduleCount(); ++i)
        if (QX_ModuleBase* m = context_.modules[i]) m->Reset();
    postAllNotesOff();
}

// No time information, an invalid or unusable tempo: 120 BPM, transport stopped.
void QX_DSP_VST::readHostTime() {
    hostTempo_ = 120.0;
    hostPlaying_ = false;
    if (!hasHost()) return;
    intptr_t answer = callHost(vst::audioMasterGetTime, 0, vst::kVstTempoValid, nullptr, 0.0f);
    const auto* info = reinterpret_cast<const vst::VstTimeInfo*>(answer);
    if (!info) return;
    hostPlaying_ = (info->flags & vst::kVstTransportPlaying) != 0;
    double bpm = info->tempo;
    if ((info->flags & vst::kVstTempoValid) && std::isfinite(bpm) && bpm > 0.0)
        hostTempo_ = bpm > 999.0 ? 999.0 : bpm;
}

// A program load the host side asked for: at once while nothing has sounded yet, otherwise
// through the fade (out, load at silence, in). A request during the fade-in turns it round.
void QX_DSP_VST::takeProgramRequest() {
    uint32_t request = programRequest_.load(std::memory_order_acquire);
    if (request == programApplied_) return;
    int state = fadeState_.load(std::memory_order_relaxed);
    if (running_.load(std::memory_order_relaxed) != 0) {
        programApplied_ = request;
        applyLiveProgram(context_.clock);
        fadeState_.store(0, std::memory_order_relaxed);
        fadeLevel_ = 1.0f;
    } else if (state == 0) {
        fadeStep_ = 1000.0f / (kFadeMs * static_cast<float>(rate_));
        fadeLevel_ = 1.0f;
        fadeState_.store(1, std::memory_order_relaxed);
    } else if (state == 2) {
        postAllNotesOff();
        fadeState_.store(1, std::memory_order_relaxed);
    }
}

void QX_DSP_VST::runProgramFade(float* left, float* right, int32_t frames) {
    int state = fadeState_.load(std::memory_order_relaxed);
    if (state == 0) return;
    if (state == 1 && fadeLevel_ == 1.0f) {
        // The block after the request passes unchanged; the notes are told to stop.
        fadeLevel_ -= fadeStep_;
        postAllNotesOff();
        return;
    }
    float level = fadeLevel_;
    float step = state == 1 ? -fadeStep_ : fadeStep_;
    for (int32_t i = 0; i < frames; ++i) {
        level += step;
        if (level < 0.0f) level = 0.0f;
        if (level > 1.0f) level = 1.0f;
        if (left) left[i] *= level;
        if (right) right[i] *= level;
    }
    fadeLevel_ = level;
    if (state == 1 && level == 0.0f) {
        programApplied_ = programRequest_.load(std::memory_order_acquire);
        applyLiveProgram(context_.clock);
        fadeState_.store(2, std::memory_order_relaxed);
    } else if (state == 2 && level == 1.0f) {
        fadeState_.store(0, std::memory_order_relaxed);
    }
}

void QX_DSP_VST::postAllNotesOff() {
    sendEngineValue(0, kMidiInputValue, 0, static_cast<int32_t>(kAllNotesOff),
                    static_cast<float>(kAllNotesOff));
}

void QX_DSP_VST::checkMpeSwitch() {
    int active = mpeActive_.load(std::memory_order_relaxed);
    if (active == mpeSeen_) return;
    // The first block only learns the state: releasing then would cut off its first notes.
    if (mpeSeen_ >= 0) postAllNotesOff();
    mpeSeen_ = active;
    for (int i = kMpeBendFirst; i < kMpePressureFirst; ++i)
        applyParameterAt(context_.clock, i, 0.5f);
    for (int i = kMpePressureFirst; i <= kMpeLast; ++i)
        applyParameterAt(context_.clock, i, 0.0f);
}

// ---- parameters -------------------------------------------------------------------------

uint8_t* QX_DSP_VST::storageRecord(int index) {
    if (shared_->parameters.isGlobal(index)) return bank_;
    return recordOf(liveProgram_);
}

float QX_DSP_VST::storeLive(int index, float value) {
    value = quantiseNormalised(value, shared_->parameters.steps[index]);
    if (index < kNumParams) liveValue_[index].store(value, std::memory_order_relaxed);
    return value;
}

// Any thread. The value becomes the parameter's current value at once (getParameter and
// getChunk see it); the modules get it at the audio thread's next block, from a slot that
// coalesces repeated changes, so no queue is shared across threads.
void QX_DSP_VST::setParameter(int32_t index, float value) {
    if (index < 0 || index >= kNumEngineValues || !bank_) return;
    if (index != kPresetNameValue)
        value = storeLive(index, value);
    else if (!std::isfinite(value))
        return;
    pendingValue_[index].store(value, std::memory_order_relaxed);
    pendingDirty_[index / 32].fetch_or(1u << (index % 32), std::memory_order_release);
}

void QX_DSP_VST::drainPendingParameters() {
    for (int w = 0; w < static_cast<int>(std::size(pendingDirty_)); ++w) {
        uint32_t bits = pendingDirty_[w].exchange(0, std::memory_order_acquire);
        while (bits) {
            int b = __builtin_ctz(bits);
            bits &= bits - 1;
            int index = w * 32 + b;
            applyEngineSide(context_.clock, index,
                            pendingValue_[index].load(std::memory_order_relaxed));
        }
    }
}

void QX_DSP_VST::applyParameterAt(uint64_t time, int32_t index, float value) {
    if (index < 0 || index >= kNumEngineValues || !bank_) return;
    if (index != kPresetNameValue) value = storeLive(index, value);
    applyEngineSide(time, index, value);
}

void QX_DSP_VST::applyEngineSide(uint64_t time, int index, float value, int tag) {
    if (index == kPresetNameValue) {
        float v = std::isfinite(value) ? value : 0.0f;
        sendEngineValue(time, index, tag,
                        static_cast<int32_t>(std::fmax(-2e9f, std::fmin(2e9f, v))), v);
        return;
    }
    const ParameterLookup& lookup = shared_->parameters;
    float units =
        lookup.row[index] ? engineUnits(lookup.rowOf(index), lookup.taper[index], value) : 0.0f;
    engineValues_[index] = units;
    noteEngineField(index, roundTenfold(units));
    sendEngineValue(time, index, tag, roundTenfold(units), units);
}

void QX_DSP_VST::setParameterAutomated(int32_t index, float value) {
    setParameter(index, value);
    if (index >= 0 && index < kNumParams)
        callHost(vst::audioMasterAutomate, index, 0, nullptr, getParameter(index));
}

float QX_DSP_VST::getParameter(int32_t index) {
    return parameterValue(index);
}

float QX_DSP_VST::parameterValue(int index) const {
    if (index < 0 || index >= kNumParams || !bank_) return 0.0f;
    return liveValue_[index].load(std::memory_order_relaxed);
}

void QX_DSP_VST::getParameterName(int32_t index, char* text) {
    if (!text) return;
    if (index < 0 || index >= kNumParams) {
        vst::copyString(text, "z-", 20);
        return;
    }
    const char* name = shared_->parameters.rowOf(index).name;
    vst::copyString(text, name ? name : "z|", 20);
}

void QX_DSP_VST::getParameterDisplay(int32_t index, char* text) {
    if (!text) return;
    text[0] = 0;
    if (index < 0 || index >= kNumParams || !bank_) return;
    const ParameterLookup& lookup = shared_->parameters;
    const LayoutRecord& row = lookup.rowOf(index);
    float v = liveValue_[index].load(std::memory_order_relaxed);
    float tapered = taper_forward(v, lookup.taper[index]);
    if (isOptionKind(row.kind)) {
        int n = lookup.steps[index];
        if (n == 0) return;
        // Rounded like the quantiser, so a stored option always shows its own text.
        int k = static_cast<int>(std::floor((n - 1) * v + 0.5f));
        if (k >= 0 && k < n && optionItem(row.options, k, text, vst::kMaxParamStrLen)) return;
    } else if (isTextDisplayKind(row.kind)) {
        uint8_t slot = lookup.slot[index];
        if (slot != 255) {
            std::lock_guard<std::mutex> lock(bankMutex_);
            uint8_t* rec = (slot & 128) ? bank_ : recordOf(liveProgram_);
            vst::copyString(text, stringSlot(rec, slot & 127), vst::kMaxParamStrLen);
            return;
        }
    } else if (row.kind == 55 || row.kind == 56) {
        return;
    }
    formatParameterNumber(row.min + (row.max - row.min) * tapered, text);
}

bool QX_DSP_VST::canParameterBeAutomated(int32_t index) {
    return index >= 0 && index < kNumAutomatable;
}

void QX_DSP_VST::setEngineValue(int32_t index, float value, bool dispatch) {
    if (index < 0 || index >= kNumEngineValues || !bank_) return;
    const ParameterLookup& lookup = shared_->parameters;
    const LayoutRecord& row = lookup.rowOf(index);
    float x = 0.0f;
    if (lookup.row[index] && row.engineMax != row.engineMin) {
        x = (value * 10.0f - row.engineMin) / (row.engineMax - row.engineMin);
        if (!(x > 0.0f)) x = 0.0f;
        if (x > 1.0f) x = 1.0f;
    }
    float normalised = taper_inverse(x, lookup.taper[index]);
    engineValues_[index] = std::isfinite(value) ? value : 0.0f;
    if (index < kNumParams) liveValue_[index].store(normalised, std::memory_order_relaxed);
    if (dispatch)
        sendEngineValue(0, index, 0, roundTenfold(engineValues_[index]), engineValues_[index]);
}

void QX_DSP_VST::sendEngineValue(uint64_t time, int32_t index, int32_t tag, int32_t intValue,
                                 float floatValue) {
    if (index < 0 || index >= kNumEngineValues) return;
    for (const ParamRoute& r : routes_[index]) {
        int count = r.voiceCount ? r.voiceCount : 1;
        int stride = r.voiceCount ? r.voiceStride : 0;
        for (int v = 0; v < count; ++v) {
            int m = r.module + v * stride;
            if (m >= kMaxModules) break;
            if (QX_ModuleBase* mod = context_.modules[m])
                mod->PostEvent(time, r.input, tag, intValue, floatValue, &engineValues_[index]);
        }
    }
}

void QX_DSP_VST::addParameterRoute(QX_ModuleBase* module, int moduleIndex, int engineValue,
                                   int input, int voiceCount, int voiceStride, int voiceNumber) {
    if (!module || engineValue < 0 || engineValue >= kNumEngineValues || moduleIndex < 0 ||
        moduleIndex >= kMaxModules || input < 0 || input >= kModulePorts)
        return;
    module->SetInput(input, &engineValues_[engineValue]);
    module->setInputKind(input, InputKind::Parameter);
    if (voiceCount != 0 && voiceNumber != 0) return; // voice 0's route serves the whole group
    routes_[engineValue].push_back({static_cast<uint16_t>(moduleIndex),
                                    static_cast<uint16_t>(input), static_cast<uint16_t>(voiceCount),
                                    static_cast<uint16_t>(voiceStride)});
}

void QX_DSP_VST::notifyEditor(int32_t index, const void*) {
    // The editor reads names and pictures itself when it takes the notice on its own thread.
    if (index < 0 || index >= kNumEngineValues) return;
    editorNoticeDirty_[index / 32].fetch_or(1u << (index % 32), std::memory_order_release);
}

void QX_DSP_VST::postEditorValue(int32_t tag, float value) {
    if (tag < 0 || tag >= kNumEngineValues) return;
    editorValue_[tag].store(value, std::memory_order_relaxed);
    editorValueDirty_[tag / 32].fetch_or(1u << (tag % 32), std::memory_order_release);
}

bool QX_DSP_VST::takeEditorValue(int32_t tag, float& value) {
    if (tag < 0 || tag >= kNumEngineValues) return false;
    uint32_t bit = 1u << (tag % 32);
    if (!(editorValueDirty_[tag / 32].fetch_and(~bit, std::memory_order_acquire) & bit))
        return false;
    value = editorValue_[tag].load(std::memory_order_relaxed);
    return true;
}

bool QX_DSP_VST::takeEditorNotice(int32_t tag) {
    if (tag < 0 || tag >= kNumEngineValues) return false;
    uint32_t bit = 1u << (tag % 32);
    return (editorNoticeDirty_[tag / 32].fetch_and(~bit, std::memory_order_acquire) & bit) != 0;
}

// ---- programs ---------------------------------------------------------------------------

void QX_DSP_VST::syncLiveValues() {
    for (int i = 0; i < kNumParams; ++i)
        writeValue(storageRecord(i), i, liveValue_[i].load(std::memory_order_relaxed));
}

void QX_DSP_VST::refreshLearnMirror() {
    for (int i = 0; i < kNumParams; ++i)
        learnMirror_[i].store(readLearn(bank_, i), std::memory_order_relaxed);
}

// The record is upgraded and its values quantised in place, then become the live values. The
// modules get them straight away while no audio can run, else from the audio thread's next
// block (through the fade once something has sounded).
void QX_DSP_VST::loadProgramLocked(int32_t program, bool keepEdits) {
    if (program < 0 || program >= kNumPrograms || !bank_) return;
    if (keepEdits) syncLiveValues(); // else the records were just replaced: the edits are gone
    liveProgram_ = program;
    curProgram_ = program;
    uint8_t* rec = recordOf(program);
    upgradeRecord(rec, shared_->parameters);
    for (int i = 0; i < kNumParams; ++i) {
        uint8_t* home = storageRecord(i);
        float v = quantiseNormalised(readValue(home, i), shared_->parameters.steps[i]);
        writeValue(home, i, v);
        liveValue_[i].store(v, std::memory_order_relaxed);
    }
    if (busy_.load() == -1) {
        programApplied_ = programRequest_.fetch_add(1, std::memory_order_acq_rel) + 1;
        applyLiveProgram(context_.clock);
    } else {
        programRequest_.fetch_add(1, std::memory_order_release);
    }
    notifyEditor(kProgramLoadedSignal, nullptr);
    notifyEditor(kPresetNameValue, programName(rec));
}

void QX_DSP_VST::applyLiveProgram(uint64_t time) {
    loading_.store(-1);
    settleMarker_ = -1;
    int previousBusy = busy_.exchange(0);
    context_.programSettling = true; // cleared when the first chunk after the load has run
    for (int i = 0; i < moduleCount(); ++i)
        if (QX_ModuleBase* m = context_.modules[i]) m->Reset();
    for (int i = 0; i < kNumParams; ++i)
        applyEngineSide(time, i, liveValue_[i].load(std::memory_order_relaxed), kProgramLoadTag);
    busy_.store(previousBusy);
    loading_.store(0);
}

void QX_DSP_VST::loadProgram(int32_t program) {
    std::lock_guard<std::mutex> lock(bankMutex_);
    loadProgramLocked(program, true);
}

void QX_DSP_VST::setProgram(int32_t program) {
    if (program < 0 || program >= kNumPrograms || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    selectedProgram_.store(program);
    loadProgramLocked(program, true);
}

void QX_DSP_VST::nextProgram() {
    if (selectedProgram_.load() < kNumPrograms - 1) setProgram(selectedProgram_.load() + 1);
}

void QX_DSP_VST::previousProgram() {
    if (selectedProgram_.load() > 0) setProgram(selectedProgram_.load() - 1);
}

void QX_DSP_VST::getProgramName(char* text) {
    if (!text) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    vst::copyString(text, getCurrentProgramName(), vst::kMaxProgNameLen);
}

void QX_DSP_VST::setProgramName(const char* text) {
    if (!text || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    char* name = programName(recordOf(selectedProgram_.load()));
    std::memset(name, 0, record::kNameSize);
    vst::copyString(name, text, vst::kMaxProgNameLen);
    notifyEditor(kProgramLoadedSignal, nullptr);
    notifyEditor(kPresetNameValue, name);
}

bool QX_DSP_VST::getProgramNameIndexed(int32_t, int32_t index, char* text) {
    if (!text || index < 0 || index >= kNumPrograms || !bank_) return false;
    std::lock_guard<std::mutex> lock(bankMutex_);
    vst::copyString(text, programName(recordOf(index)), vst::kMaxProgNameLen);
    return true;
}

const char* QX_DSP_VST::getCurrentProgramName() {
    return getProgramNamePointer(selectedProgram_.load());
}

const char* QX_DSP_VST::getProgramNamePointer(int32_t program) {
    if (program < 0 || program >= kNumPrograms || !bank_) return "";
    return programName(recordOf(program));
}

// ---- host chunks ------------------------------------------------------------------------

void QX_DSP_VST::copyBank(uint8_t* dest) {
    if (!dest || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    std::memcpy(dest, bank_, kBankSize);
}

// A copy, not the live records: the host may read it while the engine goes on changing them.
int32_t QX_DSP_VST::getChunk(void** data, bool isPreset) {
    if (!data || !bank_) return 0;
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    if (isPreset) {
        std::memcpy(chunkSnapshot_, recordOf(selectedProgram_.load()), record::kSize);
        *data = chunkSnapshot_;
        return record::kSize;
    }
    std::memcpy(chunkSnapshot_, bank_, kBankSize);
    *data = chunkSnapshot_;
    return kBankSize;
}

// The size decides: one record replaces the selected program (keeping that record's first
// string slot, so the bank path survives), anything else overwrites the bank from its start.
int32_t QX_DSP_VST::setChunk(void* data, int32_t byteSize, bool) {
    if (!data || byteSize <= 0 || !bank_) return 0;
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    const int selected = selectedProgram_.load();
    if (byteSize == record::kSize) {
        uint8_t* rec = recordOf(selected);
        char keptSlot[record::kStringSlotSize];
        std::memcpy(keptSlot, stringSlot(rec, 0), sizeof keptSlot);
        std::memmove(rec, data, record::kSize);
        std::memcpy(stringSlot(rec, 0), keptSlot, sizeof keptSlot);
    } else {
        std::memmove(bank_, data,
                     byteSize < kBankSize ? static_cast<size_t>(byteSize)
                                          : static_cast<size_t>(kBankSize));
    }
    normaliseBank(bank_);
    refreshLearnMirror();
    loadProgramLocked(selected, false);
    return byteSize;
}

// ---- strings, blocks, MIDI learn ----------------------------------------------------------

namespace {
// Slot argument: low 7 bits pick the slot; bit 7 (or a negative value) means the global copy.
bool isGlobalSlot(int32_t slot) {
    return (slot & 128) || slot < 0;
}
} // namespace

void QX_DSP_VST::setStringSlot(const char* text, int32_t slot) {
    if (!text || !bank_) return;
    int index = slot & 127;
    if (index >= record::kStringSlotCount) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    char* dest = stringSlot(isGlobalSlot(slot) ? bank_ : recordOf(liveProgram_), index);
    std::memset(dest, 0, record::kStringSlotSize);
    vst::copyString(dest, text, record::kStringSlotSize - 1);
}

void QX_DSP_VST::getStringSlot(char* text, int32_t slot) {
    if (!text || !bank_) return;
    int index = slot & 127;
    if (index >= record::kStringSlotCount) {
        text[0] = 0;
        return;
    }
    std::lock_guard<std::mutex> lock(bankMutex_);
    uint8_t* rec = isGlobalSlot(slot) ? bank_ : recordOf(liveProgram_);
    vst::copyString(text, stringSlot(rec, index), record::kStringSlotSize - 1);
}

uint8_t* QX_DSP_VST::getDataBlock(int32_t blockIndex, int32_t size) {
    if (!bank_) return nullptr;
    uint8_t* rec = recordOf(liveProgram_);
    // Short blocks 0..2 (2 is the first half-kilobyte of the long block); long block 0 only.
    if (size == record::kShortBlockSize && blockIndex >= 0 && blockIndex <= 2)
        return rec + record::kShortBlocks + record::kShortBlockSize * blockIndex;
    if (size == record::kLongBlockSize && blockIndex == 0) return rec + record::kLongBlock;
    return nullptr;
}

void QX_DSP_VST::storeShortBlock(const void* source, int32_t blockIndex, int32_t byteCount) {
    uint8_t* dest = getDataBlock(blockIndex, record::kShortBlockSize);
    if (!dest || !source || byteCount <= 0) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    std::memcpy(dest, source,
                static_cast<size_t>(byteCount < record::kShortBlockSize ? byteCount
                                                                        : record::kShortBlockSize));
}

void QX_DSP_VST::storeLongBlock(const void* source, int32_t blockIndex, int32_t byteCount) {
    uint8_t* dest = getDataBlock(blockIndex, record::kLongBlockSize);
    if (!dest || !source || byteCount <= 0) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    std::memcpy(dest, source,
                static_cast<size_t>(byteCount < record::kLongBlockSize ? byteCount
                                                                       : record::kLongBlockSize));
}

void QX_DSP_VST::setMidiLearn(int32_t parameter, uint16_t code) {
    if (parameter < 0 || parameter >= kNumParams || !bank_) return;
    std::lock_guard<std::mutex> lock(bankMutex_);
    for (int p = 0; p < kNumPrograms; ++p)
        writeLearn(recordOf(p), parameter, code);
    learnMirror_[parameter].store(code, std::memory_order_relaxed);
}

uint32_t QX_DSP_VST::getMidiLearn(int32_t parameter) {
    if (parameter < 0 || parameter >= kNumParams || !bank_) return 0xFFFFFFFFu;
    return learnedCode(parameter);
}

// ---- files ------------------------------------------------------------------------------

namespace {
// The bank path goes into the global "BankFile" slot only when it fits whole.
void storeBankPath(uint8_t* bank, const char* path) {
    size_t n = std::strlen(path);
    if (n >= record::kStringSlotSize) return;
    char* slot = stringSlot(bank, 0);
    std::memset(slot, 0, record::kStringSlotSize);
    std::memcpy(slot, path, n);
}
} // namespace

int QX_DSP_VST::loadBankFile(const char* path) {
    if (!path || !bank_) return kFileRefused;
    std::unique_ptr<uint8_t[]> staged(new (std::nothrow) uint8_t[kBankSize]);
    if (!staged || readBankFile(path, staged.get()) != kFileRead) return kFileRefused;
    std::lock_guard<std::mutex> lock(bankMutex_);
    std::memcpy(bank_, staged.get(), kBankSize);
    storeBankPath(bank_, path);
    refreshLearnMirror();
    loadProgramLocked(selectedProgram_.load(), false);
    return kFileRead;
}

bool QX_DSP_VST::saveBankFile(const char* path) {
    if (!path || !bank_) return false;
    std::unique_ptr<uint8_t[]> image(new (std::nothrow) uint8_t[kBankSize]);
    if (!image) return false;
    copyBank(image.get());
    if (!writeBankFile(path, image.get())) return false;
    std::lock_guard<std::mutex> lock(bankMutex_);
    storeBankPath(bank_, path);
    return true;
}

int QX_DSP_VST::loadProgramFile(const char* path) {
    if (!path || !bank_) return kFileRefused;
    uint8_t staged[record::kSize];
    if (readProgramFile(path, staged) != kFileRead) return kFileRefused;
    std::lock_guard<std::mutex> lock(bankMutex_);
    syncLiveValues();
    const int selected = selectedProgram_.load();
    uint8_t* rec = recordOf(selected);
    std::memcpy(staged + record::kStringSlots, stringSlot(rec, 0), record::kStringSlotSize);
    std::memcpy(rec, staged, record::kSize);
    // Program 0 carries the map every program uses; into any other program the file's map is
    // not taken, so all records keep one map.
    if (selected == 0)
        copyMidiLearnFromFirst(bank_);
    else
        std::memcpy(rec + record::kMidiLearn, bank_ + record::kMidiLearn, kMidiLearnBlockSize);
    refreshLearnMirror();
    loadProgramLocked(selected, false);
    return kFileRead;
}

bool QX_DSP_VST::saveProgramFile(const char* path) {
    if (!path || !bank_) return false;
    uint8_t rec[record::kSize];
    {
        std::lock_guard<std::mutex> lock(bankMutex_);
        syncLiveValues();
        std::memcpy(rec, recordOf(selectedProgram_.load()), record::kSize);
    }
    return writeProgramFile(path, rec);
}

int QX_DSP_VST::loadMidiLearnFile(const char* path) {
    if (!path || !bank_) return kFileRefused;
    uint8_t block[kMidiLearnBlockSize];
    if (readMidiLearnFile(path, block) != kFileRead) return kFileRefused;
    std::lock_guard<std::mutex> lock(bankMutex_);
    std::memcpy(bank_ + record::kMidiLearn, block, sizeof block);
    copyMidiLearnFromFirst(bank_);
    refreshLearnMirror();
    return kFileRead;
}

bool QX_DSP_VST::saveMidiLearnFile(const char* path) {
    if (!path || !bank_) return false;
    uint8_t block[kMidiLearnBlockSize];
    {
        std::lock_guard<std::mutex> lock(bankMutex_);
        std::memcpy(block, bank_ + record::kMidiLearn, sizeof block);
    }
    return writeMidiLearnFile(path, block);
}

int QX_DSP_VST::loadSectionFile(int section, const char* path) {
    if (!path || !bank_ || section < 0 || section >= kSectionCount) return kFileRefused;
    auto values = std::make_unique<SectionValues>();
    if (readSectionFile(path, section, shared_->parameters, *values) != kSectionRead)
        return kFileRefused;
    // Engine, host and controls follow each value; fields missing from a short file stay.
    for (int k = 0; k < values->count; ++k) {
        int param = values->entries[k] & kSectionParamMask;
        if (param >= kNumParams) continue;
        if (values->entries[k] & kSectionTextBit) {
            uint8_t slot = shared_->parameters.slot[param];
            if (slot != 255) setStringSlot(values->texts[k], slot);
        } else {
            setParameterAutomated(param, values->values[k]);
        }
    }
    return kSectionRead;
}

bool QX_DSP_VST::saveSectionFile(int section, const char* path) {
    if (!path || !bank_ || section < 0 || section >= kSectionCount) return false;
    float values[kNumParams];
    for (int i = 0; i < kNumParams; ++i)
        values[i] = liveValue_[i].load(std::memory_order_relaxed);
    return writeSectionFile(path, section, values);
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
