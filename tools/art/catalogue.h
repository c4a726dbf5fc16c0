// Every bitmap the layout table names: its size, frame count and how it is drawn. Plain
// pictures (the background and the panels) also carry the section plates, display strips and
// labels of the controls that sit on them, read from the layout table.
#pragma once
#include <string>
#include <vector>

#include "tools/art/layout_walk.h"
#include "tools/art/painter.h"

namespace art {

struct BitmapSpec {
    std::string name;
    int w = 0, h = 0; // one frame
    int frames = 1;   // frames stacked vertically (two-state buttons: off above on)
};

const std::vector<BitmapSpec>& bitmapSpecs();
const BitmapSpec* findSpec(const std::string& name);
// The size of the whole strip, for the layout walk.
BitmapSize stripSize(const std::string& name);

// Draws frame `frame` of a bitmap at the origin (unscaled pixels).
void drawBitmapFrame(cairo_t* cr, const BitmapSpec& spec, int frame, const Fonts& fonts,
                     const LayoutWalk& walk);

// The label the face shows for a control, empty when it has none.
std::string controlLabel(int tag);

} // namespace art
