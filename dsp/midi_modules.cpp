#include "dsp/midi_modules.h"

#include "dsp/midi_word.h"

namespace tarlix {

namespace {
// Never written: outputs without buffers of their own read this.
alignas(16) float gSilence[((kMaxChunk + 8) / 4) * 4] = {};
} // namespace

QX_DSP_VoiceGroupHead::QX_DSP_VoiceGroupHead(ModuleContext* context, bool createdHeld)
    : QX_ModuleBase(context, createdHeld) {
    for (float*& out : outputs)
        out = gSilence;
}

void QX_DSP_VoiceGroupHead::setVoiceGroup(int firstModule, int voiceCount, int modulesPerVoice) {
    groupStart = firstModule;
    groupVoices = voiceCount;
    groupModulesPerVoice = modulesPerVoice;
}

void QX_DSP_Midi_Velocity::HandleEvent(const EventRecord& e, int) {
    if (e.port != kInMidi) return;
    SendEvent(e.time, kOutMidi, e.tag, e.intValue, e.floatValue, e.data);
    const uint32_t word = static_cast<uint32_t>(e.intValue);
    if (midiword::isNoteOn(word)) {
        const int velocity = midiword::data2(word);
        SendEvent(e.time, kOutVelocity, 0, velocity, static_cast<float>(velocity) / 127.0f,
                  nullptr);
    }
}

void QX_DSP_OS_Command::HandleEvent(const EventRecord& e, int) {
    if (e.port == kInCommand && e.intValue > 0)
        request_.store(e.intValue, std::memory_order_release);
}

} // namespace tarlix
