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

namespace {

// The option lists that grew over the versions, as they were before each change.
struct OldList {
    int param;
    int lastVersionWithIt; // records of this version or older stored the old list
    const char* options;
};
const OldList kOldLists[] = {
    {64, 2100, "Sine,Saw,Soft Ramp,Triangle,Peak,Cluster,Organ,Square,Pulse,"},
    {64, 2300, "Sine,Saw,Soft Ramp,Triangle,Peak,Cluster,Organ,Square,Pulse,Inv.Saw,Bell,"},
    {65, 2300, "Sine,Saw,Soft Ramp,Triangle,Peak,Cluster,Organ,Square,Pulse,Inv.Saw,Bell,"},
    {73, 2300, "Sine,Square,Triangle,"},
    {82, 2200, "A,B,C,D,"},
    {82, 2300, "A,B,C,D,E,F,G,H,Acid,"},
    {128, 2100, "2,4,8,16,32,"},
    {184, 2400, "1,2,3,4,5,6,7,8,9,10,11,12,"},
};

std::string optionText(const char* options, int k) {
    char text[64] = {};
    return optionItem(options, k, text, 63) ? text : "?";
}

// The text today's list shows for a stored value.
std::string shownOption(int param, float value) {
    const int steps = lookup().steps[param];
    const int k = static_cast<int>(quantiseNormalised(value, steps) * (steps - 1) + 0.5f);
    return optionText(lookup().rowOf(param).options, k);
}

} // namespace

// An old record's option keeps its meaning: loaded today, it shows the option it showed then.
TEST(Migration, AnOldOptionKeepsItsMeaning) {
    for (const OldList& old : kOldLists) {
        const int count = countOptions(old.options);
        for (int k = 0; k < count; ++k) {
            auto rec = recordAtVersion(old.lastVersionWithIt / 10000.0f);
            writeValue(rec.data(), old.param, count > 1 ? k / (count - 1.0f) : 0.0f);
            upgradeRecord(rec.data(), lookup());
            EXPECT_EQ(shownOption(old.param, at(rec, old.param)), optionText(old.options, k))
                << "parameter " << old.param << " from version " << old.lastVersionWithIt;
        }
    }
}

// Every version is brought to the current one exactly once: a second load changes nothing,
// and a current record only keeps its stamp. An old section file's value goes through the
// same chain as the same value in an old record.
TEST(Migration, EachStepRunsOnceAndSectionFilesFollowTheRecordChain) {
    for (int version : {2100, 2200, 2300, 2400, 2410}) {
        SCOPED_TRACE(version);
        auto rec = recordAtVersion(version / 10000.0f);
        upgradeRecord(rec.data(), lookup());
        EXPECT_EQ(at(rec, kVersionParam), 0.241f);
        auto again = rec;
        upgradeRecord(again.data(), lookup());
        EXPECT_EQ(again, rec);
        if (version == 2410) {
            EXPECT_EQ(rec, recordAtVersion(0.241f));
        }
        for (int param : {64, 65, 82, 133}) { // list parameters that section files carry
            auto one = recordAtVersion(version / 10000.0f);
            writeValue(one.data(), param, 0.6f);
            upgradeRecord(one.data(), lookup());
            EXPECT_FLOAT_EQ(upgradeSectionValue(param, version, 0.6f, lookup()), at(one, param))
                << param;
        }
    }
    // The oscillator files before 2400 kept the sub-oscillator on a scale of their own.
    EXPECT_FLOAT_EQ(upgradeSectionValue(73, 2300, 1.0f, lookup()), 0.402f);
    EXPECT_EQ(upgradeSectionValue(64, 2410, 0.3f, lookup()), 0.3f);
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

// The embedded image: the factory version in every record, no learned controllers. (Names and
// categories are checked through the library, the sources' round trip by the bank tool.)
TEST(FactoryBank, EmbeddedBankHasTheFactoryVersionAndNoLearnedControllers) {
    platform::Resource r = platform::findResource("VST_PatchMemoryBanks.mem", "DATA");
    ASSERT_EQ(r.size, 4u + kBankSize);
    EXPECT_EQ(std::memcmp(r.data, "TRLX", 4), 0);
    EXPECT_EQ(platform::findResource("VST_PatchMemoryBanks.mem", "PNG").data, nullptr);
    for (int p = 0; p < kNumPrograms; ++p) {
        const uint8_t* rec = r.data + 4 + static_cast<size_t>(p) * record::kSize;
        EXPECT_EQ(readValue(rec, kVersionParam), 0.24f) << p;
        for (int i = 0; i < kNumParams; ++i)
            ASSERT_EQ(readLearn(rec, i), kNotLearned);
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
