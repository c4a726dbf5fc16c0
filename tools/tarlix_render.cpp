// tarlix-render: plays a Standard MIDI File through the plug-in library, as a host does
// (dlopen, VSTPluginMain, the dispatcher), and writes the sound to a WAV file.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sndfile.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "engine/graph_dot.h"
#include "engine/qx_dsp_vst.h"
#include "host/event_list.h"
#include "host/vst_abi.h"
#include "platform/library.h"
#include "platform/platform.h"
#include "tools/midi_file.h"
#include "tools/plugin_host.h"

using namespace vst;

namespace {

struct Options {
    std::string plugin, input, output, bank, preset, graph;
    int program = -1, rate = 44100, block = 512;
    double tail = -1.0;  // < 0: until silent
    double tempo = -1.0; // > 0: a fixed tempo instead of the file's tempo map
    bool pcm24 = false, info = false;
    std::vector<std::pair<std::string, float>> params;
};

VstTimeInfo gTime{};
double gRate = 44100.0;
int gBlock = 512;

intptr_t hostCallback(AEffect*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return tools::offlineHostAnswer(opcode, &gTime, gRate, gBlock);
}

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "tarlix-render: %s\n", message.c_str());
    std::exit(1);
}

void usage() {
    std::fprintf(stderr,
                 "usage: tarlix-render [options] SONG.mid OUT.wav\n"
                 "       tarlix-render --info\n"
                 "       tarlix-render --graph FILE.dot   the module graph for Graphviz\n"
                 "  --plugin PATH        plug-in library (default: beside this program)\n"
                 "  --program N          program 0..127\n"
                 "  --rate HZ            sample rate 8000..384000 (44100)\n"
                 "  --block N            host block 1..8192 (512)\n"
                 "  --param NAME=VALUE   normalised value 0..1 for a parameter name or index\n"
                 "  --bank FILE          load a .Bnk bank before rendering\n"
                 "  --preset FILE        load a .pst program before rendering\n"
                 "  --tail SECONDS       release tail (default: until silent, at most 30 s)\n"
                 "  --tempo BPM          play at this tempo instead of the file's tempo map\n"
                 "  --pcm24              24-bit PCM instead of 32-bit float\n"
                 "  --info               print identity, programs and parameters\n");
}

bool parseInt(const char* s, long lo, long hi, int& out) {
    char* end = nullptr;
    long v = std::strtol(s, &end, 10);
    if (!*s || *end || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

Options parseArgs(int argc, char** argv) {
    Options o;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](const char* what) -> const char* {
            if (i + 1 >= argc) fail(std::string("missing value for ") + what);
            return argv[++i];
        };
        if (a == "--plugin")
            o.plugin = value("--plugin");
        else if (a == "--program") {
            if (!parseInt(value("--program"), 0, 127, o.program)) fail("--program takes 0..127");
        } else if (a == "--rate") {
            if (!parseInt(value("--rate"), 8000, 384000, o.rate))
                fail("--rate takes 8000..384000 Hz");
        } else if (a == "--block") {
            if (!parseInt(value("--block"), 1, 8192, o.block)) fail("--block takes 1..8192");
        } else if (a == "--param") {
            std::string p = value("--param");
            size_t eq = p.find('=');
            char* end = nullptr;
            if (eq == std::string::npos || eq == 0) fail("--param takes NAME_OR_INDEX=VALUE");
            std::string v = p.substr(eq + 1);
            float f = std::strtof(v.c_str(), &end);
            if (v.empty() || *end || !std::isfinite(f) || f < 0.0f || f > 1.0f)
                fail("--param value must be a number from 0 to 1: " + p);
            o.params.push_back({p.substr(0, eq), f});
        } else if (a == "--bank")
            o.bank = value("--bank");
        else if (a == "--preset")
            o.preset = value("--preset");
        else if (a == "--tempo") {
            char* end = nullptr;
            const char* v = value("--tempo");
            o.tempo = std::strtod(v, &end);
            if (*end || !(o.tempo >= 10.0 && o.tempo <= 999.0)) fail("--tempo takes 10..999 BPM");
        } else if (a == "--tail") {
            char* end = nullptr;
            const char* v = value("--tail");
            o.tail = std::strtod(v, &end);
            if (*end || !(o.tail >= 0.0 && o.tail <= 600.0)) fail("--tail takes 0..600 seconds");
        } else if (a == "--pcm24")
            o.pcm24 = true;
        else if (a == "--info")
            o.info = true;
        else if (a == "--graph")
            o.graph = value("--graph");
        else if (a == "-h" || a == "--help") {
            usage();
            std::exit(0);
        } else if (!a.empty() && a[0] == '-')
            fail("unknown option " + a);
        else
            positional.push_back(a);
    }
    if (!o.info && o.graph.empty() && positional.size() != 2) {
        usage();
        std::exit(2);
    }
    if (positional.size() >= 1) o.input = positional[0];
    if (positional.size() >= 2) o.output = positional[1];
    return o;
}

class Plugin : public tools::LoadedPlugin {
  public:
    explicit Plugin(const std::string& path) : LoadedPlugin(path, hostCallback) {
        if (!ok()) fail(error());
    }
};

void printInfo(Plugin& p) {
    AEffect* fx = p.fx();
    char id[5] = {static_cast<char>(fx->uniqueID >> 24), static_cast<char>(fx->uniqueID >> 16),
                  static_cast<char>(fx->uniqueID >> 8), static_cast<char>(fx->uniqueID), 0};
    std::printf("%s by %s, version %ld, id '%s'\n", p.text(effGetEffectName, 0).c_str(),
                p.text(effGetVendorString, 0).c_str(),
                static_cast<long>(p.call(effGetVendorVersion)), id);
    std::printf("inputs %d, outputs %d, programs %d, parameters %d, flags 0x%x\n", fx->numInputs,
                fx->numOutputs, fx->numPrograms, fx->numParams, fx->flags);
    std::printf("programs:\n");
    for (int i = 0; i < fx->numPrograms; ++i)
        std::printf("  %3d %s\n", i, p.text(effGetProgramNameIndexed, i, -1).c_str());
    std::printf("parameters:\n");
    for (int i = 0; i < fx->numParams; ++i)
        std::printf("  %3d %-21s %-9s %.6f%s\n", i, p.text(effGetParamName, i).c_str(),
                    p.text(effGetParamDisplay, i).c_str(), fx->getParameter(fx, i),
                    p.call(effCanBeAutomated, i) ? "" : "  (not automatable)");
}

void loadChunk(Plugin& p, const std::string& path, size_t payload, bool isPreset) {
    const std::string error = p.loadChunkFile(path, payload, isPreset);
    if (!error.empty()) fail(error);
}

void progress(double done, double total) {
    int width = 40, filled = static_cast<int>(width * std::min(1.0, done / total));
    std::fprintf(stderr, "\r[%.*s%*s] %5.1f s", filled, "########################################",
                 width - filled, "", done);
}

} // namespace

// The graph an instance builds, written for Graphviz (`dot -Tsvg FILE.dot`).
int writeGraph(const std::string& path, int rate, int block) {
    QX_DSP_VST engine([](AEffect*, int32_t op, int32_t, intptr_t, void*, float) -> intptr_t {
        return op == audioMasterVersion ? 2400 : 0;
    });
    engine.setSampleRate(static_cast<float>(rate));
    engine.setBlockSize(block);
    engine.resume();
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f) fail("cannot write " + path);
    const bool ok = tarlix::writeGraphDot(engine, f);
    if (std::fclose(f) != 0 || !ok) fail("could not write the graph to " + path);
    std::printf("%s\n", path.c_str());
    return 0;
}

int main(int argc, char** argv) {
    std::vector<std::string> utf8; // the arguments whatever the system's code page
    for (int i = 0; i < argc; ++i)
        utf8.push_back(platform::argumentUtf8(argc, argv, i));
    std::vector<char*> args;
    for (std::string& a : utf8)
        args.push_back(a.data());
    args.push_back(nullptr);
    Options o = parseArgs(argc, args.data());
    if (!o.graph.empty()) return writeGraph(o.graph, o.rate, o.block);
    midi::Song song;
    std::string error;
    if (!o.info && !midi::load(o.input, song, error)) fail(o.input + ": " + error);
    if (o.tempo > 0) // one tempo for the whole song: its timing and what the host reports
        song.tempo = {{0, static_cast<uint32_t>(60000000.0 / o.tempo + 0.5)}};

    gRate = o.rate;
    gBlock = o.block;
    Plugin plugin(o.plugin.empty() ? tools::pluginBesideExecutable(argv[0]) : o.plugin);
    AEffect* fx = plugin.fx();
    if (fx->numOutputs < 2) fail("the plug-in has fewer than two outputs");
    if (o.info) {
        printInfo(plugin);
        return 0;
    }
    plugin.call(effSetSampleRate, 0, 0, nullptr, static_cast<float>(o.rate));
    plugin.call(effSetBlockSize, 0, o.block);
    if (!o.bank.empty()) loadChunk(plugin, o.bank, tarlix::kBankSize, false);
    if (!o.preset.empty()) loadChunk(plugin, o.preset, tarlix::record::kSize, true);
    if (o.program >= 0) plugin.call(effSetProgram, 0, o.program);
    for (auto& [key, value] : o.params) {
        int index = plugin.findParameter(key);
        if (index < 0) fail("unknown parameter " + key + " (see --info)");
        fx->setParameter(fx, index, value);
    }
    plugin.call(effMainsChanged, 0, 1);
    plugin.call(effStartProcess);

    // Events at their sample positions.
    struct Timed {
        int64_t sample;
        const midi::Event* e;
    };
    std::vector<Timed> timed;
    for (const midi::Event& e : song.events)
        timed.push_back({static_cast<int64_t>(std::llround(song.secondsAt(e.tick) * o.rate)), &e});
    const int64_t songEnd = timed.empty() ? 0 : timed.back().sample + 1;
    const int64_t maxTail = static_cast<int64_t>((o.tail >= 0 ? o.tail : 30.0) * o.rate);
    const double totalSeconds = static_cast<double>(songEnd + maxTail) / o.rate;

    std::string tmp = o.output + ".partial";
    SF_INFO sfi{};
    sfi.samplerate = o.rate;
    sfi.channels = 2;
    sfi.format = SF_FORMAT_WAV | (o.pcm24 ? SF_FORMAT_PCM_24 : SF_FORMAT_FLOAT);
    SNDFILE* out = sf_open(tmp.c_str(), SFM_WRITE, &sfi);
    if (!out) fail("cannot write " + tmp + ": " + sf_strerror(nullptr));

    std::vector<float> left(o.block), right(o.block), inL(o.block, 0.0f), inR(o.block, 0.0f),
        frames(2 * o.block);
    EventList midiEvents;
    float* ins[2] = {inL.data(), inR.data()};
    float* outs[2] = {left.data(), right.data()};
    size_t next = 0;
    int64_t pos = 0, quietSince = -1;
    double peak = 0.0;
    bool showProgress = ::isatty(2) && totalSeconds > 20.0;
    auto started = std::chrono::steady_clock::now();

    while (true) {
        if (pos >= songEnd) {
            int64_t tailDone = pos - songEnd;
            if (o.tail >= 0
                    ? tailDone >= maxTail
                    : (tailDone >= maxTail || (quietSince >= 0 && pos - quietSince >= o.rate / 2)))
                break;
        }
        int32_t n = o.block;
        if (o.tail >= 0 && pos >= songEnd)
            n = static_cast<int32_t>(std::min<int64_t>(n, songEnd + maxTail - pos));
        midiEvents.clear();
        while (next < timed.size() && timed[next].sample < pos + n) {
            VstMidiEvent m{};
            m.type = kVstMidiType;
            m.byteSize = sizeof(VstMidiEvent);
            m.deltaFrames = static_cast<int32_t>(std::max<int64_t>(0, timed[next].sample - pos));
            std::memcpy(m.midiData, timed[next].e->bytes, timed[next].e->size);
            midiEvents.addRaw(m);
            ++next;
        }
        double seconds = static_cast<double>(pos) / o.rate;
        gTime = VstTimeInfo{};
        gTime.samplePos = static_cast<double>(pos);
        gTime.sampleRate = o.rate;
        gTime.tempo = song.tempoAt(seconds);
        gTime.ppqPos = song.quartersAt(seconds);
        gTime.barStartPos = std::floor(gTime.ppqPos / 4.0) * 4.0;
        gTime.timeSigNumerator = 4;
        gTime.timeSigDenominator = 4;
        gTime.flags = kVstTransportPlaying | kVstTempoValid | kVstPpqPosValid | kVstBarsValid |
                      kVstTimeSigValid;
        if (!midiEvents.empty()) plugin.call(effProcessEvents, 0, 0, midiEvents.list());
        fx->processReplacing(fx, ins, outs, n);
        double blockPeak = 0.0;
        for (int32_t i = 0; i < n; ++i) {
            frames[2 * i] = left[i];
            frames[2 * i + 1] = right[i];
            blockPeak =
                std::max({blockPeak, std::fabs(double(left[i])), std::fabs(double(right[i]))});
        }
        peak = std::max(peak, blockPeak);
        if (blockPeak > 1e-5)
            quietSince = -1;
        else if (quietSince < 0)
            quietSince = pos;
        if (sf_writef_float(out, frames.data(), n) != n) {
            sf_close(out);
            platform::removeFile(tmp);
            fail("write error on " + tmp);
        }
        pos += n;
        if (showProgress && (pos / n) % 64 == 0)
            progress(static_cast<double>(pos) / o.rate, totalSeconds);
    }
    plugin.call(effStopProcess);
    plugin.call(effMainsChanged, 0, 0);
    sf_close(out);
    if (!platform::replaceFile(tmp, o.output)) { // over an existing file too
        platform::removeFile(tmp);
        fail("cannot rename " + tmp + " to " + o.output);
    }
    if (showProgress) std::fprintf(stderr, "\n");
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    double duration = static_cast<double>(pos) / o.rate;
    double peakDb = peak > 0 ? 20.0 * std::log10(peak) : -INFINITY;
    std::fprintf(stderr, "%s: %.2f s, peak %.1f dBFS, %.0fx real time\n", o.output.c_str(),
                 duration, peakDb, wall > 0 ? duration / wall : 0.0);
    return 0;
}
