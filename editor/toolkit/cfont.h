// The editor's text faces: Liberation Sans (Arial metrics), loaded privately from the
// library's embedded fonts by the drawing backend (FreeType for Cairo, a private font
// collection for GDI+). The system's fonts are never consulted.
#pragma once
#include <memory>

namespace tk {

enum class FontWeight { Regular, Bold };

// One set per open editor, with faces of its own.
class CFontSet {
  public:
    CFontSet();
    ~CFontSet();
    CFontSet(const CFontSet&) = delete;
    CFontSet& operator=(const CFontSet&) = delete;

    // The backend's face of that weight (the regular one stands in for a missing bold), or
    // null when no face could be loaded; text is then not drawn.
    struct Face;
    const Face* face(FontWeight weight) const;

  private:
    struct Faces;
    std::unique_ptr<Faces> faces_;
};

// A face and a size in pixels, as the text styles use them.
struct CFontDesc {
    FontWeight weight = FontWeight::Regular;
    double size = 12.0;
};

} // namespace tk
