// The preset and bank panel on an offscreen editor over a real engine object: the panel's
// buttons pressed through the frame's own input, the in-window menus answered with the keys a
// user would press, and real files in the test's temporary user folder.
#include <cairo.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "editor/command_centre.h"
#include "editor/file_picker.h"
#include "editor/section_memory.h"
#include "engine/preset_files.h"
#include "engine/program_record.h"
#include "tests/editor/editor_rig.h"

using editortest::Rig;
using tarlix::FilePicker;
using tarlix::QX_WebLinks;

namespace {

namespace fs = std::filesystem;
namespace record = tarlix::record;

constexpr int kLoadPreset = 398, kSavePreset = 399, kBankMenu = 400;
constexpr int kCopyProgram = 368, kPasteProgram = 369;
constexpr int kPresetUp = 392, kPresetDown = 393;
constexpr int kLoadOsc = 376, kLoadFilter = 378;
constexpr int kCommandCentre = 387;
constexpr int kFilterCutoff = 74; // a parameter to learn
constexpr int kMpeActive = 232;   // global: program 0 holds it for all

fs::path u8(const std::string& s) {
    return fs::path(std::u8string(s.begin(), s.end()));
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(u8(path).parent_path());
    std::ofstream out(u8(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(u8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> withMagic(const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> out(payload.size() + 4);
    std::memcpy(out.data(), "TRLX", 4);
    std::copy(payload.begin(), payload.end(), out.begin() + 4);
    return out;
}

struct Panel : Rig {
    Panel() {
        EXPECT_TRUE(editor->openOffscreen());
        base = FilePicker::baseFolder();
        EXPECT_FALSE(base.empty());
    }
    tarlix::ProgramStore& store() { return engine->programStore(); }
    QX_WebLinks* centre() { return dynamic_cast<QX_WebLinks*>(editor->control(kCommandCentre)); }
    tk::CFrame* frame() { return editor->frame(); }
    // A left click in the middle of a control, as the frame receives it.
    void press(int tag) {
        tk::CControl* c = editor->control(tag);
        ASSERT_NE(c, nullptr) << tag;
        tk::CRect r = c->frameRect();
        tk::CPoint p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ASSERT_EQ(frame()->viewAt(p), c) << "tag " << tag << " is covered or hidden";
        frame()->handleMouseDown(p, tk::kLButton);
        frame()->handleMouseUp(p, 0);
        ticks(2);
    }
    bool menuOpen() { return frame()->modalView() != nullptr; }
    // Picks a line of the open menu with the arrow keys, from the highlighted line: the
    // checked one (the last file chosen there), else the first.
    void choose(int line, int highlighted = 0) {
        ASSERT_TRUE(menuOpen());
        for (int i = highlighted; i < line; ++i)
            frame()->handleKey({tk::Key::Down, 0, 0});
        for (int i = line; i < highlighted; ++i)
            frame()->handleKey({tk::Key::Up, 0, 0});
        frame()->handleKey({tk::Key::Return, 0, 0});
        ticks(2);
    }
    std::vector<uint8_t> bank() {
        std::vector<uint8_t> b(static_cast<size_t>(tarlix::kBankSize));
        store().copyBank(b.data());
        return b;
    }
    std::string name(int program) {
        char text[64] = {};
        store().getProgramNameIndexed(program, text);
        return text;
    }
    std::string bankPath() {
        char text[record::kStringSlotSize] = {};
        store().getStringSlot(text, tarlix::kGlobalSlotBit);
        return text;
    }
    // A program file made from a record of the bank, with its own name and learn code.
    void writePreset(const std::string& file, int from, const char* title, uint16_t learned) {
        std::vector<uint8_t> rec(static_cast<size_t>(record::kSize));
        std::memcpy(rec.data(), bank().data() + from * record::kSize, rec.size());
        std::memset(tarlix::programName(rec.data()), 0, record::kNameSize);
        std::strcpy(tarlix::programName(rec.data()), title);
        tarlix::writeLearn(rec.data(), kFilterCutoff, learned);
        writeBytes(base + "Presets/" + file, withMagic(rec));
    }
    std::string base;
};

uint16_t learnOf(const std::vector<uint8_t>& bank, int program, int param) {
    return tarlix::readLearn(bank.data() + program * record::kSize, param);
}

} // namespace

// ---- programs -------------------------------------------------------------------------------

TEST(PresetPanel, ASinglePresetIntoProgramZeroGivesEveryProgramItsMapIntoAnotherOnlyItsSound) {
    Panel panel;
    panel.writePreset("Lead.pst", 3, "Lead", 21);
    const std::string path = panel.bankPath();
    panel.store().selectProgram(0);
    panel.press(kLoadPreset);
    // "LOAD PRESET", "File Selector", a separator, "Lead".
    panel.choose(3);
    EXPECT_EQ(panel.name(0), "Lead");
    auto b = panel.bank();
    for (int p = 0; p < 128; ++p)
        ASSERT_EQ(learnOf(b, p, kFilterCutoff), 21) << p;
    EXPECT_EQ(panel.bankPath(), path);

    panel.store().setMidiLearn(kFilterCutoff, tarlix::kNotLearned);
    panel.store().selectProgram(5);
    panel.press(kLoadPreset);
    panel.choose(3, 3); // "Lead" is checked now
    EXPECT_EQ(panel.name(5), "Lead");
    b = panel.bank();
    for (int p = 0; p < 128; ++p)
        ASSERT_EQ(learnOf(b, p, kFilterCutoff), tarlix::kNotLearned) << p;
}

TEST(PresetPanel, PastingAWholeProgramMarksItsNameWithinTwentyFourCharacters) {
    Panel panel;
    panel.press(kPasteProgram); // nothing copied yet: nothing happens
    EXPECT_FALSE(panel.centre()->hasCopy());
    const std::string first = panel.name(0);
    EXPECT_EQ(panel.name(0), first);

    panel.store().selectProgram(2);
    panel.store().setProgramName("Bass");
    panel.press(kCopyProgram);
    panel.store().selectProgram(7);
    panel.press(kPasteProgram);
    EXPECT_EQ(panel.name(7), "Bass*");
    auto b = panel.bank();
    // The sound's values came along (the first 64 parameters hold no globals).
    EXPECT_EQ(std::memcmp(b.data() + 2 * record::kSize, b.data() + 7 * record::kSize, 4 * 64), 0);
    panel.press(kPasteProgram); // pasted again: one mark, not two
    EXPECT_EQ(panel.name(7), "Bass*");

    const std::string full = "ABCDEFGHIJKLMNOPQRSTUVWX"; // 24 characters: no room for a mark
    panel.store().selectProgram(2);
    panel.store().setProgramName(full.c_str());
    panel.press(kCopyProgram);
    panel.store().selectProgram(8);
    panel.press(kPasteProgram);
    EXPECT_EQ(panel.name(8), full);
    const std::string almost = full.substr(0, 23);
    panel.store().selectProgram(2);
    panel.store().setProgramName(almost.c_str());
    panel.press(kCopyProgram);
    panel.store().selectProgram(9);
    panel.press(kPasteProgram);
    EXPECT_EQ(panel.name(9), almost + "*");
}

TEST(PresetPanel, PastingIntoProgramZeroKeepsTheGlobalParameters) {
    Panel panel;
    panel.store().selectProgram(4);
    panel.press(kCopyProgram);
    panel.store().selectProgram(0);
    panel.engine->setParameter(kMpeActive, 1.0f);
    const std::string path = panel.bankPath();
    panel.press(kPasteProgram);
    EXPECT_EQ(panel.engine->getParameter(kMpeActive), 1.0f);
    EXPECT_EQ(panel.bankPath(), path);
    EXPECT_EQ(panel.name(0), panel.name(4) + "*");
}

TEST(PresetPanel, ProgramUpStopsAt127AndDownAt0) {
    Panel panel;
    panel.store().selectProgram(126);
    panel.press(kPresetUp);
    EXPECT_EQ(panel.store().selectedProgram(), 127);
    panel.press(kPresetUp);
    EXPECT_EQ(panel.store().selectedProgram(), 127);
    panel.store().selectProgram(1);
    panel.press(kPresetDown);
    EXPECT_EQ(panel.store().selectedProgram(), 0);
    panel.press(kPresetDown);
    EXPECT_EQ(panel.store().selectedProgram(), 0);
}

// ---- section presets ----------------------------------------------------------------------

namespace {
std::vector<uint8_t> sectionFile(int32_t version, const std::vector<float>& values) {
    std::vector<uint8_t> out = {'T', 'R', 'L', 'X'};
    auto push = [&](const void* p, size_t n) {
        auto b = static_cast<const uint8_t*>(p);
        out.insert(out.end(), b, b + n);
    };
    push(&version, 4);
    for (float v : values)
        push(&v, 4);
    return out;
}
} // namespace

TEST(PresetPanel, AnOldSectionPresetConvertsEachValueAndAShortOneChangesOnlyWhatItHolds) {
    Panel panel;
    // Oscillator file order: 64 to 73, 75 to 80, 164, 177. Version 2300: the wave lists
    // have grown since.
    std::vector<float> osc(18, 0.0f);
    osc[0] = 1.0f; // Osc1 Wave: the last wave of the old list
    osc[1] = 0.5f; // Osc2 Wave
    osc[9] = 1.0f; // SubOsc Wave (73)
    writeBytes(panel.base + "Presets/Old.OSp", sectionFile(2300, osc));
    panel.press(kLoadOsc);
    // The menu opened after the button's release: the button is not left lit under it.
    EXPECT_TRUE(panel.menuOpen());
    EXPECT_EQ(panel.editor->control(kLoadOsc)->getValue(), 0.0f);
    panel.choose(3);
    // The same values put in by hand through the conversion land on the same steps.
    QX_DSP_VST reference(editortest::quietHost);
    reference.setParameter(64, 1.0f * 0.71428573f + 0.0007142857f);
    reference.setParameter(65, 0.5f * 0.71428573f + 0.0007142857f);
    reference.setParameter(73, 1.0f * 0.4f + 0.002f);
    for (int p : {64, 65, 73})
        EXPECT_EQ(panel.engine->getParameter(p), reference.getParameter(p)) << p;
    EXPECT_LT(panel.engine->getParameter(64), 0.75f); // converted, not taken as it was

    // Filter order starts 81, 82, 83: a file holding only two values.
    std::vector<float> before(333);
    for (int i = 0; i < 333; ++i)
        before[static_cast<size_t>(i)] = panel.engine->getParameter(i);
    const float first = before[81] > 0.5f ? 0.0f : 1.0f;
    writeBytes(panel.base + "Presets/Short.FLp", sectionFile(2410, {first, 0.0f}));
    panel.press(kLoadFilter);
    panel.choose(3);
    EXPECT_EQ(panel.engine->getParameter(81), first);
    for (int i = 0; i < 333; ++i) {
        if (i == 81 || i == 82) continue;
        EXPECT_EQ(panel.engine->getParameter(i), before[static_cast<size_t>(i)]) << i;
    }
}

// ---- the file picker ------------------------------------------------------------------------

TEST(FilePicker, SubFoldersShowInBracketsAndChoosingOneListsIt) {
    Panel panel;
    panel.writePreset("Pads/Warm.pst", 6, "Warm", 30);
    panel.writePreset("A.pst", 6, "A", 30);
    writeBytes(panel.base + "Presets/._A.pst", {1, 2});
    fs::create_directories(u8(panel.base + "Presets/Leads"));

    tarlix::PickerRequest r;
    r.title = "LOAD PRESET";
    r.extension = ".pst";
    auto listing = FilePicker::list(panel.base + "Presets/", ".pst");
    std::vector<std::string> shown;
    for (const auto& l : FilePicker::lines(r, listing))
        shown.push_back(FilePicker::text(r, l));
    EXPECT_EQ(shown,
              (std::vector<std::string>{"LOAD PRESET", "File Selector", FilePicker::kSeparator,
                                        "[ Leads ]", "[ Pads ]", FilePicker::kSeparator, "A"}));
    panel.press(kLoadPreset);
    panel.choose(4); // "[ Pads ]": the menu of that folder opens
    EXPECT_TRUE(panel.menuOpen());
    panel.choose(3); // "LOAD PRESET", "File Selector", a separator, "Warm"
    EXPECT_EQ(panel.name(panel.store().selectedProgram()), "Warm");
}

TEST(FilePicker, ListsAtMost500FilesOfItsKindLiftsLongMenusAndSaysSaveAs) {
    testfiles::TempFolder dir;
    for (int i = 0; i < 510; ++i) {
        std::string name = std::to_string(i);
        name.append(i % 2 ? ".pst" : ".PST");
        writeBytes(dir / name, {});
    }
    writeBytes(dir / "bank.Bnk", {});
    writeBytes(dir / ".pst", {});
    auto listing = FilePicker::list(dir.path, ".pst");
    EXPECT_EQ(listing.files.size(), 500u);
    EXPECT_EQ(FilePicker::placeFor({770, 500}, 10).y, 340);
    EXPECT_EQ(FilePicker::placeFor({770, 500}, 100).y, 0);
    EXPECT_EQ(FilePicker::placeFor({720, 16}, 100).y, 16);
    tarlix::PickerRequest save;
    save.save = true;
    EXPECT_EQ(FilePicker::text(save, {FilePicker::Line::Dialog, {}}), "File Selector (Save as)...");
}

// ---- refused files and saves ---------------------------------------------------------------

TEST(PresetPanel, ARefusedFileChangesNothingAndIsReported) {
    Panel panel;
    std::vector<uint8_t> rec(static_cast<size_t>(record::kSize), 0x41);
    writeBytes(panel.base + "Presets/NotOurs.pst", [&] {
        auto b = withMagic(rec);
        b[3] = 'Y';
        return b;
    }());
    writeBytes(panel.base + "Presets/Short.pst", withMagic({1, 2, 3}));
    writeBytes(panel.base + "Presets/Short.mmp", withMagic({7, 0, 7, 0})); // 2 of 333 codes
    writeBytes(panel.base + "Banks/Half.Bnk", withMagic(std::vector<uint8_t>(1000, 0)));
    const auto before = panel.bank();
    const std::string path = panel.bankPath();
    for (int line : {3, 4}) { // "NotOurs", "Short"
        panel.press(kLoadPreset);
        panel.choose(line, line == 3 ? 0 : 3); // the last file chosen is checked
        EXPECT_NE(panel.centre()->lastReport().find("Not loaded"), std::string::npos);
        panel.choose(1);
    }
    panel.press(kBankMenu);
    panel.choose(4); // "Load Midi CC Map"
    panel.choose(3); // "Short"
    panel.choose(1);
    panel.press(kBankMenu);
    panel.choose(1); // "Load Bank"
    panel.choose(3); // "Half"
    EXPECT_NE(panel.centre()->lastReport().find("Half.Bnk"), std::string::npos);
    panel.choose(1);
    EXPECT_EQ(panel.bank(), before);
    EXPECT_EQ(panel.bankPath(), path);
}

// A program file is checked before it is taken: values that are not numbers or lie outside
// 0..1 arrive limited, and the texts arrive terminated.
TEST(PresetPanel, APresetsValuesAreLimitedBeforeTheyReachTheEngine) {
    Panel panel;
    std::vector<uint8_t> rec(static_cast<size_t>(record::kSize));
    std::memcpy(rec.data(), panel.bank().data() + 3 * record::kSize, rec.size());
    tarlix::writeValue(rec.data(), 66, std::nanf(""));
    tarlix::writeValue(rec.data(), 67, 7.0f);
    tarlix::writeValue(rec.data(), 68, -3.0f);
    std::memset(tarlix::programName(rec.data()), 'N', record::kNameSize);
    writeBytes(panel.base + "Presets/Wild.pst", withMagic(rec));
    panel.store().selectProgram(6);
    panel.press(kLoadPreset);
    panel.choose(3);
    EXPECT_EQ(panel.name(6), std::string(24, 'N'));
    for (int p : {66, 67, 68}) {
        float v = panel.engine->getParameter(p);
        EXPECT_TRUE(v >= 0.0f && v <= 1.0f) << p << " " << v;
    }
    EXPECT_EQ(panel.engine->getParameter(67), 1.0f);
}

// The window binds no data block: the long block of every record comes through opening the
// window, program loads and closing byte for byte.
TEST(PresetPanel, TheWindowLeavesTheRecordsDataBlocksAlone) {
    Rig rig;
    auto before = std::vector<uint8_t>(static_cast<size_t>(tarlix::kBankSize));
    rig.engine->programStore().copyBank(before.data());
    ASSERT_TRUE(rig.editor->openOffscreen());
    for (int p : {5, 0, 127}) {
        rig.engine->programStore().selectProgram(p);
        rig.ticks(3);
    }
    rig.editor->close();
    rig.engine->programStore().selectProgram(0);
    auto after = std::vector<uint8_t>(static_cast<size_t>(tarlix::kBankSize));
    rig.engine->programStore().copyBank(after.data());
    for (int p = 0; p < 128; ++p) {
        const size_t at = static_cast<size_t>(p) * record::kSize + record::kShortBlocks;
        const size_t size = record::kName - record::kShortBlocks;
        ASSERT_EQ(std::memcmp(before.data() + at, after.data() + at, size), 0) << p;
    }
}

TEST(PresetPanel, SavingOverAnExistingFileAsksFirst) {
    Panel panel;
    const std::string mine = panel.base + "Presets/Mine.pst";
    writeBytes(mine, {1, 2, 3});
    panel.press(kSavePreset);
    panel.choose(3);               // "Mine"
    ASSERT_TRUE(panel.menuOpen()); // "Replace Mine.pst?", "Replace", "Cancel"
    panel.choose(2);
    EXPECT_EQ(readBytes(mine), (std::vector<uint8_t>{1, 2, 3}));
    panel.press(kSavePreset);
    panel.choose(3, 3); // "Mine" is checked now
    panel.choose(1);
    auto saved = readBytes(mine);
    ASSERT_EQ(saved.size(), 5880u);
    EXPECT_EQ(std::memcmp(saved.data(), "TRLX", 4), 0);
    EXPECT_TRUE(panel.centre()->lastReport().empty());
}

TEST(PresetPanel, ASectionSaveWritesTheSectionsValuesInListOrder) {
    constexpr int kSaveOsc = 377;
    Panel panel;
    const std::string file = panel.base + "Presets/Mine.OSp";
    writeBytes(file, {0});
    panel.press(kSaveOsc);
    panel.choose(3); // "Mine"
    panel.choose(1); // "Replace"
    auto bytes = readBytes(file);
    ASSERT_EQ(bytes.size(), 8u + 4u * 18u);
    EXPECT_EQ(std::memcmp(bytes.data(), "TRLX", 4), 0);
    int32_t version;
    std::memcpy(&version, bytes.data() + 4, 4);
    EXPECT_EQ(version, 2410);
    const int order[] = {64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 75, 76, 77, 78, 79, 80, 164, 177};
    for (int k = 0; k < 18; ++k) {
        float v;
        std::memcpy(&v, bytes.data() + 8 + 4 * k, 4);
        EXPECT_EQ(v, panel.engine->getParameter(order[k])) << order[k];
    }
}

TEST(PresetPanel, AFailedSaveIsReportedAndKeepsTheBankPath) {
    Panel panel;
    writeBytes(panel.base + "Banks/Gone.Bnk", {1});
    const std::string path = panel.bankPath();
    panel.press(kBankMenu);
    panel.choose(2); // "Save Bank": its picker lists "Gone"
    // The folder disappears under the open menu and a file takes its name.
    fs::remove_all(u8(panel.base + "Banks"));
    writeBytes(panel.base + "Banks", {9});
    panel.choose(3);
    EXPECT_NE(panel.centre()->lastReport().find("Not saved"), std::string::npos);
    EXPECT_EQ(panel.bankPath(), path);
    EXPECT_EQ(readBytes(panel.base + "Banks"), (std::vector<uint8_t>{9}));
}

TEST(PresetPanel, TheBankMenuSavesAndLoadsTheControllerMap) {
    Panel panel;
    panel.store().setMidiLearn(kFilterCutoff, 74);
    writeBytes(panel.base + "Presets/Map.mmp", {0}); // an old map to replace
    panel.press(kBankMenu);
    panel.choose(5); // "Save Midi CC Map"
    panel.choose(3); // "Map"
    panel.choose(1); // "Replace"
    EXPECT_EQ(readBytes(panel.base + "Presets/Map.mmp").size(), 670u);
    panel.store().setMidiLearn(kFilterCutoff, tarlix::kNotLearned);
    panel.press(kBankMenu);
    panel.choose(4); // "Load Midi CC Map"
    panel.choose(3, 3);
    auto b = panel.bank();
    for (int p = 0; p < 128; ++p)
        ASSERT_EQ(learnOf(b, p, kFilterCutoff), 74) << p;
}

// ---- the bank picture ---------------------------------------------------------------------

namespace {
std::vector<uint8_t> pngOf(int w, int h, uint32_t argb) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgba(cr, ((argb >> 16) & 255) / 255.0, ((argb >> 8) & 255) / 255.0,
                          (argb & 255) / 255.0, 1.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    std::vector<uint8_t> out;
    cairo_surface_write_to_png_stream(
        s,
        [](void* closure, const unsigned char* data, unsigned int n) {
            auto* v = static_cast<std::vector<uint8_t>*>(closure);
            v->insert(v->end(), data, data + n);
            return CAIRO_STATUS_SUCCESS;
        },
        &out);
    cairo_surface_destroy(s);
    return out;
}

uint32_t crc32(const uint8_t* p, size_t n) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// A PNG that claims 100000 x 100000 pixels: its header, a correct checksum, no pixels.
std::vector<uint8_t> hugePng() {
    std::vector<uint8_t> b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
    std::vector<uint8_t> chunk = {'I', 'H', 'D', 'R'};
    for (uint32_t side : {100000u, 100000u})
        for (int s = 24; s >= 0; s -= 8)
            chunk.push_back(static_cast<uint8_t>(side >> s));
    chunk.insert(chunk.end(), {8, 6, 0, 0, 0});
    uint32_t crc = crc32(chunk.data(), chunk.size());
    b.insert(b.end(), chunk.begin(), chunk.end());
    for (int s = 24; s >= 0; s -= 8)
        b.push_back(static_cast<uint8_t>(crc >> s));
    return b;
}
} // namespace

TEST(BankPicture, UntrustedPicturesDrawNothingAndDrawingNeverWritesTheBankPath) {
    Panel panel;
    const std::string bankFile = panel.base + "Banks/Mine.Bnk";
    ASSERT_TRUE(panel.store().saveBankFile(bankFile.c_str()));
    const std::string picture = panel.base + "Banks/Mine.png";
    const auto red = pngOf(20, 20, 0xFF0000);
    auto truncated = red;
    truncated.resize(red.size() / 2);
    const tk::CRect box = panel.centre()->frameRect();
    EXPECT_EQ(box.width(), 50);
    auto showAgain = [&] {
        panel.store().selectProgram(panel.store().selectedProgram()); // the load notice
        panel.ticks(1);
        panel.frame()->invalidAll();
        return panel.pixels(box);
    };
    const auto nothing = [&] {
        fs::remove(u8(picture));
        return showAgain();
    }();
    for (const auto& bytes : {std::vector<uint8_t>{'n', 'o', 't'}, truncated, hugePng()}) {
        writeBytes(picture, bytes);
        EXPECT_EQ(showAgain(), nothing);
        EXPECT_EQ(panel.centre()->picture(), QX_WebLinks::Picture::Failed);
        EXPECT_EQ(panel.bankPath(), bankFile);
    }
    writeBytes(picture, red);
    auto shown = showAgain();
    EXPECT_EQ(panel.centre()->picture(), QX_WebLinks::Picture::Ready);
    // Scaled to the 50 pixels: red in the middle and near the far corner.
    EXPECT_EQ(shown[25 * 50 + 25] & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(shown[47 * 50 + 47] & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(panel.bankPath(), bankFile);
    // Saving the bank and drawing its picture leave the slot naming the bank file.
    ASSERT_TRUE(panel.store().saveBankFile(bankFile.c_str()));
    showAgain();
    EXPECT_EQ(panel.bankPath(), bankFile);
}

TEST(BankPicture, ThePictureSitsBesideTheBankFile) {
    const std::string base = FilePicker::baseFolder();
    EXPECT_EQ(QX_WebLinks::picturePath("/b/Mine.Bnk"), "/b/Mine.png");
    EXPECT_EQ(QX_WebLinks::picturePath("/b/Mine.bnk"), "/b/Mine.png");
    EXPECT_EQ(QX_WebLinks::picturePath("C:\\b\\Mine.Bnk"), "C:/b/Mine.png");
    EXPECT_EQ(QX_WebLinks::picturePath("---"), base + "Banks/---.png");
    EXPECT_EQ(QX_WebLinks::picturePath("ab"), base + "Banks/ab.png");
    EXPECT_EQ(QX_WebLinks::picturePath(""), "");
    EXPECT_LE(QX_WebLinks::picturePath(std::string(300, 'x')).size(), 260u + base.size() + 10u);
}

// ---- the credits panel's global MIDI settings -------------------------------------------------

TEST(CreditsPanel, ItsMidiChannelMenuAndMpeSwitchReachTheEngine) {
    constexpr int kCredits = 352, kMidiChannel = 211, kMonoMode = 222;
    Panel panel;
    panel.press(kCredits);
    panel.ticks(120); // the panel rises into its place
    auto* channel = dynamic_cast<tk::COptionMenu*>(panel.editor->control(kMidiChannel));
    ASSERT_NE(channel, nullptr);
    ASSERT_EQ(channel->entryCount(), 17);
    const int was = channel->selectedIndex();
    panel.press(kMidiChannel);
    panel.choose(5, was); // "Channel: 5"
    EXPECT_FLOAT_EQ(panel.engine->getParameter(kMidiChannel), 5.0f / 16.0f);
    EXPECT_EQ(channel->entry(channel->selectedIndex()), "Channel: 5");

    const float mono = panel.engine->getParameter(kMonoMode);
    auto* monoMenu = dynamic_cast<tk::COptionMenu*>(panel.editor->control(kMonoMode));
    ASSERT_NE(monoMenu, nullptr);
    panel.press(kMonoMode);
    panel.choose(mono > 0.5f ? 0 : 1, monoMenu->selectedIndex());
    EXPECT_NE(panel.engine->getParameter(kMonoMode), mono);

    const float mpe = panel.engine->getParameter(kMpeActive);
    panel.press(kMpeActive);
    EXPECT_NE(panel.engine->getParameter(kMpeActive), mpe);
}

// ---- section objects ------------------------------------------------------------------------

TEST(SectionObjects, EachDiceButtonReachesItsSectionOncePerPressAndRelease) {
    constexpr int kOscDice = 212, kOscSection = 341, kFilterSection = 342;
    Panel panel;
    auto* osc = dynamic_cast<tarlix::QX_GUI_Memory_Banks*>(panel.editor->control(kOscSection));
    auto* filter =
        dynamic_cast<tarlix::QX_GUI_Memory_Banks*>(panel.editor->control(kFilterSection));
    ASSERT_NE(osc, nullptr);
    ASSERT_NE(filter, nullptr);
    tk::CRect r = panel.editor->control(kOscDice)->frameRect();
    tk::CPoint at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    for (int press = 1; press <= 3; ++press) {
        panel.frame()->handleMouseDown(at, tk::kLButton);
        panel.ticks(3); // held: the engine's value of the button reaches its section
        EXPECT_EQ(osc->presses(), press);
        panel.frame()->handleMouseUp(at, 0);
        panel.ticks(3);
        EXPECT_EQ(osc->presses(), press);
    }
    EXPECT_EQ(filter->presses(), 0);
    EXPECT_EQ(panel.engine->getParameter(kOscDice), 0.0f); // released
}
