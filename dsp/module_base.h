// The contract every DSP module follows: buffers, inputs, routes, and a sample-accurate
// queue of time-stamped events drawn from a pool that is allocated before audio runs.
#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace tarlix {

class ModuleHost;

// A value from an event or an input, or `fallback` when it is NaN or infinite.
inline float finiteOr(float v, float fallback) {
    return std::isfinite(v) ? v : fallback;
}

constexpr int kMaxModules = 1400;
constexpr int kModulePorts = 64;
constexpr int kBindingSlots = 48;
constexpr int kMaxChunk = 128;
// The tag of parameter events sent by a program load (buttons must not act on them).
constexpr int kProgramLoadTag = 0x4C44;

// Status word bits, one word per module index.
constexpr uint32_t kStatusAsleep = 1;
constexpr uint32_t kStatusHeld = 2;
// Asleep until a source module runs again (or, for a quiet sleep, until an audio input sounds):
// the engine asks such a module before each chunk whether to wake.
constexpr uint32_t kStatusWatching = 4;

// Below this an effect's input and output count as silence (about -120 dB); any sample above
// zero wakes it again.
constexpr float kQuietLevel = 1e-6f;

struct EventRecord {
    uint64_t time; // engine sample clock at which the event takes effect
    uint16_t port; // destination input, or an operation number agreed by sender and receiver
    uint16_t tag;
    int32_t intValue;
    float floatValue;
    const void* data;
    EventRecord* newer;
    EventRecord* older;
};

// Fixed set of event records with a stack of the free ones; used only on the thread that runs
// the graph. When it runs dry the new event is dropped and counted. The stack is an array, not a
// list threaded through the records: taking one never waits on reading a record, so a burst of
// events (a program load posts thousands) does not stall on one cache miss after another.
class EventPool {
  public:
    explicit EventPool(int capacity);
    ~EventPool();
    EventPool(const EventPool&) = delete;
    EventPool& operator=(const EventPool&) = delete;

    EventRecord* take();
    void give(EventRecord* e);
    int capacity() const { return capacity_; }
    int inUse() const { return inUse_; }
    uint64_t dropped() const { return dropped_; }

  private:
    EventRecord* records_;
    EventRecord** free_;
    int capacity_;
    int freeCount_ = 0;
    int inUse_ = 0;
    uint64_t dropped_ = 0;
};

class QX_ModuleBase;

// What the modules share with the engine that runs them.
struct ModuleContext {
    static constexpr int kWords = (kMaxModules + 63) / 64;

    QX_ModuleBase* modules[kMaxModules] = {};
    uint32_t status[kMaxModules]; // read freely, written through setStatus
    EventRecord* oldest[kMaxModules] = {};
    // Grid cell (its start on the clock) each module was last processed in: counted in cells, so
    // it reads the same whatever blocks the host cuts.
    uint64_t processed[kMaxModules] = {};
    uint64_t awakeFrom[kMaxModules] = {}; // sample clock at which each module last woke
    // Each module object's size (0 when its builder did not say): a class's own fields sit at
    // the object's end, behind the port arrays, and the pass fetches them ahead of a visit.
    uint32_t objectBytes[kMaxModules] = {};
    int buildCount = 0; // modules constructed so far in the current build
    uint64_t clock = 1; // engine sample clock at the start of the current chunk
    // Clock at the start of the grid cell the current chunk lies in: the graph runs on cells of
    // blockSize samples, and a host block only cuts chunks inside them.
    uint64_t gridStart = 1;
    bool programSettling = false; // the first chunk after a program load is running
    int blockSize = kMaxChunk;
    EventPool* pool = nullptr;
    ModuleHost* host = nullptr;

    ModuleContext();
    void resetModuleState(); // all status words 3, no pending events

    // A status word, and the bit that tells the engine the module must be visited: awake, or
    // asleep watching its sources.
    void setStatus(int m, uint32_t s) {
        status[m] = s;
        const uint64_t bit = uint64_t{1} << (m & 63);
        if (s == 0 || s == (kStatusAsleep | kStatusWatching))
            visit_[m >> 6] |= bit;
        else
            visit_[m >> 6] &= ~bit;
    }
    void setPending(int m, bool any) {
        const uint64_t bit = uint64_t{1} << (m & 63);
        if (any)
            pending_[m >> 6] |= bit;
        else
            pending_[m >> 6] &= ~bit;
    }
    // The first module at or after `from` that is awake, watching or has events queued; `end`
    // when there is none before it. Bits set during a pass are seen when the pass reaches them.
    int nextToVisit(int from, int end) const {
        int w = from >> 6;
        if (w >= kWords) return end;
        uint64_t bits = (visit_[w] | pending_[w]) & (~uint64_t{0} << (from & 63));
        while (!bits) {
            if (++w >= kWords || w * 64 >= end) return end;
            bits = visit_[w] | pending_[w];
        }
        const int m = w * 64 + __builtin_ctzll(bits);
        return m < end ? m : end;
    }

  private:
    uint64_t visit_[kWords] = {};
    uint64_t pending_[kWords] = {};
};

struct RouteRecord {
    uint16_t destination;
    uint16_t input;
    uint16_t voiceCount; // 0 = a single destination
    uint16_t voiceStride;
    RouteRecord* next;
};

// Floats per output buffer: whole groups of four with room for a render overrun.
inline int bufferFloats(int blockSize) {
    return ((blockSize + 8) / 4) * 4;
}

// One chunk of the graph (modules 0..moduleCount-1, samples offset..offset+frames-1 of their
// buffers): each module that is awake, watching sources that ran, or has events due is
// processed, in index order. Advances nothing: the caller moves the clock on.
void processChunk(ModuleContext& context, int moduleCount, int offset, int frames);

float* allocateAlignedFloats(size_t count); // 16-byte aligned, zeroed
void freeAlignedFloats(float* p);

// What feeds a module input, recorded when the input is wired.
enum class InputKind : uint8_t {
    Unwired,
    Module,    // a module's output buffer
    Parameter, // an engine value: options arrive as index x 0.1
    Constant   // a number of the patch table (or of a test)
};

class QX_ModuleBase {
  public:
    using Routine = void (QX_ModuleBase::*)(int offset, int count);

    QX_ModuleBase(ModuleContext* context, bool createdHeld);
    virtual ~QX_ModuleBase();
    QX_ModuleBase(const QX_ModuleBase&) = delete;
    QX_ModuleBase& operator=(const QX_ModuleBase&) = delete;

    virtual void OnDeferredMidi(uint64_t, uint32_t, float) {}
    virtual void Sleep(int offset = 0, int count = 0);
    virtual void Render(int offset, int count) { Sleep(offset, count); }
    virtual void Prepare() {}
    virtual void Release() {}
    virtual void Suspend() {}
    virtual void Resume() {}
    virtual void Hold();
    // False when the output buffers could not be allocated: such a module must not run.
    bool outputsReady() const { return !outputsMissing_; }
    // True while rendering the samples before an event due later in this chunk.
    bool eventAhead() const { return eventAhead_; }
    // True when this render call goes on from the sample the last one ended at only because the
    // host cut the grid cell there: no cell start, event or wake lies between. Work a module
    // does once per call (coefficients, times read from inputs) is kept from the last call, so
    // it is done at the same samples whatever blocks the host cuts.
    bool continuesCall() const { return continuesCall_; }
    virtual void FastRelease() {}
    virtual void SetBlockSize(int n) { blockSize = n; }
    // `skip` samples of the chunk pass before the module starts (it wakes within the chunk).
    virtual void Process(int offset, int count, int skip = 0);
    virtual void HandleEvent(const EventRecord&, int) {}
    virtual float* GetOutput(int index) const;
    virtual void PostEvent(uint64_t time, int port, int tag, int32_t intValue, float floatValue,
                           const void* data);
    virtual void SendEvent(uint64_t time, int output, int tag, int32_t intValue, float floatValue,
                           const void* data);
    virtual void Connect(QX_ModuleBase* destination, int destinationIndex, int output,
                         int destinationInput, int voiceCount, int voiceStride, int voiceNumber);
    virtual void OnOutputConnected(int) {}
    // Wires input `index` to a single value (a constant), or to nothing.
    virtual void SetInput(int index, const float* pointer);
    // Records what feeds input `index`; SetInput and Connect record it themselves.
    void setInputKind(int index, InputKind kind);
    InputKind inputKind(int index) const {
        return index >= 0 && index < kModulePorts ? inputKinds_[index] : InputKind::Unwired;
    }
    virtual void BindParameter(int slot, int parameter, int tag);
    // Voice allocators: a voice's module input fed by one of the allocator's per-voice outputs.
    virtual void ConnectVoiceOutput(QX_ModuleBase*, int /*output*/, int /*input*/, int /*voice*/) {}
    // Voice collectors: input `input` sums output `output` of module `sourceIndex` of every
    // voice (voices `modulesPerVoice` apart) of the group that `head` allocates.
    virtual void AttachVoiceGroup(QX_ModuleBase* /*head*/, int /*sourceIndex*/, int /*voiceCount*/,
                                  int /*modulesPerVoice*/, int /*output*/, int /*input*/) {}
    virtual void Reset() {}
    void SetIdleRoutine(Routine r) { idleRoutine = r; }

    // Inline: summers and levels ask it of each source every chunk.
    uint32_t status() const {
        return (moduleIndex >= 0 && moduleIndex < kMaxModules) ? context->status[moduleIndex]
                                                               : kStatusAsleep | kStatusHeld;
    }
    void setStatus(uint32_t s);
    // A quiet sleep began at the end of the last cell: the outputs are zeroed (and the memory
    // cleared) as the next starts.
    bool silenceDue() const { return silenceDue_; }
    void silenceOutputs();
    // For a module asleep while watching: whether this chunk must wake it (a source ran since it
    // slept, or, in a quiet sleep, an audio input carries sound).
    bool sourcesChanged(int offset, int count) const;
    // Woken by its sources in the chunk at `offset`: how many of the chunk's samples pass before
    // the first of them woke (0 when one ran from the chunk's start or the sleep was quiet), so
    // the module starts with them on the engine's clock, not where the host cut the chunk.
    int wakeSkip(int count) const;
    bool hasPendingEvents() const;
    int routeCount(int output) const;

    // The state every visit reads comes first, beside the vtable pointer: the engine touches
    // each awake or watching module every chunk, and the port arrays below span kilobytes.
    ModuleContext* context;
    uint64_t now;

  private:
    uint64_t sleptAt_ = 0; // the grid cell in which a watching sleep began

  public:
    int moduleIndex;
    int blockSize;

  private:
    int chunkEnd_ = -1;    // end of the chunk the engine is processing
    int watchedCount_ = 0; // -1: too many sources to watch
    bool quietSleep_ = false;
    bool silenceDue_ = false; // a quiet sleep's zeroing waits for the next cell
    bool resetDue_ = false;   // and so does the reset that clears its memory
    bool eventAhead_ = false;
    bool continuesCall_ = false;
    uint64_t renderedTo_ = 0; // the clock just past the last sample rendered

  public:
    int moduleCode = -1;
    int voice = 0;
    Routine renderRoutine = &QX_ModuleBase::Render;
    Routine idleRoutine = &QX_ModuleBase::Sleep;
    EventRecord* eventList = nullptr; // newest first

  private:
    static constexpr int kMaxWatched = 24;
    uint16_t watched_[kMaxWatched] = {};

  public:
    float* outputs[kModulePorts] = {};
    const float* inputs[kModulePorts] = {};
    uint16_t paramSlot[kBindingSlots] = {};
    uint8_t paramTag[kBindingSlots] = {};
    QX_ModuleBase* inputSource[kModulePorts] = {};
    RouteRecord* routes[kModulePorts] = {};

  protected:
    // Output buffers as one aligned block, output after output; freed by the base.
    void allocateOutputs(int count);
    // Input k at sample i: a module's buffer, or the single value behind the pointer (a
    // constant or a parameter); 0 when the input is not wired.
    float in(int k, int i) const {
        const float* p = inputs[k];
        return p ? (inputSource[k] ? p[i] : p[0]) : 0.0f;
    }
    // Input k reads a constant or a parameter (not a module): such an input sends no event,
    // so a module takes its value in Prepare.
    bool hasConstant(int k) const { return inputs[k] && !inputSource[k]; }
    // Input k across a call's samples as one buffer indexed from 0: a source's own, or its
    // single value (`unwired` when nothing is wired) copied into `scratch` (kMaxChunk floats),
    // so a per-sample loop reads plain arrays and vectorises.
    const float* span(int k, float unwired, float* scratch, int offset, int count) const {
        const float* p = inputs[k];
        if (p && inputSource[k]) return p + offset;
        const float v = p ? p[0] : unwired;
        for (int i = 0; i < count; ++i)
            scratch[i] = v;
        return scratch;
    }
    // Whole number on input k: a parameter carries an option index x 0.1, a constant the
    // number itself; the fallback when unwired, fed by a module, or not finite.
    int wholeInput(int k, int fallback) const;
    // The engine's sample rate and samples per millisecond (44100 without an engine).
    double sampleRate() const;
    double samplesPerMs() const;
    void callRender(int offset, int count) { (this->*renderRoutine)(offset, count); }

    // Input k is fed by a module that is awake or ran within the last two chunks: its buffer may
    // still change. A sleeping source holds one value across its whole buffer.
    bool sourceVaries(int k) const;
    // Sleep with the outputs as they are (each a constant across its buffer) until a source
    // module runs again.
    void sleepWatching(int offset, int count);
    // The inputs whose silence makes this module's output silent.
    void setAudioPorts(std::initializer_list<int> ports);
    // Zero every output across its whole buffer and sleep until an audio input sounds.
    void sleepQuiet();
    // At the end of a chunk: true once the audio inputs and every output have stayed quiet for
    // more than `memory` samples in a row (the module's memory holds nothing audible) and the
    // module is awake.
    bool quietLongerThan(int offset, int count, int memory);
    // For an effect with memory: once quietLongerThan holds, sleep quietly and clear the memory
    // (Reset) as the next cell starts; true if it did.
    bool clearWhenSilent(int offset, int count, int memory);

  private:
    void freeEvents();
    // The loudest sample of input k (a sleeping source's buffer is one value), and of every
    // audio input, across these samples.
    float portPeak(int k, int offset, int count) const;
    bool portLouderThan(int k, int offset, int count, float level) const;
    float audioPeak(int offset, int count) const;
    float* outputBlock_ = nullptr;
    int outputCount_ = 0;
    bool outputsMissing_ = false;
    int64_t quietRun_ = 0;   // samples in a row with quiet inputs and outputs
    int64_t silentRun_ = 0;  // samples in a row with silent (all zero) inputs and outputs
    bool watchStale_ = true; // the wiring changed since the list was gathered
    void collectWatched();
    InputKind inputKinds_[kModulePorts] = {};
    uint8_t audioPorts_[8] = {};
    int audioPortCount_ = 0;
};

} // namespace tarlix
