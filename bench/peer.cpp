// Peer run: loads each given VST 2.4 instrument through dlopen as a host does, holds 20 notes
// (C2 upwards in steps of three semitones, velocity 100) at 48000 Hz with 256-sample blocks and
// times the render on the thread's CPU clock. The plug-ins take turns round by round, so a busy
// machine slows them alike; the medians of the rounds are reported.
//   build/bench/tarlix_peer [--seconds S] [--rounds R] [plugin.so ...]
// Without plug-ins: this build's Tarlix_2.so and, when installed, Debian's amsynth.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "dsp/midi_word.h"
#include "host/event_list.h"
#include "host/vst_abi.h"
#include "tools/plugin_host.h"

using namespace vst;

namespace {

constexpr double kRate = 48000.0;
constexpr int kBlock = 256;
constexpr int kNotes = 20;
constexpr int kLowestNote = 36; // C2
constexpr int kNoteStep = 3;    // semitones between held notes
constexpr int kVelocity = 100;
constexpr const char* kAmsynth = "/usr/lib/vst/amsynth_vst.so";

VstTimeInfo gTime{};

intptr_t host(AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return tools::offlineHostAnswer(op, &gTime, kRate, kBlock);
}

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

struct Round {
    double cpuSeconds = 0.0;
    double peak = 0.0;
};

// One fresh instance: notes on in the first block, `seconds` of audio rendered and timed.
Round play(const std::string& path, double seconds, bool ours) {
    tools::LoadedPlugin plugin(path, host);
    if (!plugin.ok()) {
        std::fprintf(stderr, "tarlix_peer: %s\n", plugin.error().c_str());
        std::exit(1);
    }
    AEffect* fx = plugin.fx();
    plugin.call(effSetSampleRate, 0, 0, nullptr, static_cast<float>(kRate));
    plugin.call(effSetBlockSize, 0, kBlock);
    if (ours) plugin.call(effSetProgram, 0, 0);
    plugin.call(effMainsChanged, 0, 1);
    plugin.call(effStartProcess);

    std::vector<float> left(kBlock), right(kBlock), inL(kBlock, 0.0f), inR(kBlock, 0.0f);
    float* ins[2] = {inL.data(), inR.data()};
    float* outs[2] = {left.data(), right.data()};
    EventList notes;
    for (int i = 0; i < kNotes; ++i)
        notes.add(0, tarlix::midiword::kNoteOn, kLowestNote + kNoteStep * i, kVelocity);

    const long blocks = std::lround(seconds * kRate / kBlock);
    Round r;
    gTime = VstTimeInfo{};
    gTime.sampleRate = kRate;
    gTime.tempo = 120.0;
    gTime.flags = kVstTempoValid;
    const double start = threadSeconds();
    for (long b = 0; b < blocks; ++b) {
        gTime.samplePos = static_cast<double>(b * kBlock);
        if (b == 0) plugin.call(effProcessEvents, 0, 0, notes.list());
        fx->processReplacing(fx, ins, outs, kBlock);
        for (int i = 0; i < kBlock; ++i)
            r.peak = std::max({r.peak, std::fabs(double(left[i])), std::fabs(double(right[i]))});
    }
    r.cpuSeconds = threadSeconds() - start;
    plugin.call(effStopProcess);
    plugin.call(effMainsChanged, 0, 0);
    return r;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

} // namespace

int main(int argc, char** argv) {
    double seconds = 10.0;
    int rounds = 5;
    std::vector<std::string> plugins;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seconds" && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else if (a == "--rounds" && i + 1 < argc)
            rounds = std::atoi(argv[++i]);
        else
            plugins.push_back(a);
    }
    if (seconds <= 0.0 || rounds < 1) {
        std::fprintf(stderr, "usage: tarlix_peer [--seconds S] [--rounds R] [plugin.so ...]\n");
        return 2;
    }
    if (plugins.empty()) {
        plugins.push_back(tools::pluginBesideExecutable(argv[0]));
        if (::access(kAmsynth, R_OK) == 0) plugins.push_back(kAmsynth);
    }
    // A peer may keep settings in the home folder: give it a scratch one.
    char scratch[] = "/tmp/tarlix-peer-XXXXXX";
    if (::mkdtemp(scratch)) {
        std::error_code ignored;
        std::filesystem::create_directories(std::string(scratch) + "/.local/share", ignored);
        ::setenv("HOME", scratch, 1);
    }

    std::vector<std::vector<double>> cpu(plugins.size());
    std::vector<double> peak(plugins.size(), 0.0);
    for (int round = 0; round < rounds; ++round)
        for (size_t p = 0; p < plugins.size(); ++p) {
            const bool ours = plugins[p].find("Tarlix_2") != std::string::npos;
            Round r = play(plugins[p], seconds, ours);
            cpu[p].push_back(r.cpuSeconds);
            peak[p] = std::max(peak[p], r.peak);
        }

    std::printf("%d held notes, %.0f Hz, block %d, %.1f s of audio, %d rounds (medians)\n", kNotes,
                kRate, kBlock, seconds, rounds);
    std::printf("%-48s %12s %12s %10s %8s\n", "plug-in", "cpu s", "share core", "rt factor",
                "peak");
    for (size_t p = 0; p < plugins.size(); ++p) {
        const double c = median(cpu[p]);
        std::printf("%-48s %12.3f %11.2f%% %10.1f %8.3f\n", plugins[p].c_str(), c,
                    100.0 * c / seconds, seconds / c, peak[p]);
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return 0;
}
