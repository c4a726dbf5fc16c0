// The editor's art as a host gets it: every bitmap the layout table names is in the built
// library, decodes, has the size its control needs, shows what it should (the value of a
// knob, the state of a button) and keeps dark display text readable. The art program itself
// is run as the build runs it, at another scale.
#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "editor/layout_table.h"
#include "platform/platform.h"
#include "temp_folder.h"
#include "tools/art/layout_walk.h"

using namespace tarlix;

namespace {

struct Image {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
};

bool decode(const uint8_t* data, size_t size, Image& out) {
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&img, data, size)) return false;
    img.format = PNG_FORMAT_RGBA;
    out.w = static_cast<int>(img.width);
    out.h = static_cast<int>(img.height);
    out.rgba.resize(PNG_IMAGE_SIZE(img));
    bool ok = png_image_finish_read(&img, nullptr, out.rgba.data(), 0, nullptr) != 0;
    png_image_free(&img);
    return ok;
}

bool embedded(const std::string& name, Image& out) {
    platform::Resource r = platform::findResource(name.c_str(), "PNG");
    return r.data && decode(r.data, r.size, out);
}

const Image& picture(const std::string& name) {
    static std::map<std::string, Image> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        Image img;
        embedded(name, img);
        it = cache.emplace(name, std::move(img)).first;
    }
    return it->second;
}

art::BitmapSize embeddedSize(const std::string& name) {
    const Image& img = picture(name);
    return {img.w, img.h};
}

const art::LayoutWalk& layout() {
    static const art::LayoutWalk walk = [] {
        art::LayoutWalk w;
        w.run(kLayoutTable, kLayoutRowCount, embeddedSize);
        return w;
    }();
    return walk;
}

std::set<std::string> namedBitmaps() {
    std::set<std::string> names;
    for (int r = 0; r < kLayoutRowCount; ++r) {
        const LayoutRecord& rec = kLayoutTable[r];
        bool usesBitmap =
            rec.kind < kFirstDirectiveKind || rec.kind == 150 || rec.kind == 158 || rec.kind == 159;
        if (usesBitmap && rec.bitmap && *rec.bitmap) names.insert(rec.bitmap);
    }
    return names;
}

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double luminance(double r, double g, double b) {
    auto lin = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b);
}

double contrast(double l1, double l2) {
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

// The count of pixels in a frame close to the value colour (the arc or fill of a strip).
int valuePixels(const Image& img, int frame, int frameH) {
    int n = 0;
    for (int y = frame * frameH; y < (frame + 1) * frameH; ++y)
        for (int x = 0; x < img.w; ++x) {
            const uint8_t* p = img.at(x, y);
            if (p[3] > 200 && p[0] > 200 && p[1] > 140 && p[1] < 205 && p[2] < 120) ++n;
        }
    return n;
}

} // namespace

TEST(Art, EveryBitmapTheTableNamesIsEmbeddedAndDecodes) {
    std::set<std::string> names = namedBitmaps();
    EXPECT_GT(names.size(), 40u);
    for (const std::string& name : names) {
        const Image& img = picture(name);
        EXPECT_GT(img.w, 0) << name;
        EXPECT_GT(img.h, 0) << name;
        EXPECT_LE(img.w, 4096) << name;
        EXPECT_LE(img.h, 4096) << name;
    }
    EXPECT_EQ(picture("BG.png").w, 991);
    EXPECT_EQ(picture("BG.png").h, 701);
}

TEST(Art, StripsHaveTheFramesTheirControlsExpect) {
    // Each control divides its bitmap by the frame count in force where it is built.
    for (const art::PlacedControl& c : layout().controls) {
        if (c.bitmap.empty()) continue;
        const Image& img = picture(c.bitmap);
        EXPECT_EQ(img.h % c.frames, 0) << "tag " << c.tag << " " << c.bitmap;
        if (art::isKnobKind(c.kind) && c.bitmap.rfind("Knob", 0) == 0) {
            EXPECT_EQ(img.h / c.frames, img.w) << "tag " << c.tag << ": square knob frames";
        }
        if (art::isTwoStateKind(c.kind)) {
            EXPECT_EQ(c.frames, 2) << c.tag;
        }
    }
}

TEST(Art, KnobFramesShowTheValueGrowing) {
    for (const char* name : {"Knob.png", "Knob_sm.png"}) {
        const Image& img = picture(name);
        ASSERT_GT(img.h, 0) << name;
        const int frames = 29, frameH = img.h / frames;
        int previous = valuePixels(img, 0, frameH);
        EXPECT_LT(previous, 6) << name << ": the first frame shows no value";
        for (int f = 1; f < frames; ++f) {
            int n = valuePixels(img, f, frameH);
            EXPECT_GT(n, previous) << name << " frame " << f << ": the value arc does not grow";
            previous = n;
        }
    }
}

TEST(Art, SliderThumbsMoveWithTheValue) {
    // The thumb is the light grey part of a frame; its centre moves right (or up) frame by
    // frame, across most of the travel.
    struct Strip {
        const char* name;
        bool vertical;
    };
    for (const Strip& s : {Strip{"Melt_Slider.png", false}, Strip{"Melt_Slider_Mix.png", false},
                           Strip{"Slider_V.png", true}}) {
        const Image& img = picture(s.name);
        ASSERT_GT(img.h, 0) << s.name;
        const int frames = 31, frameH = img.h / frames;
        std::vector<double> centre;
        for (int f = 0; f < frames; ++f) {
            double sum = 0;
            int n = 0;
            for (int y = 0; y < frameH; ++y)
                for (int x = 0; x < img.w; ++x) {
                    const uint8_t* p = img.at(x, f * frameH + y);
                    bool grey = std::abs(p[0] - p[1]) < 12 && std::abs(p[1] - p[2]) < 12;
                    if (p[3] > 200 && grey && p[1] > 150) sum += s.vertical ? -y : x, ++n;
                }
            ASSERT_GT(n, 0) << s.name << " frame " << f << " has no thumb";
            centre.push_back(sum / n);
        }
        for (int f = 1; f < frames; ++f)
            EXPECT_GT(centre[f], centre[f - 1]) << s.name << " frame " << f;
        const double travel = centre.back() - centre.front();
        EXPECT_GT(travel, 0.6 * (s.vertical ? frameH : img.w)) << s.name;
    }
}

TEST(Art, TwoStateButtonsLookDifferentOnAndOff) {
    std::set<std::string> twoState;
    for (const art::PlacedControl& c : layout().controls)
        if (art::isTwoStateKind(c.kind) && !c.bitmap.empty()) twoState.insert(c.bitmap);
    EXPECT_GT(twoState.size(), 20u);
    for (const std::string& name : twoState) {
        const Image& img = picture(name);
        const int half = img.h / 2;
        long difference = 0;
        for (int y = 0; y < half; ++y)
            for (int x = 0; x < img.w; ++x)
                for (int k = 0; k < 3; ++k)
                    difference += std::abs(img.at(x, y)[k] - img.at(x, y + half)[k]);
        EXPECT_GT(difference / (img.w * half), 20) << name << ": off and on look alike";
    }
}

TEST(Art, DisplayTextIsReadableOnItsBackground) {
    // Style 0 is dark grey text on a transparent box: the picture under the box must be light.
    // Style 27 (the credits panel) is white text: its picture must be dark.
    int checked = 0;
    for (const art::PlacedControl& c : layout().controls) {
        if (!c.visible() || !art::isTextBoxKind(c.kind) || !c.bitmap.empty()) continue;
        const std::string& on = c.panel < 0 ? "BG.png" : layout().panels[c.panel].bitmap;
        const Image& img = picture(on);
        ASSERT_GT(img.w, 0) << on;
        const uint32_t ink = kPalette[c.textStyle];
        const double a = (ink & 255) / 255.0;
        double worst = 1e9;
        for (double fy : {0.3, 0.5, 0.7})
            for (double fx : {0.15, 0.5, 0.85}) {
                const uint8_t* p =
                    img.at(static_cast<int>(c.x + c.w * fx), static_cast<int>(c.y + c.h * fy));
                double bg[3], fg[3];
                for (int k = 0; k < 3; ++k) {
                    bg[k] = p[k] / 255.0;
                    double inkK = ((ink >> (24 - 8 * k)) & 255) / 255.0;
                    fg[k] = inkK * a + bg[k] * (1 - a);
                }
                worst = std::min(worst, contrast(luminance(bg[0], bg[1], bg[2]),
                                                 luminance(fg[0], fg[1], fg[2])));
            }
        EXPECT_GE(worst, 4.5) << "tag " << c.tag << " style " << c.textStyle << " on " << on;
        ++checked;
    }
    EXPECT_GT(checked, 40);
}

TEST(Art, TheArtProgramDrawsTheSameArtAgainAndAtTwiceTheScale) {
    testfiles::TempFolder once, twice;
    const std::string fonts = std::string(" --font-regular ") + TARLIX_FONT_DIR +
                              "/LiberationSans-Regular.ttf --font-bold " + TARLIX_FONT_DIR +
                              "/LiberationSans-Bold.ttf";
    const std::string art = TARLIX_ART_PATH;
    ASSERT_EQ(std::system((art + fonts + " --out " + once.path).c_str()), 0);
    ASSERT_EQ(std::system((art + fonts + " --scale 2 --out " + twice.path).c_str()), 0);
    for (const std::string& name : namedBitmaps()) {
        std::vector<uint8_t> bytes;
        std::FILE* f = std::fopen((once / name).c_str(), "rb");
        ASSERT_NE(f, nullptr) << name;
        uint8_t buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            bytes.insert(bytes.end(), buf, buf + n);
        std::fclose(f);
        platform::Resource r = platform::findResource(name.c_str(), "PNG");
        ASSERT_EQ(bytes.size(), r.size) << name << ": the library embeds other art";
        EXPECT_EQ(std::memcmp(bytes.data(), r.data, r.size), 0) << name;

        Image big;
        std::FILE* g = std::fopen((twice / name).c_str(), "rb");
        ASSERT_NE(g, nullptr) << name;
        std::vector<uint8_t> bigBytes;
        while ((n = std::fread(buf, 1, sizeof buf, g)) > 0)
            bigBytes.insert(bigBytes.end(), buf, buf + n);
        std::fclose(g);
        ASSERT_TRUE(decode(bigBytes.data(), bigBytes.size(), big)) << name;
        EXPECT_EQ(big.w, 2 * picture(name).w) << name;
        EXPECT_EQ(big.h, 2 * picture(name).h) << name;
    }
}
