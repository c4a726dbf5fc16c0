// Where the user folder lives on POSIX systems.
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/preset_files.h"
#include "engine/program_record.h"
#include "platform/platform.h"
#include "tests/temp_folder.h"
#include "tests/user_folder.h"

namespace {
std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}
} // namespace

TEST(Platform, UserFolderFollowsTheEnvironment) {
    const std::string savedPublic = env("PUBLIC"), savedDocs = env("XDG_DOCUMENTS_DIR"),
                      home = env("HOME");
    platform::setEnvironmentVariable("PUBLIC", "/srv/shared/");
    EXPECT_EQ(platform::documentsFolder(), "/srv/shared");
    EXPECT_EQ(platform::userFolder(), "/srv/shared/Tarlix_2/");
    std::string out;
    ASSERT_TRUE(
        platform::expandPublicPath("%Public%\\Documents\\Tarlix_2\\Banks\\Default.Bnk", out, 260));
    EXPECT_EQ(out, "/srv/shared/Tarlix_2/Banks/Default.Bnk");
    EXPECT_FALSE(
        platform::expandPublicPath("%Public%/Documents/" + std::string(300, 'x'), out, 260));
    EXPECT_FALSE(platform::expandPublicPath("%Other%/x", out, 260));
    platform::setEnvironmentVariable("PUBLIC", "");
    platform::setEnvironmentVariable("XDG_DOCUMENTS_DIR", "/home/u/Docs");
    EXPECT_EQ(platform::userFolder(), "/home/u/Docs/Tarlix_2/");
    platform::setEnvironmentVariable("XDG_DOCUMENTS_DIR", "");
    platform::setEnvironmentVariable("HOME", "/home/u");
    EXPECT_EQ(platform::userFolder(), "/home/u/Documents/Tarlix_2/");
    platform::setEnvironmentVariable("HOME", home);
    platform::setEnvironmentVariable("XDG_DOCUMENTS_DIR", savedDocs);
    platform::setEnvironmentVariable("PUBLIC", savedPublic);
}

TEST(Platform, SavesIntoAReadOnlyFolderFailCleanly) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
    testfiles::TempFolder dir;
    ASSERT_EQ(::mkdir((dir / "ReadOnly").c_str(), 0555), 0);
    std::vector<uint8_t> bank(tarlix::kBankSize);
    EXPECT_FALSE(tarlix::writeProgramFile(dir / "ReadOnly/New.pst", bank.data()));
    EXPECT_TRUE(platform::listFolder(dir / "ReadOnly").empty());
}

// The tests run with an empty documents folder of their own, never the real home folder's.
TEST(Platform, TestsRunWithAnEmptyUserFolderOfTheirOwn) {
    namespace fs = std::filesystem;
    const std::string documents = testenv::documentsFolder();
    EXPECT_EQ(std::getenv("PUBLIC"), documents);
    for (const auto& entry : fs::recursive_directory_iterator(documents))
        EXPECT_TRUE(entry.is_directory()) << entry.path(); // no user's file in sight
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const std::string realHome = user->pw_dir;
    if (realHome.size() > 1) {
        EXPECT_NE(documents.rfind(realHome, 0), 0u) << documents;
        EXPECT_NE(std::string(std::getenv("HOME")), realHome);
    }
}
