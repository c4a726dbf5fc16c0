#include "editor/displays.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "editor/toolkit/cframe.h"

namespace tarlix {

using tk::CColor;
using tk::CPoint;
using tk::CRect;

namespace {

CRect localBox(const tk::CView& v) {
    return {0, 0, v.getViewSize().width(), v.getViewSize().height()};
}

// NaN counts as 0; everything else is held inside 0..1.
double unit(double v) {
    return v >= 0.0 ? (v <= 1.0 ? v : 1.0) : 0.0;
}

tk::CPaint colour(uint32_t rgb, double alpha) {
    return tk::CPaint::colour(rgb, alpha);
}

tk::CPath roundedPath(double x, double y, double w, double h, double r) {
    tk::CPath path;
    path.roundRect(x, y, w, h, r);
    return path;
}

tk::CPath rectPath(double x, double y, double w, double h) {
    tk::CPath path;
    path.rect(x, y, w, h);
    return path;
}

// The look: the panels' dark screen, the equaliser's blue, the sequencer's coral.
constexpr uint32_t kScreen = 0x0E1012;
constexpr uint32_t kEqAccent = 0x4FA3F7;
constexpr uint32_t kSeqAccent = 0xF0725A;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBandColours[QX_GUI_EQ_Window::kMaxBands] = {0xF0725A, 0xE0C060, 0x4FA3F7,
                                                                0xA58BF0, 0x7CD67C};

} // namespace

// ---- equaliser axis --------------------------------------------------------------------

namespace eq_axis {

double positionOf(double hz) {
    if (!(hz > 0.0)) return 0.0;
    // (log10 f - log10 20) / log10 1024: one tenth of the width per octave above 20 Hz.
    return unit((std::log10(hz) - std::log10(kLowestHz)) / std::log10(1024.0));
}

double frequencyAt(double position) {
    return std::min(kHighestHz, kLowestHz * std::exp2(kOctaves * unit(position)));
}

double frequencyOfValue(double v) {
    return unit(v) * kSpanHz + kLowestHz;
}

double valueOfFrequency(double hz) {
    return unit((hz - kLowestHz) / kSpanHz);
}

} // namespace eq_axis

// ---- equaliser display -----------------------------------------------------------------

namespace {
constexpr int kBandCountMask = 15;
constexpr int kCrossoverShift = 4;
constexpr float kFlat = 0.5f;
// The bell's decay per column grows by (w^5 x 0.07 + 0.00008) / (0.0025 x width)^2: a wider
// setting (larger w) gives a narrower bell; its spread does not depend on the frequency.
constexpr double kBellWidthScale = 0.07, kBellNarrowest = 0.00008, kBellColumns = 0.0025;
// The modifiers each halve the motion of a drag.
constexpr double kModifierFiner = 0.5;
// Grid frequencies and their labels.
constexpr double kGridHz[] = {50, 100, 200, 500, 1000, 2000, 5000, 10000};
constexpr const char* kGridLabels[] = {"50", "100", "200", "500", "1k", "2k", "5k", "10k"};
// Gain lines: the gain controls span -18..+18 dB over the height.
constexpr double kGainSpanDb = 36.0;
constexpr double kGainLinesDb[] = {-12.0, -6.0, 6.0, 12.0};
} // namespace

QX_GUI_EQ_Window::QX_GUI_EQ_Window(const CRect& size, int32_t tag, int flags,
                                   std::shared_ptr<tk::CBitmap> background)
    : tk::CControl(size, nullptr, tag, std::move(background)),
      bands_(std::min(flags & kBandCountMask, kMaxBands)),
      crossovers_(std::min((flags >> kCrossoverShift) & kBandCountMask, kMaxCrossovers)) {
    // Until their controls report, bands spread over the axis, flat and of middle width. They
    // are only drawn so: a preset is never written from here.
    for (int i = 0; i < bands_; ++i) {
        double share = bands_ > 1 ? static_cast<double>(i) / (bands_ - 1) : 0.5;
        double hz = share * share * share * share * eq_axis::kSpanHz + eq_axis::kLowestHz;
        band_[i].position = static_cast<float>(eq_axis::positionOf(hz));
    }
    crossoverMode_ = bands_ == 0;
}

void QX_GUI_EQ_Window::addLink(QX_Control* target, int32_t code) {
    if (target && target != this && code >= 0 && code < kLinkSlots)
        slots_[static_cast<size_t>(code)] = target;
}

void QX_GUI_EQ_Window::changed() {
    stale_ = true;
    setDirty();
}

void QX_GUI_EQ_Window::onLink(const LinkMessage& message) {
    if (propagating_ || message.type == kLinkRegister) return;
    const int32_t code = message.code;
    const float v = limit(message.value);
    auto bandOf = [&](int32_t first) { return code - first; };
    if (code >= kFrequencyCode && code < kFrequencyCode + kMaxBands) {
        band_[bandOf(kFrequencyCode)].position =
            static_cast<float>(eq_axis::positionOf(eq_axis::frequencyOfValue(v)));
    } else if (code >= kGainCode && code < kGainCode + kMaxBands) {
        band_[bandOf(kGainCode)].gain = v;
    } else if (code >= kWidthCode && code < kWidthCode + kMaxBands) {
        band_[bandOf(kWidthCode)].width = v;
    } else if (code >= kEnableCode && code < kEnableCode + kMaxBands) {
        band_[bandOf(kEnableCode)].enabled = static_cast<int>(v * 2.0f) != 0;
    } else if (code >= kCrossoverCode && code < kCrossoverCode + kMaxCrossovers) {
        crossover_[bandOf(kCrossoverCode)] =
            static_cast<float>(eq_axis::positionOf(eq_axis::frequencyOfValue(v)));
    } else if (code == kCrossoverModeCode) {
        crossoverMode_ = std::lround(v) != 0 || bands_ == 0;
    } else if (code == kHighShelfCode) {
        band_[0].type = v >= 0.5f ? BandType::HighShelf : BandType::Peak;
    } else if (code == kLowShelfCode) {
        band_[kMaxBands - 1].type = v >= 0.5f ? BandType::LowShelf : BandType::Peak;
    } else {
        return;
    }
    changed();
}

bool QX_GUI_EQ_Window::onIdleTick() {
    return false; // changes mark the view dirty; the frame redraws it at its next idle
}

void QX_GUI_EQ_Window::addBell(int x0, double d, float width) {
    const int w = static_cast<int>(curve_.size());
    const double w5 = std::pow(unit(width), 5.0);
    const double columns = kBellColumns * w;
    const double grow = (w5 * kBellWidthScale + kBellNarrowest) / (columns * columns);
    curve_[static_cast<size_t>(x0)] += d;
    double a = 0.0, v = d;
    for (int k = 1; k < w; ++k) {
        v -= a * v;
        a = std::min(1.0, a + grow);
        if (x0 + k < w) curve_[static_cast<size_t>(x0 + k)] += v;
        if (x0 - k >= 0) curve_[static_cast<size_t>(x0 - k)] += v;
        if (a >= 1.0) break; // nothing is left to add
    }
}

void QX_GUI_EQ_Window::addShelf(int x0, double d, bool low) {
    // Flat at the full gain on the shelf's side of its column, a bell's flank on the other.
    const int w = static_cast<int>(curve_.size());
    for (int x = 0; x < w; ++x)
        if (low ? x <= x0 : x >= x0) curve_[static_cast<size_t>(x)] += d;
    const double columns = kBellColumns * w;
    const double grow =
        (std::pow(0.5, 5.0) * kBellWidthScale + kBellNarrowest) / (columns * columns);
    double a = 0.0, v = d;
    for (int k = 1; k < w; ++k) {
        v -= a * v;
        a = std::min(1.0, a + grow);
        int x = low ? x0 + k : x0 - k;
        if (x >= 0 && x < w) curve_[static_cast<size_t>(x)] += v;
        if (a >= 1.0) break;
    }
}

void QX_GUI_EQ_Window::computeCurve() {
    const int w = std::max(1, size_.width()), h = std::max(1, size_.height());
    const double centre = h / 2.0;
    curve_.assign(static_cast<size_t>(w), centre);
    for (int i = 0; i < bands_; ++i) {
        Band& b = band_[i];
        // A position a hair above 1 (or NaN) stays inside the columns.
        const int x0 =
            std::clamp(static_cast<int>(std::lround((w - 1) * unit(b.position))), 0, w - 1);
        const double d = -(unit(b.gain) - kFlat) * h; // up for a boost
        const int cy = static_cast<int>(std::lround(centre + d));
        b.handle =
            CRect::fromSize(x0 - kHandleSide / 2, cy - kHandleSide / 2, kHandleSide, kHandleSide);
        if (!b.enabled || crossoverMode_) continue;
        if (b.type == BandType::Peak)
            addBell(x0, d, b.width);
        else
            addShelf(x0, d, b.type == BandType::LowShelf);
    }
    for (double& y : curve_)
        y = std::clamp(y, 0.0, static_cast<double>(h - 1));
    stale_ = false;
}

CRect QX_GUI_EQ_Window::handle(int band) {
    if (stale_ || static_cast<int>(curve_.size()) != size_.width()) computeCurve();
    return band_[clampBand(band)].handle;
}

int QX_GUI_EQ_Window::curveAt(int column) {
    if (stale_ || static_cast<int>(curve_.size()) != size_.width()) computeCurve();
    if (curve_.empty()) return 0;
    column = std::clamp(column, 0, static_cast<int>(curve_.size()) - 1);
    return static_cast<int>(std::lround(curve_[static_cast<size_t>(column)]));
}

void QX_GUI_EQ_Window::send(int32_t code, float value) {
    QX_Control* target =
        code >= 0 && code < kLinkSlots ? slots_[static_cast<size_t>(code)] : nullptr;
    if (!target) return;
    // The control shows itself in the displays of the parameter last touched and moves its
    // parameter as a user's change.
    LinkMessage m;
    m.type = kLinkTouched;
    m.code = 0;
    m.value = value;
    propagating_ = true;
    target->onLink(m);
    propagating_ = false;
}

bool QX_GUI_EQ_Window::onMouseDown(CPoint p, int buttons) {
    if (!(buttons & (tk::kLButton | tk::kRButton)) || crossoverMode_) return false;
    if (stale_ || static_cast<int>(curve_.size()) != size_.width()) computeCurve();
    selected_ = -1;
    for (int i = 0; i < bands_ && selected_ < 0; ++i)
        if (band_[i].enabled && band_[i].handle.contains(p)) selected_ = i;
    if (selected_ < 0) return false; // a press beside every handle does nothing
    last_ = p;
    if ((buttons & tk::kDoubleClick) && (buttons & tk::kLButton)) {
        band_[selected_].gain = kFlat;
        send(kGainCode + selected_, kFlat);
    }
    changed();
    return true;
}

void QX_GUI_EQ_Window::onMouseMoved(CPoint p, int buttons) {
    if (selected_ < 0 || selected_ >= bands_) return;
    if (!(buttons & (tk::kLButton | tk::kRButton))) return;
    double dx = p.x - last_.x, dy = p.y - last_.y;
    if (buttons & tk::kShift) dx *= kModifierFiner, dy *= kModifierFiner;
    if (buttons & tk::kControl) dx *= kModifierFiner, dy *= kModifierFiner;
    last_ = p;
    if (dx == 0.0 && dy == 0.0) return;
    Band& b = band_[selected_];
    const double w = std::max(1, size_.width()), h = std::max(1, size_.height());
    if (buttons & tk::kLButton) {
        const double before = eq_axis::valueOfFrequency(eq_axis::frequencyAt(b.position));
        b.position = static_cast<float>(unit(b.position + dx / w));
        const double v = eq_axis::valueOfFrequency(eq_axis::frequencyAt(b.position));
        if (v != before) send(kFrequencyCode + selected_, static_cast<float>(v));
    } else if (b.type == BandType::Peak) {
        const float width = static_cast<float>(unit(b.width - 2.0 * dx / w));
        if (width != b.width) {
            b.width = width;
            send(kWidthCode + selected_, width);
        }
    }
    if (b.type == BandType::Peak) {
        const float gain = static_cast<float>(unit(b.gain - dy / h));
        if (gain != b.gain) {
            b.gain = gain;
            send(kGainCode + selected_, gain);
        }
    }
    changed();
}

void QX_GUI_EQ_Window::onMouseUp(CPoint, int) {
    if (selected_ < 0) return;
    selected_ = -1;
    changed();
}

void QX_GUI_EQ_Window::drawGrid(tk::CDrawContext& c, int w, int h) {
    const double centre = h / 2.0;
    // Gain lines, dashed; the flat line brighter.
    tk::CPen dashed;
    dashed.dashes = {2.0, 3.0};
    tk::CPath gains;
    for (double db : kGainLinesDb) {
        double y = std::round(centre - db / kGainSpanDb * h) + 0.5;
        gains.moveTo(0, y);
        gains.lineTo(w, y);
    }
    c.strokePath(gains, colour(kWhite, 0.07), dashed);
    // Frequency lines.
    tk::CPath frequencies;
    for (double hz : kGridHz) {
        double x = std::round((w - 1) * eq_axis::positionOf(hz)) + 0.5;
        frequencies.moveTo(x, 0);
        frequencies.lineTo(x, h);
    }
    c.strokePath(frequencies, colour(kWhite, 0.09), tk::CPen{});
    tk::CPath flat;
    flat.moveTo(0, std::round(centre) + 0.5);
    flat.lineTo(w, std::round(centre) + 0.5);
    c.strokePath(flat, colour(kWhite, 0.22), tk::CPen{});
    // Labels where they fit: frequencies along the bottom, gains at the left.
    const tk::CFontDesc font{tk::FontWeight::Regular, 9.0};
    const CColor label{0x8D, 0x96, 0xA1, 200};
    if (h >= 40) {
        for (size_t i = 0; i < std::size(kGridHz); ++i) {
            int x = static_cast<int>(std::lround((w - 1) * eq_axis::positionOf(kGridHz[i])));
            c.drawText(kGridLabels[i], CRect{x + 2, h - 12, x + 30, h - 1}, font, label,
                       tk::TextAlign::Left);
        }
        for (double db : {-12.0, 12.0}) {
            int y = static_cast<int>(std::lround(centre - db / kGainSpanDb * h));
            char text[12];
            std::snprintf(text, sizeof text, "%+d", static_cast<int>(db));
            c.drawText(text, CRect{2, y - 11, 30, y}, font, label, tk::TextAlign::Left);
        }
    }
}

void QX_GUI_EQ_Window::drawCurve(tk::CDrawContext& c, int w, int h) {
    const double centre = h / 2.0;
    tk::CPath line;
    line.moveTo(0.5, curve_[0] + 0.5);
    for (int x = 1; x < w; ++x)
        line.lineTo(x + 0.5, curve_[static_cast<size_t>(x)] + 0.5);
    // A soft fill between the curve and the flat line, strongest at the curve.
    tk::CPath area = line;
    area.lineTo(w - 0.5, centre);
    area.lineTo(0.5, centre);
    area.close();
    c.fillPath(area, tk::CPaint::linear(
                         0, 0, 0, h,
                         {{0.0, kEqAccent, 0.38}, {0.5, kEqAccent, 0.10}, {1.0, kEqAccent, 0.38}}));
    // A glow under the line, then the line.
    tk::CPen pen;
    pen.join = tk::CPen::Join::Round;
    pen.cap = tk::CPen::Cap::Round;
    pen.width = 4.0;
    c.strokePath(line, colour(kEqAccent, 0.25), pen);
    pen.width = 1.6;
    c.strokePath(line, colour(0xBFE0FF, 1.0), pen);
}

void QX_GUI_EQ_Window::drawHandles(tk::CDrawContext& c) {
    const tk::CFontDesc font{tk::FontWeight::Bold, 9.0};
    for (int i = 0; i < bands_; ++i) {
        const Band& b = band_[i];
        if (!b.enabled) continue;
        // Centred on the middle of the band's column and row, like the curve's points.
        const double cx = b.handle.left + kHandleSide / 2 + 0.5;
        const double cy = b.handle.top + kHandleSide / 2 + 0.5;
        const bool selected = i == selected_;
        if (selected) {
            tk::CPath halo;
            halo.circle(cx, cy, kHandleSide / 2.0);
            c.fillPath(halo, colour(kWhite, 0.25));
        }
        tk::CPath dot;
        dot.circle(cx, cy, 6.0);
        c.fillPath(dot, colour(kBandColours[i], 1.0));
        tk::CPen rim;
        rim.width = 1.2;
        c.strokePath(dot, colour(selected ? kWhite : kScreen, 0.9), rim);
        char text[12];
        std::snprintf(text, sizeof text, "%d", i + 1);
        c.drawText(text, CRect::fromSize(b.handle.left + 2, b.handle.top + 2, 13, 13), font,
                   CColor{0x15, 0x17, 0x1A, 255});
    }
}

void QX_GUI_EQ_Window::draw(tk::CDrawContext& c, const CRect&) {
    const CRect box = localBox(*this);
    const int w = box.width(), h = box.height();
    if (w <= 1 || h <= 1) return;
    if (stale_ || static_cast<int>(curve_.size()) != w) computeCurve();
    c.push(0, 0, box);
    if (bitmap_) {
        c.drawBitmap(*bitmap_, box);
    } else {
        c.fillPath(rectPath(0, 0, w, h),
                   tk::CPaint::linear(0, 0, 0, h, {{0.0, 0x181C21, 1.0}, {1.0, kScreen, 1.0}}));
    }
    drawGrid(c, w, h);
    if (crossoverMode_) {
        tk::CPath lines;
        for (int i = 0; i < crossovers_; ++i) {
            double x = std::round((w - 1) * unit(crossover_[i])) + 0.5;
            lines.moveTo(x, 0);
            lines.lineTo(x, h);
        }
        tk::CPen pen;
        pen.width = 1.5;
        c.strokePath(lines, colour(kEqAccent, 0.8), pen);
    } else {
        drawCurve(c, w, h);
        drawHandles(c);
    }
    c.pop();
}

// ---- step bars -------------------------------------------------------------------------

namespace {
// Relative drags: a pixel's change of a bar with Shift and with Control.
constexpr float kShiftStep = 0.001f, kControlStep = 0.00001f;
// The posted playing step carries 0.2 above its index, so truncation is safe.
} // namespace

QX_Multi_Lev::QX_Multi_Lev(const CRect& size, int32_t tag, int flags,
                           std::shared_ptr<tk::CBitmap> bitmap)
    : tk::CControl(size, nullptr, tag, std::move(bitmap)), flags_(flags),
      bars_(std::clamp(flags & kBarCountMask, 0, kMaxBars)), visibleBars_(bars_) {}

void QX_Multi_Lev::addLink(QX_Control* target, int32_t code) {
    if (target && target != this && code >= 0 && code < bars_)
        target_[static_cast<size_t>(code)] = target;
}

void QX_Multi_Lev::setPlaying(int step) {
    if (step == playing_) return;
    playing_ = step;
    setDirty();
}

void QX_Multi_Lev::setFromHost(float value) {
    // Negative (the sequencer switched off), NaN or beyond the bars: no step lights.
    setPlaying(value >= 0.0f && value < static_cast<float>(bars_) ? static_cast<int>(value) : -1);
}

void QX_Multi_Lev::onLink(const LinkMessage& message) {
    if (propagating_ || message.type == kLinkRegister) return;
    const float v = limit(message.value);
    if (message.code == kPlayingStepCode) {
        setFromHost(message.value);
        return;
    }
    if (message.code == kFirstVisibleCode || message.code == kVisibleCountCode) {
        if (bars_ == 0) return;
        // The value spans the display's own bars; the window always shows at least one.
        if (message.code == kFirstVisibleCode)
            first_ = std::clamp(static_cast<int>(v * (bars_ - 1)), 0, bars_ - 1);
        else
            visibleBars_ = static_cast<int>(v * bars_);
        visibleBars_ = std::clamp(visibleBars_, 1, bars_ - first_);
        setDirty();
        return;
    }
    if (message.code < 0 || message.code >= bars_) return; // no such bar
    float shown = (flags_ & kBinaryFlag) && stripFrames() < 3 ? (v < 0.5f ? 0.0f : 1.0f) : v;
    float& bar = value_[static_cast<size_t>(message.code)];
    if (bar == shown) return;
    bar = shown;
    setDirty();
}

int QX_Multi_Lev::stripFrames() const {
    if (!(flags_ & kBarBitmapFlag) || !bitmap_) return 0;
    int frameHeight = std::max(1, size_.height());
    return std::max(1, bitmap_->height() / frameHeight);
}

CRect QX_Multi_Lev::barRect(int i) const {
    const int j = i - first_;
    if (j < 0 || j >= visibleBars_ || i >= bars_) return {};
    const int w = size_.width(), h = size_.height();
    if (stacked()) return {0, j * h / visibleBars_, w, (j + 1) * h / visibleBars_};
    return {j * w / visibleBars_, 0, (j + 1) * w / visibleBars_, h};
}

int QX_Multi_Lev::barAt(CPoint p) const {
    const int along = stacked() ? p.y : p.x;
    const int length = std::max(1, stacked() ? size_.height() : size_.width());
    const int j =
        std::clamp(static_cast<int>(std::floor(static_cast<double>(along) * visibleBars_ / length)),
                   0, visibleBars_ - 1);
    return std::min(first_ + j, bars_ - 1);
}

float QX_Multi_Lev::heightAt(CPoint p) const {
    if (stacked()) return limit(static_cast<float>(p.x) / std::max(1, size_.width()));
    return limit(1.0f - static_cast<float>(p.y) / std::max(1, size_.height()));
}

void QX_Multi_Lev::setBar(int i, float v) {
    if (i < 0 || i >= bars_) return;
    v = limit(v);
    float& bar = value_[static_cast<size_t>(i)];
    if (bar == v) return;
    bar = v;
    setDirty();
    QX_Control* target = target_[static_cast<size_t>(i)];
    if (!target) return;
    LinkMessage m;
    m.type = kLinkValue;
    m.code = i;
    m.value = v;
    propagating_ = true; // what the control sends back is ours already
    target->onLink(m);
    propagating_ = false;
}

bool QX_Multi_Lev::onMouseDown(CPoint p, int buttons) {
    if (bars_ == 0 || visibleBars_ <= 0) return false;
    const int i = barAt(p);
    if (buttons & tk::kLButton) {
        painting_ = true;
        lastPainted_ = i;
        last_ = p;
        if (flags_ & kBinaryFlag) {
            const int frames = stripFrames();
            float v = value_[static_cast<size_t>(i)];
            if (frames >= 3) {
                v += 1.0f / (frames - 1);
                if (v > 1.0f + 1.0e-4f) v = 0.0f; // past the last frame: back to the first
            } else {
                v = v >= 0.5f ? 0.0f : 1.0f;
            }
            paintValue_ = limit(v);
            setBar(i, paintValue_);
        } else if (flags_ & kAbsoluteFlag) {
            setBar(i, heightAt(p));
        } else {
            editing_ = i;
        }
        return true;
    }
    if ((buttons & tk::kRButton) && !stacked()) {
        setBar(i, 0.0f);
        return true;
    }
    return false;
}

void QX_Multi_Lev::onMouseMoved(CPoint p, int buttons) {
    if (!painting_ || !(buttons & tk::kLButton)) return;
    const int i = barAt(p);
    if (flags_ & kBinaryFlag) {
        if (stripFrames() < 3) return; // on/off steps switch by clicks only
        const int from = std::min(i, lastPainted_), to = std::max(i, lastPainted_);
        for (int b = from; b <= to; ++b)
            setBar(b, paintValue_);
        lastPainted_ = i;
    } else if (flags_ & kAbsoluteFlag) {
        // Every bar crossed since the last motion takes the height, even when the window
        // merged motions and skipped a bar.
        const float now = heightAt(p), before = heightAt(last_);
        const int from = lastPainted_ < 0 ? i : lastPainted_;
        const int span = std::abs(i - from);
        for (int k = 0; k <= span; ++k) {
            const int b = from + (i >= from ? k : -k);
            if (b == from && span > 0) continue; // set by the previous motion
            const float t = span > 0 ? static_cast<float>(k) / span : 1.0f;
            setBar(b, before + (now - before) * t);
        }
        lastPainted_ = i;
    } else if (editing_ >= 0) {
        const int dy = p.y - last_.y;
        float step = 1.0f / std::max(1, size_.height());
        if (buttons & tk::kShift) step = kShiftStep;
        if (buttons & tk::kControl) step = kControlStep;
        setBar(editing_, value_[static_cast<size_t>(editing_)] - dy * step);
    }
    last_ = p;
}

void QX_Multi_Lev::onMouseUp(CPoint, int) {
    painting_ = false;
    editing_ = -1;
    lastPainted_ = -1;
}

void QX_Multi_Lev::draw(tk::CDrawContext& c, const CRect&) {
    const CRect box = localBox(*this);
    if (box.width() <= 1 || box.height() <= 1) return;
    c.push(0, 0, box);
    const int frames = stripFrames();
    if (bitmap_ && frames == 0) {
        c.drawBitmap(*bitmap_, box);
    } else {
        c.fillPath(roundedPath(0, 0, box.width(), box.height(), 2), colour(kScreen, 1.0));
    }
    const bool binary = (flags_ & kBinaryFlag) && frames < 3;
    for (int i = first_; i < first_ + visibleBars_ && i < bars_; ++i) {
        const CRect r = barRect(i);
        const bool lit = i == playing_;
        const double v = value_[static_cast<size_t>(i)];
        if (lit) { // the playing step's column
            c.fillPath(rectPath(r.left, r.top, r.width(), r.height()), colour(kWhite, 0.10));
        }
        if (frames > 0) {
            int frame = std::clamp(static_cast<int>(std::lround(v * (frames - 1))), 0, frames - 1);
            c.drawBitmap(*bitmap_, r, 0, frame * box.height());
            continue;
        }
        const double inset = r.width() > 8 ? 2.5 : 1.0;
        const double x = r.left + inset, w = std::max(1.0, r.width() - 2 * inset);
        const double top = r.top + 2.5, full = std::max(1.0, r.height() - 5.0);
        if (binary) {
            const tk::CPath pill = roundedPath(x, top, w, full, 2);
            if (v >= 0.5)
                c.fillPath(pill, colour(lit ? 0xFFB3A6 : kSeqAccent, 1.0));
            else
                c.strokePath(pill, colour(lit ? kWhite : kSeqAccent, lit ? 0.55 : 0.35),
                             tk::CPen{});
        } else if (!stacked()) {
            const double barH = v * full;
            if (barH > 0.5) {
                const double k = lit ? 1.0 : 0.85;
                c.fillPath(roundedPath(x, top + full - barH, w, barH, 1.5),
                           tk::CPaint::linear(0, top, 0, top + full,
                                              {{0.0, kSeqAccent, k}, {1.0, kSeqAccent, k * 0.45}}));
                // A bright cap on the level.
                c.fillPath(rectPath(x, top + full - barH, w, 1.5),
                           colour(lit ? kWhite : 0xFFB3A6, 0.95));
            }
        } else {
            const double barW = v * (r.width() - 5.0);
            c.fillPath(roundedPath(r.left + 2.5, r.top + 1.5, std::max(1.0, barW),
                                   std::max(1.0, r.height() - 3.0), 1.5),
                       colour(kSeqAccent, lit ? 1.0 : 0.8));
        }
        if (lit) { // a marker along the top edge of the playing step
            c.fillPath(rectPath(r.left + 1, r.top, std::max(1, r.width() - 2), 2),
                       colour(kWhite, 0.95));
        }
    }
    c.pop();
}

// ---- picture ---------------------------------------------------------------------------

QX_GUI_Image::QX_GUI_Image(const CRect& size, tk::CControlListener* listener, int32_t tag,
                           std::shared_ptr<tk::CBitmap> bitmap, int frames)
    : tk::CControl(size, listener, tag, std::move(bitmap)), frames_(std::max(1, frames)) {}

void QX_GUI_Image::showFrame(int frame) {
    frame = std::clamp(frame, 0, frames_ - 1);
    if (frame == frame_) return;
    frame_ = frame;
    setDirty();
}

void QX_GUI_Image::setFromHost(float value) {
    setValue(value);
    showFrame(static_cast<int>((frames_ - 1) * value_));
    propagate(value_);
}

void QX_GUI_Image::onLink(const LinkMessage& message) {
    if (propagating_ || message.type == kLinkRegister || message.type == kLinkTouched) return;
    const int last = frames_ - 1;
    switch (message.code) {
    case kNextFrameCode:
        showFrame(frame_ + 1);
        break;
    case kPreviousFrameCode:
        showFrame(frame_ - 1);
        break;
    case kFrameOfValueCode:
        showFrame(static_cast<int>(last * limit(message.value)));
        break;
    case kFrameOfTypeCode:
    case kFrameOfTypeCode2: // the frame number travels in the type field
        showFrame(std::clamp(message.type, 0, last));
        break;
    case kFadeCode:
        // A step per tick, in or out; hidden once fully faded out.
        fadeStep_ = std::clamp(message.type, -kOpaque, kOpaque);
        if (fadeStep_ > 0 && !visible_) {
            alpha_ = 0;
            setVisible(true);
        }
        if (fadeStep_ != 0) wantIdle();
        break;
    case kRunDownCode:
        showFrame(static_cast<int>(last * limit(message.value)));
        runningDown_ = frame_ > 0;
        if (runningDown_) wantIdle();
        break;
    case kBitmapCode:
        break; // the message carries no name here: the picture stays
    default:
        setFromHost(message.value);
        break;
    }
}

bool QX_GUI_Image::onIdleTick() {
    if (fadeStep_ != 0) {
        alpha_ = std::clamp(alpha_ + fadeStep_, 0, kOpaque);
        if (alpha_ == 0) {
            fadeStep_ = 0;
            setVisible(false);
        } else if (alpha_ == kOpaque) {
            fadeStep_ = 0;
        }
        setDirty();
    }
    if (runningDown_) {
        showFrame(frame_ - 1);
        runningDown_ = frame_ > 0;
    }
    return fadeStep_ != 0 || runningDown_;
}

bool QX_GUI_Image::onMouseDown(CPoint, int buttons) {
    if (!(buttons & tk::kLButton) || linkCount() == 0) return false;
    // The frame index itself, not a value 0..1.
    propagate(static_cast<float>(frame_));
    return true;
}

void QX_GUI_Image::draw(tk::CDrawContext& c, const CRect&) {
    CRect box = localBox(*this);
    if (box.width() <= 1 && box.height() <= 1) return;
    if (!bitmap_) {
        tk::drawPlaceholder(c, box);
        return;
    }
    c.drawBitmap(*bitmap_, box, 0, frame_ * (bitmap_->height() / frames_),
                 static_cast<double>(alpha_) / kOpaque);
}

// ---- image pop-up ----------------------------------------------------------------------

namespace {

// The grid over the whole frame while the pop-up is open: it takes every press.
class PopUpGrid : public tk::CView {
  public:
    PopUpGrid(const CRect& frame, QX_ImagePopUp& owner) : tk::CView(frame), owner_(owner) {}
    int itemAt(CPoint p) const {
        const auto& rq = owner_.request();
        for (int i = 0; i < rq.items; ++i)
            if (owner_.cell(i).contains(p)) return i;
        return -1;
    }
    bool onMouseDown(CPoint p, int buttons) override {
        owner_.chosen(itemAt(p), buttons);
        return true;
    }
    void onMouseMoved(CPoint p, int) override { owner_.hover(itemAt(p)); }
    void draw(tk::CDrawContext& c, const CRect&) override {
        const auto& rq = owner_.request();
        const CRect g = owner_.gridRect();
        c.fillPath(roundedPath(g.left - 3, g.top - 3, g.width() + 6, g.height() + 6, 4),
                   colour(0x000000, 0.6));
        if (!rq.strip) return;
        const int itemH = rq.strip->height() / std::max(1, rq.items);
        for (int i = 0; i < rq.items; ++i) {
            const CRect r = owner_.cell(i);
            c.drawBitmap(*rq.strip, r, 0, i * itemH);
            if (i == rq.current) c.fillRect(r, CColor{0, 0, 0, 110});
            if (i == owner_.hovered()) c.fillRect(r, CColor{255, 255, 255, 90});
        }
    }

  private:
    QX_ImagePopUp& owner_;
};

} // namespace

QX_ImagePopUp::QX_ImagePopUp(tk::CControlListener* listener, int32_t tag)
    : tk::CControl(CRect{}, listener, tag) {}

CRect QX_ImagePopUp::cell(int item) const {
    if (item < 0 || item >= request_.items) return {};
    const int column = item / rows_, row = item % rows_;
    return CRect::fromSize(grid_.left + column * itemW_, grid_.top + row * itemH_, itemW_, itemH_);
}

bool QX_ImagePopUp::open(const Request& request) {
    tk::CFrame* frame = getFrame();
    if (!frame || !request.strip || request.items < 1) return false;
    const int itemW = request.strip->width(), itemH = request.strip->height() / request.items;
    const CRect all = frame->getViewSize();
    if (itemW < 1 || itemH < 1 || itemW > all.width() || itemH > all.height()) return false;
    request_ = request;
    request_.current = std::clamp(request.current, -1, request.items - 1);
    itemW_ = itemW;
    itemH_ = itemH;
    // As many columns as the strip needs to fit the frame's height.
    rows_ = std::min(request.items, std::max(1, all.height() / itemH));
    columns_ = (request.items + rows_ - 1) / rows_;
    const int w = std::min(columns_ * itemW, all.width()), h = rows_ * itemH;
    // Centred on the point, kept inside the frame.
    const int left = std::clamp(request.centre.x - w / 2, 0, std::max(0, all.width() - w));
    const int top = std::clamp(request.centre.y - h / 2, 0, std::max(0, all.height() - h));
    grid_ = CRect::fromSize(left, top, w, h);
    hover_ = -1;
    open_ = true;
    if (tk::CViewContainer* panel = getParentView(); panel && panel != frame) panel->show();
    frame->setModalView(std::make_unique<PopUpGrid>(all, *this));
    return true;
}

void QX_ImagePopUp::hover(int item) {
    if (item == hover_) return;
    hover_ = item;
    if (tk::CFrame* frame = getFrame()) frame->invalidRect(grid_);
}

void QX_ImagePopUp::chosen(int item, int buttons) {
    if (!open_) return;
    open_ = false;
    const Request rq = request_;
    if ((buttons & tk::kLButton) && item >= 0) {
        // One item alone is the value 0.
        const float v = rq.items > 1 ? static_cast<float>(item) / (rq.items - 1) : 0.0f;
        if (automate) automate(rq.tag, v);
    } else if (restore) {
        restore(rq.tag, rq.before);
    }
    tk::CFrame* frame = getFrame();
    if (tk::CViewContainer* panel = getParentView(); panel && panel != frame) panel->hide();
    if (frame) frame->closeModalView();
}

} // namespace tarlix
