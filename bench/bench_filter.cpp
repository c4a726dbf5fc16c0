// The voice filter per design at one and two sections: a static cutoff (one coefficient set
// per change), a cutoff moving every sample (a set per sample), and the same movement with the
// coefficient rate at 0 (a set per render call).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "dsp/filter.h"
#include "engine/qx_dsp_vst.h"

using namespace tarlix;

namespace {

intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

constexpr int kBlock = 256;

bool gDecaying = false;

// Output 0: noise (or noise decaying by 1 dB every 1000 samples, restarting every 10 s so the
// filter states pass through the subnormal range again and again); output 1: a cutoff
// sweeping 0.4..0.8 V.
class Signals : public QX_ModuleBase {
  public:
    enum Output { kOutNoise = 0, kOutCutoff = 1 };
    explicit Signals(ModuleContext* c) : QX_ModuleBase(c, false) { allocateOutputs(2); }
    void Render(int offset, int count) override {
        for (int i = offset; i < offset + count; ++i) {
            seed_ = seed_ * 1664525u + 1013904223u;
            if (gDecaying) level_ = ++n_ % 480000 == 0 ? 2.3e-10f : level_ * 0.999885f;
            outputs[kOutNoise][i] = static_cast<float>(static_cast<int32_t>(seed_)) * level_;
            cutoff_ = cutoff_ > 0.8f ? 0.4f : cutoff_ + 2e-6f;
            outputs[kOutCutoff][i] = cutoff_;
        }
    }

  private:
    uint32_t seed_ = 1, n_ = 0;
    float cutoff_ = 0.4f, level_ = 2.3e-10f;
};

int filterGraph(Instrument& e) {
    ModuleContext& c = e.context();
    c.modules[c.buildCount++] = new Signals(&c);
    c.modules[c.buildCount++] = new QX_DSP_Multi_Filter(&c, false);
    return 2;
}

float gCutoff = 0.6f, gResonance = 0.5f;

// Args: type, sections, cutoff (0 static, 1 per-sample coefficients, 2 per-call coefficients),
// input (0 steady noise, 1 decaying noise).
void FilterOutput(benchmark::State& state) {
    gDecaying = state.range(3) != 0;
    QX_DSP_VST fx(host);
    fx.instrument().setGraphBuilder(filterGraph);
    fx.setSampleRate(48000);
    fx.setBlockSize(kBlock);
    fx.resume();
    ModuleContext& c = fx.instrument().context();
    QX_ModuleBase* source = c.modules[0];
    QX_ModuleBase* f = c.modules[1];
    using Filter = QX_DSP_Multi_Filter;
    source->Connect(f, 1, Signals::kOutNoise, Filter::kInLeft, 0, 0, 0);
    if (state.range(2) == 0)
        f->SetInput(Filter::kInCutoff, &gCutoff);
    else
        source->Connect(f, 1, Signals::kOutCutoff, Filter::kInCutoff, 0, 0, 0);
    f->SetInput(Filter::kInResonance, &gResonance);
    const uint64_t now = fx.instrument().clock();
    f->PostEvent(now, Filter::kInLinearCutoff, 0, 0, 0.0f, nullptr);
    f->PostEvent(now, Filter::kInType, 0, static_cast<int32_t>(state.range(0)), 0.0f, nullptr);
    f->PostEvent(now, Filter::kInExtraSections, 0, static_cast<int32_t>(state.range(1) - 1), 0.0f,
                 nullptr);
    f->PostEvent(now, Filter::kInCoefficientRate, 0, state.range(2) == 2 ? 0 : 1, 0.0f, nullptr);
    std::vector<float> l(kBlock), r(kBlock);
    float* outs[2] = {l.data(), r.data()};
    for (auto _ : state) {
        fx.processReplacing(nullptr, outs, kBlock);
        benchmark::DoNotOptimize(f->GetOutput(Filter::kOutLeft));
    }
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBlock,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(FilterOutput)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {1, 2}, {0, 1, 2}, {0}}) // 0: pass
    ->ArgsProduct({{1, 5, 9, 10, 11}, {2}, {0}, {1}})
    ->ArgsProduct({{1, 5}, {3, 4, 8}, {0}, {0}}); // longer cascades

} // namespace
