// What the GDI+ backend's files share: the GDI+ session, the flat API and the GDI+ objects
// behind bitmaps and faces.
#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <gdiplus.h>

#include "editor/toolkit/cbitmap.h"
#include "editor/toolkit/cfont.h"

namespace tk {

namespace gp = Gdiplus::DllExports;

// GDI+ runs while any object of this backend lives: the first one starts it, the last one
// shuts it down, so an unloaded plug-in leaves nothing running.
class GdiplusSession {
  public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool ok() const { return ok_; }

  private:
    bool ok_;
};

struct CBitmap::Native {
    GdiplusSession session;
    Gdiplus::GpBitmap* bitmap = nullptr; // over the bitmap's own pixels
};

struct CFontSet::Face {
    Gdiplus::GpFontFamily* family = nullptr;
    int style = Gdiplus::FontStyleRegular;
};

} // namespace tk
