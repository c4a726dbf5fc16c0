// The factory bank as a musician meets it: loaded through the built library, every program
// plays its category's phrase (the bank audition), and the bank as a whole is measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/temp_folder.h"
#include "tools/audition.h"

using namespace vst;

namespace {

// Programs closer than this sound alike. A 5 % nudge of the cutoff on a plain program
// measures about 1.5 to 6 (see DistanceNoticesASmallCutoffMove); two factory programs must
// differ by more than the smaller of those.
constexpr double kNearDuplicate = 2.0;

struct Bank {
    tools::LoadedPlugin plugin{TARLIX_PLUGIN_PATH, audition::host};
    std::vector<std::string> names;
    std::vector<audition::Measures> measures;
    double medianLoudness = 0.0;

    Bank() {
        if (!plugin.ok()) return;
        for (int p = 0; p < audition::kPrograms; ++p) {
            names.push_back(plugin.text(effGetProgramNameIndexed, p, -1));
            measures.push_back(audition::measure(audition::render(plugin, p)));
        }
        std::vector<double> loud;
        for (int p = 0; p < audition::kPrograms; ++p)
            if (!audition::isHeader(p)) loud.push_back(measures[p].loudness);
        std::sort(loud.begin(), loud.end());
        medianLoudness = loud[loud.size() / 2];
    }
};

// Rendered once for all the tests of this file.
Bank& bank() {
    static Bank b;
    return b;
}

int param(const char* name) {
    return bank().plugin.findParameter(name);
}

// The option a program's parameter holds, from its normalised value.
int option(int parameter, int options) {
    AEffect* fx = bank().plugin.fx();
    return static_cast<int>(std::lround(fx->getParameter(fx, parameter) * (options - 1)));
}

bool on(int parameter) {
    AEffect* fx = bank().plugin.fx();
    return fx->getParameter(fx, parameter) > 0.5f;
}

} // namespace

TEST(FactoryBank, EveryProgramSoundsWithinTheLoudnessWindow) {
    Bank& b = bank();
    ASSERT_TRUE(b.plugin.ok());
    for (int p = 0; p < 128; ++p) {
        const audition::Measures& m = b.measures[p];
        EXPECT_TRUE(m.finite) << b.names[p];
        if (audition::isHeader(p)) continue;
        ASSERT_TRUE(std::isfinite(m.loudness)) << b.names[p] << " is silent";
        EXPECT_NEAR(m.loudness, b.medianLoudness, 3.0) << b.names[p];
        EXPECT_LE(m.truePeak, -1.0) << b.names[p];
    }
    std::printf("median loudness %.1f LUFS\n", b.medianLoudness);
}

TEST(FactoryBank, DistanceNoticesASmallCutoffMove) {
    Bank& b = bank();
    ASSERT_TRUE(b.plugin.ok());
    const int cutoff = param("LPF Cutoff");
    ASSERT_GE(cutoff, 0);
    for (int p : {113, 117}) { // plain starting points
        b.plugin.call(effSetProgram, 0, p);
        AEffect* fx = b.plugin.fx();
        fx->setParameter(fx, cutoff, fx->getParameter(fx, cutoff) - 0.1f);
        audition::Measures nudged =
            audition::measure(audition::render(b.plugin, p, 48000, 256, false));
        EXPECT_GT(audition::distance(b.measures[p], nudged), kNearDuplicate) << b.names[p];
        EXPECT_EQ(audition::distance(b.measures[p], b.measures[p]), 0.0);
    }
}

TEST(FactoryBank, NoTwoProgramsAreNearDuplicates) {
    Bank& b = bank();
    ASSERT_TRUE(b.plugin.ok());
    double closest = INFINITY;
    for (int p = 0; p < 128; ++p)
        for (int q = p + 1; q < 128; ++q) {
            if (audition::isHeader(p) || audition::isHeader(q)) continue;
            const double d = audition::distance(b.measures[p], b.measures[q]);
            closest = std::min(closest, d);
            EXPECT_GT(d, kNearDuplicate) << b.names[p] << " and " << b.names[q] << " sound alike";
        }
    std::printf("closest pair: %.2f\n", closest);
}

// The bank shows the instrument's range: every wave, combining mode, filter type, envelope
// shape and LFO target, the arpeggiator's modes, the sequencer and every effect are used.
TEST(FactoryBank, ProgramsCoverTheInstrumentsRange) {
    Bank& b = bank();
    ASSERT_TRUE(b.plugin.ok());
    struct Choice {
        const char* name;
        int options;
        const char* onlyWhen; // a switch or level that must be on for the choice to count
    };
    const Choice choices[] = {
        {"Osc1 Wave", 15, nullptr},         {"Osc2 Wave", 15, "Osc2 Mix"},
        {"SubOsc Wave", 7, "SubOsc Mix"},   {"Osc Mode", 7, nullptr},
        {"LPF Type", 10, nullptr},          {"LPF Mode", 2, nullptr},
        {"Amp Shape", 3, nullptr},          {"LPF Shape", 3, "Filter Env Level"},
        {"Lfo1 Target", 19, "Lfo1 On/Off"}, {"Lfo2 Target", 19, "Lfo2 On/Off"},
        {"Lfo3 Target", 17, "Lfo3 On/Off"}, {"Arp Mode", 5, "Arp OnOff"},
        {"Melt A Mode", 2, "Melt Depth"},   {"Melt System", 2, "Melt Depth"},
    };
    std::map<std::string, std::set<int>> used;
    std::set<std::string> switchedOn;
    const char* effects[] = {"Seq OnOff", "Echo OnOff", "Cho Mode", "EQ Active", "Hfo On/Off"};
    for (int p = 0; p < 128; ++p) {
        if (audition::isHeader(p)) continue;
        b.plugin.call(effSetProgram, 0, p);
        for (const Choice& c : choices) {
            const int index = param(c.name);
            ASSERT_GE(index, 0) << c.name;
            if (c.onlyWhen) {
                AEffect* fx = b.plugin.fx();
                if (fx->getParameter(fx, param(c.onlyWhen)) <= 0.0f) continue;
            }
            used[c.name].insert(option(index, c.options));
        }
        for (const char* e : effects)
            if (on(param(e))) switchedOn.insert(e);
    }
    // All LFO targets over the three LFOs (LFO 3 has no "Melt" and "Echo - Tune").
    std::set<int> lfoTargets = used["Lfo1 Target"];
    lfoTargets.insert(used["Lfo2 Target"].begin(), used["Lfo2 Target"].end());
    for (int t : used["Lfo3 Target"])
        lfoTargets.insert(t < 16 ? t : 18); // LFO 3's last target is "Logic Switch"
    EXPECT_EQ(lfoTargets.size(), 19u);
    std::set<int> waves = used["Osc1 Wave"];
    waves.insert(used["Osc2 Wave"].begin(), used["Osc2 Wave"].end());
    EXPECT_EQ(waves.size(), 15u);
    for (const Choice& c : choices) {
        const std::string name = c.name;
        if (name.find("Wave") == std::string::npos && name.find("Target") == std::string::npos) {
            EXPECT_EQ(used[name].size(), static_cast<size_t>(c.options)) << name;
        }
    }
    EXPECT_EQ(used["SubOsc Wave"].size(), 7u);
    for (const char* e : effects)
        EXPECT_TRUE(switchedOn.count(e)) << "no program uses " << e;
}

// Writing a phrase again replaces the file (a plain rename does not replace one everywhere).
TEST(BankAudition, WritingAWavAgainReplacesIt) {
    testfiles::TempFolder dir;
    audition::Stereo s;
    s.left.assign(480, 0.25f);
    s.right = s.left;
    std::string first, second;
    ASSERT_TRUE(audition::writeWav(dir / "Klang.wav", s));
    ASSERT_TRUE(platform::readWholeFile(dir / "Klang.wav", first));
    s.left.resize(48);
    s.right.resize(48);
    ASSERT_TRUE(audition::writeWav(dir / "Klang.wav", s));
    ASSERT_TRUE(platform::readWholeFile(dir / "Klang.wav", second));
    EXPECT_EQ(first.size() - second.size(), (480u - 48u) * 2 * sizeof(float));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Klang.wav"});
}
