// A section object: the randomise button of one section (oscillators, filter, sequencer, the
// LFOs, HFO, envelopes, aftertouch and the two Melt panels) is linked to it. The randomising
// itself is the engine's: that section's copy-and-paste module sets exactly the section's
// parameters once per press, with the window open or closed, so the object does not draw
// values of its own (a second draw would randomise twice). It counts the presses it sees, once
// per press-and-release.
#pragma once
#include "editor/qx_controls.h"

namespace tarlix {

class QX_GUI_Memory_Banks : public tk::CControl, public QX_Control {
  public:
    static constexpr int32_t kRandomiseCode = 3;

    QX_GUI_Memory_Banks(tk::CControlListener* listener, int32_t tag);
    void setFromHost(float value) override;
    void onLink(const LinkMessage& message) override;
    bool wantsMouse() const override { return false; }
    // Presses of the randomise button seen since the window opened.
    int presses() const { return presses_; }

  private:
    float lastTrigger_ = 0.0f;
    int presses_ = 0;
};

} // namespace tarlix
