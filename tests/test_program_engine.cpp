// Program memory inside the engine: the live values, chunks set while audio runs, and the
// preset panel's file operations.
#include "tests/temp_folder.h"
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "engine/preset_files.h"
#include "engine/qx_dsp_vst.h"
#include "platform/platform.h"

using namespace tarlix;

namespace {

intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

std::vector<uint8_t> bankOf(QX_DSP_VST& fx) {
    void* data = nullptr;
    int32_t n = fx.getChunk(&data, false);
    auto* p = static_cast<uint8_t*>(data);
    return std::vector<uint8_t>(p, p + n);
}

struct Files : ::testing::Test {
    testfiles::TempFolder folder;
    std::string dir = folder.path;
    QX_DSP_VST fx{host};
    std::string path(const char* name) { return dir + "/" + name; }
    std::vector<uint8_t> bank() {
        std::vector<uint8_t> b(kBankSize);
        fx.programStore().copyBank(b.data());
        return b;
    }
};

} // namespace

TEST(ProgramEngine, ProgramChunkKeepsTheSlotOfTheRecordItReplaces) {
    QX_DSP_VST fx(host);
    fx.programStore().setStringSlot("/my/banks/Live.Bnk", 128);
    std::vector<uint8_t> rec(record::kSize, 0);
    std::strcpy(stringSlot(rec.data(), 0), "/other/path.Bnk");
    std::strcpy(programName(rec.data()), "Incoming");
    writeValue(rec.data(), kVersionParam, 0.241f);
    fx.setChunk(rec.data(), record::kSize, true);
    auto bank = bankOf(fx);
    EXPECT_STREQ(stringSlot(bank.data(), 0), "/my/banks/Live.Bnk");
    EXPECT_STREQ(programName(bank.data()), "Incoming");
    // Refusals change nothing.
    EXPECT_EQ(fx.setChunk(nullptr, 5876, true), 0);
    EXPECT_EQ(fx.setChunk(rec.data(), 0, false), 0);
    EXPECT_EQ(fx.setChunk(rec.data(), -5, false), 0);
    EXPECT_EQ(bankOf(fx), bank);
}

TEST_F(Files, BankFilesLoadSaveAndKeepTheirPath) {
    fx.setProgramName("Saved");
    ASSERT_TRUE(fx.programStore().saveBankFile(path("My.Bnk").c_str()));
    char slot[260];
    fx.programStore().getStringSlot(slot, 128);
    EXPECT_EQ(std::string(slot), path("My.Bnk"));
    auto saved = bank();
    fx.setProgramName("Changed");
    EXPECT_EQ(fx.programStore().loadBankFile(path("My.Bnk").c_str()), kFileRead);
    EXPECT_STREQ(fx.programStore().getCurrentProgramName(), "Saved");
    EXPECT_EQ(bank(), saved);
    // A refused file changes nothing at all.
    fx.setProgramName("Kept");
    auto before = bank();
    EXPECT_EQ(fx.programStore().loadBankFile(path("Missing.Bnk").c_str()), kFileRefused);
    EXPECT_EQ(fx.programStore().loadBankFile(dir.c_str()), kFileRefused);
    EXPECT_EQ(bank(), before);
    // A failed save keeps the old bank path.
    EXPECT_FALSE(fx.programStore().saveBankFile((path("My.Bnk") + "/x.Bnk").c_str()));
    fx.programStore().getStringSlot(slot, 128);
    EXPECT_EQ(std::string(slot), path("My.Bnk"));
}

TEST_F(Files, SinglePresetsAndTheLearnMap) {
    fx.programStore().setMidiLearn(83, 74);
    fx.setParameter(83, 0.4f);
    fx.setProgramName("Pluck");
    ASSERT_TRUE(fx.programStore().saveProgramFile(path("Pluck.pst").c_str()));
    ASSERT_TRUE(fx.programStore().saveMidiLearnFile(path("Map.mmp").c_str()));
    // Into program 5: the values and name arrive, the map every program uses stays.
    fx.programStore().setMidiLearn(83, kNotLearned);
    fx.setProgram(5);
    EXPECT_EQ(fx.programStore().loadProgramFile(path("Pluck.pst").c_str()), kFileRead);
    EXPECT_STREQ(fx.programStore().getCurrentProgramName(), "Pluck");
    EXPECT_FLOAT_EQ(fx.getParameter(83), 0.4f);
    auto b = bank();
    EXPECT_EQ(readLearn(b.data() + 5 * record::kSize, 83), kNotLearned);
    // Into program 0: its map becomes the map of all 128 programs.
    fx.setProgram(0);
    EXPECT_EQ(fx.programStore().loadProgramFile(path("Pluck.pst").c_str()), kFileRead);
    b = bank();
    for (int p = 0; p < kNumPrograms; ++p)
        ASSERT_EQ(readLearn(b.data() + p * record::kSize, 83), 74);
    EXPECT_EQ(fx.instrument().learnedCode(83), 74);
    // The map file alone.
    fx.programStore().setMidiLearn(83, 3);
    EXPECT_EQ(fx.programStore().loadMidiLearnFile(path("Map.mmp").c_str()), kFileRead);
    EXPECT_EQ(fx.programStore().getMidiLearn(83), 74u);
    EXPECT_EQ(fx.programStore().loadMidiLearnFile(path("Pluck.pst").c_str()),
              kFileRead); // long enough: taken
    EXPECT_EQ(fx.programStore().loadProgramFile(path("Map.mmp").c_str()),
              kFileRefused); // too short
}

TEST_F(Files, SectionPresetsChangeOnlyTheirParameters) {
    fx.setParameter(83, 0.7f); // filter section
    fx.setParameter(64, 0.5f); // oscillator section
    ASSERT_TRUE(fx.programStore().saveSectionFile(2, path("Dark.FLp").c_str()));
    fx.setParameter(83, 0.1f);
    fx.setParameter(64, 0.0f);
    EXPECT_EQ(fx.programStore().loadSectionFile(2, path("Dark.FLp").c_str()), kSectionRead);
    EXPECT_FLOAT_EQ(fx.getParameter(83), 0.7f);
    EXPECT_EQ(fx.getParameter(64), 0.0f);
    EXPECT_EQ(fx.programStore().loadSectionFile(2, path("None.FLp").c_str()), kFileRefused);
    EXPECT_EQ(fx.programStore().loadSectionFile(7, path("Dark.FLp").c_str()), kFileRefused);
    EXPECT_FALSE(fx.programStore().saveSectionFile(-1, path("x").c_str()));
}
