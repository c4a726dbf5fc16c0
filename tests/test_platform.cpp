// The file services every platform provides, through real files in a temporary folder whose
// names are not ASCII (UTF-8 end to end, whatever the system's code page).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "tests/temp_folder.h"

namespace {
const std::string kFolder = "Klänge – 音色";

bool write(const std::string& path, const std::string& bytes) {
    platform::Span part{bytes.data(), bytes.size()};
    return platform::writeFileAtomically(path, &part, 1);
}

std::string read(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(platform::readWholeFile(path, bytes)) << path;
    return bytes;
}
} // namespace

TEST(PlatformFiles, AtomicWriteCreatesFoldersAndReplacesAnExistingFile) {
    testfiles::TempFolder dir;
    const std::string path = dir / (kFolder + "/Presets/Süß.pst");
    ASSERT_TRUE(write(path, std::string("TRLX\0\r\n\x1a", 8)));
    EXPECT_EQ(read(path), std::string("TRLX\0\r\n\x1a", 8)); // bytes as written, no text mode
    ASSERT_TRUE(write(path, "second"));
    EXPECT_EQ(read(path), "second");
    // Nothing but the file remains: no partial file beside it.
    EXPECT_EQ(platform::listFolder(dir / (kFolder + "/Presets")),
              std::vector<std::string>{"Süß.pst"});
    uint8_t head[4] = {};
    EXPECT_EQ(platform::readFileHead(path, head, sizeof head), 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(head), 4), "seco");
}

TEST(PlatformFiles, ReplaceRemoveAndListByUtf8Names) {
    testfiles::TempFolder dir;
    ASSERT_TRUE(platform::makeFolders(dir / kFolder));
    const std::string a = dir / (kFolder + "/a.partial"), b = dir / (kFolder + "/Bänk.Bnk");
    ASSERT_TRUE(write(a, "new"));
    ASSERT_TRUE(write(b, "old"));
    ASSERT_TRUE(platform::replaceFile(a, b)); // over an existing file
    EXPECT_EQ(read(b), "new");
    EXPECT_EQ(platform::listFolder(dir / kFolder), std::vector<std::string>{"Bänk.Bnk"});
    std::vector<std::string> top = platform::listFolder(dir.path);
    EXPECT_NE(std::find(top.begin(), top.end(), kFolder), top.end());
    EXPECT_TRUE(platform::removeFile(b));
    EXPECT_TRUE(platform::removeFile(b)); // already gone
    EXPECT_TRUE(platform::listFolder(dir / kFolder).empty());
}

TEST(PlatformFiles, MissingFilesAndFoldersFailSafely) {
    testfiles::TempFolder dir;
    std::string bytes = "stale";
    EXPECT_FALSE(platform::readWholeFile(dir / "missing.Bnk", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(platform::readWholeFile(dir.path, bytes)); // a folder is not a file
    uint8_t head[4];
    EXPECT_EQ(platform::readFileHead(dir / "missing.Bnk", head, sizeof head), -1);
    EXPECT_FALSE(platform::replaceFile(dir / "missing", dir / "other"));
    EXPECT_TRUE(platform::listFolder(dir / "missing").empty());
    EXPECT_FALSE(platform::makeFolders(""));
    ASSERT_TRUE(write(dir / "file", "x"));
    EXPECT_FALSE(write(dir / "file/inside", "x")); // a file where a folder should be
}
