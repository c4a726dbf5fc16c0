// Where a control of the layout table sits in the window while every panel is at rest: its
// row's position plus the resting places of the panels around it. For tools and tests that
// press controls as a user would.
#pragma once
#include <vector>

#include "editor/layout_table.h"

namespace tarlix {

inline bool restingPlace(int tag, int& x, int& y) {
    struct Origin {
        int x, y;
    };
    std::vector<Origin> stack{{0, 0}};
    int slideX = 0, slideY = 0;
    bool slide = false;
    for (int r = 1; r < kLayoutRowCount; ++r) {
        const LayoutRecord& row = kLayoutTable[r];
        if (row.kind >= kLayoutEndKind) break;
        if (row.kind == 155) { // slide settings: where the next sliding panel rests
            slide = true;
            slideX = row.x;
            slideY = row.y;
        } else if (row.kind == 158 || row.kind == 159) {
            bool moved = row.kind == 158 && slide;
            stack.push_back({stack.back().x + (moved ? slideX : row.x),
                             stack.back().y + (moved ? slideY : row.y)});
        } else if (row.kind == 160) {
            if (stack.size() > 1) stack.pop_back();
        } else if (row.kind < kFirstDirectiveKind && layoutTag(row) == tag) {
            x = stack.back().x + row.x;
            y = stack.back().y + row.y;
            return true;
        }
    }
    return false;
}

} // namespace tarlix
