// One oversampled waveshaper on its own, per base-rate sample: the limiter's knee with a saw
// held below it and driven into it, and the saturation's quartic curve.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "dsp/oversampled_shaper.h"
#include "dsp/shapers.h"

using namespace tarlix;

namespace {

// A naive saw at 220 Hz of peak `level`: enough to take the knee's two branches by turns.
std::vector<float> saw(float level) {
    std::vector<float> s(48000);
    for (size_t n = 0; n < s.size(); ++n)
        s[n] = level * (2.0f * std::fmod(220.0f * static_cast<float>(n) / 48000.0f, 1.0f) - 1.0f);
    return s;
}

template <class Shape>
void run(benchmark::State& state, const std::vector<float>& x, const Shape& shape) {
    OversampledShaper stage;
    float out[kMaxChunk];
    size_t at = 0;
    for (auto _ : state) {
        if (at + kMaxChunk > x.size()) at = 0;
        stage.process(x.data() + at, out, kMaxChunk, shape);
        benchmark::DoNotOptimize(out);
        at += kMaxChunk;
    }
    state.SetItemsProcessed(state.iterations() * kMaxChunk);
}

} // namespace

// Arg 0: peaks at half the threshold; arg 1: driven to four times it.
void KneeStage(benchmark::State& state) {
    std::vector<float> threshold(kMaxChunk, 1.5f);
    run(state, saw(state.range(0) ? 6.0f : 0.75f), KneeShape{threshold.data(), 0.1});
}
BENCHMARK(KneeStage)->Arg(0)->Arg(1);

// Arg 0: amount 0 (the dry signal through the filters); arg 1: amount 1 at drive 2.
void QuarticStage(benchmark::State& state) {
    std::vector<float> drive(kMaxChunk, 2.0f), amount(kMaxChunk, state.range(0) ? 1.0f : 0.0f);
    run(state, saw(1.0f), QuarticShape{drive.data(), amount.data()});
}
BENCHMARK(QuarticStage)->Arg(0)->Arg(1);
