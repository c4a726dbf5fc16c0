// Where the user folder lives on Windows: "%Public%" as the system expands it.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "tests/temp_folder.h"

namespace {
// Sets %Public% for one test and puts the machine's value back afterwards.
struct PublicVariable {
    std::string saved;
    PublicVariable() {
        // The machine's own value, read back through the same expansion the library uses.
        saved = platform::documentsFolder();
        if (saved.size() > 10) saved.resize(saved.size() - 10); // without "/Documents"
    }
    ~PublicVariable() { platform::setEnvironmentVariable("PUBLIC", saved); }
};
} // namespace

TEST(PlatformWin32, UserFolderIsPublicDocumentsWithForwardSlashes) {
    PublicVariable restore;
    platform::setEnvironmentVariable("PUBLIC", "D:\\Users\\Öffentlich\\");
    EXPECT_EQ(platform::documentsFolder(), "D:/Users/Öffentlich/Documents");
    EXPECT_EQ(platform::userFolder(), "D:/Users/Öffentlich/Documents/Tarlix_2/");
    std::string out;
    ASSERT_TRUE(
        platform::expandPublicPath("%Public%\\Documents\\Tarlix_2\\Banks\\Default.Bnk", out, 260));
    EXPECT_EQ(out, "D:/Users/Öffentlich/Documents/Tarlix_2/Banks/Default.Bnk");
    EXPECT_FALSE(
        platform::expandPublicPath("%Public%/Documents/" + std::string(300, 'x'), out, 260));
    EXPECT_FALSE(platform::expandPublicPath("%Other%/x", out, 260));
    // Without the variable the system leaves "%Public%" unexpanded: no user folder at all.
    platform::setEnvironmentVariable("PUBLIC", "");
    EXPECT_EQ(platform::userFolder(), "");
    EXPECT_FALSE(platform::expandPublicPath("%Public%/Documents/Tarlix_2/x.pst", out, 260));
}

TEST(PlatformWin32, BackslashPathsAndForwardSlashPathsNameTheSameFile) {
    testfiles::TempFolder dir;
    std::string backslashed = dir.path + "\\Bänke\\x.bin";
    for (char& c : backslashed)
        if (c == '/') c = '\\';
    platform::Span part{"abc", 3};
    ASSERT_TRUE(platform::writeFileAtomically(backslashed, &part, 1));
    std::string text;
    ASSERT_TRUE(platform::readWholeFile(dir / "Bänke/x.bin", text));
    EXPECT_EQ(text, "abc");
}
