// Shared pieces of the module tests: a host that answers only the version, a small module host
// that runs a hand-built graph without a plug-in instance, a module that plays prepared
// signals into the module under test, one that records the events it is sent, and a rig that
// runs one module alone.
#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "dsp/module_base.h"
#include "dsp/module_host.h"
#include "host/vst_abi.h"

namespace moduletest {

inline intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

// Outputs 0 and 1 play two signals from the start of each play(); past their ends they hold
// `after`.
class Feeder : public tarlix::QX_ModuleBase {
  public:
    Feeder(tarlix::ModuleContext* c, bool held) : QX_ModuleBase(c, held) { allocateOutputs(2); }
    void Render(int offset, int count) override {
        for (int i = offset; i < offset + count; ++i, ++at)
            for (int k = 0; k < 2; ++k)
                outputs[k][i] = at < signal[k].size() ? signal[k][at] : after[k];
    }
    void play(std::vector<float> first, std::vector<float> second = {}) {
        signal[0] = std::move(first);
        signal[1] = std::move(second);
        at = 0;
    }
    std::vector<float> signal[2];
    float after[2] = {};
    size_t at = 0;
};

// Records every event sent to it: the input, the time and both values.
class EventRecorder : public tarlix::QX_ModuleBase {
  public:
    struct Heard {
        int port;
        uint64_t time;
        int32_t value;
        float floatValue;
    };
    EventRecorder(tarlix::ModuleContext* c, bool held) : QX_ModuleBase(c, held) {
        allocateOutputs(2);
    }
    void HandleEvent(const tarlix::EventRecord& e, int) override {
        heard.push_back({e.port, e.time, e.intValue, e.floatValue});
    }
    void Render(int, int) override {}
    // What arrived on one input, in order.
    std::vector<Heard> on(int port) const {
        std::vector<Heard> r;
        for (const Heard& h : heard)
            if (h.port == port) r.push_back(h);
        return r;
    }
    std::vector<Heard> heard;
};

// Runs a graph that a test builds by hand, the way the instrument runs its own: one engine
// block of ring buffers, chunks of at most kMaxChunk samples, the clock moving on per chunk.
// Parameters are plain values the test sets; editor values are counted.
class Bench : public tarlix::ModuleHost {
  public:
    using Builder = int (*)(Bench&);
    static constexpr int kParameters = 512;

    Bench() {
        context_.host = this;
        context_.pool = &pool_;
    }
    ~Bench() { destroyGraph(); }
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    void setGraphBuilder(Builder b) { builder_ = b; }
    void setSampleRate(float rate) { rate_ = static_cast<int>(rate); }
    void setBlockSize(int size) {
        block_ = size < 1 ? 1 : (size > tarlix::kMaxChunk ? tarlix::kMaxChunk : size);
    }
    // Builds the graph for the rate and block size and prepares its modules.
    void resume() {
        destroyGraph();
        tables_.build(rate_);
        for (auto& ring : rings_)
            ring.assign(static_cast<size_t>(tarlix::bufferFloats(block_)), 0.0f);
        ringPosition_ = 0;
        context_.resetModuleState();
        context_.buildCount = 0;
        context_.blockSize = block_;
        count_ = builder_ ? builder_(*this) : 0;
        for (int i = 0; i < count_; ++i)
            context_.modules[i]->Prepare();
    }
    // Inputs go to the audio input rings; outputs get the last module's outputs 0 and 1.
    void processReplacing(float** inputs, float** outputs, int frames) {
        int done = 0;
        while (done < frames && count_ > 0) {
            int chunk = frames - done;
            if (chunk > tarlix::kMaxChunk) chunk = tarlix::kMaxChunk;
            if (ringPosition_ + chunk > block_) chunk = block_ - ringPosition_;
            for (int c = 0; c < 2; ++c)
                for (int i = 0; i < chunk; ++i)
                    rings_[c][static_cast<size_t>(ringPosition_ + i)] =
                        inputs && inputs[c] ? inputs[c][done + i] : 0.0f;
            tarlix::processChunk(context_, count_, ringPosition_, chunk);
            tarlix::QX_ModuleBase* last = context_.modules[count_ - 1];
            for (int c = 0; c < 2 && outputs; ++c) {
                const float* o = last->GetOutput(c);
                if (outputs[c])
                    for (int i = 0; i < chunk; ++i)
                        outputs[c][done + i] = o ? o[ringPosition_ + i] : 0.0f;
            }
            done += chunk;
            ringPosition_ += chunk;
            context_.clock += static_cast<uint64_t>(chunk);
            context_.programSettling = false;
            if (ringPosition_ >= block_) ringPosition_ = 0;
        }
    }

    tarlix::ModuleContext& context() { return context_; }
    uint64_t clock() const { return context_.clock; }
    uint32_t ringPosition() const { return static_cast<uint32_t>(ringPosition_); }

    // The module host.
    int sampleRateInt() const override { return rate_; }
    float samplesPerMs() const override { return static_cast<float>(rate_) * 0.001f; }
    const tarlix::LookupTables& tables() const override { return tables_; }
    double hostTempo() const override { return tempo; }
    bool hostPlaying() const override { return playing; }
    const float* audioInputRing(int channel) const override { return rings_[channel & 1].data(); }
    int parameterCount() const override { return kParameters; }
    float parameterValue(int index) const override {
        return index >= 0 && index < kParameters ? parameters[index] : 0.0f;
    }
    void applyParameterAt(uint64_t, int32_t index, float value) override {
        if (index >= 0 && index < kParameters) parameters[index] = value;
    }
    void postEditorValue(int32_t, float) override {}
    tarlix::RandomSequence& random() override { return random_; }

    double tempo = 120.0;
    bool playing = false;
    float parameters[kParameters] = {};

  private:
    void destroyGraph() {
        for (int i = count_ - 1; i >= 0; --i)
            if (context_.modules[i]) context_.modules[i]->Release();
        for (int i = context_.buildCount - 1; i >= 0; --i) {
            delete context_.modules[i];
            context_.modules[i] = nullptr;
        }
        count_ = 0;
    }

    tarlix::EventPool pool_{32768};
    tarlix::ModuleContext context_{};
    tarlix::LookupTables tables_{};
    tarlix::RandomSequence random_;
    std::vector<float> rings_[2];
    Builder builder_ = nullptr;
    int rate_ = 44100, block_ = tarlix::kMaxChunk, ringPosition_ = 0, count_ = 0;
};

template <class M> int oneModule(Bench& e) {
    tarlix::ModuleContext& c = e.context();
    c.modules[0] = new M(&c, false);
    ++c.buildCount;
    return 1;
}

// Runs one module alone in blocks of 64 and collects its output 0, sample by sample.
template <class M> struct Solo {
    Bench fx;
    std::vector<float> out;
    explicit Solo(float rate = 44100) { start(rate); }
    // (Re)builds the module at `rate` and forgets what was collected.
    void start(float rate) {
        fx.setGraphBuilder(oneModule<M>);
        fx.setSampleRate(rate);
        fx.setBlockSize(64);
        fx.resume();
        out.clear();
    }
    M& m() { return *static_cast<M*>(fx.context().modules[0]); }
    void post(int port, int i, float f) { m().PostEvent(fx.clock(), port, 0, i, f, nullptr); }
    void run(int blocks) {
        std::vector<float> l(64), r(64);
        float* outs[2] = {l.data(), r.data()};
        for (int b = 0; b < blocks; ++b) {
            uint32_t at = fx.ringPosition();
            fx.processReplacing(nullptr, outs, 64);
            const float* o = m().GetOutput(0);
            out.insert(out.end(), o + at, o + at + 64);
        }
    }
    bool asleep() { return (fx.context().status[0] & tarlix::kStatusAsleep) != 0; }
};

} // namespace moduletest
