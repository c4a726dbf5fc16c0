// The editor's text faces: Liberation Sans (Arial metrics), loaded privately through FreeType
// from the library's embedded fonts. The system's font configuration is never consulted.
#pragma once
#include <cairo.h>

#include <memory>

namespace tk {

enum class FontWeight { Regular, Bold };

// One set per open editor: its own FreeType library and faces, released with the set (the
// faces stay alive inside Cairo until Cairo's caches drop them).
class CFontSet {
  public:
    CFontSet();
    ~CFontSet();
    CFontSet(const CFontSet&) = delete;
    CFontSet& operator=(const CFontSet&) = delete;

    // Null when no face could be loaded; text is then not drawn.
    cairo_font_face_t* face(FontWeight weight) const;

  private:
    struct Library;
    std::shared_ptr<Library> library_;
    cairo_font_face_t* faces_[2] = {nullptr, nullptr};
};

// A face and a size in pixels, as the text styles use them.
struct CFontDesc {
    FontWeight weight = FontWeight::Regular;
    double size = 12.0;
};

} // namespace tk
