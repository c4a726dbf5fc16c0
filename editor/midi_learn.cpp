#include "editor/midi_learn.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "editor/toolkit/cframe.h"
#include "editor/toolkit/cvstguitimer.h"

namespace tarlix {

using tk::CColor;
using tk::CPoint;
using tk::CRect;

namespace learncode {

int fromStored(int64_t stored) {
    if (stored >= 0 && stored <= kLastController) return static_cast<int>(stored);
    if (stored >= kFirstNrpn && stored <= kFirstNrpn + kLastNrpn) return static_cast<int>(stored);
    return kNone;
}

uint16_t toStored(int code) {
    return fromStored(code) == kNone ? kStoredNone : static_cast<uint16_t>(code);
}

std::string text(int code) {
    char buf[128];
    code = fromStored(code);
    if (code == kNone) return " None ";
    if (code <= kLastController)
        std::snprintf(buf, sizeof buf, "CC: %d", code);
    else
        std::snprintf(buf, sizeof buf, "nrpn: %d", code - kFirstNrpn);
    return buf;
}

std::vector<std::string> menuItems() {
    std::vector<std::string> items{"None"};
    char buf[16];
    for (int n = 0; n <= kLastController; ++n) {
        std::snprintf(buf, sizeof buf, "CC %d", n);
        items.emplace_back(buf);
    }
    return items;
}

int menuEntry(int code) {
    // Only "none" and the controllers have entries: an NRPN code checks nothing.
    if (code == kNone) return 0;
    return code >= 0 && code <= kLastController ? code + 1 : -1;
}

int codeOfEntry(int entry) {
    return entry >= 1 && entry < kMenuEntries ? entry - 1 : kNone;
}

} // namespace learncode

CRect placeDialog(CPoint click, int width, int height, const CRect& bounds) {
    // A dialog larger than the bounds keeps its top-left corner inside them.
    int left =
        std::clamp(click.x - width / 2, bounds.left, std::max(bounds.left, bounds.right - width));
    int top =
        std::clamp(click.y - height / 2, bounds.top, std::max(bounds.top, bounds.bottom - height));
    return CRect::fromSize(left, top, width, height);
}

CRect outsideOf(const CRect& panel, const CRect& bounds, int side) {
    switch (side & 3) {
    case 0:
        return panel.movedTo(bounds.left - panel.width(), panel.top);
    case 1:
        return panel.movedTo(bounds.right, panel.top);
    case 2:
        return panel.movedTo(panel.left, bounds.top - panel.height());
    default:
        return panel.movedTo(panel.left, bounds.bottom);
    }
}

namespace {
// 24-point text at the window's 72 pixels per inch is 18 pixels high at 100 %.
constexpr double kTextPixels = 18.0;
constexpr double kSmallestTextPixels = 9.0;
constexpr CColor kWhite{255, 255, 255, 255};
constexpr CColor kPlate{40, 43, 48, 255};
constexpr CColor kPlateEdge{150, 155, 165, 255};
constexpr CColor kField{14, 16, 18, 255};
constexpr CColor kAssignFace{70, 110, 160, 255};
constexpr CColor kHeard{224, 192, 96, 255}; // the panel's gold

// The largest size up to `pixels` at which the text fits the width.
tk::CFontDesc fitted(tk::CDrawContext& c, const std::string& text, double pixels, int width) {
    tk::CFontDesc font{tk::FontWeight::Regular, pixels};
    while (font.size > kSmallestTextPixels && c.textWidth(text, font) > width - 6)
        font.size -= 1.0;
    return font;
}
} // namespace

QX_AssignMidiCC::QX_AssignMidiCC(const CRect& size, int32_t tag,
                                 std::shared_ptr<tk::CBitmap> bitmap, EditorEngine& engine)
    : tk::CControl(size, nullptr, tag, std::move(bitmap)), engine_(engine) {}

CRect QX_AssignMidiCC::scaled(int left, int top, int right, int bottom) const {
    const double s = getViewSize().width() / static_cast<double>(kArtWidth);
    auto at = [s](int v) { return static_cast<int>(std::lround(v * s)); };
    return {at(left), at(top), at(right), at(bottom)};
}

CRect QX_AssignMidiCC::nameField() const {
    return scaled(17, 52, 323, 76);
}
CRect QX_AssignMidiCC::codeField() const {
    return scaled(131, 95, 311, 119);
}
CRect QX_AssignMidiCC::assignButton() const {
    return scaled(131, 126, 201, 146);
}

void QX_AssignMidiCC::open(int parameter, std::string name, int64_t storedCode, CPoint where) {
    parameter_ = parameter;
    name_ = std::move(name);
    code_ = learncode::fromStored(storedCode);
    flash_ = 0;
    engine_.resetLastController(); // only what arrives from now on is learned
    listening_ = true;
    wantIdle();
    setDirty();
    tk::CViewContainer* panel = getParentView();
    tk::CFrame* frame = getFrame();
    if (!panel || !frame) return;
    const CRect& own = panel->getViewSize();
    // Always placed anew, also while it is still leaving: it never listens out of sight.
    panel->moveTo(placeDialog(where, own.width(), own.height(), frame->getViewSize()));
    panel->show();
}

bool QX_AssignMidiCC::onIdleTick() {
    if (!listening_) return false;
    hear();
    if (flash_ > 0) {
        --flash_;
        invalid();
    }
    return true;
}

void QX_AssignMidiCC::hear() {
    // The last controller moved wins; -1 (nothing since the reset) never becomes a code.
    int heard = engine_.lastController();
    if (heard < 0) return;
    int code = learncode::fromStored(heard);
    if (code != learncode::kNone && code != code_) {
        code_ = code;
        flash_ = kFlashTicks; // the field lights up: the controller was heard
        setDirty();
    }
}

void QX_AssignMidiCC::draw(tk::CDrawContext& c, const CRect&) {
    const CRect box{0, 0, getViewSize().width(), getViewSize().height()};
    if (bitmap_) {
        c.drawBitmap(*bitmap_, box);
    } else {
        // Without its art: a plate with the two fields and the button.
        c.fillRect(box, kPlate);
        c.frameRect(box, kPlateEdge);
        c.fillRect(nameField(), kField);
        c.fillRect(codeField(), kField);
        c.fillRoundRect(assignButton(), 3.0, kAssignFace);
        c.drawText("ASSIGN", assignButton(), {tk::FontWeight::Bold, 11.0}, kWhite);
    }
    const double pixels = kTextPixels * getViewSize().width() / kArtWidth;
    if (parameter_ < 0) return;
    const CRect nameBox = nameField(), codeBox = codeField();
    c.drawText(name_, nameBox, fitted(c, name_, pixels, nameBox.width()), kWhite);
    const std::string code = codeText();
    c.drawText(code, codeBox, fitted(c, code, pixels, codeBox.width()), kWhite);
    if (flash_ > 0) {
        // A rounded ring that follows the field's corners and fades out.
        const double x = codeBox.left + 1, y = codeBox.top + 1;
        tk::CPath ring;
        ring.roundRect(x, y, codeBox.width() - 2, codeBox.height() - 2, 3.0);
        const uint32_t rgb = uint32_t{kHeard.r} << 16 | uint32_t{kHeard.g} << 8 | kHeard.b;
        tk::CPen pen;
        pen.width = 2.0;
        c.strokePath(ring, tk::CPaint::colour(rgb, static_cast<double>(flash_) / kFlashTicks), pen);
    }
}

bool QX_AssignMidiCC::onMouseDown(CPoint p, int buttons) {
    if (!(buttons & tk::kLButton) || parameter_ < 0 || !listening_) return false;
    if (codeField().contains(p)) {
        const CRect at = frameRect();
        openMenu({at.left + p.x, at.top + p.y});
        return true;
    }
    if (assignButton().contains(p)) {
        assign();
        return true;
    }
    return false;
}

void QX_AssignMidiCC::openMenu(CPoint framePoint) {
    engine_.resetLastController(); // old input does not overwrite the choice
    tk::openPopupList(
        getFrame(), CRect::fromSize(framePoint.x, framePoint.y, 0, 0), learncode::menuItems(),
        learncode::menuEntry(code_),
        [this](int entry) {
            code_ = learncode::codeOfEntry(entry);
            setDirty();
        },
        learncode::kMenuRowsPerColumn);
}

void QX_AssignMidiCC::assign() {
    if (parameter_ < 0 || !listening_) return;
    hear(); // a controller moved since the last tick counts too
    engine_.setMidiLearn(parameter_, learncode::toStored(code_));
    close(true);
}

void QX_AssignMidiCC::cancel() {
    if (listening_) close(false);
}

void QX_AssignMidiCC::close(bool stored) {
    listening_ = false;
    tk::CViewContainer* panel = getParentView();
    tk::CFrame* frame = getFrame();
    if (panel && frame) {
        if (stored) {
            // Leaves by a side that changes with the clock: it looks alive, not mechanical.
            auto ticks = static_cast<long long>(frame->clockMs() / tk::CVSTGUITimer::kPeriodMs);
            panel->hideTowards(
                outsideOf(panel->getViewSize(), frame->getViewSize(), static_cast<int>(ticks % 4)));
        } else {
            panel->hide(); // fades where it is
        }
    }
    if (onClosed) onClosed();
}

} // namespace tarlix
