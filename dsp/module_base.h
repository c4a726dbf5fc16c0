// The contract every DSP module follows: buffers, inputs, routes, and a sample-accurate
// queue of time-stamped events drawn from a pool that is allocated before audio runs.
#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>

class QX_DSP_VST;

namespace tarlix {

// A value from an event or an input, or `fallback` when it is NaN or infinite.
inline float finiteOr(float v, float fallback) {
    return std::isfinite(v) ? v : fallback;
}

constexpr int kMaxModules = 1400;
constexpr int kModulePorts = 64;
constexpr int kBindingSlots = 48;
constexpr int kMaxChunk = 128;

// Status word bits, one word per module index.
constexpr uint32_t kStatusAsleep = 1;
constexpr uint32_t kStatusHeld = 2;

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

// Fixed set of event records with a free list; used only on the thread that runs the graph.
// When it runs dry the new event is dropped and counted.
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
    EventRecord* free_ = nullptr;
    int capacity_;
    int inUse_ = 0;
    uint64_t dropped_ = 0;
};

class QX_ModuleBase;

// What the modules share with the engine that runs them.
struct ModuleContext {
    QX_ModuleBase* modules[kMaxModules] = {};
    uint32_t status[kMaxModules];
    EventRecord* oldest[kMaxModules] = {};
    int buildCount = 0; // modules constructed so far in the current build
    uint64_t clock = 1; // engine sample clock at the start of the current chunk
    int blockSize = kMaxChunk;
    EventPool* pool = nullptr;
    QX_DSP_VST* engine = nullptr;

    ModuleContext();
    void resetModuleState(); // all status words 3, no pending events
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

float* allocateAlignedFloats(size_t count); // 16-byte aligned, zeroed
void freeAlignedFloats(float* p);

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
    virtual void FastRelease() {}
    virtual void SetBlockSize(int n) { blockSize = n; }
    virtual void Process(int offset, int count);
    virtual void HandleEvent(const EventRecord&, int) {}
    virtual float* GetOutput(int index) const;
    virtual void PostEvent(uint64_t time, int port, int tag, int32_t intValue, float floatValue,
                           const void* data);
    virtual void SendEvent(uint64_t time, int output, int tag, int32_t intValue, float floatValue,
                           const void* data);
    virtual void Connect(QX_ModuleBase* destination, int destinationIndex, int output,
                         int destinationInput, int voiceCount, int voiceStride, int voiceNumber);
    virtual void OnOutputConnected(int) {}
    virtual void SetInput(int index, const float* pointer);
    virtual void BindParameter(int slot, int parameter, int tag);
    // Voice allocators: a voice's module input fed by one of the allocator's per-voice outputs.
    virtual void ConnectVoiceOutput(QX_ModuleBase*, int /*output*/, int /*input*/, int /*voice*/) {}
    // Voice collectors: input `input` sums output `output` of module `sourceIndex` of every
    // voice (voices `modulesPerVoice` apart) of the group that `head` allocates.
    virtual void AttachVoiceGroup(QX_ModuleBase* /*head*/, int /*sourceIndex*/, int /*voiceCount*/,
                                  int /*modulesPerVoice*/, int /*output*/, int /*input*/) {}
    virtual void Reset() {}
    void SetIdleRoutine(Routine r) { idleRoutine = r; }

    uint32_t status() const;
    void setStatus(uint32_t s);
    bool hasPendingEvents() const;
    int routeCount(int output) const;

    float* outputs[kModulePorts] = {};
    const float* inputs[kModulePorts] = {};
    uint16_t paramSlot[kBindingSlots] = {};
    uint8_t paramTag[kBindingSlots] = {};
    QX_ModuleBase* inputSource[kModulePorts] = {};
    RouteRecord* routes[kModulePorts] = {};
    EventRecord* eventList = nullptr; // newest first
    ModuleContext* context;
    uint64_t now;
    int blockSize;
    int moduleCode = -1;
    int moduleIndex;
    int voice = 0;
    Routine idleRoutine = &QX_ModuleBase::Sleep;
    Routine renderRoutine = &QX_ModuleBase::Render;

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
    // Whole number on input k: a parameter carries an option index x 0.1, a constant the
    // number itself; the fallback when unwired, fed by a module, or not finite.
    int wholeInput(int k, int fallback) const;
    // The engine's sample rate and samples per millisecond (44100 without an engine).
    double sampleRate() const;
    double samplesPerMs() const;
    void callRender(int offset, int count) { (this->*renderRoutine)(offset, count); }

  private:
    void freeEvents();
    float* outputBlock_ = nullptr;
};

} // namespace tarlix
