#include "tests/temp_folder.h"
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <set>
#include <vector>

#include "common/curves.h"
#include "editor/layout_table.h"
#include "engine/program_memory.h"
#include "platform/platform.h"
#include "tools/program_source.h"

using namespace tarlix;

namespace {

const ParameterLookup& lookup() {
    return instrumentParameterLookup();
}

std::vector<uint8_t> recordAtVersion(float versionFloat) {
    std::vector<uint8_t> rec(record::kSize, 0);
    for (int i = 0; i < kNumParams; ++i)
        writeValue(rec.data(), i, 0.25f);
    writeValue(rec.data(), kVersionParam, versionFloat);
    return rec;
}

float at(const std::vector<uint8_t>& rec, int param) {
    return readValue(rec.data(), param);
}

} // namespace

TEST(Migration, VersionIsReadAsARoundedInteger) {
    auto rec = recordAtVersion(0.241f);
    EXPECT_EQ(recordVersion(rec.data()), 2410);
    writeValue(rec.data(), kVersionParam, 0.24f);
    EXPECT_EQ(recordVersion(rec.data()), 2400);
    writeValue(rec.data(), kVersionParam, NAN);
    EXPECT_EQ(recordVersion(rec.data()), 2410);
    writeValue(rec.data(), kVersionParam, -0.5f);
    EXPECT_EQ(recordVersion(rec.data()), 2410);
}

// Each old version goes through every step from its own onwards; a value of 0.25 everywhere
// shows which parameters each step touches.
TEST(Migration, EveryStepSetsItsParametersOnly) {
    struct Case {
        float version;
        float lfo1Target, osc1Wave, lpfType, subOsc, bend, arpRate, echoLength, set187, set222,
            set233;
    };
    const float echoFrom2300 = [] {
        const LayoutRecord& row = lookup().rowOf(168);
        float x = (0.25f * 4.0f + 1.0f - row.min) / (row.max - row.min);
        return taper_inverse(x, lookup().taper[168]);
    }();
    const float wave2400 = 0.25f * 0.71428573f + 0.0007142857f;
    const float type2300 = (0.25f * 0.375f + 0.00125f) * 0.8888889f + 0.0011111111f;
    const float bend = 0.25f * 0.23404256f + 0.00021276595f;
    const Case cases[] = {
        {0.21f, 0.25f * 0.9444444f + 0.00055555557f,
         (0.25f * 0.8f + 0.0009999999f) * 0.71428573f + 0.0007142857f, type2300,
         0.25f * 0.33333334f + 0.0016666666f, bend, 0.25f * 0.5f + 0.50125f, echoFrom2300, 0.5f,
         1.0f, 1.0f},
        {0.22f, 0.25f, wave2400, type2300, 0.25f * 0.33333334f + 0.0016666666f, bend, 0.25f,
         echoFrom2300, 0.25f, 1.0f, 1.0f},
        {0.23f, 0.25f, wave2400, 0.25f * 0.8888889f + 0.0011111111f,
         0.25f * 0.33333334f + 0.0016666666f, bend, 0.25f, 0.25f, 0.25f, 0.25f, 1.0f},
        {0.24f, 0.25f, 0.25f, 0.25f, 0.25f, bend, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f},
        {0.241f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        auto rec = recordAtVersion(c.version);
        upgradeRecord(rec.data(), lookup());
        EXPECT_FLOAT_EQ(at(rec, 10), c.lfo1Target);
        EXPECT_FLOAT_EQ(at(rec, 64), c.osc1Wave);
        EXPECT_FLOAT_EQ(at(rec, 65), c.osc1Wave);
        EXPECT_FLOAT_EQ(at(rec, 82), c.lpfType);
        EXPECT_FLOAT_EQ(at(rec, 73), c.subOsc);
        EXPECT_FLOAT_EQ(at(rec, 184), c.bend);
        EXPECT_FLOAT_EQ(at(rec, 128), c.arpRate);
        EXPECT_FLOAT_EQ(at(rec, 168), c.echoLength);
        EXPECT_FLOAT_EQ(at(rec, 187), c.set187);
        EXPECT_FLOAT_EQ(at(rec, 222), c.set222);
        EXPECT_FLOAT_EQ(at(rec, 233), c.set233);
        EXPECT_EQ(at(rec, kVersionParam), 0.241f);
        // A second load changes nothing: no step runs twice.
        auto again = rec;
        upgradeRecord(again.data(), lookup());
        EXPECT_EQ(again, rec);
    }
}

TEST(Migration, SectionFilesFollowTheRecordChain) {
    EXPECT_EQ(upgradeSectionValue(64, 2410, 0.3f, lookup()), 0.3f);
    EXPECT_FLOAT_EQ(upgradeSectionValue(73, 2300, 1.0f, lookup()), 0.402f);
    EXPECT_FLOAT_EQ(upgradeSectionValue(82, 2200, 1.0f, lookup()),
                    (0.375f + 0.00125f) * 0.8888889f + 0.0011111111f);
    // Before 2200 the waves had a shorter list still; the whole chain applies.
    EXPECT_FLOAT_EQ(upgradeSectionValue(64, 2100, 1.0f, lookup()),
                    (0.8f + 0.0009999999f) * 0.71428573f + 0.0007142857f);
    EXPECT_FLOAT_EQ(upgradeSectionValue(133, 2100, 0.0f, lookup()), 0.50125f);
    EXPECT_EQ(upgradeSectionValue(133, 2200, 0.0f, lookup()), 0.0f);
}

TEST(Records, SanitisingClampsValuesAndTerminatesTexts) {
    std::vector<uint8_t> rec(record::kSize, 'x');
    writeValue(rec.data(), 0, NAN);
    writeValue(rec.data(), 1, INFINITY);
    writeValue(rec.data(), 2, -INFINITY);
    writeValue(rec.data(), 3, -0.5f);
    writeValue(rec.data(), 4, 1.5f);
    writeValue(rec.data(), 5, 0.75f);
    sanitiseRecord(rec.data());
    EXPECT_EQ(at(rec, 0), 0.0f);
    EXPECT_EQ(at(rec, 1), 1.0f);
    EXPECT_EQ(at(rec, 2), 0.0f);
    EXPECT_EQ(at(rec, 3), 0.0f);
    EXPECT_EQ(at(rec, 4), 1.0f);
    EXPECT_EQ(at(rec, 5), 0.75f);
    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(std::strlen(stringSlot(rec.data(), s)), 259u);
    EXPECT_EQ(std::strlen(programName(rec.data())), 24u);
    EXPECT_EQ(programName(rec.data())[25], 0);
}

TEST(Records, SectionListsMatchTheFileSizes) {
    const size_t expected[] = {108, 80, 104, 56};
    for (int s = 0; s < kSectionCount; ++s)
        EXPECT_EQ(8u + 4u * kSections[s].count, expected[s]) << kSections[s].extension;
}

// ---- program source ---------------------------------------------------------------------

namespace {
std::string compileError(const std::string& text) {
    uint8_t rec[record::kSize];
    std::memset(rec, 0xAB, sizeof rec);
    uint8_t before[record::kSize];
    std::memcpy(before, rec, sizeof rec);
    std::string error;
    bool ok = compileProgramSource(text, "lead.tlx", lookup(), SourceOptions{}, rec, error);
    EXPECT_FALSE(ok);
    EXPECT_EQ(std::memcmp(rec, before, sizeof rec), 0) << "a refused source changed the record";
    return error;
}
} // namespace

TEST(ProgramSource, SettingsInDisplayUnitsAndOptionNames) {
    uint8_t rec[record::kSize];
    std::string error;
    const char* text = "# a lead\n"
                       "name = \"Warm Lead\"\n"
                       "\"Osc1 Wave\" = square   # option names ignore case\n"
                       "\"Play Mode\" = Mono\n"
                       "\"Master Pan\" = 0\n"
                       "\"LPF Cutoff\" = 62.5\n"
                       "\"Arp OnOff\" = on\n"
                       "\"text1\" = \"a # b\"\n"
                       "\"Midi Channel\" = Channel: 3\n"
                       "learn \"LPF Cutoff\" = cc 74\n"
                       "learn \"LPF Resonance\" = nrpn 5\n";
    ASSERT_TRUE(compileProgramSource(text, "lead.tlx", lookup(), SourceOptions{}, rec, error))
        << error;
    EXPECT_STREQ(programName(rec), "Warm Lead");
    EXPECT_FLOAT_EQ(readValue(rec, 64), 7.0f / 14.0f);
    EXPECT_EQ(readValue(rec, 120), 0.0f);
    EXPECT_FLOAT_EQ(readValue(rec, 122), 0.5f);
    EXPECT_FLOAT_EQ(readValue(rec, 83), 0.625f);
    EXPECT_EQ(readValue(rec, 124), 1.0f);
    EXPECT_STREQ(stringSlot(rec, 1), "a # b");
    EXPECT_FLOAT_EQ(readValue(rec, 211), 3.0f / 16.0f);
    EXPECT_EQ(readLearn(rec, 83), 74);
    EXPECT_EQ(readLearn(rec, 84), 205);
    EXPECT_EQ(readLearn(rec, 85), kNotLearned);
    EXPECT_EQ(readValue(rec, kVersionParam), 0.241f);
    // Unnamed parameters keep the initial program's values.
    EXPECT_FLOAT_EQ(readValue(rec, 65), 1.0f / 14.0f); // Saw
}

TEST(ProgramSource, MistakesAreReportedWithFileAndLine) {
    EXPECT_EQ(compileError("name = \"x\"\n\"Cut Off\" = 3\n"),
              "lead.tlx:2: unknown parameter \"Cut Off\"");
    EXPECT_EQ(compileError("\"LPF Cutoff\" = 101\n"), "lead.tlx:1: 101 outside 0..100");
    EXPECT_EQ(compileError("\"LPF Cutoff\" = 10\n\n\"LPF Cutoff\" = 20\n"),
              "lead.tlx:3: duplicate setting (first on line 1)");
    EXPECT_EQ(compileError("\"Osc1 Wave\" = Wobble\n"),
              "lead.tlx:1: \"Wobble\" is not an option of \"Osc1 Wave\"");
    EXPECT_EQ(compileError("name = \"A name far longer than allowed\"\n"),
              "lead.tlx:1: name longer than 24 characters");
    EXPECT_EQ(compileError("version = 2300\n"), "lead.tlx:1: version must be 2400 or 2410");
    EXPECT_EQ(compileError("\"Version\" = 1\n"), "lead.tlx:1: the version is set with 'version ='");
    EXPECT_EQ(compileError("\"LPF Cutoff\" = loud\n"), "lead.tlx:1: number expected");
    EXPECT_EQ(compileError("\"LPF Cutoff\" = raw 1.5\n"), "lead.tlx:1: raw value outside 0..1");
    EXPECT_EQ(compileError("learn \"LPF Cutoff\" = cc 128\n"),
              "lead.tlx:1: learn takes cc 0..127, nrpn 0..16383, code N or none");
    EXPECT_EQ(compileError("volume 3\n"), "lead.tlx:1: unknown setting \"volume\"");
    EXPECT_EQ(compileError(std::string("name = \"\x01x\"\n")),
              "lead.tlx:1: control character in the name");
    EXPECT_EQ(compileError("version = 2400\n\"Bend Depth\" = 24\n"),
              "lead.tlx:2: a version 2400 program holds a Bend Depth of at most 12");
}

TEST(ProgramSource, FactoryVersionStoresBendDepthOnTheOldList) {
    uint8_t rec[record::kSize];
    std::string error;
    SourceOptions factory;
    factory.defaultVersion = 2400;
    ASSERT_TRUE(
        compileProgramSource("\"Bend Depth\" = 7\n", "f.tlx", lookup(), factory, rec, error));
    EXPECT_EQ(readValue(rec, kVersionParam), 0.24f);
    upgradeRecord(rec, lookup());
    float v = quantiseNormalised(readValue(rec, 184), lookup().steps[184]);
    EXPECT_FLOAT_EQ(v, 6.0f / 47.0f); // option "7"
}

// Any record, dumped and compiled again, gives the same bytes: edited values, texts, data
// blocks, learn codes and spare parameters included.
TEST(ProgramSource, DumpAndCompileRoundTripBitForBit) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int trial = 0; trial < 20; ++trial) {
        uint8_t rec[record::kSize] = {};
        for (int i = 0; i < kNumParams; ++i) {
            float v = unit(rng);
            int steps = lookup().steps[i];
            if (steps > 1 && trial % 2) v = quantiseNormalised(v, steps);
            writeValue(rec, i, v);
            writeLearn(rec, i, (rng() % 3) ? kNotLearned : static_cast<uint16_t>(rng() % 400));
        }
        writeValue(rec, kVersionParam, 0.241f);
        std::snprintf(programName(rec), 25, "Trial \"%d\" #", trial);
        std::snprintf(stringSlot(rec, 0), 260, "/banks/My Bank %d.Bnk", trial);
        for (int b = 0; b < 64; ++b)
            rec[record::kShortBlocks + b * 7] = static_cast<uint8_t>(rng());
        rec[record::kLongBlock + 2047] = 9;
        std::string text = dumpProgramSource(rec, lookup(), trial % 3 == 0);
        uint8_t back[record::kSize];
        std::string error;
        ASSERT_TRUE(compileProgramSource(text, "dump.tlx", lookup(), SourceOptions{}, back, error))
            << error << "\n"
            << text;
        ASSERT_EQ(std::memcmp(rec, back, record::kSize), 0) << text;
    }
}

TEST(ProgramSource, InitialProgramNamesEveryValueInRange) {
    uint8_t rec[record::kSize];
    std::string error;
    ASSERT_TRUE(compileProgramSource("", "empty.tlx", lookup(), SourceOptions{}, rec, error))
        << error;
    EXPECT_STREQ(programName(rec), "Init");
    EXPECT_STREQ(stringSlot(rec, 0), "---");
    for (int i = 0; i < kNumParams; ++i) {
        float v = readValue(rec, i);
        EXPECT_TRUE(v >= 0.0f && v <= 1.0f) << i;
        EXPECT_EQ(readLearn(rec, i), kNotLearned);
    }
}

TEST(ProgramSource, ParameterNamesInUseAreUnique) {
    std::set<std::string> names;
    for (int i = 0; i < kNumAutomatable; ++i) {
        const char* n = lookup().row[i] ? lookup().rowOf(i).name : nullptr;
        if (n) {
            EXPECT_TRUE(names.insert(n).second) << n;
        }
    }
}

// ---- the factory bank -------------------------------------------------------------------

TEST(FactoryBank, EmbeddedBankHasTheCategoriesAndFactoryVersion) {
    platform::Resource r = platform::findResource("VST_PatchMemoryBanks.mem", "DATA");
    ASSERT_EQ(r.size, 4u + kBankSize);
    EXPECT_EQ(std::memcmp(r.data, "TRLX", 4), 0);
    EXPECT_EQ(platform::findResource("VST_PatchMemoryBanks.mem", "PNG").data, nullptr);
    const char* headers[] = {"___ TARLIX TONES ___", "___ SYNTH BASS ___", "___ Ambient Pads ___",
                             "___ ORGANIC KEYS ___", "___ PATTERNS ___",   "___ EXPERIMENTS ___",
                             "___ NOISE FX ___",     "___ INITIALS ___"};
    std::set<std::string> names;
    int found = 0;
    for (int p = 0; p < kNumPrograms; ++p) {
        const uint8_t* rec = r.data + 4 + static_cast<size_t>(p) * record::kSize;
        EXPECT_EQ(readValue(rec, kVersionParam), 0.24f) << p;
        const char* name = reinterpret_cast<const char*>(rec + record::kName);
        ASSERT_LE(std::strlen(name), 24u);
        EXPECT_TRUE(names.insert(name).second) << name;
        for (int h = 0; h < 8; ++h)
            if (std::strcmp(name, headers[h]) == 0) {
                EXPECT_EQ(p, 16 * h) << name;
                ++found;
            }
        for (int i = 0; i < kNumParams; ++i)
            ASSERT_EQ(readLearn(rec, i), kNotLearned);
    }
    EXPECT_EQ(found, 8);
    EXPECT_STREQ(reinterpret_cast<const char*>(r.data + 4 + record::kStringSlots), "---");
    // The sources read back from the image compile to the same bytes.
    for (int p = 0; p < kNumPrograms; ++p) {
        const uint8_t* rec = r.data + 4 + static_cast<size_t>(p) * record::kSize;
        std::string text = dumpProgramSource(rec, lookup(), true);
        uint8_t back[record::kSize];
        std::string error;
        ASSERT_TRUE(compileProgramSource(text, "p.tlx", lookup(), SourceOptions{}, back, error))
            << error;
        ASSERT_EQ(std::memcmp(rec, back, record::kSize), 0) << text;
    }
}

TEST(FactoryBank, BankListMustNameExactly128Programs) {
    testfiles::TempFolder temp;
    std::string folder = temp.path;
    auto write = [&](const std::string& name, const std::string& text) {
        platform::Span s{text.data(), text.size()};
        ASSERT_TRUE(platform::writeFileAtomically(folder + "/" + name, &s, 1));
    };
    write("a.tlx", "name = \"A\"\n");
    write("short.list", "version = 2400\na.tlx\na.tlx\n");
    write("bad.list", "a.tlx\nmissing.tlx\n");
    write("b.tlx", "\"LPF Cutoff\" = 900\n");
    write("badsource.list", "a.tlx\nb.tlx\n");
    std::vector<uint8_t> bank(kBankSize, 0x11);
    std::string error;
    EXPECT_FALSE(compileBankList(folder + "/short.list", lookup(), bank.data(), error));
    EXPECT_EQ(error, folder + "/short.list: 2 programs listed, 128 needed");
    EXPECT_FALSE(compileBankList(folder + "/bad.list", lookup(), bank.data(), error));
    EXPECT_EQ(error, folder + "/bad.list:2: cannot read " + folder + "/missing.tlx");
    EXPECT_FALSE(compileBankList(folder + "/badsource.list", lookup(), bank.data(), error));
    EXPECT_EQ(error, folder + "/b.tlx:1: 900 outside 0..100");
    EXPECT_EQ(bank[0], 0x11);
}
