// Walks the control layout table the way the editor's builder does and yields every panel and
// control with its rectangle, relative to its panel and in window coordinates (panels at their
// open position). The art program uses it to draw labels where the controls sit; the tests use it
// to check that every control fits its panel and that no two overlap.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "editor/layout_table.h"

namespace art {

struct BitmapSize {
    int w = 0, h = 0; // whole bitmap (all frames); 0 x 0 when unknown
};
using BitmapSizeLookup = std::function<BitmapSize(const std::string& name)>;

struct PlacedPanel {
    int tag = 0, row = 0, kind = 0;
    int parent = -1;       // index into panels, -1 for the window
    double x = 0, y = 0;   // relative to the parent
    double ax = 0, ay = 0; // in the window
    double w = 0, h = 0;
    std::string bitmap;          // empty when none
    double restX = 0, restY = 0; // where a sliding panel waits (relative to the parent)
    int slideMode = 1;           // 0: stays visible at rest; other modes hide it there
};

struct PlacedControl {
    int tag = 0, row = 0, kind = 0;
    int panel = -1; // index into panels, -1 for the window
    double x = 0, y = 0, ax = 0, ay = 0, w = 0, h = 0;
    int frames = 1;
    int textStyle = 0; // palette index of the text style in force
    std::string bitmap;
    const tarlix::LayoutRecord* record = nullptr;
    bool visible() const { return w > 0 && h > 0 && x > -400 && y > -400; }
};

struct LayoutWalk {
    std::vector<PlacedPanel> panels;
    std::vector<PlacedControl> controls;
    std::vector<std::string> problems; // unbalanced panels, unknown bitmaps

    void run(const tarlix::LayoutRecord* table, int rows, const BitmapSizeLookup& size);
    // The panel index with that tag, or -1.
    int panelIndex(int tag) const;
};

// Kinds that create a control without drawing anything.
bool isInvisibleKind(int kind);
bool isKnobKind(int kind);
bool isTwoStateKind(int kind);
bool isTextBoxKind(int kind);

} // namespace art
