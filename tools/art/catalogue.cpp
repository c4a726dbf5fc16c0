#include "tools/art/catalogue.h"

#include <cmath>
#include <map>

namespace art {

namespace {

enum class Look {
    Knob,
    SliderH,
    SliderMix,
    SliderV,
    LedSwitch,
    TextButton,
    Arrow,
    Tab,
    Logo,
    Picture,
    Screen
};

struct Entry {
    const char* name;
    int w, h, frames; // one frame's size; frames stacked vertically
    Look look;
    const char* text; // button caption, tab name, plate title
    Rgb accent = colours::kValue;
    int arrow = 0; // arrows: 0 up, 1 down, 2 left, 3 right; drawer toggles flip when lit
};

const std::vector<Entry>& entries() {
    using namespace colours;
    static const std::vector<Entry> kEntries = {
        {"BG.png", 991, 701, 1, Look::Picture, "", kValue},
        {"Knob.png", 41, 41, 29, Look::Knob, "", kValue},
        {"Knob_sm.png", 31, 31, 29, Look::Knob, "", kValue},
        {"Melt_Slider.png", 50, 16, 31, Look::SliderH, "", kValue},
        {"Melt_Slider_Mix.png", 50, 16, 31, Look::SliderMix, "", kValue},
        {"Slider_V.png", 24, 60, 31, Look::SliderV, "", kValue},
        {"Switch.png", 30, 16, 2, Look::LedSwitch, "", kValue},
        {"Step_Btn.png", 14, 14, 2, Look::LedSwitch, "", kValue},
        {"Btn_Rnd.png", 30, 14, 2, Look::TextButton, "RND", kValue},
        {"Btn_Copy.png", 30, 14, 2, Look::TextButton, "COPY", kValue},
        {"Btn_Paste.png", 30, 14, 2, Look::TextButton, "PASTE", kValue},
        {"Btn_Load.png", 30, 14, 2, Look::TextButton, "LOAD", kValue},
        {"Btn_Save.png", 30, 14, 2, Look::TextButton, "SAVE", kValue},
        {"copy.png", 36, 16, 2, Look::TextButton, "COPY", kProgram},
        {"paste.png", 36, 16, 2, Look::TextButton, "PASTE", kProgram},
        {"Btn_Prev.png", 20, 20, 2, Look::Arrow, "", kProgram, 2},
        {"Btn_Next.png", 20, 20, 2, Look::Arrow, "", kProgram, 3},
        {"Btn_LoadP.png", 40, 20, 2, Look::TextButton, "LOAD", kProgram},
        {"Btn_SaveP.png", 40, 20, 2, Look::TextButton, "SAVE", kProgram},
        {"Btn_Bank.png", 44, 20, 2, Look::TextButton, "BANK", kProgram},
        {"Btn_Info.png", 34, 20, 2, Look::TextButton, "INFO", kProgram},
        {"Btn_MeltA.png", 22, 16, 2, Look::TextButton, "A", kFx},
        {"Btn_MeltB.png", 22, 16, 2, Look::TextButton, "B", kFx},
        {"Btn_PageB.png", 40, 16, 2, Look::TextButton, "PAGE B", kFx},
        {"Btn_Open.png", 24, 12, 2, Look::Arrow, "", kFx, 0},
        {"Btn_EQ.png", 40, 16, 2, Look::TextButton, "EDIT", kFx},
        {"Btn_Sync.png", 36, 16, 2, Look::TextButton, "SYNC", kMod},
        {"Btn_Track.png", 40, 16, 2, Look::TextButton, "TRACK", kMod},
        {"Btn_Close.png", 48, 18, 2, Look::TextButton, "CLOSE", kProgram},
        {"Tab_Lfo1.png", 52, 20, 2, Look::Tab, "LFO 1", kMod},
        {"Tab_Lfo2.png", 52, 20, 2, Look::Tab, "LFO 2", kMod},
        {"Tab_Lfo3.png", 52, 20, 2, Look::Tab, "LFO 3", kMod},
        {"Tab_Hfo.png", 52, 20, 2, Look::Tab, "HFO", kMod},
        {"Tab_Env.png", 52, 20, 2, Look::Tab, "ENV 1+2", kMod},
        {"Tab_Aft.png", 52, 20, 2, Look::Tab, "AFTER", kMod},
        {"XT_Logo.png", 120, 40, 2, Look::Logo, "YOUR FILES", kFx},
        {"QX_Logo.png", 120, 40, 2, Look::Logo, "MANUAL", kProgram},
        {"DefBankImg.png", 50, 50, 1, Look::Picture, "", kProgram},
        {"Melt_SubD.png", 72, 178, 1, Look::Picture, "TAPE", kFx},
        {"Seq_A.png", 133, 18, 1, Look::Screen, "", kSeq},
        {"Seq_B.png", 133, 51, 1, Look::Screen, "", kSeq},
        {"AsnMidiCC.png", 346, 174, 1, Look::Picture, "MIDI LEARN", kProgram},
        {"Melt_Panel.png", 145, 267, 1, Look::Picture, "MELT CONTROLS", kFx},
        {"Melt_PanelB.png", 145, 136, 1, Look::Picture, "", kFx},
        {"Cho_Panel.png", 72, 142, 1, Look::Picture, "", kFx},
        {"Logic_Panel.png", 60, 58, 1, Look::Picture, "", kOsc},
        {"EQ_Panel.png", 331, 246, 1, Look::Picture, "3-BAND EQ", kFx},
        {"Lfo_Mono_Panel.png", 426, 180, 1, Look::Picture, "", kMod},
        {"Lfo_Rate_Manual.png", 56, 84, 1, Look::Picture, "", kMod},
        {"Hfo_Panel.png", 426, 180, 1, Look::Picture, "", kMod},
        {"Env_Panel.png", 426, 180, 1, Look::Picture, "", kMod},
        {"Aft_Panel.png", 426, 180, 1, Look::Picture, "", kMod},
        {"Credits_Panel.png", 729, 253, 1, Look::Picture, "ABOUT TARLIX 2", kProgram},
    };
    return kEntries;
}

const Entry* findEntry(const std::string& name) {
    for (const Entry& e : entries())
        if (name == e.name) return &e;
    return nullptr;
}

// Section plates of the main window.
struct Plate {
    Rect r;
    const char* title;
    Rgb accent;
};

const std::vector<Plate>& windowPlates() {
    using namespace colours;
    static const std::vector<Plate> kPlates = {
        {{6, 46, 240, 208}, "OSC", kOsc},          {{252, 46, 138, 208}, "MIXER", kOsc},
        {{396, 46, 356, 208}, "FILTER", kFilter},  {{758, 46, 227, 208}, "AMP & OUTPUT", kAmp},
        {{6, 258, 214, 182}, "ARPEGGIATOR", kSeq}, {{226, 258, 402, 182}, "SEQUENCER", kSeq},
        {{634, 258, 351, 116}, "VOICE", kVoice},   {{634, 378, 72, 127}, "", kFx},
        {{709, 378, 40, 317}, "", kProgram},       {{751, 378, 234, 54}, "MELT", kFx},
        {{6, 444, 434, 251}, "MODULATION", kMod},  {{446, 444, 182, 251}, "ECHO", kFx},
        {{900, 436, 85, 259}, "BANK", kProgram},
    };
    return kPlates;
}

// Header: a caption in the title bar of the control's section, on the title's baseline.
enum class Side { None, Below, Above, Right, Left, Header };

struct Label {
    const char* text;
    Side side = Side::None; // None: from the control's look
};

const std::map<int, Label>& labels() {
    static const std::map<int, Label> kLabels = {
        // oscillators and mixer
        {64, {"OSC 1 WAVE"}},
        {65, {"OSC 2 WAVE"}},
        {73, {"SUB WAVE"}},
        {66, {"MODE"}},
        {67, {"OCTAVE"}},
        {68, {"SEMI"}},
        {164, {"RETRIG"}},
        {71, {"WIDTH"}},
        {69, {"FINE"}},
        {70, {"DRIFT"}},
        {177, {"LOGIC"}},
        {75, {"OSC 1"}},
        {76, {"OSC 2"}},
        {77, {"SUB"}},
        {78, {"NOISE"}},
        {80, {"N. HPF"}},
        {79, {"N. LPF"}},
        {234, {"TONE"}},
        {74, {"EXT IN"}},
        // filter
        {83, {"CUTOFF"}},
        {84, {"RESO"}},
        {85, {"HPF"}},
        {94, {"ENV"}},
        {86, {"KEY TRK"}},
        {209, {"DRIVE"}},
        {208, {"SAT"}},
        {82, {"TYPE"}},
        {180, {"SLOPE"}},
        {81, {"FILTER 2"}},
        {174, {"SHAPE"}},
        {182, {"ENV SRC"}},
        {181, {"GAIN AT"}},
        {88, {"ATT"}},
        {89, {"DEC"}},
        {90, {"SUS"}},
        {91, {"REL"}},
        {92, {"T.SCALE"}},
        {93, {"VEL"}},
        {178, {"F2 OFFS"}},
        {121, {"GAIN"}},
        {87, {"INVERT", Side::Right}},
        {183, {"HPF RES", Side::Right}},
        {179, {"F2 ON", Side::Right}},
        // amp and output
        {114, {"ATT"}},
        {115, {"DEC"}},
        {116, {"SUS"}},
        {117, {"REL"}},
        {118, {"T.SCALE"}},
        {119, {"VEL"}},
        {176, {"SHAPE"}},
        {123, {"VOLUME"}},
        {122, {"PAN"}},
        {193, {"PAN TRK"}},
        // arpeggiator and sequencer
        {126, {"MODE"}},
        {127, {"RANGE"}},
        {129, {"VELOCITY"}},
        {128, {"RATE"}},
        {130, {"GATE"}},
        {124, {"ON"}},
        {125, {"HOLD"}},
        {194, {"HALF"}},
        {132, {"DIRECTION"}},
        {133, {"RATE"}},
        {134, {"LENGTH"}},
        {143, {"RANGE"}},
        {131, {"ON"}},
        {195, {"HALF"}},
        {152, {"FILTER"}},
        {153, {"AMP"}},
        {175, {"GLIDE"}},
        {144, {"1"}},
        {145, {"2"}},
        {146, {"3"}},
        {147, {"4"}},
        {148, {"5"}},
        {149, {"6"}},
        {150, {"7"}},
        {151, {"8"}},
        // voice, melt, chorus, echo
        {184, {"BEND RANGE"}},
        {185, {"MOD WHEEL"}},
        {120, {"PLAY MODE"}},
        {72, {"GLIDE", Side::Right}},
        {186, {"CHORUS"}},
        {205, {"EQ"}},
        {155, {"DEPTH", Side::Header}},
        {156, {"PITCH"}},
        {158, {"JUMP"}},
        {160, {"AMP"}},
        {157, {"BLEND"}},
        {159, {"SPEED"}},
        {161, {"BUFFER"}},
        {237, {"CUTOFF"}},
        {224, {"WOW"}},
        {225, {"FLUTTER"}},
        {226, {"SPEED MIX"}},
        {227, {"TO PITCH"}},
        {228, {"TO AMP"}},
        {229, {"TO HFO"}},
        {238, {"CUTOFF"}},
        {187, {"DEPTH"}},
        {188, {"RATE"}},
        {189, {"SEP"}},
        {190, {"MELT"}},
        {192, {"SPREAD"}},
        {191, {"MIX"}},
        {165, {"RATE"}},
        {162, {"ON"}},
        {163, {"PONG"}},
        {210, {"DOTTED"}},
        {173, {"STEP"}},
        {168, {"LENGTH"}},
        {166, {"SHIFT"}},
        {167, {"PHASE"}},
        {169, {"FDBK"}},
        {172, {"LEVEL"}},
        {170, {"LPF"}},
        {171, {"HPF"}},
        // modulation pages (the three LFO pages share one picture)
        {10, {"TARGET"}},
        {8, {"SHAPE"}},
        {12, {"BEAT"}},
        {9, {"INTRO"}},
        {15, {"DEPTH"}},
        {14, {"PHASE"}},
        {7, {"RETRIG"}},
        {16, {"SUBTLE"}},
        {11, {"RATE"}},
        {41, {"TARGET"}},
        {42, {"SHAPE"}},
        {44, {"OCTAVE"}},
        {45, {"SEMI"}},
        {43, {"DEPTH"}},
        {46, {"FINE"}},
        {53, {"LEVEL"}},
        {47, {"ATT"}},
        {48, {"DEC"}},
        {49, {"SUS"}},
        {50, {"REL"}},
        {51, {"T.SCALE"}},
        {52, {"VEL"}},
        {104, {"ENV 1 TARGET"}},
        {113, {"ENV 2 TARGET"}},
        {235, {"SHAPE"}},
        {236, {"SHAPE"}},
        {103, {"INVERT"}},
        {112, {"INVERT"}},
        {96, {"ATT"}},
        {97, {"DEC"}},
        {98, {"SUS"}},
        {99, {"REL"}},
        {100, {"T.SCALE"}},
        {101, {"VEL"}},
        {102, {"LEVEL"}},
        {105, {"ATT"}},
        {106, {"DEC"}},
        {107, {"SUS"}},
        {108, {"REL"}},
        {109, {"T.SCALE"}},
        {110, {"VEL"}},
        {111, {"LEVEL"}},
        {55, {"TUNE"}},
        {56, {"WIDTH"}},
        {57, {"CUTOFF"}},
        {58, {"NOISE"}},
        {59, {"GAIN"}},
        {60, {"MELT"}},
        {61, {"LFO3 DEPTH"}},
        {62, {"LFO3 RATE"}},
        {63, {"HFO DEPTH"}},
        {239, {"HFO RATE"}},
        // equaliser and credits
        {196, {"FREQ"}},
        {197, {"GAIN"}},
        {198, {"WIDTH"}},
        {199, {"FREQ"}},
        {200, {"GAIN"}},
        {201, {"WIDTH"}},
        {202, {"FREQ"}},
        {203, {"GAIN"}},
        {204, {"WIDTH"}},
        {206, {"PRE / POST"}},
        {211, {"MIDI CHANNEL", Side::Left}},
        {222, {"MONO NOTES", Side::Left}},
        {230, {"HARMONICS", Side::Left}},
        {331, {"ZOOM", Side::Left}},
        {232, {"MPE", Side::Right}},
        {233, {"SLIDE AS CC74", Side::Right}},
        {240, {"SLIDE>CUT"}},
        {241, {"PRESS>AMP"}},
    };
    return kLabels;
}

Side defaultSide(const PlacedControl& c) {
    if (c.kind == 32) return Side::Above;
    if (c.bitmap == "Knob.png" || c.bitmap == "Knob_sm.png" || c.bitmap == "Slider_V.png")
        return Side::Below;
    if (c.bitmap == "Melt_Slider.png" || c.bitmap == "Melt_Slider_Mix.png" ||
        c.bitmap == "Switch.png")
        return Side::Above;
    return Side::None;
}

void drawLabel(cairo_t* cr, const Fonts& f, const PlacedControl& c, double x, double y) {
    auto it = labels().find(c.tag);
    if (it == labels().end()) return;
    Side side = it->second.side == Side::None ? defaultSide(c) : it->second.side;
    const std::string text = it->second.text;
    const double size = 9;
    const Rgb ink = colours::kLabel;
    switch (side) {
    case Side::Below:
        drawText(cr, f.bold(), size, ink, text, x + c.w / 2, y + c.h + 10, Align::Centre);
        break;
    case Side::Above:
        if (c.kind == 32 || c.bitmap.rfind("Melt_Slider", 0) == 0)
            drawText(cr, f.bold(), size, ink, text, x + 1, y - 3, Align::Left);
        else
            drawText(cr, f.bold(), size, ink, text, x + c.w / 2, y - 3, Align::Centre);
        break;
    case Side::Right:
        drawText(cr, f.bold(), size, ink, text, x + c.w + 5, y + c.h / 2 + 3.5, Align::Left);
        break;
    case Side::Left:
        drawText(cr, f.bold(), size, ink, text, x - 8, y + c.h / 2 + 3.5, Align::Right);
        break;
    case Side::Header:
        drawText(cr, f.bold(), size, colours::kDimLabel, text, x + c.w / 2, y - 6, Align::Centre);
        break;
    case Side::None:
        break;
    }
}

// Labels and display strips of the controls that sit on a picture: the window (panel -1) or
// the first panel that uses this picture.
void drawControlsOn(cairo_t* cr, const Fonts& f, const LayoutWalk& walk, int panel) {
    for (const PlacedControl& c : walk.controls) {
        if (c.panel != panel || !c.visible()) continue;
        const bool text = isTextBoxKind(c.kind) && c.bitmap.empty();
        if (text && c.textStyle == 0) drawDisplayStrip(cr, {c.x, c.y, c.w, c.h});
        drawLabel(cr, f, c, c.x, c.y);
    }
}

void drawHeader(cairo_t* cr, const Fonts& f) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 42);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.10, 0.11, 0.12);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.15, 0.16, 0.18);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 0, 991, 42);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    setColour(cr, hex(0x000000), 0.6);
    cairo_rectangle(cr, 0, 42, 991, 1);
    cairo_fill(cr);
    drawText(cr, f.bold(), 24, hex(0xE9ECEF), "TARLIX", 14, 30, Align::Left);
    double w = textWidth(cr, f.bold(), 24, "TARLIX");
    drawText(cr, f.bold(), 24, colours::kValue, "2", 18 + w, 30, Align::Left);
    drawText(cr, f.regular(), 9, colours::kDimLabel, "VIRTUAL ANALOGUE", 124, 20, Align::Left);
    drawText(cr, f.regular(), 9, colours::kDimLabel, "SYNTHESIZER", 124, 31, Align::Left);
    drawText(cr, f.bold(), 9, colours::kDimLabel, "PARAMETER", 700, 25, Align::Right);
}

// The narrow column of the preset clipboard buttons: its title runs up the column, in the
// accent of the program controls, with a rule in line with the buttons below it.
void drawPresetColumnTitle(cairo_t* cr, const Fonts& f) {
    constexpr double kColumnX = 729, kTitleFoot = 566, kColumnTop = 378, kMargin = 8;
    cairo_save(cr);
    cairo_translate(cr, kColumnX + 4, kTitleFoot);
    cairo_rotate(cr, -M_PI / 2);
    drawText(cr, f.bold(), 11, colours::kProgram, "PRESET", 0, 0, Align::Left);
    const double w = textWidth(cr, f.bold(), 11, "PRESET");
    setColour(cr, colours::kProgram, 0.35);
    cairo_rectangle(cr, w + kMargin, -4.5, kTitleFoot - kColumnTop - 2 * kMargin - w, 1);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Where the drawers' bays lie on the face: above the resting drawers, below their open tops.
constexpr Rect kChorusBay{638, 382, 64, 119};
constexpr Rect kMeltBay{753, 436, 141, 66};

void drawWindow(cairo_t* cr, const Fonts& f, const LayoutWalk& walk) {
    drawFace(cr, 991, 701);
    drawHeader(cr, f);
    for (const Plate& p : windowPlates())
        drawPlate(cr, f, p.r, p.title, p.accent);
    // The bays the chorus and Melt drawers rise into; each closed drawer shows its handle
    // just below its bay.
    drawDrawerBay(cr, kChorusBay);
    drawDrawerBay(cr, kMeltBay);
    drawPresetColumnTitle(cr, f);
    // The bank picture's caption, aligned with the picture's left edge.
    drawText(cr, f.bold(), 8, colours::kDimLabel, "BANK PICTURE", 903, 533, Align::Left);
    drawText(cr, f.regular(), 8, colours::kDimLabel, "An image beside", 903, 606, Align::Left);
    drawText(cr, f.regular(), 8, colours::kDimLabel, "the bank file", 903, 617, Align::Left);
    drawText(cr, f.regular(), 8, colours::kDimLabel, "shows here.", 903, 628, Align::Left);
    drawText(cr, f.bold(), 9, colours::kDimLabel, "SYSTEM", 915, 391, Align::Centre);
    drawControlsOn(cr, f, walk, -1);
}

void drawInset(cairo_t* cr, double w, double h) {
    setColour(cr, hex(0x24282D));
    roundRect(cr, {0.5, 0.5, w - 1, h - 1}, 4);
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x171A1D));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void drawReel(cairo_t* cr, double cx, double cy, double r) {
    setColour(cr, hex(0x1A1D21));
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    setColour(cr, hex(0x4A515B));
    cairo_set_line_width(cr, 1.5);
    cairo_arc(cr, cx, cy, r - 1, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {
        double a = i * 2 * M_PI / 3;
        cairo_arc(cr, cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.5, r * 0.22, 0,
                  2 * M_PI);
        cairo_fill(cr);
    }
    setColour(cr, colours::kFx, 0.8);
    cairo_arc(cr, cx, cy, r * 0.12, 0, 2 * M_PI);
    cairo_fill(cr);
}

// The Melt drawer rests 70 rows lower than it opens: 197 of its rows show while it rests.
constexpr double kMeltFold = 186;
// The gap between the chorus drawer's handle and the sub-division picture's plate.
constexpr double kSubDGap = 4;

// Draws picture `under` as it shows below a bitmap placed at (x, y), so the bitmap blends in.
void drawUnder(cairo_t* cr, const std::string& under, double x, double y, const Fonts& f,
               const LayoutWalk& walk) {
    const BitmapSpec* u = findSpec(under);
    if (!u) return;
    cairo_save(cr);
    cairo_translate(cr, -x, -y);
    drawBitmapFrame(cr, *u, 0, f, walk);
    cairo_restore(cr);
}

// Engraved frames that group the controls of the modulation pages.
struct Group {
    const char* bitmap;
    Rect r;
    const char* title;
};

const std::vector<Group>& groups() {
    static const std::vector<Group> kGroups = {
        {"Lfo_Mono_Panel.png", {4, 62, 218, 112}, "MOTION"},
        {"Lfo_Mono_Panel.png", {228, 62, 190, 112}, "TRIGGER"},
        {"Hfo_Panel.png", {4, 62, 150, 112}, "OSCILLATOR"},
        {"Hfo_Panel.png", {160, 62, 258, 112}, "ENVELOPE"},
        {"Aft_Panel.png", {4, 20, 414, 154}, "PRESSURE TO"},
    };
    return kGroups;
}

// A generic attack-decay-sustain-release outline: what the knobs beside it shape.
void drawEnvelopeSketch(cairo_t* cr, const Fonts& f, Rect r, const std::string& title) {
    setColour(cr, hex(0x0E1012));
    roundRect(cr, r, 3);
    cairo_fill(cr);
    setColour(cr, colours::kMod, 0.12);
    for (int i = 1; i < 4; ++i)
        cairo_rectangle(cr, r.x + 2, std::round(r.y + r.h * i / 4.0) + 0.5, r.w - 4, 1);
    cairo_fill(cr);
    const double left = r.x + 8, base = r.y + r.h - 10, top = r.y + 14;
    const double sus = base - (base - top) * 0.55;
    cairo_move_to(cr, left, base);
    cairo_line_to(cr, left + 18, top);
    cairo_curve_to(cr, left + 26, top + 20, left + 36, sus, left + 48, sus);
    cairo_line_to(cr, left + 78, sus);
    cairo_curve_to(cr, left + 86, sus + 12, left + 96, base - 2, left + 106, base);
    cairo_set_line_width(cr, 1.5);
    setColour(cr, colours::kMod);
    cairo_stroke(cr);
    drawText(cr, f.bold(), 8, colours::kDimLabel, title, r.x + r.w - 6, r.y + 11, Align::Right);
}

void drawPanel(cairo_t* cr, const Entry& e, const BitmapSpec& s, const Fonts& f,
               const LayoutWalk& walk) {
    int panel = -1;
    for (size_t i = 0; i < walk.panels.size(); ++i)
        if (walk.panels[i].bitmap == s.name) {
            panel = static_cast<int>(i);
            break;
        }
    const double w = s.w, h = s.h;
    static const char* const kInsets[] = {"Melt_PanelB.png", "Lfo_Mono_Panel.png", "Hfo_Panel.png",
                                          "Env_Panel.png", "Aft_Panel.png"};
    bool inset = false;
    for (const char* n : kInsets)
        inset = inset || s.name == n;
    if (panel >= 0 && (s.name == "Logic_Panel.png" || s.name == "Lfo_Rate_Manual.png")) {
        // Panels that only add a control: they show the picture they lie on, seamlessly.
        const PlacedPanel& p = walk.panels[panel];
        const std::string under = p.parent < 0 ? "BG.png" : walk.panels[p.parent].bitmap;
        if (const BitmapSpec* u = findSpec(under)) {
            cairo_save(cr);
            cairo_rectangle(cr, 0, 0, w, h);
            cairo_clip(cr);
            cairo_translate(cr, -p.x, -p.y);
            drawBitmapFrame(cr, *u, 0, f, walk);
            cairo_restore(cr);
        }
    } else if (s.name == "Melt_SubD.png") {
        // A plate set below the chorus drawer's handle, ending where its neighbours end.
        for (const PlacedControl& c : walk.controls)
            if (c.bitmap == s.name) {
                drawUnder(cr, "BG.png", c.x, c.y, f, walk);
                break;
            }
        drawPlate(cr, f, {0.5, kSubDGap + 0.5, w - 1, h - kSubDGap - 1}, "", e.accent);
        drawText(cr, f.bold(), 9, e.accent, e.text, w / 2, kSubDGap + 16, Align::Centre);
    } else if (inset) {
        drawInset(cr, w, h); // the modulation pages and small inner panels
    } else {
        drawFace(cr, w, h);
        drawPlate(cr, f, {0.5, 0.5, w - 1, h - 1}, e.text, e.accent);
    }
    if (s.name == "Melt_Panel.png") {
        drawText(cr, f.bold(), 9, colours::kFx, "SYSTEM A", 72, 32, Align::Centre);
        // While the drawer rests only its top kMeltDrawerShown rows are on screen: everything
        // above the fold is complete there; the tape transport below it shows once it is open.
        setColour(cr, hex(0x15171A));
        cairo_rectangle(cr, 6, kMeltFold, w - 12, 1);
        cairo_fill(cr);
        setColour(cr, hex(0xFFFFFF), 0.06);
        cairo_rectangle(cr, 6, kMeltFold + 1, w - 12, 1);
        cairo_fill(cr);
        constexpr double kReelY = kMeltFold + 38, kReelR = 23;
        drawReel(cr, 40, kReelY, kReelR);
        drawReel(cr, 105, kReelY, kReelR);
        setColour(cr, hex(0x6B5A3A));
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, 40, kReelY + kReelR);
        cairo_line_to(cr, 105, kReelY + kReelR);
        cairo_stroke(cr);
        // The tape head the tape runs across between the reels.
        setColour(cr, hex(0x5A626C));
        roundRect(cr, {66, kReelY + kReelR - 7, 13, 7}, 1.5);
        cairo_fill(cr);
    } else if (s.name == "Melt_PanelB.png") {
        drawText(cr, f.bold(), 9, colours::kFx, "SYSTEM B", 72, 10, Align::Centre);
    } else if (s.name == "Cho_Panel.png") {
        // Only the top 12 pixels show while the drawer rests: a slim title bar.
        setColour(cr, hex(0x1F2227));
        cairo_rectangle(cr, 1, 1, w - 2, 11);
        cairo_fill(cr);
        setColour(cr, e.accent);
        cairo_rectangle(cr, 1, 11, w - 2, 1.5);
        cairo_rectangle(cr, 1, 1, 4, 11);
        cairo_fill(cr);
        drawText(cr, f.bold(), 8, e.accent, "CHORUS", 8, 9.5, Align::Left);
    } else if (s.name == "Env_Panel.png") {
        setColour(cr, hex(0x3A3F46));
        cairo_rectangle(cr, 8, 92, 410, 1);
        cairo_fill(cr);
        drawEnvelopeSketch(cr, f, {292, 22, 124, 60}, "ENV 1");
        drawEnvelopeSketch(cr, f, {292, 110, 124, 60}, "ENV 2");
    } else if (s.name == "EQ_Panel.png") {
        setColour(cr, hex(0x0E1012));
        cairo_rectangle(cr, 1, 59, 329, 105);
        cairo_fill(cr);
        const char* bands[3] = {"LOW", "MID", "HIGH"};
        for (int i = 0; i < 3; ++i)
            drawText(cr, f.bold(), 9, colours::kFx, bands[i], 57 + 106 * i, 178, Align::Centre);
        drawText(cr, f.regular(), 9, colours::kDimLabel, "Drag a band: frequency and gain", 10, 36,
                 Align::Left);
        drawText(cr, f.regular(), 9, colours::kDimLabel,
                 "Right-drag: width  \u00B7  double-click: flat", 10, 49, Align::Left);
    } else if (s.name == "Credits_Panel.png") {
        drawText(cr, f.bold(), 26, hex(0xE9ECEF), "TARLIX 2", 24, 62, Align::Left);
        const char* lines[] = {"Polyphonic virtual-analogue synthesizer", "VST 2.4 instrument",
                               "Every pixel drawn by our own art program,",
                               "text set in Liberation Sans."};
        for (int i = 0; i < 4; ++i)
            drawText(cr, f.regular(), 12, colours::kLabel, lines[i], 24, 88 + 17 * i, Align::Left);
        drawText(cr, f.bold(), 11, colours::kProgram, "MIDI & MPE", 350, 40, Align::Left);
        setColour(cr, colours::kPlateEdge);
        cairo_rectangle(cr, 340, 30, 1, 210);
        cairo_fill(cr);
    } else if (s.name == "AsnMidiCC.png") {
        // A dialog over a busy window: a gold rim sets it apart from the plates below it.
        setColour(cr, colours::kProgram, 0.85);
        cairo_set_line_width(cr, 1.5);
        roundRect(cr, {0.75, 0.75, w - 1.5, h - 1.5}, 4);
        cairo_stroke(cr);
        // The fields are sunk into the plate: dark wells with a lit lower edge.
        auto field = [&](Rect r) {
            setColour(cr, hex(0x0E1012));
            roundRect(cr, r, 3);
            cairo_fill(cr);
            setColour(cr, hex(0xFFFFFF), 0.10);
            cairo_rectangle(cr, r.x + 3, r.y + r.h - 0.5, r.w - 6, 1);
            cairo_fill(cr);
        };
        drawText(cr, f.bold(), 9, colours::kLabel, "PARAMETER", 18, 48, Align::Left);
        field({17, 52, 306, 24});
        drawText(cr, f.bold(), 9, colours::kLabel, "CONTROLLER", 124, 111, Align::Right);
        field({131, 95, 180, 24});
        // The controller field is also a menu: a small arrow at its right end.
        setColour(cr, colours::kDimLabel);
        cairo_move_to(cr, 298, 104.5);
        cairo_line_to(cr, 306, 104.5);
        cairo_line_to(cr, 302, 109.5);
        cairo_close_path(cr);
        cairo_fill(cr);
        // A MIDI socket: the input the dialog listens to, its five pins on a half circle.
        constexpr double kPi = 3.14159265358979323846;
        const double cx = 34, cy = 107, r = 11;
        setColour(cr, hex(0x0E1012));
        cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
        cairo_fill(cr);
        setColour(cr, colours::kProgram, 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
        cairo_stroke(cr);
        for (int pin = 0; pin < 5; ++pin) {
            double a = kPi * (pin / 4.0);
            cairo_arc(cr, cx + 6 * std::cos(a), cy + 6 * std::sin(a) - 1, 1.3, 0, 2 * kPi);
            cairo_fill(cr);
        }
        cairo_rectangle(cr, cx - 2, cy - r + 1, 4, 3); // the key notch
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, 131, 126);
        drawTextButton(cr, f, 70, 20, "ASSIGN", true, colours::kProgram);
        cairo_restore(cr);
        drawText(cr, f.regular(), 8, colours::kDimLabel, "or click outside to cancel", 209, 140,
                 Align::Left);
        drawText(cr, f.regular(), 9, colours::kDimLabel,
                 "Move a knob on your MIDI controller, or pick one in the field", 17, 164,
                 Align::Left);
    } else if (s.name == "Melt_SubD.png") {
        // The sub-division emblem under the resting chorus drawer: two tape reels.
        drawReel(cr, 36, 66, 23);
        drawReel(cr, 36, 126, 23);
        setColour(cr, hex(0x6B5A3A));
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, 13, 66);
        cairo_line_to(cr, 13, 126);
        cairo_stroke(cr);
        drawText(cr, f.bold(), 8, colours::kDimLabel, "WOW", 36, 162, Align::Centre);
        drawText(cr, f.bold(), 8, colours::kDimLabel, "& FLUTTER", 36, 172, Align::Centre);
    }
    for (const Group& g : groups())
        if (s.name == g.bitmap) drawGroupFrame(cr, f, g.r, g.title, e.accent);
    if (panel >= 0) drawControlsOn(cr, f, walk, panel);
}

void drawBankPicture(cairo_t* cr, const Fonts& f) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 50, 50);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.30, 0.26, 0.14);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.11, 0.09);
    cairo_set_source(cr, p);
    roundRect(cr, {0.5, 0.5, 49, 49}, 5);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, colours::kProgram);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    drawText(cr, f.bold(), 20, colours::kProgram, "T2", 25, 31, Align::Centre);
    drawText(cr, f.bold(), 7, colours::kDimLabel, "FACTORY", 25, 43, Align::Centre);
}

void drawScreen(cairo_t* cr, const BitmapSpec& s) {
    setColour(cr, hex(0x0E1012));
    roundRect(cr, {0, 0, static_cast<double>(s.w), static_cast<double>(s.h)}, 2);
    cairo_fill(cr);
    setColour(cr, colours::kSeq, 0.18);
    for (int i = 1; i < 8; ++i) {
        double x = std::round(s.w * i / 8.0);
        cairo_rectangle(cr, x - 0.5, 2, 1, s.h - 4);
    }
    cairo_fill(cr);
}

void drawLogo(cairo_t* cr, const Fonts& f, const Entry& e, bool lit) {
    drawTextButton(cr, f, e.w, e.h, "", lit, e.accent);
    const Rgb ink = lit ? hex(0x15171A) : e.accent;
    drawText(cr, f.bold(), 13, ink, "TARLIX 2", e.w / 2.0, 18, Align::Centre);
    drawText(cr, f.bold(), 8, lit ? hex(0x15171A) : colours::kLabel, e.text, e.w / 2.0, 31,
             Align::Centre);
}

} // namespace

const std::vector<BitmapSpec>& bitmapSpecs() {
    static const std::vector<BitmapSpec> kSpecs = [] {
        std::vector<BitmapSpec> v;
        for (const Entry& e : entries())
            v.push_back({e.name, e.w, e.h, e.frames});
        return v;
    }();
    return kSpecs;
}

const BitmapSpec* findSpec(const std::string& name) {
    for (const BitmapSpec& s : bitmapSpecs())
        if (s.name == name) return &s;
    return nullptr;
}

BitmapSize stripSize(const std::string& name) {
    const BitmapSpec* s = findSpec(name);
    if (!s) return {};
    return {s->w, s->h * s->frames};
}

std::string controlLabel(int tag) {
    auto it = labels().find(tag);
    return it == labels().end() ? std::string() : it->second.text;
}

void drawBitmapFrame(cairo_t* cr, const BitmapSpec& spec, int frame, const Fonts& fonts,
                     const LayoutWalk& walk) {
    const Entry* e = findEntry(spec.name);
    if (!e) return;
    const double v = spec.frames > 1 ? static_cast<double>(frame) / (spec.frames - 1) : 0;
    const bool lit = frame == 1;
    switch (e->look) {
    case Look::Knob:
        drawKnob(cr, spec.w, v);
        break;
    case Look::SliderH:
        drawSliderH(cr, spec.w, spec.h, v, false);
        break;
    case Look::SliderMix:
        drawSliderH(cr, spec.w, spec.h, v, true);
        break;
    case Look::SliderV:
        drawSliderV(cr, spec.w, spec.h, v);
        break;
    case Look::LedSwitch:
        drawLedSwitch(cr, spec.w, spec.h, lit);
        break;
    case Look::TextButton:
        drawTextButton(cr, fonts, spec.w, spec.h, e->text, lit, e->accent);
        break;
    case Look::Arrow: {
        int dir = e->arrow;
        if (dir <= 1 && lit) dir = 1 - dir; // a drawer toggle points the way it will move
        drawArrowButton(cr, spec.w, spec.h, dir, lit, e->accent);
        break;
    }
    case Look::Tab:
        drawTab(cr, fonts, spec.w, spec.h, e->text, lit, e->accent);
        break;
    case Look::Logo:
        drawLogo(cr, fonts, *e, lit);
        break;
    case Look::Screen:
        drawScreen(cr, spec);
        break;
    case Look::Picture:
        if (spec.name == "BG.png")
            drawWindow(cr, fonts, walk);
        else if (spec.name == "DefBankImg.png")
            drawBankPicture(cr, fonts);
        else
            drawPanel(cr, *e, spec, fonts, walk);
        break;
    }
}

} // namespace art
