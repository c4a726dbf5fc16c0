// tarlix-audition: plays every program of the bank a phrase that fits its category, writes
// one WAV per program, a contact sheet of spectrograms and a table of measured loudness.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "engine/program_record.h"
#include "tools/audition.h"

using namespace vst;

namespace {

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "tarlix-audition: %s\n", message.c_str());
    std::exit(1);
}

void usage() {
    std::fprintf(stderr,
                 "usage: tarlix-audition [--plugin PATH] [--bank FILE.Bnk] [--docs DIR] OUTDIR\n"
                 "  writes OUTDIR/NNN Name.wav for each of the 128 programs; with --docs also\n"
                 "  DIR/bank-audition.png (contact sheet) and DIR/bank-audition.md (table);\n"
                 "  prints program, loudness (LUFS), true peak (dBTP), peak (dBFS), seconds\n");
    std::exit(2);
}

std::string fileSafe(const std::string& name) {
    std::string s;
    for (char c : name)
        s += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.') ? c : '_';
    return s;
}

std::string dbText(double v) {
    char buf[32];
    if (!std::isfinite(v)) return "-inf";
    std::snprintf(buf, sizeof buf, "%.1f", std::fabs(v) < 0.05 ? 0.0 : v); // no "-0.0"
    return buf;
}

void writeTable(const std::string& path, const std::vector<std::string>& names,
                const std::vector<audition::Measures>& m) {
    std::vector<double> loud;
    for (size_t p = 0; p < m.size(); ++p)
        if (!audition::isHeader(static_cast<int>(p)) && std::isfinite(m[p].loudness))
            loud.push_back(m[p].loudness);
    std::sort(loud.begin(), loud.end());
    const double median = loud.empty() ? 0.0 : loud[loud.size() / 2];
    std::ofstream f(path);
    f << "# Factory bank audition\n\n"
      << "Each program plays a phrase that fits its category at 120 BPM, 48000 Hz "
         "(`./scripts/audition.sh` regenerates this table and `bank-audition.png`). "
         "Loudness is EBU R128 integrated loudness, true peak is 4x oversampled "
         "(libebur128). Median loudness of the 120 programs: **"
      << dbText(median) << " LUFS**; window ±3 LU, true peak at most -1 dBTP.\n\n"
      << "![Contact sheet: one column per category, spectrogram and level per "
         "program](bank-audition.png)\n\n"
      << "| # | Program | Category | Loudness (LUFS) | re median (LU) | True peak (dBTP) | "
         "Peak (dBFS) | Seconds |\n|---|---|---|---|---|---|---|---|\n";
    for (size_t p = 0; p < m.size(); ++p) {
        const bool header = audition::isHeader(static_cast<int>(p));
        f << "| " << p << " | " << names[p] << " | "
          << audition::categoryName(audition::categoryOf(static_cast<int>(p))) << " | "
          << dbText(m[p].loudness) << " | "
          << (header || !std::isfinite(m[p].loudness) ? std::string("")
                                                      : dbText(m[p].loudness - median))
          << " | " << dbText(m[p].truePeak) << " | " << dbText(m[p].samplePeak) << " | "
          << dbText(m[p].seconds) << " |\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string pluginPath, bankPath, docs, outDir;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) usage();
            return argv[++i];
        };
        if (a == "--plugin")
            pluginPath = value();
        else if (a == "--bank")
            bankPath = value();
        else if (a == "--docs")
            docs = value();
        else if (!a.empty() && a[0] == '-')
            usage();
        else if (outDir.empty())
            outDir = a;
        else
            usage();
    }
    if (outDir.empty()) usage();
    ::mkdir(outDir.c_str(), 0755);
    if (!docs.empty()) ::mkdir(docs.c_str(), 0755);

    tools::LoadedPlugin plugin(
        pluginPath.empty() ? tools::pluginBesideExecutable(argv[0]) : pluginPath, audition::host);
    if (!plugin.ok()) fail(plugin.error());
    if (!bankPath.empty()) {
        const std::string error = plugin.loadChunkFile(bankPath, tarlix::kBankSize, false);
        if (!error.empty()) fail(error);
    }

    std::vector<audition::Stereo> phrases;
    std::vector<audition::Measures> measures;
    std::vector<std::string> names;
    for (int p = 0; p < audition::kPrograms; ++p) {
        names.push_back(plugin.text(effGetProgramNameIndexed, p, -1));
        phrases.push_back(audition::render(plugin, p));
        measures.push_back(audition::measure(phrases.back()));
        char file[64];
        std::snprintf(file, sizeof file, "%03d ", p);
        std::string path = outDir + "/" + file + fileSafe(names.back()) + ".wav";
        if (!audition::writeWav(path, phrases.back())) fail("cannot write " + path);
        const audition::Measures& m = measures.back();
        std::printf("%d\t%.2f\t%.2f\t%.2f\t%.2f\t%s%s\n", p, m.loudness, m.truePeak, m.samplePeak,
                    m.seconds, names.back().c_str(), m.finite ? "" : "\tNON-FINITE");
        std::fflush(stdout);
    }
    if (!docs.empty()) {
        if (!audition::writeContactSheet(docs + "/bank-audition.png", phrases))
            fail("cannot write " + docs + "/bank-audition.png");
        writeTable(docs + "/bank-audition.md", names, measures);
    }
    return 0;
}
