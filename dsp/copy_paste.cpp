#include "dsp/copy_paste.h"

#include <cmath>

#include "common/curves.h"
#include "dsp/module_host.h"

namespace tarlix {

QX_DSP_Copy_Paste::QX_DSP_Copy_Paste(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {}

void QX_DSP_Copy_Paste::Prepare() {
    for (float& t : lastTrigger_)
        t = 0.0f;
}

bool QX_DSP_Copy_Paste::pressed(int port, float value) {
    if (!std::isfinite(value) || value == lastTrigger_[port]) return false;
    lastTrigger_[port] = value;
    return value > 0.0f;
}

void QX_DSP_Copy_Paste::set(int parameter, float value) {
    ModuleHost* host = context->host;
    host->applyParameterAt(now, parameter, value);
    host->postEditorValue(parameter, host->parameterValue(parameter)); // the knob follows
}

void QX_DSP_Copy_Paste::HandleEvent(const EventRecord& e, int) {
    ModuleHost* host = context->host;
    if (!host || (e.port != kInCopy && e.port != kInPaste && e.port != kInRandomise)) return;
    // A program load sends the buttons' stored values again: remembered, never acted on.
    if (!pressed(e.port, e.floatValue) || e.tag == kProgramLoadTag) return;
    for (int slot = 0; slot < kBindingSlots; ++slot) {
        if (!paramTag[slot]) continue; // an empty binding slot
        const int p = paramSlot[slot];
        if (p >= host->parameterCount()) continue;
        if (e.port == kInCopy)
            clipboard_[slot] = host->parameterValue(p);
        else if (e.port == kInPaste && copied_)
            set(p, clipboard_[slot]);
        else if (e.port == kInRandomise)
            set(p, host->random().uniform(1.0f));
    }
    if (e.port == kInCopy) copied_ = true;
}

} // namespace tarlix
