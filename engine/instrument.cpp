#include "engine/instrument.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <pmmintrin.h>
#include <xmmintrin.h>

#include "common/tags.h"
#include "dsp/gain_stages.h"
#include "dsp/midi_word.h"
#include "dsp/shapers.h"
#include "engine/parameter_table.h"

namespace tarlix {

namespace {
// The graph's last module is the master level: its outputs are the instrument's.
constexpr int kMixLeft = QX_DSP_ST_Level::kOutLeft, kMixRight = QX_DSP_ST_Level::kOutRight;
constexpr float kFadeMs = 21.0f;
// Far above any musical level (+36 dBFS): only a broken recursion gets there.
constexpr float kRunawayLevel = 64.0f;

// Flush denormals to zero while the graph runs; the host's own mode is restored afterwards.
class DenormalGuard {
  public:
    DenormalGuard() : saved_(_mm_getcsr()) {
        _mm_setcsr(saved_ | _MM_FLUSH_ZERO_ON | _MM_DENORMALS_ZERO_ON);
    }
    ~DenormalGuard() { _mm_setcsr(saved_); }

  private:
    unsigned saved_;
};
} // namespace

Instrument::Instrument(const SharedTables& shared, int sampleRate)
    : shared_(shared), graphBuilder_(buildInstrumentGraph) {
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
    deriveRate(sampleRate);
    tables_.build(rate_);
}

Instrument::~Instrument() {
    destroyGraph();
    for (float*& ring : inputRings_) {
        freeAlignedFloats(ring);
        ring = nullptr;
    }
}

void Instrument::deriveRate(int rate) {
    rate_ = rate;
    samplesPerMs_ = static_cast<float>(rate) * 0.001f;
}

void Instrument::setSampleRate(int rate) {
    deriveRate(rate);
    if (rate_ != tables_.rate) {
        // Tables the audio thread reads are rebuilt only while it is stopped.
        if (busy_.load() != 0)
            tables_.build(rate_);
        else
            tablesPendingRebuild_ = true;
    }
}

void Instrument::setBlockSize(int32_t size) {
    hostBlock_ = size;
    // Takes effect at the next resume, where the buffers are sized for it.
    block_ = size < 1 ? 1 : (size > kMaxChunk ? kMaxChunk : size);
}

void Instrument::suspend() {
    busy_.store(-1);
    for (int i = 0; i < moduleCount(); ++i)
        if (QX_ModuleBase* m = context_.modules[i]) m->Suspend();
    context_.clock = 1;
    ringPosition_ = 0;
    running_.store(-1);
    // A fade that can no longer finish: the requested program is loaded now.
    if (fadeState_.load() != ProgramFade::None || programRequest_.load() != programApplied_) {
        fadeState_.store(ProgramFade::None);
        fadeLevel_ = 1.0f;
        programApplied_ = programRequest_.load(std::memory_order_acquire);
        applyLiveProgram(context_.clock);
    }
}

void Instrument::deleteModules(int count) {
    for (int i = count - 1; i >= 0; --i) {
        delete context_.modules[i];
        context_.modules[i] = nullptr;
    }
    for (auto& list : routes_)
        list.clear();
    context_.resetModuleState();
}

void Instrument::destroyGraph() {
    int n = moduleCount_.exchange(0, std::memory_order_acq_rel);
    for (int i = n - 1; i >= 0; --i)
        if (QX_ModuleBase* m = context_.modules[i]) m->Release();
    deleteModules(n);
}

int Instrument::buildGraph() {
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

void Instrument::resume() {
    lastController_.store(-1);
    if (rate_ < 200) deriveRate(44100);
    if (tablesPendingRebuild_ || tables_.rate != rate_) {
        tables_.build(rate_);
        tablesPendingRebuild_ = false;
    }
    // The graph always runs on the engine's own 128-sample grid: the host's block size only
    // decides where a chunk is cut, so every timing counted in blocks is the same at any size.
    const int block = kMaxChunk;
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
    setEngineValue(tag::kBlockDuration, blockDuration_, false);
    for (int i = 0; i < kNumEngineValues; ++i)
        sendEngineValue(context_.clock, i, kProgramLoadTag, roundTenfold(engineValues_[i]),
                        engineValues_[i]);
    busy_.store(0);
}

void Instrument::process(float** inputs, float** outputs, int32_t frames) {
    if (!outputs || frames <= 0) return;
    float* outL = outputs[0];
    float* outR = outputs[1];
    int n = moduleCount_.load(std::memory_order_acquire);
    DenormalGuard guard;
    drainPendingParameters();
    takeProgramRequest();
    if (n == 0) {
        if (outL) std::memset(outL, 0, sizeof(float) * static_cast<size_t>(frames));
        if (outR) std::memset(outR, 0, sizeof(float) * static_cast<size_t>(frames));
        return;
    }
    QX_ModuleBase* last = context_.modules[n - 1];
    const float* mixL = last->GetOutput(kMixLeft);
    const float* mixR = last->GetOutput(kMixRight);
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
void Instrument::recoverFromFault(float* left, float* right, int32_t frames) {
    if (left) std::memset(left, 0, sizeof(float) * static_cast<size_t>(frames));
    if (right) std::memset(right, 0, sizeof(float) * static_cast<size_t>(frames));
    guardTrips_.fetch_add(1, std::memory_order_relaxed);
    for (int i = 0; i < moduleCount(); ++i)
        if (QX_ModuleBase* m = context_.modules[i]) m->Reset();
    postAllNotesOff();
}

// A program load the host side asked for: at once while nothing has sounded yet, otherwise
// through the fade (out, load at silence, in). A request during the fade-in turns it round.
void Instrument::takeProgramRequest() {
    uint32_t request = programRequest_.load(std::memory_order_acquire);
    if (request == programApplied_) return;
    const ProgramFade state = fadeState_.load(std::memory_order_relaxed);
    if (running_.load(std::memory_order_relaxed) != 0) {
        programApplied_ = request;
        applyLiveProgram(context_.clock);
        fadeState_.store(ProgramFade::None, std::memory_order_relaxed);
        fadeLevel_ = 1.0f;
    } else if (state == ProgramFade::None) {
        fadeStep_ = 1000.0f / (kFadeMs * static_cast<float>(rate_));
        fadeLevel_ = 1.0f;
        fadeState_.store(ProgramFade::FadingOut, std::memory_order_relaxed);
    } else if (state == ProgramFade::FadingIn) {
        postAllNotesOff();
        fadeState_.store(ProgramFade::FadingOut, std::memory_order_relaxed);
    }
}

void Instrument::runProgramFade(float* left, float* right, int32_t frames) {
    const ProgramFade state = fadeState_.load(std::memory_order_relaxed);
    if (state == ProgramFade::None) return;
    if (state == ProgramFade::FadingOut && fadeLevel_ == 1.0f) {
        // The block after the request passes unchanged; the notes are told to stop.
        fadeLevel_ -= fadeStep_;
        postAllNotesOff();
        return;
    }
    float level = fadeLevel_;
    float step = state == ProgramFade::FadingOut ? -fadeStep_ : fadeStep_;
    for (int32_t i = 0; i < frames; ++i) {
        level += step;
        if (level < 0.0f) level = 0.0f;
        if (level > 1.0f) level = 1.0f;
        if (left) left[i] *= level;
        if (right) right[i] *= level;
    }
    fadeLevel_ = level;
    if (state == ProgramFade::FadingOut && level == 0.0f) {
        programApplied_ = programRequest_.load(std::memory_order_acquire);
        applyLiveProgram(context_.clock);
        fadeState_.store(ProgramFade::FadingIn, std::memory_order_relaxed);
    } else if (state == ProgramFade::FadingIn && level == 1.0f) {
        fadeState_.store(ProgramFade::None, std::memory_order_relaxed);
    }
}

void Instrument::postAllNotesOff() {
    sendEngineValue(0, tag::kMidiInput, 0, static_cast<int32_t>(midiword::kAllNotesOff),
                    static_cast<float>(midiword::kAllNotesOff));
}

void Instrument::checkMpeSwitch() {
    int active = mpeActive_.load(std::memory_order_relaxed);
    if (active == mpeSeen_) return;
    // The first block only learns the state: releasing then would cut off its first notes.
    if (mpeSeen_ >= 0) postAllNotesOff();
    mpeSeen_ = active;
    // Bends back to centre, pressure and CC74 to zero on every member channel.
    for (int ch = 1; ch <= tag::kMpeMemberChannels; ++ch)
        applyParameterAt(context_.clock, tag::mpeBend(ch), 0.5f);
    for (int ch = 1; ch <= tag::kMpeMemberChannels; ++ch)
        applyParameterAt(context_.clock, tag::mpeAft(ch), 0.0f);
    for (int ch = 1; ch <= tag::kMpeMemberChannels; ++ch)
        applyParameterAt(context_.clock, tag::mpeCc74(ch), 0.0f);
}

float Instrument::storeLive(int index, float value) {
    value = quantiseNormalised(value, shared_.parameters.steps[index]);
    if (index < kNumParams) liveValue_[index].store(value, std::memory_order_relaxed);
    return value;
}

// Any thread. The value becomes the parameter's current value at once (getParameter and
// getChunk see it); the modules get it at the audio thread's next block, from a slot that
// coalesces repeated changes, so no queue is shared across threads.
void Instrument::setParameter(int32_t index, float value) {
    if (index < 0 || index >= kNumEngineValues) return;
    if (index != tag::kPresetName)
        value = storeLive(index, value);
    else if (!std::isfinite(value))
        return;
    pendingValue_[index].store(value, std::memory_order_relaxed);
    pendingDirty_[index / 32].fetch_or(1u << (index % 32), std::memory_order_release);
}

void Instrument::drainPendingParameters() {
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

void Instrument::applyParameterAt(uint64_t time, int32_t index, float value) {
    if (index < 0 || index >= kNumEngineValues) return;
    if (index != tag::kPresetName) value = storeLive(index, value);
    applyEngineSide(time, index, value);
}

void Instrument::applyEngineSide(uint64_t time, int index, float value, int tag) {
    if (index == tag::kPresetName) {
        float v = std::isfinite(value) ? value : 0.0f;
        sendEngineValue(time, index, tag,
                        static_cast<int32_t>(std::fmax(-2e9f, std::fmin(2e9f, v))), v);
        return;
    }
    const ParameterLookup& lookup = shared_.parameters;
    float units =
        lookup.row[index] ? engineUnits(lookup.rowOf(index), lookup.taper[index], value) : 0.0f;
    engineValues_[index] = units;
    noteEngineField(index, roundTenfold(units));
    sendEngineValue(time, index, tag, roundTenfold(units), units);
}

float Instrument::parameterValue(int index) const {
    if (index < 0 || index >= kNumParams) return 0.0f;
    return liveValue_[index].load(std::memory_order_relaxed);
}

void Instrument::setEngineValue(int32_t index, float value, bool dispatch) {
    if (index < 0 || index >= kNumEngineValues) return;
    const ParameterLookup& lookup = shared_.parameters;
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

void Instrument::sendEngineValue(uint64_t time, int32_t index, int32_t tag, int32_t intValue,
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

void Instrument::addParameterRoute(QX_ModuleBase* module, int moduleIndex, int engineValue,
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

void Instrument::notifyEditor(int32_t index, const void*) {
    // The editor reads names and pictures itself when it takes the notice on its own thread.
    if (index < 0 || index >= kNumEngineValues) return;
    editorNoticeDirty_[index / 32].fetch_or(1u << (index % 32), std::memory_order_release);
}

void Instrument::postEditorValue(int32_t tag, float value) {
    if (tag < 0 || tag >= kNumEngineValues) return;
    editorValue_[tag].store(value, std::memory_order_relaxed);
    editorValueDirty_[tag / 32].fetch_or(1u << (tag % 32), std::memory_order_release);
}

bool Instrument::takeEditorValue(int32_t tag, float& value) {
    if (tag < 0 || tag >= kNumEngineValues) return false;
    uint32_t bit = 1u << (tag % 32);
    if (!(editorValueDirty_[tag / 32].fetch_and(~bit, std::memory_order_acquire) & bit))
        return false;
    value = editorValue_[tag].load(std::memory_order_relaxed);
    return true;
}

bool Instrument::takeEditorNotice(int32_t tag) {
    if (tag < 0 || tag >= kNumEngineValues) return false;
    uint32_t bit = 1u << (tag % 32);
    return (editorNoticeDirty_[tag / 32].fetch_and(~bit, std::memory_order_acquire) & bit) != 0;
}

void Instrument::startProgram(const float (&values)[kNumParams]) {
    for (int i = 0; i < kNumParams; ++i)
        liveValue_[i].store(values[i], std::memory_order_relaxed);
    if (busy_.load() == -1) {
        programApplied_ = programRequest_.fetch_add(1, std::memory_order_acq_rel) + 1;
        applyLiveProgram(context_.clock);
    } else {
        programRequest_.fetch_add(1, std::memory_order_release);
    }
}

void Instrument::applyLiveProgram(uint64_t time) {
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

} // namespace tarlix
