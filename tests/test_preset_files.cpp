#include "tests/temp_folder.h"
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "editor/layout_table.h"
#include "engine/preset_files.h"
#include "platform/platform.h"

using namespace tarlix;

namespace {

const ParameterLookup& lookup() {
    return instrumentParameterLookup();
}

using Folder = testfiles::TempFolder;

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

// A bank as the engine keeps it: normalised, one learn map, terminated texts.
std::vector<uint8_t> sampleBank(uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> bank(kBankSize);
    for (auto& b : bank)
        b = static_cast<uint8_t>(rng());
    for (int p = 0; p < kNumPrograms; ++p) {
        uint8_t* rec = bank.data() + static_cast<size_t>(p) * record::kSize;
        for (int i = 0; i < kNumParams; ++i)
            writeValue(rec, i, static_cast<float>(rng() % 1000) / 999.0f);
    }
    normaliseBank(bank.data());
    return bank;
}

} // namespace

TEST(PresetFiles, EveryTypeWrittenThenReadIsIdentical) {
    Folder dir;
    auto bank = sampleBank(1);
    ASSERT_TRUE(writeBankFile(dir / "My.Bnk", bank.data()));
    EXPECT_EQ(fileBytes(dir / "My.Bnk").size(), 752132u);
    std::vector<uint8_t> back(kBankSize);
    EXPECT_EQ(readBankFile(dir / "My.Bnk", back.data()), kFileRead);
    EXPECT_EQ(back, bank);

    const uint8_t* rec = bank.data() + 17 * record::kSize;
    ASSERT_TRUE(writeProgramFile(dir / "Lead.pst", rec));
    EXPECT_EQ(fileBytes(dir / "Lead.pst").size(), 5880u);
    std::vector<uint8_t> one(record::kSize);
    EXPECT_EQ(readProgramFile(dir / "Lead.pst", one.data()), kFileRead);
    EXPECT_EQ(std::memcmp(one.data(), rec, record::kSize), 0);

    ASSERT_TRUE(writeMidiLearnFile(dir / "Map.mmp", bank.data() + record::kMidiLearn));
    EXPECT_EQ(fileBytes(dir / "Map.mmp").size(), 670u);
    uint8_t learn[kMidiLearnBlockSize];
    EXPECT_EQ(readMidiLearnFile(dir / "Map.mmp", learn), kFileRead);
    EXPECT_EQ(std::memcmp(learn, bank.data() + record::kMidiLearn, sizeof learn), 0);

    float values[kNumParams];
    for (int i = 0; i < kNumParams; ++i)
        values[i] = readValue(rec, i);
    const size_t sizes[] = {108, 80, 104, 56};
    for (int s = 0; s < kSectionCount; ++s) {
        std::string path = dir / (std::string("Section") + kSections[s].extension);
        ASSERT_TRUE(writeSectionFile(path, s, values));
        auto bytes = fileBytes(path);
        ASSERT_EQ(bytes.size(), sizes[s]);
        int32_t version;
        std::memcpy(&version, bytes.data() + 4, 4);
        EXPECT_EQ(version, 2410);
        SectionValues read;
        EXPECT_EQ(readSectionFile(path, s, lookup(), read), kSectionRead);
        ASSERT_EQ(read.count, kSections[s].count);
        for (int k = 0; k < read.count; ++k)
            EXPECT_EQ(read.values[k], values[kSections[s].entries[k]]);
    }
    // Nothing but the files themselves is left in the folder.
    EXPECT_EQ(dir.entries().size(), 7u);
}

TEST(PresetFiles, IncompleteOrForeignFilesAreRefusedWithNothingChanged) {
    Folder dir;
    auto bank = sampleBank(2);
    ASSERT_TRUE(writeBankFile(dir / "Full.Bnk", bank.data()));
    auto bytes = fileBytes(dir / "Full.Bnk");
    auto truncated = bytes;
    truncated.resize(bytes.size() - 1);
    writeBytes(dir / "Short.Bnk", truncated);
    auto foreign = bytes;
    foreign[0] = 'X';
    writeBytes(dir / "Foreign.Bnk", foreign);
    writeBytes(dir / "Empty.Bnk", {});
    writeBytes(dir / "Magic.pst", {'T', 'R', 'L', 'X'});

    std::vector<uint8_t> dest(kBankSize, 0x5A);
    const auto before = dest;
    for (const char* name : {"Short.Bnk", "Foreign.Bnk", "Empty.Bnk", "Missing.Bnk", ""}) {
        EXPECT_EQ(readBankFile(dir / name, dest.data()), kFileRefused) << name;
        EXPECT_EQ(dest, before) << name;
    }
    EXPECT_EQ(readBankFile(dir.path, dest.data()), kFileRefused); // a folder is not a file
    for (const char* name : {"Magic.pst", "Short.Bnk"}) {
        // A bank file read as a program is long enough but the wrong type: it is still refused
        // when its magic is wrong, and taken only as far as one record when it is right.
        EXPECT_EQ(readProgramFile(dir / name, dest.data()),
                  std::string(name) == "Short.Bnk" ? kFileRead : kFileRefused);
    }
    dest = before;
    uint8_t learn[kMidiLearnBlockSize];
    std::memset(learn, 7, sizeof learn);
    writeBytes(dir / "Short.mmp", std::vector<uint8_t>{'T', 'R', 'L', 'X', 1, 2, 3});
    EXPECT_EQ(readMidiLearnFile(dir / "Short.mmp", learn), kFileRefused);
    EXPECT_EQ(learn[0], 7);
    SectionValues values;
    EXPECT_EQ(readSectionFile(dir / "Foreign.Bnk", 0, lookup(), values), kFileRefused);
    EXPECT_EQ(readSectionFile(dir / "Missing.SQp", 0, lookup(), values), kFileRefused);
    EXPECT_EQ(readSectionFile(dir / "Magic.pst", 9, lookup(), values), kFileRefused);
}

TEST(PresetFiles, ShortAndOldSectionFiles) {
    Folder dir;
    // An oscillator file of version 2300 holding only its first three fields.
    std::vector<uint8_t> bytes = {'T', 'R', 'L', 'X'};
    int32_t version = 2300;
    auto push = [&](const void* p, size_t n) {
        auto b = static_cast<const uint8_t*>(p);
        bytes.insert(bytes.end(), b, b + n);
    };
    push(&version, 4);
    float fields[3] = {1.0f, 0.5f, NAN};
    push(fields, sizeof fields);
    bytes.push_back(0x3F); // half a float: not taken
    writeBytes(dir / "Old.OSp", bytes);
    SectionValues v;
    ASSERT_EQ(readSectionFile(dir / "Old.OSp", 1, lookup(), v), kSectionRead);
    ASSERT_EQ(v.count, 3);
    EXPECT_FLOAT_EQ(v.values[0], 1.0f * 0.71428573f + 0.0007142857f);
    EXPECT_FLOAT_EQ(v.values[1], 0.5f * 0.71428573f + 0.0007142857f);
    EXPECT_EQ(v.values[2], 0.0f);
    writeBytes(dir / "Bare.OSp", {'T', 'R', 'L', 'X'});
    ASSERT_EQ(readSectionFile(dir / "Bare.OSp", 1, lookup(), v), kSectionRead);
    EXPECT_EQ(v.count, 0);
}

TEST(PresetFiles, FailedSavesLeaveNoHalfFileAndKeepTheOldOne) {
    Folder dir;
    auto bank = sampleBank(3);
    writeBytes(dir / "Existing.pst", {1, 2, 3});
    // A path whose "folder" is a file, and a target that is a folder: both fail cleanly.
    EXPECT_FALSE(writeProgramFile(dir / "Existing.pst/inside.pst", bank.data()));
    ASSERT_TRUE(platform::makeFolders(dir / "Taken.Bnk"));
    EXPECT_FALSE(writeBankFile(dir / "Taken.Bnk", bank.data()));
    EXPECT_EQ(fileBytes(dir / "Existing.pst"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(dir.entries().size(), 2u); // no temporary file stays behind
    // A save into a folder that does not exist yet creates it.
    EXPECT_TRUE(writeProgramFile(dir / "Presets/Sub/New.pst", bank.data()));
    EXPECT_EQ(fileBytes(dir / "Presets/Sub/New.pst").size(), 5880u);
}
