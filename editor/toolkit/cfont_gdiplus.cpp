// Faces for GDI+: the embedded font files in a private font collection of the set's own, so
// nothing is installed on the system and the host's fonts are never touched.
#include "editor/toolkit/cfont.h"
#include "editor/toolkit/gdiplus_backend.h"
#include "platform/platform.h"

namespace tk {

namespace {
const char* const kFontFiles[2] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};
} // namespace

struct CFontSet::Faces {
    GdiplusSession session;
    Gdiplus::GpFontCollection* collection = nullptr;
    Gdiplus::GpFontFamily* family = nullptr;
    Face faces[2];
    ~Faces() {
        if (family) gp::GdipDeleteFontFamily(family);
        if (collection) gp::GdipDeletePrivateFontCollection(&collection);
    }
};

CFontSet::CFontSet() : faces_(std::make_unique<Faces>()) {
    Faces& f = *faces_;
    if (!f.session.ok() || gp::GdipNewPrivateFontCollection(&f.collection) != Gdiplus::Ok) return;
    for (const char* file : kFontFiles) {
        platform::Resource r = platform::findResource(file, "FONT");
        if (r.data && r.size > 0 && r.size < 0x7FFFFFFF)
            gp::GdipPrivateAddMemoryFont(f.collection, r.data, static_cast<INT>(r.size));
    }
    // Both files are styles of one family.
    INT count = 0;
    gp::GdipGetFontCollectionFamilyCount(f.collection, &count);
    if (count < 1) return;
    Gdiplus::GpFontFamily* found = nullptr;
    INT got = 0;
    if (gp::GdipGetFontCollectionFamilyList(f.collection, 1, &found, &got) != Gdiplus::Ok ||
        got < 1)
        return;
    gp::GdipCloneFontFamily(found, &f.family); // ours to delete; the listed one is the set's
    const int styles[2] = {Gdiplus::FontStyleRegular, Gdiplus::FontStyleBold};
    for (int i = 0; i < 2; ++i) {
        BOOL available = FALSE;
        gp::GdipIsStyleAvailable(f.family, styles[i], &available);
        if (available) f.faces[i] = Face{f.family, styles[i]};
    }
}

CFontSet::~CFontSet() = default;

const CFontSet::Face* CFontSet::face(FontWeight weight) const {
    const Face& f = faces_->faces[weight == FontWeight::Bold ? 1 : 0];
    if (f.family) return &f;
    return faces_->faces[0].family ? &faces_->faces[0] : nullptr;
}

} // namespace tk
