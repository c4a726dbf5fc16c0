// The program store's bank file inside the engine: saving and loading keep the bank's path,
// refusals change nothing. (Presets, maps and section files are driven through the preset
// panel's tests, chunks through the library's.)
#include "tests/temp_folder.h"
#include <gtest/gtest.h>

#include <vector>

#include "engine/preset_files.h"
#include "engine/qx_dsp_vst.h"
#include "platform/platform.h"
#include "tests/module_rig.h"

using namespace tarlix;
using moduletest::host;

namespace {

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
    // Section numbers outside the list are refused.
    EXPECT_EQ(fx.programStore().loadSectionFile(7, path("My.Bnk").c_str()), kFileRefused);
    EXPECT_FALSE(fx.programStore().saveSectionFile(-1, path("x").c_str()));
}
