// Stand-ins for module classes still to be written, so the graph already has its final size
// and indices. A placeholder is silent: every output reads zeros, and it sleeps at once.
#pragma once
#include "dsp/module_base.h"

namespace tarlix {

class QX_DSP_Placeholder : public QX_ModuleBase {
  public:
    QX_DSP_Placeholder(ModuleContext* context, bool createdHeld);
};

// Until the arpeggiator exists its row passes MIDI from input 0 to output 0 unchanged, which is
// what the arpeggiator does while it is off.
class QX_DSP_Midi_Pass : public QX_DSP_Placeholder {
  public:
    using QX_DSP_Placeholder::QX_DSP_Placeholder;
    void HandleEvent(const EventRecord& e, int offset) override;
};

// Holds what the builder tells the voice allocator about its group.
class QX_DSP_VoiceGroupHead : public QX_DSP_Placeholder {
  public:
    using QX_DSP_Placeholder::QX_DSP_Placeholder;
    virtual void setVoiceGroup(int firstModule, int voiceCount, int modulesPerVoice);
    int groupStart = -1, groupVoices = 0, groupModulesPerVoice = 0;
};

} // namespace tarlix
