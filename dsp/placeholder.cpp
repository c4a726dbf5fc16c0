#include "dsp/placeholder.h"

namespace tarlix {

namespace {
// Never written: placeholders render nothing, their consumers only read.
alignas(16) float gSilence[((kMaxChunk + 8) / 4) * 4] = {};
} // namespace

QX_DSP_Placeholder::QX_DSP_Placeholder(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    for (float*& out : outputs)
        out = gSilence;
}

void QX_DSP_Midi_Pass::HandleEvent(const EventRecord& e, int) {
    if (e.port == 0) SendEvent(e.time, 0, e.tag, e.intValue, e.floatValue, e.data);
}

void QX_DSP_VoiceGroupHead::setVoiceGroup(int firstModule, int voiceCount, int modulesPerVoice) {
    groupStart = firstModule;
    groupVoices = voiceCount;
    groupModulesPerVoice = modulesPerVoice;
}

} // namespace tarlix
