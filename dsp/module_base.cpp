#include "dsp/module_base.h"

#include "engine/qx_dsp_vst.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

namespace tarlix {

EventPool::EventPool(int capacity) : capacity_(capacity) {
    records_ = new EventRecord[capacity];
    for (int i = capacity - 1; i >= 0; --i) {
        records_[i].newer = free_;
        free_ = &records_[i];
    }
}

EventPool::~EventPool() {
    delete[] records_;
}

EventRecord* EventPool::take() {
    EventRecord* e = free_;
    if (!e) {
        ++dropped_;
        return nullptr;
    }
    free_ = e->newer;
    ++inUse_;
    return e;
}

void EventPool::give(EventRecord* e) {
    e->newer = free_;
    free_ = e;
    --inUse_;
}

ModuleContext::ModuleContext() {
    resetModuleState();
}

void ModuleContext::resetModuleState() {
    for (int i = 0; i < kMaxModules; ++i) {
        status[i] = kStatusAsleep | kStatusHeld;
        oldest[i] = nullptr;
        modules[i] = nullptr;
    }
}

float* allocateAlignedFloats(size_t count) {
    size_t bytes = ((count * sizeof(float) + 15) / 16) * 16;
    if (bytes == 0) bytes = 16;
    void* p = std::aligned_alloc(16, bytes);
    if (p) std::memset(p, 0, bytes);
    return static_cast<float*>(p);
}

void freeAlignedFloats(float* p) {
    std::free(p);
}

QX_ModuleBase::QX_ModuleBase(ModuleContext* ctx, bool createdHeld)
    : context(ctx), now(ctx->clock), blockSize(ctx->blockSize), moduleIndex(ctx->buildCount) {
    if (moduleIndex >= 0 && moduleIndex < kMaxModules) {
        ctx->status[moduleIndex] = createdHeld ? kStatusHeld : 0;
        ctx->oldest[moduleIndex] = nullptr;
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
        context->status[moduleIndex] = kStatusAsleep | kStatusHeld;
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
    if (moduleIndex >= 0 && moduleIndex < kMaxModules) context->oldest[moduleIndex] = nullptr;
}

uint32_t QX_ModuleBase::status() const {
    return (moduleIndex >= 0 && moduleIndex < kMaxModules) ? context->status[moduleIndex]
                                                           : kStatusAsleep | kStatusHeld;
}

void QX_ModuleBase::setStatus(uint32_t s) {
    if (moduleIndex >= 0 && moduleIndex < kMaxModules) context->status[moduleIndex] = s;
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
    if (!outputBlock_) return;
    for (int i = 0; i < count; ++i)
        outputs[i] = outputBlock_ + static_cast<size_t>(per) * i;
}

int QX_ModuleBase::wholeInput(int k, int fallback) const {
    const float* p = inputs[k];
    if (!p || inputSource[k]) return fallback;
    const QX_DSP_VST* e = context->engine;
    const bool parameter =
        e && p >= e->engineValueAddress(0) && p < e->engineValueAddress(0) + kNumEngineValues;
    const double x = parameter ? static_cast<double>(p[0]) * 10.0 : p[0];
    return std::isfinite(x) && std::fabs(x) < 1e9 ? static_cast<int>(std::lround(x)) : fallback;
}

double QX_ModuleBase::sampleRate() const {
    return context->engine ? static_cast<double>(context->engine->sampleRateInt()) : 44100.0;
}

double QX_ModuleBase::samplesPerMs() const {
    return context->engine ? static_cast<double>(context->engine->samplesPerMs()) : 44.1;
}

float* QX_ModuleBase::GetOutput(int index) const {
    return (index >= 0 && index < kModulePorts) ? outputs[index] : nullptr;
}

void QX_ModuleBase::SetInput(int index, const float* pointer) {
    if (index >= 0 && index < kModulePorts) inputs[index] = pointer;
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
    if (!at && moduleIndex >= 0 && moduleIndex < kMaxModules) context->oldest[moduleIndex] = e;
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
}

int QX_ModuleBase::routeCount(int output) const {
    int n = 0;
    if (output >= 0 && output < kModulePorts)
        for (RouteRecord* r = routes[output]; r; r = r->next)
            ++n;
    return n;
}

void QX_ModuleBase::Process(int offset, int count) {
    now = context->clock;
    EventRecord*& oldest = context->oldest[moduleIndex];
    while (oldest) {
        EventRecord* e = oldest;
        if (e->time >= now + static_cast<uint64_t>(count)) break; // a later chunk's event
        // Unlink the oldest.
        oldest = e->newer;
        if (oldest)
            oldest->older = nullptr;
        else
            eventList = nullptr;
        // Signed gap: an event stamped in the past is applied at the current offset.
        int64_t gap = static_cast<int64_t>(e->time - now);
        if (e->time < now) gap = 0;
        if (gap > 0) {
            if (status() == 0) callRender(offset, static_cast<int>(gap));
            now += static_cast<uint64_t>(gap);
            offset += static_cast<int>(gap);
            count -= static_cast<int>(gap);
        }
        setStatus(status() & ~kStatusAsleep); // an event wakes the module
        HandleEvent(*e, offset);
        context->pool->give(e);
    }
    if (count > 0 && status() == 0) callRender(offset, count);
}

} // namespace tarlix
