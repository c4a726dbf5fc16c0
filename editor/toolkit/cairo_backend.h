// What the Cairo backend's files share: the Cairo objects behind bitmaps and faces.
#pragma once
#include <cairo.h>

#include "editor/toolkit/cbitmap.h"
#include "editor/toolkit/cfont.h"

namespace tk {

struct CBitmap::Native {
    cairo_surface_t* surface; // over the bitmap's own pixels
};

struct CFontSet::Face {
    cairo_font_face_t* cairo = nullptr;
};

} // namespace tk
