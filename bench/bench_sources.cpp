// The sound sources: building the wave tables, one oscillator output (cubic and linear reads,
// fixed and per-sample pitch), one envelope, one LFO, and the whole instrument with 1, 8 and 20
// voices sounding.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <utility>

#include <vector>

#include "bench/resident_memory.h"
#include "common/tags.h"
#include "dsp/envelope.h"
#include "dsp/lfo.h"
#include "dsp/midi_word.h"
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
    enum Output { kOut = 0 };
    explicit Ramp(ModuleContext* c) : QX_ModuleBase(c, false) { allocateOutputs(1); }
    void Render(int offset, int count) override {
        for (int i = offset; i < offset + count; ++i) {
            v_ = v_ > 0.6f ? 0.4f : v_ + 1e-5f;
            outputs[kOut][i] = v_;
        }
    }

  private:
    float v_ = 0.4f;
};

enum class Source { Oscillator, Envelope, Lfo };
Source gSource;

int sourceGraph(Instrument& e) {
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
    fx.instrument().setGraphBuilder(sourceGraph);
    fx.setSampleRate(48000);
    fx.setBlockSize(kBlock);
    fx.resume();
    ModuleContext& c = fx.instrument().context();
    QX_ModuleBase* m = c.modules[1];
    if (s == Source::Oscillator) {
        using Osc = QX_DSP_OSC_Multi_Out_x8;
        auto* o = static_cast<Osc*>(m);
        if (varyingPitch)
            c.modules[0]->Connect(o, 1, Ramp::kOut, Osc::kInPitch, 0, 0, 0);
        else
            o->SetInput(Osc::kInPitch, &gPitch);
        o->SetInput(Osc::kInLevel, &gOne);
        o->SetInput(Osc::kInPhaseModulation, &gZero);
        o->PostEvent(fx.instrument().clock(), Osc::kInWave, 0, 1, 0.0f, nullptr); // Saw
        if (linear) o->setRead(QX_DSP_OSC_Multi_Out_x8::Read::Linear);
    } else if (s == Source::Envelope) {
        using Env = QX_DSP_HAHDSR_Env;
        for (int port : {Env::kInAttack, Env::kInDecay, Env::kInRelease})
            m->SetInput(port, &gLong); // 10 s stages: it stays in its attack
        m->SetInput(Env::kInSustain, &gOne);
        m->PostEvent(fx.instrument().clock(), Env::kInHold, 0, 0, 0.0f, nullptr);
        m->PostEvent(fx.instrument().clock(), Env::kInGate, 0, 10, 10.0f, nullptr);
    } else {
        m->SetInput(QX_DSP_LFO::kInRate, &gRate);
        m->SetInput(QX_DSP_LFO::kInPhase, &gZero);
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

using Settings = std::vector<std::pair<int, float>>;

// An instance at 48 kHz, host block 256, on a plain program with the given settings, with
// `keys` keys held (from E2 up) and 40 blocks played so every voice is under way.
struct HeldKeys {
    QX_DSP_VST fx{host};
    std::vector<float> l = std::vector<float>(kBlock), r = std::vector<float>(kBlock);
    float* outs[2] = {l.data(), r.data()};
    HeldKeys(const Settings& settings, int keys) {
        // The initial program (the initials' header) at its own master volume, low-pass E.
        fx.setProgram(112);
        fx.setParameter(tag::kMasterVolume, 0.7f);
        fx.setParameter(tag::kLpfType, 4.0f / 9.0f);
        for (const auto& [tag, value] : settings)
            fx.setParameter(tag, value);
        fx.setSampleRate(48000);
        fx.setBlockSize(kBlock);
        fx.resume();
        block();
        vst::EventList down;
        for (int k = 0; k < keys; ++k)
            down.add(0, midiword::kNoteOn, 40 + k, 100);
        fx.processEvents(down.list());
        for (int b = 0; b < 40; ++b)
            block();
    }
    void block() { fx.processReplacing(nullptr, outs, kBlock); }
    void run(benchmark::State& state) {
        for (auto _ : state) {
            block();
            benchmark::DoNotOptimize(l.data());
        }
        perSample(state, kBlock); // share of one core at 48 kHz = ns_per_sample x 0.0048 %
    }
};

const Settings kSources{{tag::kOsc1Wave, 1.0f / 14.0f}, {tag::kOsc2Wave, 7.0f / 14.0f},
                        {tag::kOsc1Mix, 0.5f},          {tag::kOsc2Mix, 0.5f},
                        {tag::kSubOscMix, 0.5f},        {tag::kNoiseMix, 0.5f}};

// The whole instrument with N keys held: both oscillators, the sub-oscillator and noise.
void InstrumentVoices(benchmark::State& state) {
    HeldKeys(kSources, static_cast<int>(state.range(0))).run(state);
}
BENCHMARK(InstrumentVoices)->Arg(0)->Arg(1)->Arg(8)->Arg(20);

// The whole instrument as a musician's patch uses it: both oscillators, both low-passes and the
// high-pass, LFO 1-3 on (pitch, cutoff, pan) and the HFO, chorus, echo with shifted feedback and
// Melt in "Tape" mode; N keys held.
const Settings kEverything{{tag::kOsc1Wave, 1.0f / 14.0f},
                           {tag::kOsc2Wave, 7.0f / 14.0f},
                           {tag::kOsc1Mix, 0.6f},
                           {tag::kOsc2Mix, 0.6f},
                           {tag::kLpfCutoff, 0.6f},
                           {tag::kLpfResonance, 0.3f},
                           {tag::kFilter2Active, 1.0f},
                           {tag::kHpfCutoff, 0.2f},
                           {tag::kLfo1OnOff, 1.0f},
                           {tag::kLfo1Depth, 0.3f},
                           {tag::kLfo2OnOff, 1.0f},
                           {tag::kLfo2Target, 8.0f / 18.0f},
                           {tag::kLfo2Depth, 0.3f},
                           {tag::kLfo3OnOff, 1.0f},
                           {tag::kLfo3Target, 9.0f / 16.0f},
                           {tag::kLfo3Depth, 0.3f},
                           {tag::kHfoOnOff, 1.0f},
                           {tag::kHfoDepth, 0.2f},
                           {tag::kChoMode, 1.0f},
                           {tag::kChorusMix, 0.5f},
                           {tag::kEchoOnOff, 1.0f},
                           {tag::kEchoFbk, 0.6f},
                           {tag::kEchoShift, 0.7f},
                           {tag::kMeltAMode, 1.0f},
                           {tag::kMeltDepth, 0.5f},
                           {tag::kMeltAPitch, 0.5f}};
void WholeInstrument(benchmark::State& state) {
    HeldKeys(kEverything, static_cast<int>(state.range(0))).run(state);
}
BENCHMARK(WholeInstrument)->Arg(0)->Arg(1)->Arg(8)->Arg(20);

// The effect chain's cost: one held key, then each effect switched on alone (0 none, 1 chorus,
// 2 equaliser, 3 echo with feedback and shift, 4 Melt in "Tape" mode, 5 all four). An effect's
// cost is its row minus row 0.
void EffectCost(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    auto on = [&](int effect) { return which == effect || which == 5; };
    Settings s{{tag::kOsc1Wave, 1.0f / 14.0f}};
    if (on(1))
        for (int p : {tag::kChoMode, tag::kChorusMix, tag::kChorusDepth, tag::kChorusMelt})
            s.push_back({p, 1.0f}); // "Cho Mode", mix, depth, drift
    if (on(2))
        s.insert(s.end(), {{tag::kEqActive, 1.0f},
                           {tag::kEq1Gain, 0.8f},
                           {tag::kEq2Gain, 0.8f},
                           {tag::kEq3Gain, 0.8f}}); // bands boosted
    if (on(3))
        s.insert(s.end(), {{tag::kEchoOnOff, 1.0f},
                           {tag::kEchoFbk, 0.7f},
                           {tag::kEchoShift, 0.7f}}); // shifted repeats
    if (on(4))
        s.insert(
            s.end(),
            {{tag::kMeltAMode, 1.0f}, {tag::kMeltDepth, 1.0f}, {tag::kMeltAPitch, 1.0f}}); // "Tape"
    HeldKeys(s, 1).run(state);
}
BENCHMARK(EffectCost)->DenseRange(0, 5);

// The knobs a musician turns while playing: rates, depths, mixes, cutoffs, envelope times,
// effect settings (not the switches that silence or restructure the patch, so the load stays
// that of 20 sounding voices and a slow block is a spike, not a change of load).
const std::vector<int> kPerformanceKnobs{
    tag::kLfo1Rate,     tag::kLfo1Phase,        tag::kLfo1Depth,    tag::kLfo2Rate,
    tag::kLfo2Phase,    tag::kLfo2Depth,        tag::kLfo3Rate,     tag::kLfo3Phase,
    tag::kLfo3Depth,    tag::kHfoDepth,         tag::kHfoTune,      tag::kHfoLevel,
    tag::kWave2Tune,    tag::kOscDrift,         tag::kOscWidth,     tag::kPortamento,
    tag::kOsc1Mix,      tag::kOsc2Mix,          tag::kSubOscMix,    tag::kNoiseMix,
    tag::kLpfCutoff,    tag::kLpfResonance,     tag::kHpfCutoff,    tag::kFilterTrack,
    tag::kLpfAttack,    tag::kLpfDecay,         tag::kLpfSustain,   tag::kLpfRelease,
    tag::kLpfVelocity,  tag::kFilterEnvLevel,   tag::kEnv1Attack,   tag::kEnv1Decay,
    tag::kEnv1Sustain,  tag::kEnv1Release,      tag::kEnv1Velocity, tag::kEnv1Level,
    tag::kEnv2Attack,   tag::kEnv2Decay,        tag::kEnv2Sustain,  tag::kEnv2Release,
    tag::kEnv2Velocity, tag::kEnv2Level,        tag::kAmpAttack,    tag::kAmpDecay,
    tag::kAmpRelease,   tag::kAmpVelocity,      tag::kGain,         tag::kMasterPan,
    tag::kMeltDepth,    tag::kMeltAPitch,       tag::kMeltABlend,   tag::kMeltAJump,
    tag::kMeltASpeed,   tag::kMeltAAmp,         tag::kEchoRate,     tag::kEchoShift,
    tag::kEchoPhase,    tag::kEchoLength,       tag::kEchoFbk,      tag::kEchoLpf,
    tag::kEchoHpf,      tag::kEchoLevel,        tag::kChorusDepth,  tag::kChorusRate,
    tag::kChorusSep,    tag::kChorusMelt,       tag::kChorusMix,    tag::kChorusSpread,
    tag::kEq1Freq,      tag::kEq1Gain,          tag::kEq1Width,     tag::kEq2Freq,
    tag::kEq2Gain,      tag::kEq2Width,         tag::kEq3Freq,      tag::kEq3Gain,
    tag::kEq3Width,     tag::kFilterSaturation, tag::kFilterDrive,  tag::kMeltBWow,
    tag::kMeltBFlutter, tag::kMeltBSpeedMix,    tag::kMeltBToPitch, tag::kMeltBToAmp,
    tag::kMeltACutoff,  tag::kMeltBCutoff};

// The slowest host block against the median within a run of note-ons with steals (20 voices
// busy throughout), program changes (the chord struck again after each) and knob sweeps on
// the audio thread: counters "median_us", "worst_us", "worst_over_median" and the 99.9th
// percentile over the median.
double threadMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return 1e6 * static_cast<double>(t.tv_sec) + 1e-3 * static_cast<double>(t.tv_nsec);
}

void WorstBlock(benchmark::State& state) {
    for (auto _ : state) {
        HeldKeys h(kEverything, 20);
        std::mt19937 rng(5);
        std::vector<double> took, cpu;
        double programChange = 0.0;
        int next = 60;
        for (int b = 0; b < 3000; ++b) {
            vst::EventList m;
            if (b % 4 == 0) { // a new key steals the oldest voice; the chord keeps sounding
                m.add(0, midiword::kNoteOff, next - 20, 0);
                m.add(0, midiword::kNoteOn, next, 100);
                next = next == 80 ? 60 : next + 1;
            }
            if (b % 500 == 250)
                m.add(0, midiword::kProgramChange, static_cast<int>(rng() % 128), 0);
            if (b % 500 == 262) // the fade is over: play the new program
                for (int k = 0; k < 20; ++k)
                    m.add(0, midiword::kNoteOn, 40 + k, 100);
            if (!m.empty()) h.fx.processEvents(m.list());
            h.fx.setParameter(tag::kLpfCutoff,
                              static_cast<float>(b % 200) / 200.0f); // cutoff sweep
            h.fx.setParameter(kPerformanceKnobs[rng() % kPerformanceKnobs.size()],
                              static_cast<float>(rng() % 1001) / 1000.0f);
            const auto t0 = std::chrono::steady_clock::now();
            const double c0 = threadMicroseconds();
            h.block();
            cpu.push_back(threadMicroseconds() - c0);
            took.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                    .count());
            if (b % 500 >= 250 && b % 500 <= 262) // the program change and its fade
                programChange = std::max(programChange, cpu.back());
        }
        std::vector<double> sorted = took;
        std::sort(sorted.begin(), sorted.end());
        state.counters["median_us"] = sorted[sorted.size() / 2];
        state.counters["worst_us"] = sorted.back();
        state.counters["worst_over_median"] = sorted.back() / sorted[sorted.size() / 2];
        state.counters["p999_over_median"] =
            sorted[sorted.size() * 999 / 1000] / sorted[sorted.size() / 2];
        // The same on the thread's CPU clock: on a shared machine the wall clock also counts
        // the time the thread waited for a core. "cpu_worst_block": where the worst one fell.
        state.counters["cpu_worst_block"] =
            static_cast<double>(std::max_element(cpu.begin(), cpu.end()) - cpu.begin());
        std::sort(cpu.begin(), cpu.end());
        const double cpuMedian = cpu[cpu.size() / 2];
        state.counters["cpu_median_us"] = cpuMedian;
        state.counters["cpu_worst_over_median"] = cpu.back() / cpuMedian;
        state.counters["cpu_program_change_over_median"] = programChange / cpuMedian;
    }
}
BENCHMARK(WorstBlock)->Iterations(1)->Unit(benchmark::kMillisecond);

// The blocks around a program change while 20 voices sound, each on the thread's CPU clock over
// the median block: counter "bN" is the N-th block after the one that carries the change (b0),
// the median over 12 changes; the chord is struck again at b12, after the fade.
void ProgramChangeBlocks(benchmark::State& state) {
    constexpr int kSpan = 16, kChanges = 12, kPeriod = 60;
    for (auto _ : state) {
        HeldKeys h(kEverything, 20);
        std::vector<std::vector<double>> at(kSpan);
        std::vector<double> all;
        for (int b = 0; b < kChanges * kPeriod; ++b) {
            const int phase = b % kPeriod;
            vst::EventList m;
            if (phase == 0) m.add(0, midiword::kProgramChange, (b / kPeriod * 37) % 128, 0);
            if (phase == 12)
                for (int k = 0; k < 20; ++k)
                    m.add(0, midiword::kNoteOn, 40 + k, 100);
            if (!m.empty()) h.fx.processEvents(m.list());
            const double c0 = threadMicroseconds();
            h.block();
            const double took = threadMicroseconds() - c0;
            all.push_back(took);
            if (phase < kSpan) at[static_cast<size_t>(phase)].push_back(took);
        }
        std::sort(all.begin(), all.end());
        const double median = all[all.size() / 2];
        state.counters["median_us"] = median;
        for (int i = 0; i < kSpan; ++i) {
            std::vector<double>& v = at[static_cast<size_t>(i)];
            std::sort(v.begin(), v.end());
            char name[8];
            std::snprintf(name, sizeof name, "b%02d", i);
            state.counters[name] = v[v.size() / 2] / median;
        }
    }
}
BENCHMARK(ProgramChangeBlocks)->Iterations(1)->Unit(benchmark::kMillisecond);

// A further instance (the wave tables already shared): construction with the graph built for
// 48 kHz, and the resident memory it adds ("added_MiB", 8 instances averaged).
void InstanceCost(benchmark::State& state) {
    { HeldKeys warm({}, 0); } // the process-wide tables exist from here on
    for (auto _ : state) {
        const long before = residentKiB();
        std::vector<std::unique_ptr<QX_DSP_VST>> all;
        const auto t0 = std::chrono::steady_clock::now();
        for (int k = 0; k < 8; ++k) {
            all.push_back(std::make_unique<QX_DSP_VST>(host));
            all.back()->setSampleRate(48000);
            all.back()->setBlockSize(kBlock);
            all.back()->resume();
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count();
        std::vector<float> l(kBlock), r(kBlock);
        float* outs[2] = {l.data(), r.data()};
        for (auto& fx : all)
            for (int b = 0; b < 10; ++b)
                fx->processReplacing(nullptr, outs, kBlock); // touch what a block touches
        state.counters["construct_ms"] = ms / 8.0;
        state.counters["added_MiB"] = static_cast<double>(residentKiB() - before) / 1024.0 / 8.0;
    }
}
BENCHMARK(InstanceCost)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
