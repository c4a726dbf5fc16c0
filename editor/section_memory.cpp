#include "editor/section_memory.h"

#include <cmath>

namespace tarlix {

QX_GUI_Memory_Banks::QX_GUI_Memory_Banks(tk::CControlListener* listener, int32_t tag)
    : tk::CControl(tk::CRect{}, listener, tag) {
    visible_ = false;
}

void QX_GUI_Memory_Banks::setFromHost(float value) {
    setValue(value);
}

void QX_GUI_Memory_Banks::onLink(const LinkMessage& message) {
    if (message.type != kLinkValue || message.code != kRandomiseCode) return;
    const float v = message.value;
    // The same value again (a redraw, a program load) is no new press.
    if (!std::isfinite(v) || v == lastTrigger_) return;
    lastTrigger_ = v;
    if (v > 0.0f && !(context_ && context_->building())) ++presses_;
}

} // namespace tarlix
