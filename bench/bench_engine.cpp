// The engine's fixed costs: the chunk loop per host block, and event delivery through the pool.
#include <benchmark/benchmark.h>

#include <vector>

#include "dsp/midi_word.h"
#include "engine/qx_dsp_vst.h"
#include "host/event_list.h"

using namespace tarlix;

namespace {

intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

// One stereo output module that only writes silence: the loop's own cost dominates.
class SilentOut : public QX_ModuleBase {
  public:
    explicit SilentOut(ModuleContext* c) : QX_ModuleBase(c, false) {
        allocateOutputs(2);
        c->modules[moduleIndex] = this;
        ++c->buildCount;
    }
    void Render(int offset, int count) override {
        for (int i = 0; i < count; ++i)
            outputs[0][offset + i] = outputs[1][offset + i] = 0.0f;
    }
};

int silentGraph(Instrument& e) {
    new SilentOut(&e.context());
    return 1;
}

void EngineLoop(benchmark::State& state) {
    const int block = static_cast<int>(state.range(0));
    QX_DSP_VST fx(host);
    fx.instrument().setGraphBuilder(silentGraph);
    fx.setSampleRate(48000);
    fx.setBlockSize(block);
    fx.resume();
    std::vector<float> l(block), r(block);
    float* outs[2] = {l.data(), r.data()};
    for (auto _ : state) {
        fx.processReplacing(nullptr, outs, block);
        benchmark::DoNotOptimize(l.data());
    }
    state.SetItemsProcessed(state.iterations() * block);
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * block,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(EngineLoop)->Arg(32)->Arg(128)->Arg(512)->Arg(2048);

class Sink : public QX_ModuleBase {
  public:
    explicit Sink(ModuleContext* c) : QX_ModuleBase(c, false) {
        c->modules[moduleIndex] = this;
        ++c->buildCount;
    }
    void Render(int, int) override {}
    void HandleEvent(const EventRecord& e, int) override { sum += e.intValue; }
    long sum = 0;
};

void EventDelivery(benchmark::State& state) {
    EventPool pool(32768);
    ModuleContext ctx;
    ctx.pool = &pool;
    Sink sink(&ctx);
    const int perChunk = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < perChunk; ++i)
            sink.PostEvent(ctx.clock + (i * 7) % 128, 0, 0, i, 0, nullptr);
        sink.Process(0, 128);
        ctx.clock += 128;
    }
    benchmark::DoNotOptimize(sink.sum);
    state.SetItemsProcessed(state.iterations() * perChunk);
}
BENCHMARK(EventDelivery)->Arg(1)->Arg(16)->Arg(256);

} // namespace

// Host-thread costs of saving and restoring the instrument's state.
namespace {
void BankChunkSave(benchmark::State& state) {
    QX_DSP_VST fx(host);
    for (auto _ : state) {
        void* data = nullptr;
        benchmark::DoNotOptimize(fx.getChunk(&data, false));
    }
    state.SetBytesProcessed(state.iterations() * kBankSize);
}
BENCHMARK(BankChunkSave);

void BankChunkRestore(benchmark::State& state) {
    QX_DSP_VST fx(host);
    std::vector<uint8_t> bank(kBankSize);
    fx.programStore().copyBank(bank.data());
    for (auto _ : state)
        benchmark::DoNotOptimize(fx.setChunk(bank.data(), kBankSize, false));
    state.SetBytesProcessed(state.iterations() * kBankSize);
}
BENCHMARK(BankChunkRestore);

void ProgramChange(benchmark::State& state) {
    QX_DSP_VST fx(host);
    int p = 0;
    for (auto _ : state)
        fx.setProgram(p = (p + 1) & 127);
}
BENCHMARK(ProgramChange);
} // namespace

// The MIDI path of the whole instrument graph: host events through processEvents, the MIDI
// adder, the arpeggiator row and the allocator to the 20 voices, then one host block.
namespace {
void MidiPath(benchmark::State& state) {
    const int perBlock = static_cast<int>(state.range(0));
    QX_DSP_VST fx(host);
    fx.setSampleRate(48000);
    fx.setBlockSize(256);
    fx.resume();
    vst::EventList events;
    std::vector<float> l(256), r(256);
    float* outs[2] = {l.data(), r.data()};
    uint32_t key = 0;
    for (auto _ : state) {
        events.clear();
        for (int i = 0; i < perBlock; ++i) {
            int note = 36 + static_cast<int>((key + static_cast<uint32_t>(i) / 2) % 48);
            events.add((i * 256) / perBlock, i % 2 ? midiword::kNoteOff : midiword::kNoteOn, note,
                       i % 2 ? 0 : 100);
        }
        key += 7;
        fx.processEvents(events.list());
        fx.processReplacing(nullptr, outs, 256);
    }
    state.SetItemsProcessed(state.iterations() * perBlock);
}
BENCHMARK(MidiPath)->Arg(0)->Arg(2)->Arg(32);
} // namespace

BENCHMARK_MAIN();
