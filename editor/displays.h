// The editor's graphic displays: the equaliser's response with its draggable bands, the
// sequencer's step bars, a picture of frames chosen by link messages, and the image pop-up.
// They talk to their parameter controls through links only, never to the engine.
#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/qx_controls.h"

namespace tarlix {

// ---- equaliser -------------------------------------------------------------------------

// The display's frequency axis: logarithmic over ten octaves, 20 Hz to 20480 Hz.
namespace eq_axis {
constexpr double kLowestHz = 20.0;
constexpr double kHighestHz = 20480.0;
constexpr double kSpanHz = 20460.0; // a control value of 1 is 20 Hz above this
constexpr int kOctaves = 10;
// Where a frequency sits across the width, 0..1 (outside the range: clamped, NaN: 0).
double positionOf(double hz);
// The frequency at a position 0..1.
double frequencyAt(double position);
// A frequency control's value and back: f = v x 20460 + 20.
double frequencyOfValue(double v);
double valueOfFrequency(double hz);
} // namespace eq_axis

// The response of up to five bands, drawn as a curve with a handle per band. Dragging a
// handle moves its band's frequency (left-right) and gain (up-down); a right-drag changes its
// width; a double-click makes it flat. Shift and Control each halve the motion.
class QX_GUI_EQ_Window : public tk::CControl, public QX_Control {
  public:
    static constexpr int kMaxBands = 5;
    static constexpr int kHandleSide = 16;
    // Link codes: the first of five band frequencies, gains, widths and switches.
    static constexpr int32_t kFrequencyCode = 0, kGainCode = 5, kWidthCode = 10, kEnableCode = 15;
    static constexpr int32_t kCrossoverCode = 20, kCrossoverModeCode = 30;
    static constexpr int32_t kHighShelfCode = 40, kLowShelfCode = 44;
    static constexpr int kLinkSlots = 15;
    static constexpr int kMaxCrossovers = 4;
    enum class BandType { Peak, LowShelf, HighShelf };

    // `flags`: band count in bits 0..3, crossover count in bits 4..7.
    QX_GUI_EQ_Window(const tk::CRect& size, int32_t tag, int flags,
                     std::shared_ptr<tk::CBitmap> background = nullptr);
    // The display holds no parameter of its own: values come through its links.
    void setFromHost(float) override {}
    // A control that carries a band's frequency, gain or width (by code).
    void addLink(QX_Control* target, int32_t code) override;
    void onLink(const LinkMessage& message) override;
    bool onIdleTick() override;
    void draw(tk::CDrawContext& c, const tk::CRect& dirty) override;
    bool onMouseDown(tk::CPoint p, int buttons) override;
    void onMouseMoved(tk::CPoint p, int buttons) override;
    void onMouseUp(tk::CPoint p, int buttons) override;

    // Read-outs.
    int bandCount() const { return bands_; }
    float position(int band) const { return band_[clampBand(band)].position; }
    float gain(int band) const { return band_[clampBand(band)].gain; }
    float width(int band) const { return band_[clampBand(band)].width; }
    bool enabled(int band) const { return band_[clampBand(band)].enabled; }
    BandType type(int band) const { return band_[clampBand(band)].type; }
    // The handle's rectangle in the view's own coordinates.
    tk::CRect handle(int band);
    // The curve's height at a column, in the view's own coordinates.
    int curveAt(int column);
    int selectedBand() const { return selected_; }
    bool crossoverMode() const { return crossoverMode_; }

  private:
    struct Band {
        float position = 0.5f;
        float gain = 0.5f, width = 0.5f;
        BandType type = BandType::Peak;
        bool enabled = true;
        tk::CRect handle;
    };
    static int clampBand(int band) {
        return band < 0 ? 0 : (band >= kMaxBands ? kMaxBands - 1 : band);
    }
    void changed();
    void computeCurve();
    void addBell(int x0, double d, float width);
    void addShelf(int x0, double d, bool low);
    void send(int32_t code, float value);
    void drawGrid(tk::CDrawContext& c, int w, int h);
    void drawCurve(tk::CDrawContext& c, int w, int h);
    void drawHandles(tk::CDrawContext& c);

    int bands_;
    int crossovers_;
    Band band_[kMaxBands];
    float crossover_[kMaxCrossovers] = {};
    bool crossoverMode_ = false;
    std::array<QX_Control*, kLinkSlots> slots_{};
    std::vector<double> curve_;
    bool stale_ = true;
    int selected_ = -1;
    tk::CPoint last_;
};

// ---- step bars -------------------------------------------------------------------------

// A row (or column) of step bars, each bound to the control of its step. Binary bars toggle
// on a click; absolute bars take the height clicked and follow a drag across them; a
// right-click sets a bar to zero. The sequencer's playing step is lit.
class QX_Multi_Lev : public tk::CControl, public QX_Control {
  public:
    static constexpr int kMaxBars = 64;
    static constexpr int kBarCountMask = 255;
    static constexpr int kBarBitmapFlag = 512;
    static constexpr int kBinaryFlag = 4096;
    static constexpr int kAbsoluteFlag = 16384;
    static constexpr int kStackedFlag = 32768;
    static constexpr int32_t kFirstVisibleCode = 253, kVisibleCountCode = 254;
    static constexpr int32_t kPlayingStepCode = 255;

    QX_Multi_Lev(const tk::CRect& size, int32_t tag, int flags,
                 std::shared_ptr<tk::CBitmap> bitmap = nullptr);
    // The playing step as the engine posts it: step + 0.2; negative: none (sequencer off).
    void setFromHost(float value) override;
    // The control of bar `code`.
    void addLink(QX_Control* target, int32_t code) override;
    void onLink(const LinkMessage& message) override;
    void draw(tk::CDrawContext& c, const tk::CRect& dirty) override;
    bool onMouseDown(tk::CPoint p, int buttons) override;
    void onMouseMoved(tk::CPoint p, int buttons) override;
    void onMouseUp(tk::CPoint p, int buttons) override;

    int barCount() const { return bars_; }
    float bar(int i) const { return i >= 0 && i < bars_ ? value_[static_cast<size_t>(i)] : 0.0f; }
    // -1: none.
    int playingStep() const { return playing_; }
    int firstVisible() const { return first_; }
    int visibleCount() const { return visibleBars_; }
    // The rectangle of a visible bar in the view's own coordinates (empty for others).
    tk::CRect barRect(int i) const;

  private:
    bool stacked() const { return (flags_ & kStackedFlag) != 0; }
    int barAt(tk::CPoint p) const;
    float heightAt(tk::CPoint p) const;
    void setBar(int i, float v); // stores and sends to the bar's control
    void setPlaying(int step);
    int stripFrames() const;

    int flags_;
    int bars_;
    int first_ = 0, visibleBars_;
    int playing_ = -1;
    std::array<float, kMaxBars> value_{};
    std::array<QX_Control*, kMaxBars> target_{};
    int editing_ = -1;      // the bar a relative drag changes
    int lastPainted_ = -1;  // the last bar an absolute drag set
    float paintValue_ = 0;  // what a multi-frame drag paints
    bool painting_ = false; // the left button went down on the view
    tk::CPoint last_;
};

// ---- picture ---------------------------------------------------------------------------

// A picture of `frames` frames stacked in one bitmap. The value chooses a frame; link
// messages step, choose, fade or run it down; a left click tells its links the frame shown.
// Also the plain bitmap of panels' decorations (one frame, nothing linked).
class QX_GUI_Image : public tk::CControl, public QX_Control {
  public:
    static constexpr int32_t kNextFrameCode = 100, kPreviousFrameCode = 101, kFadeCode = 102;
    static constexpr int32_t kFrameOfValueCode = 103, kFrameOfTypeCode = 104;
    static constexpr int32_t kBitmapCode = 105, kRunDownCode = 106, kFrameOfTypeCode2 = 110;
    static constexpr int kOpaque = 255;

    QX_GUI_Image(const tk::CRect& size, tk::CControlListener* listener, int32_t tag,
                 std::shared_ptr<tk::CBitmap> bitmap, int frames);
    void setFromHost(float value) override;
    void onLink(const LinkMessage& message) override;
    bool onIdleTick() override;
    void draw(tk::CDrawContext& c, const tk::CRect& dirty) override;
    bool onMouseDown(tk::CPoint p, int buttons) override;
    void onNotice(const std::string&) override { setDirty(); }

    int frames() const { return frames_; }
    int frame() const { return frame_; }
    int alpha() const { return alpha_; }

  private:
    void showFrame(int frame);
    int frames_;
    int frame_ = 0;
    int alpha_ = kOpaque, fadeStep_ = 0;
    bool runningDown_ = false;
};

// ---- image pop-up ----------------------------------------------------------------------

// A grid of item images over the window to choose a parameter's value from: the item under
// the mouse is lit, the current one darkened; a left click on an item sets the parameter to
// item / (n - 1), any other click puts back the value it had before.
class QX_ImagePopUp : public tk::CControl, public QX_Control {
  public:
    struct Request {
        std::shared_ptr<tk::CBitmap> strip; // n items stacked vertically
        int items = 0;
        int current = 0;
        tk::CPoint centre; // in frame coordinates
        int tag = -1;      // the parameter the choice sets
        float before = 0;  // its value when the pop-up opened
    };
    // How the choice reaches the parameter: as a user's change, or quietly put back.
    std::function<void(int tag, float value)> automate;
    std::function<void(int tag, float value)> restore;

    QX_ImagePopUp(tk::CControlListener* listener, int32_t tag);
    void setFromHost(float value) override { setValue(value); }
    bool wantsMouse() const override { return false; }
    // Opens the grid over the frame; false when the request cannot be shown.
    bool open(const Request& request);
    bool isOpen() const { return open_; }
    // The grid's place in frame coordinates, and an item's cell.
    tk::CRect gridRect() const { return grid_; }
    tk::CRect cell(int item) const;
    // Handled by the grid (public for it): a press on item `item` (-1: outside every item).
    void chosen(int item, int buttons);
    int hovered() const { return hover_; }
    void hover(int item);
    const Request& request() const { return request_; }

  private:
    Request request_;
    tk::CRect grid_;
    int columns_ = 1, rows_ = 1, itemW_ = 0, itemH_ = 0;
    int hover_ = -1;
    bool open_ = false;
};

} // namespace tarlix
