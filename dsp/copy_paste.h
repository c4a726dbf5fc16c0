// A section's randomise button and its copy and paste: the module is bound to the section's
// parameters and sets them through the engine, so it works with the editor closed and under
// automation.
#pragma once
#include "dsp/module_base.h"

namespace tarlix {

class QX_DSP_Copy_Paste : public QX_ModuleBase {
  public:
    // Buttons; the parameters they act on are the module's bindings.
    enum Input { kInCopy = 0, kInPaste = 1, kInRandomise = 3 };
    QX_DSP_Copy_Paste(ModuleContext* context, bool createdHeld);
    void Prepare() override;
    void HandleEvent(const EventRecord& e, int offset) override;
    void Render(int offset, int count) override { Sleep(offset, count); }
    bool hasCopy() const { return copied_; }

  private:
    // A momentary button acts once per press: the same value again, or 0, does nothing.
    bool pressed(int port, float value);
    void set(int parameter, float value);

    float lastTrigger_[kInRandomise + 1] = {};
    float clipboard_[kBindingSlots] = {};
    bool copied_ = false;
};

} // namespace tarlix
