// The bank tool and the renderer's preset options, run as a user runs them.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/library.h"
#include "platform/platform.h"
#include "tests/temp_folder.h"
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct Result {
    int code;
    std::string output; // stdout and stderr
};

Result run(const std::string& command) {
    Result r{-1, {}};
    r.code = platform::runCommand(command + " 2>&1", r.output);
    return r;
}

const std::string kBank = TARLIX_BANK_PATH;
const std::string kRender = TARLIX_RENDER_PATH;
const std::string kFactory = TARLIX_FACTORY_BANK;
const std::string kSong = TARLIX_SOURCE_DIR "/examples/demo.mid";

using Temp = testfiles::TempFolder;

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(BankTool, ListsDumpsAndCompiles) {
    Temp dir;
    Result list = run(kBank + " list " + kFactory);
    ASSERT_EQ(list.code, 0) << list.output;
    EXPECT_NE(list.output.find("  0  ___ TARLIX TONES ___"), std::string::npos);
    EXPECT_NE(list.output.find("112  ___ INITIALS ___"), std::string::npos);

    std::ofstream(dir / "lead.tlx") << "name = \"Test Lead\"\n\"LPF Cutoff\" = 40\n";
    Result c = run(kBank + " compile " + (dir / "lead.tlx") + " -o " + (dir / "lead.pst"));
    ASSERT_EQ(c.code, 0) << c.output;
    EXPECT_EQ(fs::file_size(dir / "lead.pst"), 5880u);
    // Dump it and compile the dump: the same file.
    Result d = run(kBank + " dump " + (dir / "lead.pst"));
    ASSERT_EQ(d.code, 0);
    EXPECT_NE(d.output.find("\"LPF Cutoff\" = 40"), std::string::npos);
    std::ofstream(dir / "again.tlx") << d.output;
    ASSERT_EQ(run(kBank + " compile " + (dir / "again.tlx") + " -o " + (dir / "again.pst")).code,
              0);
    EXPECT_EQ(slurp(dir / "again.pst"), slurp(dir / "lead.pst"));

    // A whole bank taken apart into sources and built again is the same bank.
    fs::create_directory(dir / "src");
    ASSERT_EQ(run(kBank + " dump-bank " + kFactory + " " + (dir / "src")).code, 0);
    Result b = run(kBank + " compile-bank " + (dir / "src/bank.list") + " -o " + (dir / "b.Bnk"));
    ASSERT_EQ(b.code, 0) << b.output;
    EXPECT_EQ(slurp(dir / "b.Bnk"), slurp(kFactory));
}

TEST(BankTool, MistakesAreReportedAndWriteNothing) {
    Temp dir;
    std::ofstream(dir / "bad.tlx") << "name = \"Bad\"\n\n\"Osc1 Wave\" = Wobble\n";
    Result c = run(kBank + " compile " + (dir / "bad.tlx") + " -o " + (dir / "bad.pst"));
    EXPECT_NE(c.code, 0);
    EXPECT_NE(c.output.find("bad.tlx:3: \"Wobble\" is not an option of \"Osc1 Wave\""),
              std::string::npos)
        << c.output;
    EXPECT_FALSE(fs::exists(dir / "bad.pst"));
    EXPECT_NE(run(kBank + " list " + (dir / "bad.tlx")).code, 0);
    EXPECT_NE(run(kBank + " frobnicate x").code, 0);
}

// Paths reach the tool as UTF-8 whatever the system's code page, and compiling again replaces
// the earlier file.
TEST(BankTool, PathsNeedNotBeAsciiAndOutputsAreReplaced) {
    Temp dir;
    const std::string folder = dir / "Klänge 音", source = folder + "/Süß.tlx",
                      out = folder + "/Süß.pst";
    auto writeSource = [&](const std::string& text) {
        platform::Span part{text.data(), text.size()};
        return platform::writeFileAtomically(source, &part, 1);
    };
    const std::string quoted = " \"" + source + "\" -o \"" + out + "\"";
    ASSERT_TRUE(writeSource("name = \"First\"\n"));
    Result first = run(kBank + " compile" + quoted);
    ASSERT_EQ(first.code, 0) << first.output;
    ASSERT_TRUE(writeSource("name = \"Second\"\n"));
    Result second = run(kBank + " compile" + quoted);
    ASSERT_EQ(second.code, 0) << second.output;
    Result list = run(kBank + " list \"" + out + "\"");
    ASSERT_EQ(list.code, 0) << list.output;
    EXPECT_NE(list.output.find("Second"), std::string::npos) << list.output;
    std::vector<std::string> names = platform::listFolder(folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Süß.pst", "Süß.tlx"}));
}

TEST(BankTool, RendererLoadsBanksAndPresets) {
    if (kRender.empty()) GTEST_SKIP() << "the renderer is not built on this platform";
    Temp dir;
    std::ofstream(dir / "p.tlx") << "name = \"Render Me\"\n";
    ASSERT_EQ(run(kBank + " compile " + (dir / "p.tlx") + " -o " + (dir / "p.pst")).code, 0);
    Result r = run(kRender + " --tail 0 --bank " + kFactory + " --preset " + (dir / "p.pst") + " " +
                   kSong + " " + (dir / "out.wav"));
    EXPECT_EQ(r.code, 0) << r.output;
    EXPECT_TRUE(fs::exists(dir / "out.wav"));
    // A truncated preset is refused before anything is rendered.
    fs::resize_file(dir / "p.pst", 5000);
    Result bad =
        run(kRender + " --preset " + (dir / "p.pst") + " " + kSong + " " + (dir / "bad.wav"));
    EXPECT_NE(bad.code, 0);
    EXPECT_FALSE(fs::exists(dir / "bad.wav"));
}
