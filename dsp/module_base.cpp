#include "dsp/module_base.h"

#include "dsp/module_host.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarlix {

EventPool::EventPool(int capacity) : capacity_(capacity > 0 ? capacity : 0) {
    records_ = new EventRecord[static_cast<size_t>(capacity_)];
    free_ = new EventRecord*[static_cast<size_t>(capacity_)];
    // Lowest address on top: a fresh burst of events fills the records in order.
    for (int i = 0; i < capacity_; ++i)
        free_[i] = &records_[capacity_ - 1 - i];
    freeCount_ = capacity_;
}

EventPool::~EventPool() {
    delete[] free_;
    delete[] records_;
}

EventRecord* EventPool::take() {
    if (freeCount_ == 0) {
        ++dropped_;
        return nullptr;
    }
    ++inUse_;
    return free_[--freeCount_];
}

void EventPool::give(EventRecord* e) {
    free_[freeCount_++] = e;
    --inUse_;
}

ModuleContext::ModuleContext() {
    resetModuleState();
}

void ModuleContext::resetModuleState() {
    for (int i = 0; i < kMaxModules; ++i) {
        setStatus(i, kStatusAsleep | kStatusHeld);
        setPending(i, false);
        oldest[i] = nullptr;
        modules[i] = nullptr;
        objectBytes[i] = 0;
    }
}

constexpr std::align_val_t kFloatAlignment{16};

float* allocateAlignedFloats(size_t count) {
    size_t bytes = ((count * sizeof(float) + 15) / 16) * 16;
    if (bytes == 0) bytes = 16;
    // Aligned operator new: std::aligned_alloc is missing from some C run-times (Windows).
    void* p = ::operator new(bytes, kFloatAlignment, std::nothrow);
    if (p) std::memset(p, 0, bytes);
    return static_cast<float*>(p);
}

void freeAlignedFloats(float* p) {
    ::operator delete(p, kFloatAlignment);
}

QX_ModuleBase::QX_ModuleBase(ModuleContext* ctx, bool createdHeld)
    : context(ctx), now(ctx->clock), moduleIndex(ctx->buildCount), blockSize(ctx->blockSize) {
    if (moduleIndex >= 0 && moduleIndex < kMaxModules) {
        ctx->setStatus(moduleIndex, createdHeld ? kStatusHeld : 0);
        ctx->setPending(moduleIndex, false);
        ctx->oldest[moduleIndex] = nullptr;
        ctx->objectBytes[moduleIndex] = 0;
    }
}

QX_ModuleBase::~QX_ModuleBase() {
    freeEvents();
    for (RouteRecord*& head : routes) {
        while (head) {
            RouteRecord* next = head->next;
            delete head;
            head = next;
        }
    }
    freeAlignedFloats(outputBlock_);
    // A later empty entry at this index must not be processed.
    if (moduleIndex >= 0 && moduleIndex < kMaxModules) {
        context->setStatus(moduleIndex, kStatusAsleep | kStatusHeld);
        context->setPending(moduleIndex, false);
        context->oldest[moduleIndex] = nullptr;
        if (context->modules[moduleIndex] == this) context->modules[moduleIndex] = nullptr;
    }
}

void QX_ModuleBase::freeEvents() {
    while (eventList) {
        EventRecord* older = eventList->older;
        context->pool->give(eventList);
        eventList = older;
    }
    if (moduleIndex >= 0 && moduleIndex < kMaxModules) {
        context->oldest[moduleIndex] = nullptr;
        context->setPending(moduleIndex, false);
    }
}

void QX_ModuleBase::setStatus(uint32_t s) {
    if (moduleIndex >= 0 && moduleIndex < kMaxModules) context->setStatus(moduleIndex, s);
}

bool QX_ModuleBase::hasPendingEvents() const {
    return eventList != nullptr;
}

void QX_ModuleBase::Sleep(int, int) {
    setStatus(status() | kStatusAsleep);
}
void QX_ModuleBase::Hold() {
    setStatus(status() | kStatusHeld);
}

void QX_ModuleBase::allocateOutputs(int count) {
    if (count <= 0 || count > kModulePorts) return;
    int per = bufferFloats(blockSize);
    outputBlock_ = allocateAlignedFloats(static_cast<size_t>(per) * count);
    outputsMissing_ = outputBlock_ == nullptr;
    if (!outputBlock_) return;
    outputCount_ = count;
    for (int i = 0; i < count; ++i)
        outputs[i] = outputBlock_ + static_cast<size_t>(per) * i;
}

bool QX_ModuleBase::sourceVaries(int k) const {
    const QX_ModuleBase* source = inputs[k] ? inputSource[k] : nullptr;
    if (!source) return false;
    if (!(source->status() & kStatusAsleep)) return true;
    const int j = source->moduleIndex;
    return j >= 0 && j < kMaxModules && context->processed[j] + 2 * kMaxChunk > context->gridStart;
}

void QX_ModuleBase::sleepWatching(int, int) {
    sleptAt_ = context->gridStart;
    quietSleep_ = false;
    if (watchStale_) collectWatched();
    if (watchedCount_ < 0) return; // too many to watch: stay awake
    setStatus(status() | kStatusAsleep | kStatusWatching);
}

// The distinct source modules to watch, gathered once: the wiring is fixed while the graph runs.
void QX_ModuleBase::collectWatched() {
    watchStale_ = false;
    watchedCount_ = 0;
    for (int k = 0; k < kModulePorts; ++k) {
        const QX_ModuleBase* source = inputs[k] ? inputSource[k] : nullptr;
        if (!source || source->moduleIndex < 0 || source->moduleIndex >= kMaxModules) continue;
        const auto j = static_cast<uint16_t>(source->moduleIndex);
        bool seen = false;
        for (int w = 0; w < watchedCount_ && !seen; ++w)
            seen = watched_[w] == j;
        if (seen) continue;
        if (watchedCount_ == kMaxWatched) {
            watchedCount_ = -1;
            return;
        }
        watched_[watchedCount_++] = j;
    }
}

void QX_ModuleBase::setAudioPorts(std::initializer_list<int> ports) {
    audioPortCount_ = 0;
    for (int k : ports)
        if (k >= 0 && k < kModulePorts && audioPortCount_ < 8)
            audioPorts_[audioPortCount_++] = static_cast<uint8_t>(k);
}

namespace {
// The largest magnitude across [from, to); a NaN counts as infinitely loud. Four samples at a
// time: the check runs on every awake stage with audio ports, every chunk.
float peakOf(const float* p, int from, int to) {
    float peak = 0.0f;
    int i = from;
#if defined(__SSE2__)
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    __m128 peak4 = _mm_setzero_ps(), nan4 = _mm_setzero_ps();
    for (; i + 4 <= to; i += 4) {
        const __m128 x = _mm_loadu_ps(p + i);
        nan4 = _mm_or_ps(nan4, _mm_cmpunord_ps(x, x));
        peak4 = _mm_max_ps(peak4, _mm_and_ps(x, magnitude));
    }
    if (_mm_movemask_ps(nan4)) return INFINITY;
    alignas(16) float lanes[4];
    _mm_store_ps(lanes, peak4);
    for (float a : lanes)
        peak = a > peak ? a : peak;
#endif
    for (; i < to; ++i) {
        const float a = std::fabs(p[i]);
        if (!(a <= peak)) peak = std::isnan(a) ? INFINITY : a;
    }
    return peak;
}

// Whether some sample of [from, to) is louder than `level` (a NaN counts as loud): the peak
// compared with the level, but stopping at the first loud group of samples, which for a
// sounding signal is the first.
bool louderThan(const float* p, int from, int to, float level) {
    constexpr int kGroup = 16;
    for (int i = from; i < to; i += kGroup) {
        const int end = to - i > kGroup ? i + kGroup : to;
        if (!(peakOf(p, i, end) <= level)) return true;
    }
    return false;
}
} // namespace

bool QX_ModuleBase::portLouderThan(int k, int offset, int count, float level) const {
    const float* p = inputs[k];
    if (!p) return !(0.0f <= level);
    const QX_ModuleBase* source = inputSource[k];
    if (!source) return louderThan(p, 0, 1, level);
    if (source->status() & kStatusAsleep) return louderThan(p, offset, offset + 1, level);
    return louderThan(p, offset, offset + count, level);
}

float QX_ModuleBase::portPeak(int k, int offset, int count) const {
    const float* p = inputs[k];
    if (!p) return 0.0f;
    const QX_ModuleBase* source = inputSource[k];
    if (!source) return peakOf(p, 0, 1);
    if (source->status() & kStatusAsleep) return peakOf(p, offset, offset + 1);
    return peakOf(p, offset, offset + count);
}

float QX_ModuleBase::audioPeak(int offset, int count) const {
    float peak = 0.0f;
    for (int j = 0; j < audioPortCount_; ++j) {
        const float a = portPeak(audioPorts_[j], offset, count);
        peak = a > peak ? a : peak;
    }
    return peak;
}

void QX_ModuleBase::sleepQuiet() {
    // The outputs are zeroed when the next cell starts: stages after this one read this cell's
    // samples as rendered, whether they ran the cell whole or in the pieces a host cut.
    silenceDue_ = true;
    sleptAt_ = context->gridStart;
    quietSleep_ = true;
    setStatus(status() | kStatusAsleep | kStatusWatching);
}

bool QX_ModuleBase::quietLongerThan(int offset, int count, int memory) {
    // Judged once per grid cell, at its end and over all of it (the buffers hold the whole cell
    // by then), so the runs count the same whatever blocks the host cuts; a cell split by an
    // event is judged whole, not by its first part. One pass per signal: a sounding input
    // settles it at its first samples, no quiet run, no silent run.
    if (offset + count != chunkEnd_ || chunkEnd_ != blockSize) return false;
    const int length = blockSize;
    bool loud = (status() & kStatusAsleep) != 0;
    for (int j = 0; !loud && j < audioPortCount_; ++j)
        loud = portLouderThan(audioPorts_[j], 0, length, kQuietLevel);
    float peak = loud ? INFINITY : audioPeak(0, length);
    for (int o = 0; peak <= kQuietLevel && o < outputCount_; ++o) {
        const float a = peakOf(outputs[o], 0, length);
        peak = a > peak ? a : peak;
    }
    quietRun_ = peak <= kQuietLevel ? quietRun_ + length : 0;
    silentRun_ = peak == 0.0f ? silentRun_ + length : 0;
    if (quietRun_ <= memory) return false;
    // Sleeping zeroes this chunk's output and clears the memory. Faint sound in or out may be a
    // note's first samples, so wait until the memory has been silent, not just quiet; a faint
    // tail that never reaches silence is dropped after a second.
    if (silentRun_ <= memory && quietRun_ <= memory + static_cast<int64_t>(sampleRate()))
        return false;
    silentRun_ = 0;
    quietRun_ = 0;
    return true;
}

bool QX_ModuleBase::clearWhenSilent(int offset, int count, int memory) {
    if (!quietLongerThan(offset, count, memory)) return false;
    // The memory is cleared with the outputs as the next cell starts (a reset may zero them).
    resetDue_ = true;
    sleepQuiet();
    return true;
}

void QX_ModuleBase::silenceOutputs() {
    silenceDue_ = false;
    if (resetDue_) {
        resetDue_ = false;
        Reset();
    }
    if (outputBlock_)
        std::memset(outputBlock_, 0,
                    sizeof(float) * static_cast<size_t>(bufferFloats(blockSize)) *
                        static_cast<size_t>(outputCount_));
}

bool QX_ModuleBase::sourcesChanged(int offset, int count) const {
    // Asleep since earlier in this grid cell: a whole cell would not look again before the next
    // one, so neither does a cell the host cut.
    if (sleptAt_ == context->gridStart) return false;
    if (quietSleep_) {
        // Any sound at all wakes the module, so a note's first samples are never lost.
        return audioPeak(offset, count) > 0.0f;
    }
    for (int w = 0; w < watchedCount_; ++w) {
        const int j = watched_[w];
        if (!(context->status[j] & kStatusAsleep) || context->processed[j] >= sleptAt_) return true;
    }
    return false;
}

int QX_ModuleBase::wakeSkip(int count) const {
    if (quietSleep_) return 0;
    const uint64_t start = context->clock;
    uint64_t first = start + static_cast<uint64_t>(count);
    for (int w = 0; w < watchedCount_; ++w) {
        const int j = watched_[w];
        const bool awake = !(context->status[j] & kStatusAsleep);
        if (!awake && context->processed[j] < sleptAt_) continue; // unchanged since
        // A source that has run since before this chunk: from the start. One that woke in this
        // chunk and slept again counts from the sample it woke at.
        if (context->awakeFrom[j] <= start) return 0;
        first = context->awakeFrom[j] < first ? context->awakeFrom[j] : first;
    }
    // Events of its own are due no later than they were stamped.
    if (const EventRecord* e = context->oldest[moduleIndex]; e && e->time < first)
        first = e->time > start ? e->time : start;
    return first > start ? static_cast<int>(first - start) : 0;
}

int QX_ModuleBase::wholeInput(int k, int fallback) const {
    const float* p = inputs[k];
    if (!p || inputSource[k]) return fallback;
    const double x =
        inputKinds_[k] == InputKind::Parameter ? static_cast<double>(p[0]) * 10.0 : p[0];
    return std::isfinite(x) && std::fabs(x) < 1e9 ? static_cast<int>(std::lround(x)) : fallback;
}

double QX_ModuleBase::sampleRate() const {
    return context->host ? static_cast<double>(context->host->sampleRateInt()) : 44100.0;
}

double QX_ModuleBase::samplesPerMs() const {
    return context->host ? static_cast<double>(context->host->samplesPerMs()) : 44.1;
}

float* QX_ModuleBase::GetOutput(int index) const {
    return (index >= 0 && index < kModulePorts) ? outputs[index] : nullptr;
}

void QX_ModuleBase::SetInput(int index, const float* pointer) {
    if (index < 0 || index >= kModulePorts) return;
    inputs[index] = pointer;
    inputKinds_[index] = pointer ? InputKind::Constant : InputKind::Unwired;
    watchStale_ = true;
}

void QX_ModuleBase::setInputKind(int index, InputKind kind) {
    if (index >= 0 && index < kModulePorts) inputKinds_[index] = kind;
}

void QX_ModuleBase::BindParameter(int slot, int parameter, int tag) {
    if (slot < 0 || slot >= kBindingSlots) return;
    paramSlot[slot] = static_cast<uint16_t>(parameter);
    paramTag[slot] = static_cast<uint8_t>(tag);
}

void QX_ModuleBase::PostEvent(uint64_t time, int port, int tag, int32_t intValue, float floatValue,
                              const void* data) {
    EventRecord* e = context->pool->take();
    if (!e) return; // pool dry: the event is lost, nothing else changes
    e->time = time;
    e->port = static_cast<uint16_t>(port);
    e->tag = static_cast<uint16_t>(tag);
    e->intValue = intValue;
    e->floatValue = floatValue;
    e->data = data;
    e->newer = e->older = nullptr;
    // Walk from the newest toward older ones; equal times keep their posting order.
    EventRecord* at = eventList;
    EventRecord* newerThanAt = nullptr;
    while (at && time < at->time) {
        newerThanAt = at;
        at = at->older;
    }
    e->older = at;
    e->newer = newerThanAt;
    if (at) at->newer = e;
    if (newerThanAt)
        newerThanAt->older = e;
    else
        eventList = e;
    if (!at && moduleIndex >= 0 && moduleIndex < kMaxModules) {
        context->oldest[moduleIndex] = e;
        context->setPending(moduleIndex, true);
    }
}

void QX_ModuleBase::SendEvent(uint64_t time, int output, int tag, int32_t intValue,
                              float floatValue, const void* data) {
    if (output < 0 || output >= kModulePorts) return;
    for (RouteRecord* r = routes[output]; r; r = r->next) {
        int count = r->voiceCount ? r->voiceCount : 1;
        int stride = r->voiceCount ? r->voiceStride : 0;
        for (int v = 0; v < count; ++v) {
            int index = r->destination + v * stride;
            if (index < 0 || index >= kMaxModules) break;
            QX_ModuleBase* m = context->modules[index];
            if (m) m->PostEvent(time, r->input, tag, intValue, floatValue, data);
        }
    }
}

void QX_ModuleBase::Connect(QX_ModuleBase* destination, int destinationIndex, int output,
                            int destinationInput, int voiceCount, int voiceStride,
                            int voiceNumber) {
    if (!destination || output < 0 || output >= kModulePorts || destinationInput < 0 ||
        destinationInput >= kModulePorts || destinationIndex < 0 || destinationIndex >= kMaxModules)
        return;
    destination->inputSource[destinationInput] = this;
    destination->watchStale_ = true;
    OnOutputConnected(output);
    // One route serves every voice: voices 1.. of a group add none.
    if (!(voiceCount != 0 && voiceNumber != 0)) {
        RouteRecord* r = new (std::nothrow) RouteRecord{
            static_cast<uint16_t>(destinationIndex), static_cast<uint16_t>(destinationInput),
            static_cast<uint16_t>(voiceCount), static_cast<uint16_t>(voiceStride), nullptr};
        if (r) {
            RouteRecord** tail = &routes[output];
            while (*tail)
                tail = &(*tail)->next;
            *tail = r;
        }
    }
    destination->SetInput(destinationInput, outputs[output]);
    destination->setInputKind(destinationInput, InputKind::Module);
}

int QX_ModuleBase::routeCount(int output) const {
    int n = 0;
    if (output >= 0 && output < kModulePorts)
        for (RouteRecord* r = routes[output]; r; r = r->next)
            ++n;
    return n;
}

void QX_ModuleBase::Process(int offset, int count, int skip) {
    now = context->clock;
    chunkEnd_ = offset + count;
    if (skip > 0 && skip < count) {
        now += static_cast<uint64_t>(skip);
        offset += skip;
        count -= skip;
    }
    // A cell's start, a wake within the chunk or an event handled below starts afresh.
    continuesCall_ = offset > 0 && skip == 0 && now == renderedTo_;
    EventRecord*& oldest = context->oldest[moduleIndex];
    while (oldest) {
        EventRecord* e = oldest;
        if (e->time >= now + static_cast<uint64_t>(count)) break; // a later chunk's event
        // Unlink the oldest.
        oldest = e->newer;
        if (oldest) {
            oldest->older = nullptr;
        } else {
            eventList = nullptr;
            context->setPending(moduleIndex, false);
        }
        // Signed gap: an event stamped in the past is applied at the current offset.
        int64_t gap = static_cast<int64_t>(e->time - now);
        if (e->time < now) gap = 0;
        if (gap > 0) {
            eventAhead_ = true;
            if (status() == 0) {
                callRender(offset, static_cast<int>(gap));
                renderedTo_ = now + static_cast<uint64_t>(gap);
            }
            eventAhead_ = false;
            now += static_cast<uint64_t>(gap);
            offset += static_cast<int>(gap);
            count -= static_cast<int>(gap);
        }
        // An event wakes the module, except from a quiet sleep: silence in gives silence out
        // whatever the event sets, and the engine wakes it when sound arrives.
        if (!(quietSleep_ && (status() & kStatusWatching))) {
            if (status() & kStatusAsleep) context->awakeFrom[moduleIndex] = now;
            setStatus(status() & ~(kStatusAsleep | kStatusWatching));
        }
        context->processed[moduleIndex] = context->gridStart;
        continuesCall_ = false;
        HandleEvent(*e, offset);
        context->pool->give(e);
    }
    if (count > 0 && status() == 0) {
        context->processed[moduleIndex] = context->gridStart;
        callRender(offset, count);
        renderedTo_ = now + static_cast<uint64_t>(count);
    }
}

void processChunk(ModuleContext& context, int moduleCount, int offset, int frames) {
    const int n = moduleCount;
    // The buffers are indexed by the position in the cell.
    context.gridStart = context.clock - static_cast<uint64_t>(offset);
    // Only the modules that are awake, watching or have events queued are visited.
    for (int m = context.nextToVisit(0, n); m < n; m = context.nextToVisit(m + 1, n)) {
        QX_ModuleBase* mod = context.modules[m];
        if (!mod) continue;
        // The modules are kilobytes apart: fetch the likely next one's visit fields while this
        // one runs (a module woken during the pass is simply not fetched ahead).
        const int ahead = context.nextToVisit(m + 1, n);
        if (ahead < n && context.modules[ahead]) {
            const char* next = reinterpret_cast<const char*>(context.modules[ahead]);
            const QX_ModuleBase* nextModule = context.modules[ahead];
            __builtin_prefetch(next);
            __builtin_prefetch(next + 64);
            // The first wired ports, and the class's own fields at the object's end.
            __builtin_prefetch(&nextModule->inputs[0]);
            __builtin_prefetch(&nextModule->inputSource[0]);
            if (const uint32_t bytes = context.objectBytes[ahead]) {
                __builtin_prefetch(next + bytes - 64);
                __builtin_prefetch(next + bytes - 128);
            }
            if (const EventRecord* e = context.oldest[ahead]) __builtin_prefetch(e);
        }
        int skip = 0;
        if (offset == 0 && mod->silenceDue()) mod->silenceOutputs();
        if (context.status[m] == (kStatusAsleep | kStatusWatching) &&
            mod->sourcesChanged(offset, frames)) {
            skip = mod->wakeSkip(frames);
            context.awakeFrom[m] = context.clock + static_cast<uint64_t>(skip);
            context.setStatus(m, 0);
        }
        // Released from hold later in this chunk (a voice's note): it starts at that sample.
        if (skip == 0 && context.awakeFrom[m] > context.clock &&
            context.awakeFrom[m] < context.clock + static_cast<uint64_t>(frames))
            skip = static_cast<int>(context.awakeFrom[m] - context.clock);
        if (context.status[m] == 0 || context.oldest[m]) mod->Process(offset, frames, skip);
    }
}

} // namespace tarlix
