// The sound sources: building the wave tables, one oscillator output (cubic and linear reads,
// fixed and per-sample pitch), one envelope, one LFO, and the whole instrument with 1, 8 and 20
// voices sounding.
#include <benchmark/benchmark.h>

#include <vector>

#include "dsp/envelope.h"
#include "dsp/lfo.h"
#include "dsp/oscillator.h"
#include "engine/qx_dsp_vst.h"
#include "host/event_list.h"

using namespace tarlix;

namespace {

intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

constexpr int kBlock = 256;

void perSample(benchmark::State& state, int samplesPerIteration) {
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * samplesPerIteration,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void WaveTableBuild(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        auto* t = new WaveTables;
        bytes = t->bytes();
        benchmark::DoNotOptimize(t->table(1, 45));
        delete t;
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1048576.0;
}
BENCHMARK(WaveTableBuild)->Unit(benchmark::kMillisecond);

// A module graph of one source with its inputs set by pointer; the pitch may come from a
// ramping module so that the per-sample pitch routine runs.
class Ramp : public QX_ModuleBase {
  public:
    explicit Ramp(ModuleContext* c) : QX_ModuleBase(c, false) { allocateOutputs(1); }
    void Render(int offset, int count) override {
        for (int i = offset; i < offset + count; ++i) {
            v_ = v_ > 0.6f ? 0.4f : v_ + 1e-5f;
            outputs[0][i] = v_;
        }
    }

  private:
    float v_ = 0.4f;
};

enum class Source { Oscillator, Envelope, Lfo };
Source gSource;

int sourceGraph(QX_DSP_VST& e) {
    ModuleContext& c = e.context();
    c.modules[c.buildCount] = new Ramp(&c);
    ++c.buildCount;
    QX_ModuleBase* m = nullptr;
    if (gSource == Source::Oscillator) m = new QX_DSP_OSC_Multi_Out_x8(&c, false);
    if (gSource == Source::Envelope) m = new QX_DSP_HAHDSR_Env(&c, false);
    if (gSource == Source::Lfo) m = new QX_DSP_LFO(&c, false);
    c.modules[c.buildCount] = m;
    ++c.buildCount;
    return 2;
}

float gPitch = 0.5f, gOne = 1.0f, gZero = 0.0f, gLong = 1.0f, gRate = 0.5f;

void runSource(benchmark::State& state, Source s, bool varyingPitch, bool linear) {
    gSource = s;
    QX_DSP_VST fx(host);
    fx.setGraphBuilder(sourceGraph);
    fx.setSampleRate(48000);
    fx.setBlockSize(kBlock);
    fx.resume();
    ModuleContext& c = fx.context();
    QX_ModuleBase* m = c.modules[1];
    if (s == Source::Oscillator) {
        auto* o = static_cast<QX_DSP_OSC_Multi_Out_x8*>(m);
        if (varyingPitch)
            c.modules[0]->Connect(o, 1, 0, 0, 0, 0, 0);
        else
            o->SetInput(0, &gPitch);
        o->SetInput(29, &gOne);
        o->SetInput(49, &gZero);
        o->PostEvent(fx.clock(), 9, 0, 1, 0.0f, nullptr); // Saw
        if (linear) o->setRead(QX_DSP_OSC_Multi_Out_x8::Read::Linear);
    } else if (s == Source::Envelope) {
        for (int port : {2, 4, 6})
            m->SetInput(port, &gLong); // 10 s stages: it stays in its attack
        m->SetInput(5, &gOne);
        m->PostEvent(fx.clock(), 3, 0, 0, 0.0f, nullptr);
        m->PostEvent(fx.clock(), 0, 0, 10, 10.0f, nullptr);
    } else {
        m->SetInput(0, &gRate);
        m->SetInput(1, &gZero);
    }
    std::vector<float> l(kBlock), r(kBlock);
    float* outs[2] = {l.data(), r.data()};
    for (auto _ : state) {
        fx.processReplacing(nullptr, outs, kBlock);
        benchmark::DoNotOptimize(m->GetOutput(0));
    }
    perSample(state, kBlock);
}

void OscillatorOutput(benchmark::State& state) {
    runSource(state, Source::Oscillator, state.range(0) != 0, state.range(1) != 0);
}
// Args: per-sample pitch (0/1), linear read (0/1). Includes the engine loop (see EngineLoop).
BENCHMARK(OscillatorOutput)->Args({0, 0})->Args({0, 1})->Args({1, 0});

void EnvelopeOutput(benchmark::State& state) {
    runSource(state, Source::Envelope, false, false);
}
BENCHMARK(EnvelopeOutput);

void LfoOutput(benchmark::State& state) {
    runSource(state, Source::Lfo, false, false);
}
BENCHMARK(LfoOutput);

// The whole instrument at 48 kHz, host block 256, with N keys held on a plain program with both
// oscillators, the sub-oscillator and noise in the mix.
void InstrumentVoices(benchmark::State& state) {
    const int voices = static_cast<int>(state.range(0));
    QX_DSP_VST fx(host);
    fx.setProgram(127);
    fx.setParameter(64, 1.0f / 14.0f); // Saw
    fx.setParameter(65, 7.0f / 14.0f); // Square
    for (int p : {75, 76, 77, 78})
        fx.setParameter(p, 0.5f);
    fx.setSampleRate(48000);
    fx.setBlockSize(kBlock);
    fx.resume();
    std::vector<float> l(kBlock), r(kBlock);
    float* outs[2] = {l.data(), r.data()};
    fx.processReplacing(nullptr, outs, kBlock);
    vst::EventList keys;
    for (int k = 0; k < voices; ++k)
        keys.add(0, 0x90, 40 + k, 100);
    fx.processEvents(keys.list());
    for (int b = 0; b < 40; ++b)
        fx.processReplacing(nullptr, outs, kBlock);
    for (auto _ : state) {
        fx.processReplacing(nullptr, outs, kBlock);
        benchmark::DoNotOptimize(l.data());
    }
    perSample(state, kBlock); // share of one core at 48 kHz = ns_per_sample x 0.0048 %
}
BENCHMARK(InstrumentVoices)->Arg(0)->Arg(1)->Arg(8)->Arg(20);

// The effect chain's cost: one held key, then each effect switched on alone (0 none, 1 chorus,
// 2 equaliser, 3 echo with feedback and shift, 4 Melt in "Tape" mode, 5 all four). An effect's
// cost is its row minus row 0.
void EffectCost(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    QX_DSP_VST fx(host);
    fx.setProgram(127);
    fx.setParameter(64, 1.0f / 14.0f); // Saw
    auto on = [&](int effect) { return which == effect || which == 5; };
    if (on(1))
        for (int p : {186, 191, 187, 190})
            fx.setParameter(p, 1.0f); // "Cho Mode", mix, depth, drift
    if (on(2)) {
        fx.setParameter(205, 1.0f); // "EQ Active"
        for (int p : {197, 200, 203})
            fx.setParameter(p, 0.8f); // every band boosted
    }
    if (on(3)) {
        fx.setParameter(162, 1.0f); // "Echo OnOff"
        fx.setParameter(169, 0.7f);
        fx.setParameter(166, 0.7f); // shifted repeats
    }
    if (on(4)) {
        fx.setParameter(154, 1.0f); // "Tape"
        fx.setParameter(155, 1.0f);
        fx.setParameter(156, 1.0f);
    }
    fx.setSampleRate(48000);
    fx.setBlockSize(kBlock);
    fx.resume();
    std::vector<float> l(kBlock), r(kBlock);
    float* outs[2] = {l.data(), r.data()};
    fx.processReplacing(nullptr, outs, kBlock);
    vst::EventList keys;
    keys.add(0, 0x90, 57, 100);
    fx.processEvents(keys.list());
    for (int b = 0; b < 40; ++b)
        fx.processReplacing(nullptr, outs, kBlock);
    for (auto _ : state) {
        fx.processReplacing(nullptr, outs, kBlock);
        benchmark::DoNotOptimize(l.data());
    }
    perSample(state, kBlock);
}
BENCHMARK(EffectCost)->DenseRange(0, 5);

} // namespace
