// Small MIDI-side modules: the base of the voice allocator (what the builder tells it about its
// group), a velocity reader and the operating-system command hook.
#pragma once
#include <atomic>

#include "dsp/module_base.h"

namespace tarlix {

// Holds what the builder tells the voice allocator about its group. Its outputs read silence
// until the allocator gives them buffers of its own.
class QX_DSP_VoiceGroupHead : public QX_ModuleBase {
  public:
    QX_DSP_VoiceGroupHead(ModuleContext* context, bool createdHeld);
    virtual void setVoiceGroup(int firstModule, int voiceCount, int modulesPerVoice);
    int groupStart = -1, groupVoices = 0, groupModulesPerVoice = 0;
};

// Passes the MIDI of input 0 on to output 0 and sends each note-on's velocity (0..1) on
// output 1.
class QX_DSP_Midi_Velocity : public QX_ModuleBase {
  public:
    enum Input { kInMidi = 0 };
    enum Output { kOutMidi = 0, kOutVelocity = 1 };
    using QX_ModuleBase::QX_ModuleBase;
    void HandleEvent(const EventRecord& e, int offset) override;
};

// A request to run a command outside the plug-in. The audio thread may not start processes, so
// an event on input 0 (intValue = command number, > 0) only records the request; the editor's
// thread takes it with takeRequest(). The instrument's table has no instance.
class QX_DSP_OS_Command : public QX_ModuleBase {
  public:
    enum Input { kInCommand = 0 };
    using QX_ModuleBase::QX_ModuleBase;
    void HandleEvent(const EventRecord& e, int offset) override;
    int takeRequest() { return request_.exchange(0, std::memory_order_acq_rel); }

  private:
    std::atomic<int> request_{0};
};

} // namespace tarlix
