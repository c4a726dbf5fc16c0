#include "dsp/copy_paste.h"

#include <cmath>

#include "common/curves.h"
#include "engine/qx_dsp_vst.h"

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
    QX_DSP_VST* engine = context->engine;
    engine->applyParameterAt(now, parameter, value);
    engine->postEditorValue(parameter, engine->getParameter(parameter)); // the knob follows
}

void QX_DSP_Copy_Paste::HandleEvent(const EventRecord& e, int) {
    QX_DSP_VST* engine = context->engine;
    if (!engine || (e.port != kInCopy && e.port != kInPaste && e.port != kInRandomise)) return;
    // A program load sends the buttons' stored values again: remembered, never acted on.
    if (!pressed(e.port, e.floatValue) || e.tag == QX_DSP_VST::kProgramLoadTag) return;
    for (int slot = 0; slot < kBindingSlots; ++slot) {
        if (!paramTag[slot]) continue; // an empty binding slot
        const int p = paramSlot[slot];
        if (p >= kNumParams) continue;
        if (e.port == kInCopy)
            clipboard_[slot] = engine->getParameter(p);
        else if (e.port == kInPaste && copied_)
            set(p, clipboard_[slot]);
        else if (e.port == kInRandomise)
            set(p, random_float(1.0f));
    }
    if (e.port == kInCopy) copied_ = true;
}

} // namespace tarlix
