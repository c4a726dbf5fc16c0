#include "editor/toolkit/cfont.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/platform.h"

namespace tk {

// The FreeType library stays alive until its last face is gone, which may be after the set.
struct CFontSet::Library {
    FT_Library ft = nullptr;
    ~Library() {
        if (ft) FT_Done_FreeType(ft);
    }
};

namespace {

struct FaceHolder {
    FT_Face face;
    std::shared_ptr<void> library; // keeps the FreeType library alive
};

const cairo_user_data_key_t kFaceKey{};

void releaseFace(void* data) {
    auto* holder = static_cast<FaceHolder*>(data);
    FT_Done_Face(holder->face);
    delete holder;
}

const char* const kFontFiles[2] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};

} // namespace

CFontSet::CFontSet() : library_(std::make_shared<Library>()) {
    if (FT_Init_FreeType(&library_->ft) != 0) {
        library_->ft = nullptr;
        return;
    }
    for (int i = 0; i < 2; ++i) {
        platform::Resource r = platform::findResource(kFontFiles[i], "FONT");
        FT_Face face = nullptr;
        if (!r.data || r.size == 0 ||
            FT_New_Memory_Face(library_->ft, r.data, static_cast<FT_Long>(r.size), 0, &face) != 0)
            continue;
        cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
        auto* holder = new FaceHolder{face, library_};
        if (cairo_font_face_set_user_data(cf, &kFaceKey, holder, releaseFace) !=
            CAIRO_STATUS_SUCCESS) {
            cairo_font_face_destroy(cf);
            releaseFace(holder);
            continue;
        }
        faces_[i] = cf;
    }
}

CFontSet::~CFontSet() {
    for (cairo_font_face_t* f : faces_)
        if (f) cairo_font_face_destroy(f);
}

cairo_font_face_t* CFontSet::face(FontWeight weight) const {
    cairo_font_face_t* f = faces_[weight == FontWeight::Bold ? 1 : 0];
    return f ? f : faces_[0];
}

} // namespace tk
