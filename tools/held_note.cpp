#include "tools/held_note.h"

#include <algorithm>

#include "dsp/midi_word.h"
#include "host/event_list.h"

using namespace vst;

namespace heldnote {

namespace {

VstTimeInfo gTime{};
double gRate = 48000.0;
int gBlock = 512;

} // namespace

intptr_t host(AEffect*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return tools::offlineHostAnswer(opcode, &gTime, gRate, gBlock);
}

std::vector<float> render(tools::LoadedPlugin& plugin, int program,
                          const std::vector<Setting>& settings, int key, int rate, int skip,
                          int frames, int block) {
    AEffect* fx = plugin.fx();
    gRate = rate;
    gBlock = block;
    plugin.call(effMainsChanged, 0, 0);
    plugin.call(effSetSampleRate, 0, 0, nullptr, static_cast<float>(rate));
    plugin.call(effSetBlockSize, 0, block);
    plugin.call(effSetProgram, 0, program);
    plugin.call(effMainsChanged, 0, 1);
    plugin.call(effStartProcess);
    for (const Setting& s : settings) {
        const int index = plugin.findParameter(s.parameter);
        if (index >= 0) fx->setParameter(fx, index, s.value);
    }

    // The settings take effect over a few blocks (a parameter change may fade the sound out and
    // back in): the note starts after a lead-in.
    const int lead = 8 * 512;
    const int total = lead + skip + frames;
    std::vector<float> left(static_cast<size_t>(total)), right(left.size());
    std::vector<float> silence(static_cast<size_t>(block), 0.0f);
    float* ins[2] = {silence.data(), silence.data()};
    EventList midi;
    for (int pos = 0; pos < total; pos += block) {
        const int n = std::min(block, total - pos);
        if (pos <= lead && lead < pos + n) {
            midi.clear();
            midi.add(lead - pos, tarlix::midiword::kNoteOn, key, 100);
            plugin.call(effProcessEvents, 0, 0, midi.list());
        }
        float* outs[2] = {left.data() + pos, right.data() + pos};
        fx->processReplacing(fx, ins, outs, n);
    }
    // Release the key, so the next render's note finds the instance as this one did.
    midi.clear();
    midi.add(0, tarlix::midiword::kNoteOff, key, 0);
    plugin.call(effProcessEvents, 0, 0, midi.list());
    std::vector<float> spare(static_cast<size_t>(block) * 2);
    float* rest[2] = {spare.data(), spare.data() + block};
    fx->processReplacing(fx, ins, rest, block);
    plugin.call(effStopProcess);
    plugin.call(effMainsChanged, 0, 0);
    left.erase(left.begin(), left.begin() + lead + skip);
    return left;
}

} // namespace heldnote
