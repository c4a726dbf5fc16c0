// tarlix-art: draws every bitmap the control layout table names, at build time, and packs them
// with the text fonts into the resource pack the plug-in embeds. With --preview it also
// composes the window as it opens (every visible control's first frame on the background).
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "common/bitmap_names.h"
#include "editor/layout_table.h"
#include "engine/parameter_table.h"
#include "tools/art/catalogue.h"
#include "tools/art/layout_walk.h"
#include "tools/art/painter.h"
#include "tools/art/resource_pack.h"

using namespace art;

namespace {

struct Options {
    std::string outDir, pack, preview, regular, bold;
    int scale = 1;
    std::vector<int> denser; // further scales packed as "name@Nx.png" companions
    bool check = false;
    std::set<int> show; // panels to preview open, besides those that rest visible
};

int usage() {
    std::fprintf(
        stderr,
        "usage: tarlix-art --font-regular TTF --font-bold TTF [--scale N] [--also-scale N]...\n"
        "                  [--out DIR] [--pack FILE] [--preview PNG [--show PANEL]...]\n"
        "                  [--check]\n");
    return 2;
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&](std::string& v) {
            if (i + 1 >= argc) return false;
            v = argv[++i];
            return true;
        };
        std::string scale;
        if (a == "--out" && next(o.outDir)) continue;
        if (a == "--pack" && next(o.pack)) continue;
        if (a == "--preview" && next(o.preview)) continue;
        if (a == "--font-regular" && next(o.regular)) continue;
        if (a == "--font-bold" && next(o.bold)) continue;
        if (a == "--show" && i + 1 < argc) {
            o.show.insert(std::atoi(argv[++i]));
            continue;
        }
        if (a == "--check") {
            o.check = true;
            continue;
        }
        if (a == "--scale" && next(scale)) {
            o.scale = std::atoi(scale.c_str());
            if (o.scale >= 1 && o.scale <= 4) continue;
        }
        if (a == "--also-scale" && next(scale)) {
            int n = std::atoi(scale.c_str());
            o.denser.push_back(n);
            if (n >= 2 && n <= 4) continue;
        }
        return false;
    }
    return !o.regular.empty() && !o.bold.empty();
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::vector<uint8_t> renderStrip(const BitmapSpec& s, int scale, const Fonts& fonts,
                                 const LayoutWalk& walk) {
    Canvas canvas(s.w, s.h * s.frames, scale);
    for (int i = 0; i < s.frames; ++i) {
        cairo_t* cr = canvas.cr();
        cairo_save(cr);
        cairo_translate(cr, 0, s.h * i);
        cairo_rectangle(cr, 0, 0, s.w, s.h);
        cairo_clip(cr);
        drawBitmapFrame(cr, s, i, fonts, walk);
        cairo_restore(cr);
    }
    return canvas.png();
}

// Every bitmap name the table uses, row 0's background included.
std::set<std::string> tableBitmaps() {
    std::set<std::string> names;
    for (int r = 0; r < tarlix::kLayoutRowCount; ++r) {
        const tarlix::LayoutRecord& rec = tarlix::kLayoutTable[r];
        if (rec.bitmap && *rec.bitmap &&
            (rec.kind < tarlix::kFirstDirectiveKind || rec.kind == 150 || rec.kind == 158 ||
             rec.kind == 159))
            names.insert(rec.bitmap);
    }
    return names;
}

Rgb paletteColour(int index, double& alpha) {
    uint32_t c = tarlix::kPalette[index];
    alpha = (c & 255) / 255.0;
    return hex(c >> 8);
}

// The window as it opens: panels that rest visible, the first modulation page, and each
// control's first frame; menus show their first item.
void composePreview(cairo_t* cr, const Fonts& fonts, const LayoutWalk& walk,
                    const std::set<int>& show) {
    static const std::set<int> kPages = {9, 11, 13, 15, 16, 17};
    int page = 9;
    for (int t : show)
        if (kPages.count(t)) page = t;
    drawBitmapFrame(cr, *findSpec("BG.png"), 0, fonts, walk);
    std::vector<bool> shown(walk.panels.size());
    std::vector<double> px(walk.panels.size()), py(walk.panels.size());
    for (size_t i = 0; i < walk.panels.size(); ++i) {
        const PlacedPanel& p = walk.panels[i];
        bool parentShown = p.parent < 0 || shown[p.parent];
        bool open = show.count(p.tag) > 0;
        bool rests = p.kind == 158 && p.slideMode == 0 && !open;
        shown[i] = parentShown && (rests || open || p.tag == page);
        double bx = p.parent < 0 ? 0 : px[p.parent], by = p.parent < 0 ? 0 : py[p.parent];
        px[i] = bx + (rests ? p.restX : p.x);
        py[i] = by + (rests ? p.restY : p.y);
    }
    size_t nextPanel = 0;
    auto drawPanelsBefore = [&](int row) {
        for (; nextPanel < walk.panels.size() && walk.panels[nextPanel].row < row; ++nextPanel) {
            const PlacedPanel& p = walk.panels[nextPanel];
            const BitmapSpec* s = findSpec(p.bitmap);
            if (!shown[nextPanel] || !s) continue;
            cairo_save(cr);
            cairo_translate(cr, px[nextPanel], py[nextPanel]);
            cairo_rectangle(cr, 0, 0, s->w, s->h);
            cairo_clip(cr);
            drawBitmapFrame(cr, *s, 0, fonts, walk);
            cairo_restore(cr);
        }
    };
    char item[128];
    for (const PlacedControl& c : walk.controls) {
        drawPanelsBefore(c.row);
        if (!c.visible() || (c.panel >= 0 && !shown[c.panel])) continue;
        double x = (c.panel < 0 ? 0 : px[c.panel]) + c.x;
        double y = (c.panel < 0 ? 0 : py[c.panel]) + c.y;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        if (const BitmapSpec* s = findSpec(c.bitmap)) {
            cairo_rectangle(cr, 0, 0, s->w, s->h);
            cairo_clip(cr);
            drawBitmapFrame(cr, *s, 0, fonts, walk);
        } else if (c.tag == 401) {
            drawText(cr, fonts.regular(), 18, hex(0x1E1E1E), "Init Program", c.w / 2, c.h / 2 + 6,
                     Align::Centre);
        } else if (c.kind == 32 && tarlix::optionItem(c.record->options, 0, item, 127)) {
            double alpha;
            Rgb ink = paletteColour(c.textStyle, alpha);
            double size = c.textStyle == 27 ? 14 : 18;
            drawText(cr, fonts.regular(), size, ink, item, c.w / 2, c.h / 2 + size * 0.35,
                     Align::Centre);
        }
        cairo_restore(cr);
    }
    drawPanelsBefore(tarlix::kLayoutRowCount);
}

// Menus whose longest item is wider than their box at the run-time text size.
int checkTextFits(const Fonts& fonts, const LayoutWalk& walk) {
    Canvas scratch(1, 1, 1);
    int misfits = 0;
    char item[128];
    for (const PlacedControl& c : walk.controls) {
        if (c.kind != 32 || !c.visible() || !c.record->options) continue;
        double size = c.textStyle == 27 ? 14 : 18;
        for (int k = 0; tarlix::optionItem(c.record->options, k, item, 127); ++k) {
            double w = textWidth(scratch.cr(), fonts.regular(), size, item);
            if (w > c.w - 4) {
                std::printf("tag %d \"%s\": \"%s\" is %.0f px in a %.0f px box\n", c.tag,
                            c.record->name, item, w, c.w);
                ++misfits;
            }
        }
    }
    return misfits;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) return usage();
    Fonts fonts;
    if (!fonts.load(o.regular, o.bold)) {
        std::fprintf(stderr, "tarlix-art: cannot load the fonts\n");
        return 1;
    }
    LayoutWalk walk;
    walk.run(tarlix::kLayoutTable, tarlix::kLayoutRowCount, stripSize);
    for (const std::string& p : walk.problems)
        std::fprintf(stderr, "tarlix-art: %s\n", p.c_str());
    for (const std::string& name : tableBitmaps())
        if (!findSpec(name)) {
            std::fprintf(stderr, "tarlix-art: the table names %s, which is not drawn\n",
                         name.c_str());
            return 1;
        }
    if (!walk.problems.empty()) return 1;
    if (o.check) return checkTextFits(fonts, walk) == 0 ? 0 : 1;

    ResourcePack pack;
    for (const BitmapSpec& s : bitmapSpecs()) {
        std::vector<uint8_t> png = renderStrip(s, o.scale, fonts, walk);
        if (png.empty() || (!o.outDir.empty() && !writeFile(o.outDir + "/" + s.name, png))) {
            std::fprintf(stderr, "tarlix-art: cannot write %s\n", s.name.c_str());
            return 1;
        }
        pack.add(s.name, "PNG", std::move(png));
        // The same drawing with more detail for a zoomed window.
        for (int n : o.denser) {
            std::vector<uint8_t> dense = renderStrip(s, n, fonts, walk);
            const std::string name = tarlix::denseBitmapName(s.name, n);
            if (dense.empty() || (!o.outDir.empty() && !writeFile(o.outDir + "/" + name, dense))) {
                std::fprintf(stderr, "tarlix-art: cannot write %s\n", name.c_str());
                return 1;
            }
            pack.add(name, "PNG", std::move(dense));
        }
    }
    const std::pair<const std::string*, const char*> fontFiles[] = {
        {&o.regular, "LiberationSans-Regular.ttf"}, {&o.bold, "LiberationSans-Bold.ttf"}};
    for (const auto& [path, name] : fontFiles) {
        std::vector<uint8_t> bytes;
        if (!readWholeFile(*path, bytes)) {
            std::fprintf(stderr, "tarlix-art: cannot read %s\n", path->c_str());
            return 1;
        }
        pack.add(name, "FONT", std::move(bytes));
    }
    if (!o.pack.empty() && !pack.write(o.pack)) {
        std::fprintf(stderr, "tarlix-art: cannot write %s\n", o.pack.c_str());
        return 1;
    }
    if (!o.preview.empty()) {
        Canvas canvas(991, 701, o.scale);
        composePreview(canvas.cr(), fonts, walk, o.show);
        if (!writeFile(o.preview, canvas.png())) return 1;
    }
    return 0;
}
