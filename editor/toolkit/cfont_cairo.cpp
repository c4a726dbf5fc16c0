// Faces for Cairo: FreeType faces over the embedded font files, wrapped for cairo-ft.
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "editor/toolkit/cairo_backend.h"
#include "editor/toolkit/cfont.h"
#include "platform/platform.h"

namespace tk {

namespace {

// The FreeType library stays alive until its last face is gone, which may be after the set:
// Cairo's caches can hold a face a little longer.
struct Library {
    FT_Library ft = nullptr;
    ~Library() {
        if (ft) FT_Done_FreeType(ft);
    }
};

struct FaceHolder {
    FT_Face face;
    std::shared_ptr<Library> library;
};

const cairo_user_data_key_t kFaceKey{};

void releaseFace(void* data) {
    auto* holder = static_cast<FaceHolder*>(data);
    FT_Done_Face(holder->face);
    delete holder;
}

const char* const kFontFiles[2] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};

} // namespace

struct CFontSet::Faces {
    std::shared_ptr<Library> library = std::make_shared<Library>();
    Face faces[2];
    ~Faces() {
        for (Face& f : faces)
            if (f.cairo) cairo_font_face_destroy(f.cairo);
    }
};

CFontSet::CFontSet() : faces_(std::make_unique<Faces>()) {
    std::shared_ptr<Library>& library = faces_->library;
    if (FT_Init_FreeType(&library->ft) != 0) {
        library->ft = nullptr;
        return;
    }
    for (int i = 0; i < 2; ++i) {
        platform::Resource r = platform::findResource(kFontFiles[i], "FONT");
        FT_Face face = nullptr;
        if (!r.data || r.size == 0 ||
            FT_New_Memory_Face(library->ft, r.data, static_cast<FT_Long>(r.size), 0, &face) != 0)
            continue;
        cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
        auto* holder = new FaceHolder{face, library};
        if (cairo_font_face_set_user_data(cf, &kFaceKey, holder, releaseFace) !=
            CAIRO_STATUS_SUCCESS) {
            cairo_font_face_destroy(cf);
            releaseFace(holder);
            continue;
        }
        faces_->faces[i].cairo = cf;
    }
}

CFontSet::~CFontSet() = default;

const CFontSet::Face* CFontSet::face(FontWeight weight) const {
    const Face& f = faces_->faces[weight == FontWeight::Bold ? 1 : 0];
    if (f.cairo) return &f;
    return faces_->faces[0].cairo ? &faces_->faces[0] : nullptr;
}

} // namespace tk
