#include "editor/qx_gui_editor.h"

#include "editor/command_centre.h"
#include "editor/section_memory.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "editor/midi_learn.h"

namespace tarlix {

using tk::CRect;

namespace {

constexpr int kZoom = 1;
constexpr int kMaxNesting = 16;
constexpr int kBuildStart = 1;
constexpr int kPresetNameTag = 401;
// The engine's notice after every program load.
constexpr int kProgramLoadedTag = 387;
constexpr int kFirstTabTag = 355; // lights first: its modulation page is the one shown
constexpr int kMidiBackdropPanel = 80;
constexpr int kMidiLearnPanel = 81;
constexpr int kLastStylePalette = kPaletteSize - 3; // a style reads three entries

// Kinds and directives of the layout table.
enum Kind : int {
    kKnobFirst = 0,
    kKnobLast = 6,
    kOnOffFirst = 26,
    kOnOffLast = 28,
    kHub = 29,
    kPanelButton = 30,
    kTabButton = 31,
    kMenu = 32,
    kFloatStore = 53,
    kValueDisplay = 55,
    kNameDisplay = 56,
    kTextEntryFirst = 57,
    kTextEntryLast = 64,
    kDataStore = 67,
    kMidiLearnDialog = 76,
    kImagePopUp = 77,
    kImageFirst = 78,
    kImageLast = 82,
    kTextOnly = 83,
    kEqFirst = 114,
    kEqLast = 121,
    kMultiLevFirst = 122,
    kMultiLevLast = 129,
    kSectionFirst = 135,
    kSectionLast = 137,
    kWebLinks = 138,
    kMenuPanelLink = 142,
    kRadioGroup = 143,
    kPanelSwitch = 144,
    kMultiLevLink = 147,
    kOneWayLink = 148,
    kTwoWayLink = 149,
    kTextStyle = 151,
    kKnobFrames = 152,
    kAnimationDefaults = 153,
    kSlideSettings = 155,
    kFont = 156,
    kSlidingPanel = 158,
    kFixedPanel = 159,
    kPanelEnd = 160,
    kTableEnd = 161,
};

// Sizes that stand in for a bitmap the library does not carry (yet): the window still opens
// with every control where it belongs, drawn as a neutral plate.
struct StandIn {
    const char* name;
    int width, height; // of the whole bitmap (a strip: all frames)
};
constexpr StandIn kStandIns[] = {
    {"BG.png", 991, 701},
    {"Knob.png", 41, 41 * 29},
    {"Knob_sm.png", 29, 29 * 29},
    {"Melt_Slider.png", 50, 16 * 31},
    {"Melt_Slider_Mix.png", 50, 16 * 31},
    {"Slider_V.png", 24, 60 * 31},
    {"AsnMidiCC.png", 346, 174},
    {"DefBankImg.png", 50, 50},
};
constexpr int kStandInKnobSide = 41;
constexpr int kStandInKnobFrames = 29;
constexpr int kStandInButtonWidth = 24, kStandInButtonHeight = 32; // off above on
constexpr int kStandInImageSide = 32;
constexpr int kBankPictureSide = 50;
constexpr tk::CColor kStandInFace{46, 49, 54, 255};
constexpr tk::CColor kStandInPanel{62, 66, 72, 255};

// Font sizes in pixels for the table's font ids (18, 14 and 24 point faces).
constexpr double kFontPixels[] = {14.0, 11.0, 18.0};

bool isKnob(int k) {
    return k >= kKnobFirst && k <= kKnobLast;
}

tk::Key vstKeyToKey(int32_t virtualKey) {
    // The host's virtual key numbers.
    switch (virtualKey) {
    case 1:
        return tk::Key::Back;
    case 2:
        return tk::Key::Tab;
    case 4:
    case 19:
        return tk::Key::Return;
    case 6:
        return tk::Key::Escape;
    case 9:
        return tk::Key::End;
    case 10:
        return tk::Key::Home;
    case 11:
        return tk::Key::Left;
    case 12:
        return tk::Key::Up;
    case 13:
        return tk::Key::Right;
    case 14:
        return tk::Key::Down;
    case 22:
        return tk::Key::Delete;
    default:
        return tk::Key::Unknown;
    }
}

} // namespace

QX_GUI_Editor::QX_GUI_Editor(vst::AudioEffect* effect, std::unique_ptr<EditorEngine> engine,
                             const LayoutRecord* table, int rowCount)
    : vst::GuiEditor(effect), engine_(std::move(engine)), table_(table),
      rowCount_(table ? rowCount : 0), timer_([this] { tick(); }) {
    rect_ = {0, 0, kHeight, kWidth};
    std::fill(std::begin(controlRow_), std::end(controlRow_), -1);
}

QX_GUI_Editor::~QX_GUI_Editor() {
    close();
}

bool QX_GUI_Editor::getRect(vst::ERect** rect) {
    if (!rect) return false;
    // Closed, the next window opens at the stored zoom.
    const int zoom = frame_ ? zoom_ : zoomPercentOf(engine_->parameter(kZoomTag));
    rect_ = {0, 0, static_cast<int16_t>(zoomedLength(kHeight, zoom)),
             static_cast<int16_t>(zoomedLength(kWidth, zoom))};
    *rect = &rect_;
    return true;
}

bool QX_GUI_Editor::open(void* parentWindow) {
    if (!parentWindow) return false;
    close(); // some hosts open twice without closing
    return openWith(parentWindow);
}

bool QX_GUI_Editor::openOffscreen() {
    close();
    return openWith(nullptr);
}

QX_GUI_Editor::Sized QX_GUI_Editor::loadBitmap(const char* name) {
    Sized s;
    if (!name || !*name) return s;
    auto it = bitmaps_.find(name);
    if (it != bitmaps_.end())
        s.bitmap = it->second;
    else
        s.bitmap = bitmaps_[name] = tk::CBitmap::fromResource(name);
    if (s.bitmap) {
        s.width = s.bitmap->width();
        s.height = s.bitmap->height();
        return s;
    }
    for (const StandIn& in : kStandIns)
        if (std::strcmp(in.name, name) == 0) {
            s.width = in.width;
            s.height = in.height;
        }
    return s;
}

tk::CTextStyle QX_GUI_Editor::textStyle() const {
    tk::CTextStyle t;
    int font = style_.font >= 0 && style_.font < 3 ? style_.font : 0;
    t.font = {tk::FontWeight::Regular, kFontPixels[font]};
    if (style_.palette >= 0) {
        t.fontColour = tk::CColor::fromRGBA(kPalette[style_.palette]);
        t.backColour = tk::CColor::fromRGBA(kPalette[style_.palette + 1]);
        t.frameColour = tk::CColor::fromRGBA(kPalette[style_.palette + 2]);
    }
    return t;
}

bool QX_GUI_Editor::openWith(void* parentWindow) {
    fonts_ = std::make_unique<tk::CFontSet>();
    zoom_ = zoomPercentOf(engine_->parameter(kZoomTag));
    if (parentWindow) {
        window_ = platform::Window::createChild(parentWindow, zoomedLength(kWidth, zoom_),
                                                zoomedLength(kHeight, zoom_), this);
        if (!window_) {
            fonts_.reset();
            return false;
        }
    }
    frame_ = std::make_unique<tk::CFrame>(CRect{0, 0, kWidth, kHeight}, fonts_.get());
    frame_->setScale(zoomScaleOf(zoom_));
    Sized background = loadBitmap(rowCount_ > 0 ? table_[0].bitmap : nullptr);
    if (background.bitmap)
        frame_->setBackground(background.bitmap);
    else
        frame_->setBackgroundColour(kStandInFace);
    frame_->attach(window_.get());
    fileDialog_ = std::make_unique<FileDialog>(frame_.get());
    picker_ = std::make_unique<FilePicker>(frame_.get(), fileDialog_.get());

    building_ = true;
    engine_->setBuilding(true);
    style_ = {};
    knobFrames_ = 0;
    slide_.reset();
    lastMultiLevel_ = nullptr;
    build(*frame_, kBuildStart);

    frame_->onPress = [this](tk::CView* v, tk::CPoint p, int buttons) {
        return pressed(v, p, buttons);
    };
    tooltips_ = std::make_unique<tk::CTooltipSupport>(frame_.get(), kTooltipDelayMs);
    frame_->setTooltipSupport(tooltips_.get());
    timer_.start(platform::monotonicMs());

    // Every control shows the current program, without animating towards it.
    for (int tag = 0; tag < kHostParameters; ++tag) {
        shown_[tag] = loaded_[tag] = engine_->parameter(tag);
        setParameter(tag, shown_[tag]);
    }
    for (int tag = 0; tag < kTags; ++tag) {
        float v;
        if (engine_->takeValue(tag, v) && tag >= kHostParameters) setParameter(tag, v);
        engine_->takeNotice(tag); // the state below is current
        if (auto* knob = dynamic_cast<QX_Knob*>(controls_[tag].view)) knob->showValueNow();
    }
    building_ = false;
    engine_->setBuilding(false);
    if (QX_Control* name = controls_[kPresetNameTag].qx) name->onNotice(engine_->programName());
    engine_->setEngineValue(kFirstTabTag, 1.0f);
    setParameter(kFirstTabTag, 1.0f);

    frame_->invalidAll();
    frame_->idle();
    systemWindow_ = parentWindow ? parentWindow : this;
    return true;
}

void QX_GUI_Editor::close() {
    timer_.stop();
    // The dialog ends before the frame that may host its path field; no answer reaches a
    // closed window. The picker outlives the controls that use it.
    if (fileDialog_) fileDialog_->cancel();
    fileDialog_.reset();
    if (frame_) frame_->setTooltipSupport(nullptr);
    tooltips_.reset();
    frame_.reset(); // every control and panel
    picker_.reset();
    window_.reset(); // then the window and its connection
    bitmaps_.clear();
    fonts_.reset();
    for (Entry& e : controls_)
        e = {};
    std::fill(std::begin(controlRow_), std::end(controlRow_), -1);
    std::fill(std::begin(panels_), std::end(panels_), nullptr);
    lastMultiLevel_ = nullptr;
    valueDisplay_ = nullptr;
    nameDisplay_ = nullptr;
    learnDialog_ = nullptr;
    mailboxTags_.clear();
    animating_.clear();
    ticking_.clear();
    systemWindow_ = nullptr;
}

// ---- the builder -----------------------------------------------------------------------

int QX_GUI_Editor::build(tk::CViewContainer& container, int row) {
    if (buildDepth_ >= kMaxNesting) return row; // a table nested deeper is broken
    ++buildDepth_;
    for (; row < rowCount_; ++row) {
        const LayoutRecord& r = table_[row];
        if (r.kind >= kTableEnd || r.kind == kPanelEnd) break;
        if (r.kind == kSlidingPanel || r.kind == kFixedPanel)
            buildPanel(container, row);
        else if (r.kind >= kMenuPanelLink)
            applyDirective(r);
        else if (r.kind >= 0)
            buildControl(container, r, row);
    }
    --buildDepth_;
    return row;
}

void QX_GUI_Editor::buildControl(tk::CViewContainer& container, const LayoutRecord& r, int row) {
    const int tag = layoutTag(r);
    if (tag >= kTags) return;
    const int kind = r.kind;
    const int X = r.x * kZoom, Y = r.y * kZoom;
    auto rectOf = [&](int w, int h) { return CRect::normalised(X, Y, X + w, Y + h); };
    tk::CTextStyle style = textStyle();
    auto textBox = [&](const Sized& s) {
        return s.width > 0 ? rectOf(s.width, s.height)
                           : rectOf(style_.boxWidth * kZoom, style_.boxHeight * kZoom);
    };
    std::unique_ptr<tk::CControl> made;

    if (isKnob(kind)) {
        Sized s = loadBitmap(r.bitmap);
        if (s.width <= 0) s = {nullptr, kStandInKnobSide, kStandInKnobSide * kStandInKnobFrames};
        int frames = knobFrames_ > 0 ? knobFrames_ : s.height / s.width;
        frames = std::clamp(frames, 1, std::max(1, s.height));
        auto knob =
            std::make_unique<QX_Knob>(rectOf(s.width, s.height / frames), this, tag, s.bitmap,
                                      frames, kind, (r.tagWord & kLayoutDetentBit) != 0);
        if (tag < kHostParameters) knob->setLoadedValue(&loaded_[tag]);
        made = std::move(knob);
    } else if ((kind >= kOnOffFirst && kind <= kOnOffLast) || kind == kPanelButton ||
               kind == kTabButton) {
        Sized s = loadBitmap(r.bitmap);
        if (s.width <= 0) s = {nullptr, kStandInButtonWidth, kStandInButtonHeight};
        CRect rect = rectOf(s.width, s.height / 2);
        if (kind <= kOnOffLast)
            made = std::make_unique<QX_COnOffButton>(rect, this, tag, s.bitmap, kind - kOnOffFirst);
        else
            made = std::make_unique<QX_ExclusiveButton>(rect, this, tag, s.bitmap,
                                                        kind == kTabButton ? 0 : -1);
    } else if (kind == kMenu) {
        Sized s = loadBitmap(r.bitmap);
        auto menu = std::make_unique<QX_COptionsText>(textBox(s), this, tag, s.bitmap, style);
        // Items are separated and ended by commas; the last comma adds no empty item.
        if (r.options) {
            const char* p = r.options;
            while (*p) {
                const char* end = std::strchr(p, ',');
                size_t n = end ? static_cast<size_t>(end - p) : std::strlen(p);
                menu->addEntry(std::string(p, n));
                p += n + (end ? 1 : 0);
            }
        }
        made = std::move(menu);
    } else if (kind == kHub) {
        made = std::make_unique<QX_GUI_Multi_Button_Hub>(this, tag);
    } else if (kind == kImagePopUp) {
        auto popUp = std::make_unique<QX_ImagePopUp>(this, tag);
        popUp->automate = [this](int t, float v) { automate(t, v); };
        popUp->restore = [this](int t, float v) { setParameter(t, v); }; // the engine kept it
        made = std::move(popUp);
    } else if (kind >= kSectionFirst && kind <= kSectionLast) {
        made = std::make_unique<QX_GUI_Memory_Banks>(this, tag);
    } else if (kind == kWebLinks) {
        Sized s = loadBitmap(r.bitmap);
        int side = s.width > 0 ? s.width : kBankPictureSide;
        made = std::make_unique<QX_WebLinks>(
            rectOf(side, s.height > 0 ? s.height : kBankPictureSide), tag, *engine_, *picker_);
    } else if (kind == kFloatStore || kind == kDataStore) {
        made = std::make_unique<QX_Store>(this, tag);
    } else if (kind == kValueDisplay) {
        auto display = std::make_unique<QX_GlobalNumberDisplay>(textBox({}), tag, style);
        display->onTyped = [this](int t, float v) {
            engine_->beginEdit(t);
            engine_->setParameterAutomated(t, v);
            engine_->endEdit(t);
        };
        valueDisplay_ = display.get();
        made = std::move(display);
    } else if (kind == kTextOnly) {
        QX_GUI_TextOnly::Programs programs;
        programs.names = [this] { return engine_->programNames(); };
        programs.current = [this] { return engine_->currentProgram(); };
        programs.select = [this](int i) { engine_->selectProgram(i); };
        programs.rename = [this](const std::string& text) { engine_->renameProgram(text); };
        made = std::make_unique<QX_GUI_TextOnly>(textBox(loadBitmap(r.bitmap)), tag, style,
                                                 std::move(programs));
    } else if (kind == kNameDisplay) {
        Sized s = loadBitmap(r.bitmap);
        auto display = std::make_unique<QX_TextDisplay>(textBox(s), tag, style, s.bitmap);
        nameDisplay_ = display.get();
        made = std::move(display);
    } else if (kind >= kTextEntryFirst && kind <= kTextEntryLast) {
        made = std::make_unique<QX_CTextEntry>(textBox({}), this, tag, style);
    } else if (kind == kMidiLearnDialog) {
        Sized s = loadBitmap(r.bitmap);
        if (s.width <= 0) s = {nullptr, QX_AssignMidiCC::kArtWidth, QX_AssignMidiCC::kArtHeight};
        auto dialog =
            std::make_unique<QX_AssignMidiCC>(rectOf(s.width, s.height), tag, s.bitmap, *engine_);
        dialog->onClosed = [this] {
            if (panels_[kMidiBackdropPanel]) panels_[kMidiBackdropPanel]->hide();
        };
        learnDialog_ = dialog.get();
        made = std::move(dialog);
    } else if (kind >= kImageFirst && kind <= kImageLast) {
        Sized s = loadBitmap(r.bitmap);
        int frames = r.aux > 0 ? r.aux : 1;
        int w = s.width, h = s.height / frames;
        if (s.width <= 0) w = h = kStandInImageSide;
        made = std::make_unique<QX_GUI_Image>(rectOf(w, h), this, tag, s.bitmap, frames);
        // A picture whose row has a min of 0 starts hidden.
        if (r.min == 0.0f) made->setVisible(false);
    } else if (kind >= kEqFirst && kind <= kEqLast) {
        made = std::make_unique<QX_GUI_EQ_Window>(
            rectOf(static_cast<int>(r.min) * kZoom, static_cast<int>(r.max) * kZoom), tag, r.aux,
            loadBitmap(r.bitmap).bitmap);
    } else if (kind >= kMultiLevFirst && kind <= kMultiLevLast) {
        Sized s = loadBitmap(r.bitmap);
        auto bars = std::make_unique<QX_Multi_Lev>(textBox(s), tag, r.aux, s.bitmap);
        lastMultiLevel_ = bars.get();
        made = std::move(bars);
    } else {
        return; // a kind this design does not use creates nothing
    }

    if (r.tooltip && *r.tooltip) made->setTooltipText(r.tooltip);
    controls_[tag] = {made.get(), dynamic_cast<QX_Control*>(made.get())};
    if (QX_Control* qx = controls_[tag].qx) {
        qx->setIdleList(&animating_);
        qx->setContext(this);
    }
    if (tag >= kHostParameters && controlRow_[tag] < 0) mailboxTags_.push_back(tag);
    controlRow_[tag] = row;
    container.addView(std::move(made));
}

void QX_GUI_Editor::buildPanel(tk::CViewContainer& container, int& row) {
    const LayoutRecord& r = table_[row];
    const int tag = layoutTag(r);
    const int X = r.x * kZoom, Y = r.y * kZoom;
    Sized s;
    int w, h;
    bool named = r.bitmap && *r.bitmap;
    if (tag == kMidiBackdropPanel) {
        w = h = 1;
    } else if (named) {
        s = loadBitmap(r.bitmap);
        w = s.width;
        h = s.height;
    } else {
        w = static_cast<int>(r.min) * kZoom;
        h = static_cast<int>(r.max) * kZoom;
    }
    auto owned = std::make_unique<tk::CViewContainer>(CRect::normalised(X, Y, X + w, Y + h));
    tk::CViewContainer* panel = owned.get();
    if (s.bitmap)
        panel->setBackground(s.bitmap);
    else if (named)
        panel->setBackgroundColour(kStandInPanel); // its art is missing
    else if (!r.bitmap || tag == kMidiBackdropPanel)
        panel->setBackgroundColour(tk::CColor{0, 0, 0, 255});
    if (tag < kPanels) panels_[tag] = panel;
    container.addView(std::move(owned));

    int end = build(*panel, row + 1);

    // A panel whose art is missing still holds its controls.
    if (panel->getViewSize().empty() && tag != kMidiBackdropPanel) {
        CRect all;
        for (auto& child : panel->children())
            if (child->isVisible()) all = all.united(child->getViewSize());
        if (!all.empty())
            panel->setViewSize(
                CRect::fromSize(X, Y, std::max(0, all.right), std::max(0, all.bottom)));
    }
    const CRect& own = panel->getViewSize();
    int mode = 1;
    if (r.kind == kSlidingPanel && slide_) {
        const SlideSettings& st = *slide_;
        mode = st.mode;
        panel->setSlide(CRect::fromSize(st.x * kZoom, st.y * kZoom, own.width(), own.height()),
                        st.mode, st.speed, st.fade);
    } else {
        panel->setSlide(own, 1, 1.0f, 1.0f); // no slide: shown and hidden at once
    }
    if (r.kind == kFixedPanel || mode != 0) panel->setVisible(false);
    row = end;
}

void QX_GUI_Editor::applyDirective(const LayoutRecord& r) {
    const int tag = layoutTag(r);
    auto controlAt = [&](int t) -> Entry { return t >= 0 && t < kTags ? controls_[t] : Entry{}; };
    auto panelAt = [&](int t) { return t >= 0 && t < kPanels ? panels_[t] : nullptr; };
    switch (r.kind) {
    case kMenuPanelLink:
        if (auto* menu = dynamic_cast<QX_COptionsText*>(controlAt(tag).view))
            menu->addPanelLink(panelAt(r.aux), r.x);
        break;
    case kRadioGroup:
        if (auto* b = dynamic_cast<QX_ExclusiveButton*>(controlAt(tag).view))
            for (int t : {static_cast<int>(r.aux), static_cast<int>(r.x), static_cast<int>(r.y)})
                if (t != -1) b->addFellow(dynamic_cast<QX_ExclusiveButton*>(controlAt(t).view));
        break;
    case kPanelSwitch:
        if (auto* b = dynamic_cast<QX_ExclusiveButton*>(controlAt(tag).view))
            for (int t : {static_cast<int>(r.aux), static_cast<int>(r.x), static_cast<int>(r.y)})
                if (t != -1) b->addPanel(panelAt(t));
        break;
    case kMultiLevLink:
        // Step controls tag, tag + 1, ... and the bars of the last step display, both ways.
        if (lastMultiLevel_)
            for (int i = 0; i < lastMultiLevel_->barCount(); ++i)
                if (QX_Control* step = controlAt(tag + i).qx) {
                    step->addLink(lastMultiLevel_, i);
                    lastMultiLevel_->addLink(step, i);
                }
        break;
    case kOneWayLink:
    case kTwoWayLink: {
        QX_Control* from = controlAt(tag).qx;
        QX_Control* to = controlAt(r.x).qx;
        if (!from || !to) break;
        from->addLink(to, r.aux);
        if (r.kind == kTwoWayLink) to->addLink(from, r.aux);
        break;
    }
    case kTextStyle:
        if (r.aux >= 0 && r.aux <= kLastStylePalette) {
            style_.palette = r.aux;
            style_.boxWidth = r.x;
            style_.boxHeight = r.y;
        }
        break;
    case kKnobFrames:
        knobFrames_ = std::max(0, static_cast<int>(r.x));
        break;
    case kSlideSettings:
        slide_ = SlideSettings{r.x, r.y, r.aux, r.min, r.max};
        break;
    case kFont:
        style_.font = r.aux >= 0 && r.aux < 3 ? r.aux : 0;
        break;
    default:
        break; // animation defaults and unused directives change nothing drawn here
    }
}

// ---- values ----------------------------------------------------------------------------

tk::CControl* QX_GUI_Editor::control(int tag) const {
    return tag >= 0 && tag < kTags ? controls_[tag].view : nullptr;
}

tk::CViewContainer* QX_GUI_Editor::panel(int tag) const {
    return tag >= 0 && tag < kPanels ? panels_[tag] : nullptr;
}

void QX_GUI_Editor::setParameter(int tag, float value) {
    if (!frame_ || tag < 0 || tag >= kTags) return;
    if (QX_Control* c = controls_[tag].qx) c->setFromHost(value);
}

void QX_GUI_Editor::drainEngine() {
    for (int tag = 0; tag < kHostParameters; ++tag) {
        float v = engine_->parameter(tag);
        if (std::memcmp(&v, &shown_[tag], sizeof v) == 0) continue;
        shown_[tag] = v;
        setParameter(tag, v);
    }
    // After a program load its values are what a double-click on a knob returns to.
    const bool loaded = engine_->takeNotice(kProgramLoadedTag);
    if (loaded)
        for (int tag = 0; tag < kHostParameters; ++tag)
            loaded_[tag] = shown_[tag];
    if (int wanted = zoomPercentOf(shown_[kZoomTag]); wanted != zoom_) applyZoom(wanted);
    // Host parameters were read above; the editor's own tags come through the mailbox.
    for (int tag : mailboxTags_) {
        Entry& e = controls_[tag];
        float v;
        if (engine_->takeValue(tag, v)) e.qx->setFromHost(v);
        if (tag == kProgramLoadedTag ? loaded : engine_->takeNotice(tag))
            e.qx->onNotice(tag == kPresetNameTag ? engine_->programName() : std::string());
    }
}

void QX_GUI_Editor::applyZoom(int percent) {
    const int previous = zoom_;
    if (window_) {
        const int w = zoomedLength(kWidth, percent), h = zoomedLength(kHeight, percent);
        zoom_ = percent; // the host may ask for the rectangle while it makes room
        bool resized = effect_ && effect_->sizeWindow(w, h);
        if (resized && !window_->resize(w, h)) {
            // The host made room but the window cannot follow: give the room back.
            zoom_ = previous;
            effect_->sizeWindow(zoomedLength(kWidth, previous), zoomedLength(kHeight, previous));
            resized = false;
        }
        if (!resized) {
            // Drawing a zoomed window clipped to the old size would hide most of it (the zoom
            // menu too): the window stays whole and the stored zoom goes back.
            zoom_ = previous;
            engine_->setParameterAutomated(kZoomTag, zoomNormalisedOf(previous));
            return;
        }
    }
    zoom_ = percent;
    frame_->setScale(zoomScaleOf(percent));
    if (tooltips_) tooltips_->onMouseDown(); // a tip placed for the old size goes
}

void QX_GUI_Editor::tick() {
    if (!frame_ || inTick_) return;
    inTick_ = true;
    drainEngine();
    if (fileDialog_) fileDialog_->idle(); // a dialog's answer runs its command here
    if (!frame_) {
        inTick_ = false;
        return;
    }
    // Controls that animate; a control may ask again while the list is walked.
    animating_.swap(ticking_);
    for (QX_Control* c : ticking_) {
        c->idleDone();
        if (c->onIdleTick()) c->wantIdle();
    }
    ticking_.clear();
    frame_->tick(tk::CVSTGUITimer::kPeriodMs);
    inTick_ = false;
}

void QX_GUI_Editor::idle() {
    if (!frame_ || inIdle_) return;
    inIdle_ = true;
    if (window_) window_->pumpEvents();
    timer_.runElapsed(platform::monotonicMs());
    if (frame_) frame_->idle();
    inIdle_ = false;
}

void QX_GUI_Editor::showTouched(int tag, float value) {
    int row = rowOfControl(tag);
    if (row < 0) return;
    const LayoutRecord& r = table_[row];
    if (nameDisplay_) nameDisplay_->setText(r.name ? r.name : "");
    if (!valueDisplay_) return;
    if (auto* menu = dynamic_cast<QX_COptionsText*>(controls_[tag].view);
        menu && menu->entryCount() > 0) {
        valueDisplay_->showText(menu->entry(menu->selectedIndex()));
        return;
    }
    if (tag >= kHostParameters) return; // only parameters have units and a taper
    valueDisplay_->show({tag, r.min, r.max, engine_->taperCode(tag)}, value);
}

int QX_GUI_Editor::lastShownTag() const {
    return valueDisplay_ ? valueDisplay_->shownTag() : -1;
}

void QX_GUI_Editor::automate(int tag, float value) {
    tk::CControl* c = control(tag);
    if (!c || building_) return;
    c->beginEdit();
    c->setValue(value);
    valueChanged(c);
    c->endEdit();
}

void QX_GUI_Editor::valueChanged(tk::CControl* control) {
    if (!control || building_) return;
    int tag = control->getTag();
    if (tag < 0 || tag >= kTags) return;
    const float value = control->getValue();
    engine_->setParameterAutomated(tag, value);
    showTouched(tag, value);
    // Host parameters come back through the next tick; the engine does not echo the editor's
    // own values, so they reach their links here.
    if (tag >= kHostParameters && controls_[tag].qx) controls_[tag].qx->setFromHost(value);
}

bool QX_GUI_Editor::pressed(tk::CView* view, tk::CPoint where, int buttons) {
    // While the MIDI-learn dialog is open, a right-click elsewhere opens it for that control
    // instead, and a left click outside it closes it without storing anything.
    tk::CViewContainer* learn = panels_[kMidiLearnPanel];
    if (learnDialog_ && learnDialog_->listening() && learn && !learn->frameRect().contains(where) &&
        !(buttons & tk::kRButton)) {
        learnDialog_->cancel();
        return true;
    }
    if (!(buttons & tk::kRButton)) return false;
    if (dynamic_cast<QX_GUI_TextOnly*>(view)) return false; // renames the program instead
    // The displays use the right button themselves (band width, a step to zero).
    if (dynamic_cast<QX_GUI_EQ_Window*>(view) || dynamic_cast<QX_Multi_Lev*>(view)) return false;
    for (; view; view = view->getParentView())
        if (auto* c = dynamic_cast<QX_Control*>(view)) return rightClickRequest(c, where);
    return false;
}

bool QX_GUI_Editor::rightClickRequest(QX_Control* control, tk::CPoint where) {
    int tag = control ? control->learnTag() : -1;
    if (tag < 0 || !frame_) return false;
    learn_ = {tag, engine_->midiLearn(tag), where};
    if (tk::CViewContainer* backdrop = panels_[kMidiBackdropPanel]) backdrop->show();
    if (learnDialog_) {
        int row = rowOfControl(tag);
        const char* name = row >= 0 ? table_[row].name : nullptr;
        learnDialog_->open(tag, name ? name : "", learn_.code, where);
    } else if (tk::CViewContainer* panel = panels_[kMidiLearnPanel]) {
        panel->show();
    }
    frame_->invalidAll();
    return true;
}

void QX_GUI_Editor::beginEdit(int32_t tag) {
    engine_->beginEdit(tag);
}

void QX_GUI_Editor::endEdit(int32_t tag) {
    engine_->endEdit(tag);
}

// ---- keys and window events ------------------------------------------------------------

int32_t QX_GUI_Editor::onKeyDown(int32_t character, int32_t virtualKey, int32_t modifiers) {
    if (!frame_) return 0;
    tk::CKeyEvent key;
    key.key = vstKeyToKey(virtualKey);
    key.modifiers = modifiers;
    if (key.key == tk::Key::Unknown && virtualKey == 0 && character >= 32 && character < 127) {
        key.key = tk::Key::Character;
        key.character = static_cast<uint32_t>(character);
    }
    if (key.key == tk::Key::Unknown) return 0;
    if (learnKey(key)) return 1;
    return frame_->handleKey(key) ? 1 : 0;
}

bool QX_GUI_Editor::learnKey(const tk::CKeyEvent& key) {
    // An open menu or a field being typed into comes first.
    if (!learnDialog_ || !learnDialog_->listening() || frame_->modalView() || frame_->focusView())
        return false;
    if (key.key == tk::Key::Escape) {
        learnDialog_->cancel();
        return true;
    }
    if (key.key == tk::Key::Return) {
        learnDialog_->assign();
        return true;
    }
    return false;
}

int32_t QX_GUI_Editor::onKeyUp(int32_t, int32_t, int32_t) {
    // Releases matter to nothing here; a field being edited owns them.
    return frame_ && frame_->focusView() ? 1 : 0;
}

void QX_GUI_Editor::onPointer(const platform::PointerEvent& e) {
    if (!frame_) return;
    const tk::CPoint p = frame_->fromDevice(e.x, e.y);
    switch (e.action) {
    case platform::PointerAction::Down:
        frame_->handleMouseDown(p, e.buttons);
        break;
    case platform::PointerAction::Move:
        frame_->handleMouseMoved(p, e.buttons);
        if (window_ && !(e.buttons & platform::kButtonLeft)) window_->setCursor(pointerFor(p));
        break;
    case platform::PointerAction::Up:
        frame_->handleMouseUp(p, e.buttons);
        break;
    case platform::PointerAction::Leave:
        frame_->handleMouseLeave();
        break;
    case platform::PointerAction::Wheel:
        frame_->handleWheel(p, e.wheel);
        break;
    }
}

platform::PointerShape QX_GUI_Editor::pointerFor(tk::CPoint p) const {
    // Knobs and sliders drag up and down; buttons and menus are pressed.
    tk::CView* v = frame_->modalView() ? nullptr : frame_->viewAt(p);
    if (dynamic_cast<tk::CAnimKnob*>(v)) return platform::PointerShape::VerticalDrag;
    if (dynamic_cast<tk::COnOffButton*>(v) || dynamic_cast<tk::COptionMenu*>(v))
        return platform::PointerShape::Hand;
    if (dynamic_cast<tk::CTextEdit*>(v)) return platform::PointerShape::Text;
    return platform::PointerShape::Arrow;
}

bool QX_GUI_Editor::onKey(const platform::KeyEvent& e) {
    if (!frame_) return false;
    return learnKey(e) || frame_->handleKey(e);
}

void QX_GUI_Editor::onExpose(int x, int y, int w, int h) {
    // The back buffer holds the whole picture: show that part again.
    if (frame_ && window_) window_->present(frame_->backBuffer().image(), x, y, w, h);
}

void QX_GUI_Editor::onFocusOut() {
    // A field being typed into cancels; it takes no keys without the focus.
    if (frame_) frame_->setFocusView(nullptr);
}

vst::GuiEditor* createEditor(vst::AudioEffect* effect, std::unique_ptr<EditorEngine> engine) {
    return new QX_GUI_Editor(effect, std::move(engine));
}

} // namespace tarlix
