// tarlix-alias: the whole instrument's alias figures. Plays held notes through the plug-in
// library as a host does and prints, per note, the strongest spectral peak off the note's
// harmonic lines relative to the fundamental (Blackman-Harris window over one second).
//   tarlix-alias [--plugin PATH] [--rate HZ]... [--from KEY] [--to KEY] [--step N]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/alias_meter.h"
#include "tools/held_note.h"

namespace {

constexpr int kInitialProgram = 112; // the "___ INITIALS ___" header: one saw, filter open

struct Column {
    const char* title;
    std::vector<heldnote::Setting> settings;
};

double keyHz(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

} // namespace

int main(int argc, char** argv) {
    std::string pluginPath = tools::pluginBesideExecutable(argv[0]);
    std::vector<int> rates;
    int from = 45, to = 105, step = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--plugin" && more)
            pluginPath = argv[++i];
        else if (a == "--rate" && more)
            rates.push_back(std::atoi(argv[++i]));
        else if (a == "--from" && more)
            from = std::atoi(argv[++i]);
        else if (a == "--to" && more)
            to = std::atoi(argv[++i]);
        else if (a == "--step" && more)
            step = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr, "usage: tarlix-alias [--plugin PATH] [--rate HZ]... [--from KEY] "
                                 "[--to KEY] [--step N]\n");
            return 2;
        }
    }
    if (rates.empty()) rates = {44100, 48000, 96000};
    {
        tools::LoadedPlugin probe(pluginPath, heldnote::host);
        if (!probe.ok()) {
            std::fprintf(stderr, "tarlix-alias: %s\n", probe.error().c_str());
            return 1;
        }
    }
    const std::vector<Column> columns = {
        {"initial", {}},
        {"Gain 100", {{"Gain", 1.0f}}},
        {"Drive 100", {{"Filter Drive %", 1.0f}}},
        {"Sat+Drive 100", {{"Filter Saturation %", 1.0f}, {"Filter Drive %", 1.0f}}},
    };
    for (int rate : rates) {
        std::printf("# %d Hz: strongest off-harmonic peak, dBc (worst at Hz)\n", rate);
        std::printf("%4s %8s", "key", "Hz");
        for (const Column& c : columns)
            std::printf(" %22s", c.title);
        std::printf("\n");
        std::vector<double> worst(columns.size(), -400.0), worst5k(columns.size(), -400.0);
        for (int key = from; key <= to; key += step) {
            const double hz = keyHz(key);
            std::printf("%4d %8.1f", key, hz);
            for (size_t c = 0; c < columns.size(); ++c) {
                // A fresh instance each time: edits stay with a program once made.
                tools::LoadedPlugin plugin(pluginPath, heldnote::host);
                const std::vector<float> s = heldnote::render(
                    plugin, kInitialProgram, columns[c].settings, key, rate, rate / 2, rate);
                const aliasmeter::Figure f = aliasmeter::measure(s, rate, hz);
                std::printf(" %8.1f (%10.1f)", f.worstDbc, f.worstHz);
                worst[c] = std::max(worst[c], f.worstDbc);
                if (hz >= 100.0 && hz <= 5000.0) worst5k[c] = std::max(worst5k[c], f.worstDbc);
            }
            std::printf("\n");
        }
        std::printf("%-13s", "worst");
        for (double w : worst)
            std::printf(" %22.1f", w);
        std::printf("\n%-13s", "100 Hz-5 kHz");
        for (double w : worst5k)
            std::printf(" %22.1f", w);
        std::printf("\n\n");
    }
    return 0;
}
