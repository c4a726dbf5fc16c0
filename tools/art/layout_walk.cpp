#include "tools/art/layout_walk.h"

#include <cmath>

namespace art {

using tarlix::LayoutRecord;

bool isInvisibleKind(int k) {
    return k == 29 || k == 53 || k == 67 || (k >= 135 && k <= 137) || k == 77;
}
bool isKnobKind(int k) {
    return k >= 0 && k <= 6;
}
bool isTwoStateKind(int k) {
    return (k >= 26 && k <= 28) || k == 30 || k == 31;
}
bool isTextBoxKind(int k) {
    return k == 32 || k == 55 || k == 56 || (k >= 57 && k <= 64) || k == 83 ||
           (k >= 122 && k <= 129);
}

int LayoutWalk::panelIndex(int tag) const {
    for (size_t i = 0; i < panels.size(); ++i)
        if (panels[i].tag == tag) return static_cast<int>(i);
    return -1;
}

void LayoutWalk::run(const LayoutRecord* table, int rows, const BitmapSizeLookup& size) {
    panels.clear();
    controls.clear();
    problems.clear();
    int textW = 0, textH = 0, knobFrames = 0, textStyle = 0;
    const LayoutRecord* slide = nullptr; // the last slide directive
    std::vector<int> stack;              // open panels
    auto named = [](const char* s) { return s && *s; };
    auto sizeOf = [&](const char* name, int row) {
        BitmapSize b = size(name);
        if (b.w <= 0 || b.h <= 0)
            problems.push_back("row " + std::to_string(row) + ": no bitmap " + name);
        return b;
    };
    for (int r = 1; r < rows; ++r) {
        const LayoutRecord& rec = table[r];
        if (rec.kind >= tarlix::kLayoutEndKind) break;
        const int tag = tarlix::layoutTag(rec);
        const int parent = stack.empty() ? -1 : stack.back();
        const double px = parent < 0 ? 0 : panels[parent].ax;
        const double py = parent < 0 ? 0 : panels[parent].ay;
        switch (rec.kind) {
        case 151:
            textW = rec.x, textH = rec.y, textStyle = rec.aux;
            continue;
        case 155:
            slide = &rec;
            continue;
        case 152:
            knobFrames = rec.x;
            continue;
        case 158:
        case 159: {
            PlacedPanel p;
            p.tag = tag, p.row = r, p.kind = rec.kind, p.parent = parent;
            p.x = rec.x, p.y = rec.y, p.ax = px + rec.x, p.ay = py + rec.y;
            p.restX = rec.x, p.restY = rec.y;
            if (rec.kind == 158 && slide) {
                p.restX = slide->x, p.restY = slide->y, p.slideMode = slide->aux;
            }
            if (tag == 80) {
                p.w = p.h = 1;
            } else if (named(rec.bitmap)) {
                BitmapSize b = sizeOf(rec.bitmap, r);
                p.w = b.w, p.h = b.h, p.bitmap = rec.bitmap;
            } else {
                p.w = rec.min, p.h = rec.max;
            }
            panels.push_back(p);
            stack.push_back(static_cast<int>(panels.size()) - 1);
            continue;
        }
        case 160:
            if (stack.empty())
                problems.push_back("row " + std::to_string(r) + ": end without panel");
            else
                stack.pop_back();
            continue;
        default:
            break;
        }
        if (rec.kind >= tarlix::kFirstDirectiveKind) continue;
        PlacedControl c;
        c.tag = tag, c.row = r, c.kind = rec.kind, c.panel = parent, c.record = &rec;
        c.x = rec.x, c.y = rec.y, c.ax = px + rec.x, c.ay = py + rec.y;
        c.textStyle = textStyle;
        const int k = rec.kind;
        BitmapSize b;
        if (named(rec.bitmap) && !isInvisibleKind(k)) {
            b = sizeOf(rec.bitmap, r);
            c.bitmap = rec.bitmap;
        }
        if (isInvisibleKind(k)) {
            c.w = c.h = 0;
        } else if (isKnobKind(k)) {
            int frames = knobFrames > 0 ? knobFrames : (b.w > 0 ? b.h / b.w : 1);
            c.frames = frames > 0 ? frames : 1;
            c.w = b.w, c.h = b.h / c.frames;
        } else if (isTwoStateKind(k)) {
            c.frames = 2;
            c.w = b.w, c.h = b.h / 2;
        } else if (isTextBoxKind(k)) {
            c.w = b.w > 0 ? b.w : textW;
            c.h = b.w > 0 ? b.h : textH;
        } else if (k >= 78 && k <= 82) {
            c.frames = rec.aux > 0 ? rec.aux : 1;
            c.w = b.w, c.h = b.h / c.frames;
        } else if (k >= 114 && k <= 121) {
            c.w = rec.min, c.h = rec.max;
        } else {
            c.w = b.w, c.h = b.h; // 76, 138: the bitmap's size
        }
        c.w = std::fabs(c.w), c.h = std::fabs(c.h);
        controls.push_back(c);
    }
    if (!stack.empty()) problems.push_back("panels left open at the end of the table");
}

} // namespace art
