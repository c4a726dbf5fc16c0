// The preset and bank panel through the built library in a real X11 window under Xvfb: the
// buttons and the in-window menus pressed with the X server's own pointer (XTest), audio
// blocks run by the host between editor idles, files in the test's temporary user folder.
// gtest before Xlib: Xlib's macros (None, Status) would break gtest's names.
#include "editor/layout_place.h"
#include "tests/host_fixture.h"
// After gtest: Xlib's macros would break gtest's names.
#include "tests/editor/host_window.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

using testhost::Instance;

namespace {

constexpr int kWidth = 991, kHeight = 701;
constexpr int kParameters = 333;
constexpr int kOscRandomise = 212; // "OSC Rnd"
constexpr int kLoadPreset = 398;
constexpr int kFilterCutoff = 74;
constexpr int kRecordSize = 5876, kLearnOffset = 1332, kNameOffset = 5850;
constexpr int kBlock = 256;

// The toolkit's in-window menu: rows of 18 pixels below a 2-pixel margin, 90 pixels wide,
// opened below its place and kept inside the window.
constexpr int kMenuRow = 18, kMenuWidth = 90;
void menuLine(int x, int y, int lines, int line, int& px, int& py) {
    const int h = lines * kMenuRow + 4;
    x = std::clamp(x, 0, kWidth - kMenuWidth);
    if (y + h > kHeight) y = std::max(0, y - h);
    px = x + kMenuWidth / 2;
    py = y + 2 + line * kMenuRow + kMenuRow / 2;
}

using x11test::Call;
using x11test::recorded;
using x11test::recordingHost;

std::filesystem::path u8(const std::string& s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

class PresetPanelX11 : public x11test::HostedEditor {
  protected:
    PresetPanelX11() : HostedEditor(testhost::library().entry != nullptr) {}
    bool automated(int index, float value) {
        for (const Call& c : recorded())
            if (c.op == vst::audioMasterAutomate && c.index == index && c.value == value)
                return true;
        return false;
    }
    // One pixel of the editor's window as the X server shows it.
    unsigned long pixel(int x, int y) {
        auto kids = host->children();
        if (kids.empty()) return 0;
        XImage* image = XGetImage(host->display, kids[0], x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image) return 0;
        unsigned long v = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        return v;
    }
    std::vector<float> values(Instance& p) {
        std::vector<float> v(kParameters);
        for (int i = 0; i < kParameters; ++i)
            v[static_cast<size_t>(i)] = p.get(i);
        return v;
    }
};

std::set<int> changed(const std::vector<float>& a, const std::vector<float>& b) {
    std::set<int> out;
    for (int i = 0; i < kParameters; ++i)
        if (a[static_cast<size_t>(i)] != b[static_cast<size_t>(i)]) out.insert(i);
    return out;
}

} // namespace

// Held down while audio runs, then released: the oscillator section is drawn anew once, and
// only its five parameters move. Two presses between them move each of the five.
TEST_F(PresetPanelX11, RandomisingTheOscillatorsChangesExactlyItsFiveParametersOncePerPress) {
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kOscRandomise, x, y));
    Instance p(recordingHost);
    p.start(44100, kBlock);
    open(p);
    p.run(2, kBlock);
    const std::set<int> section = {64, 65, 73, 66, 71};
    std::set<int> moved;
    auto start = values(p);
    for (int press = 0; press < 2; ++press) {
        const auto before = values(p);
        recorded().clear();
        host->move(x + 4, y + 4);
        host->button(1, true);
        ASSERT_TRUE(pumpUntil(p, [&] { return automated(kOscRandomise, 1.0f); }));
        p.run(4, kBlock);
        const auto held = values(p);
        host->button(1, false);
        ASSERT_TRUE(pumpUntil(p, [&] { return automated(kOscRandomise, 0.0f); }));
        p.run(4, kBlock);
        const auto released = values(p);
        // Only the button itself went back to 0.
        EXPECT_EQ(changed(held, released), std::set<int>{kOscRandomise})
            << "press " << press << ": the release drew again";
        // One draw, the engine's: the window sets none of the section's values a second time.
        for (const Call& c : recorded())
            if (c.op == vst::audioMasterAutomate) {
                EXPECT_FALSE(section.count(c.index)) << "the window drew parameter " << c.index;
            }
        for (int i : changed(before, released)) {
            EXPECT_TRUE(section.count(i)) << "parameter " << i << " is not the section's";
            moved.insert(i);
        }
    }
    EXPECT_EQ(moved, section);
    for (int i : changed(start, values(p)))
        EXPECT_TRUE(section.count(i)) << i;
    p.call(vst::effEditClose);
}

// The load button, then the file's line in the picker, both with the pointer: loaded into
// program 0 the preset's controller map becomes every program's.
TEST_F(PresetPanelX11, ASinglePresetPickedWithThePointerGivesEveryProgramItsMap) {
    Instance p(recordingHost);
    p.call(vst::effSetProgram, 0, 0);
    auto record = p.chunk(true);
    ASSERT_EQ(record.size(), static_cast<size_t>(kRecordSize));
    const uint16_t cc = 21;
    std::memcpy(record.data() + kLearnOffset + 2 * kFilterCutoff, &cc, 2);
    std::memset(record.data() + kNameOffset, 0, 26);
    std::strcpy(reinterpret_cast<char*>(record.data() + kNameOffset), "Picked");
    const std::string folder = home.path + "/Tarlix_2/Presets"; // the documents folder is $PUBLIC
    std::filesystem::create_directories(u8(folder));
    {
        std::ofstream out(u8(folder + "/Picked.pst"), std::ios::binary);
        out.write("TRLX", 4);
        out.write(reinterpret_cast<const char*>(record.data()), kRecordSize);
    }
    open(p);
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kLoadPreset, x, y));
    // "LOAD PRESET", "File Selector", a separator, "Picked"; lifted 16 pixels for its file.
    int px, py;
    menuLine(770, 500 - 16, 4, 3, px, py);
    const unsigned long closed = pixel(px, py);
    host->click(x + 8, y + 8);
    ASSERT_TRUE(pumpUntil(p, [&] { return pixel(px, py) != closed; })) << "no menu opened";
    host->click(px, py);
    ASSERT_TRUE(pumpUntil(p, [&] { return p.text(vst::effGetProgramName) == "Picked"; }));
    auto bank = p.chunk(false);
    ASSERT_EQ(bank.size(), static_cast<size_t>(128 * kRecordSize));
    for (int program = 0; program < 128; ++program) {
        uint16_t code;
        std::memcpy(&code, bank.data() + program * kRecordSize + kLearnOffset + 2 * kFilterCutoff,
                    2);
        ASSERT_EQ(code, cc) << program;
    }
    p.call(vst::effEditClose);
}
