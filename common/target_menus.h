// The items of the modulation target menus, in menu order: a source's target option is the id
// of the sum it joins. Each list carries the item texts, so a test can hold it and the layout
// table's option list together.
#pragma once

// X(name, text)
// clang-format off
#define TARLIX_LFO_TARGETS(X) \
    X(kMainPitch, "Main Pitch") \
    X(kOsc1Pitch, "Osc1 - Pitch") \
    X(kOsc2Pitch, "Osc2 - Pitch") \
    X(kPulseWidth, "Pulse Width") \
    X(kOsc1Level, "Osc1 - Level") \
    X(kOsc2Level, "Osc2 - Level") \
    X(kSubLevel, "Sub - Level") \
    X(kNoiseLevel, "Noise - Level") \
    X(kFilterCutoff, "Filter Cutoff") \
    X(kPanning, "Panning") \
    X(kVolume, "Volume") \
    X(kAmpAttack, "Amp - Attack") \
    X(kAmpDecay, "Amp - Decay") \
    X(kFilterAttack, "Filter - Attack") \
    X(kFilterDecay, "Filter - Decay") \
    X(kHfoPitch, "HFO - Pitch") \
    X(kMelt, "Melt") \
    X(kEchoTune, "Echo - Tune") \
    X(kLogicSwitch, "Logic Switch")
#define TARLIX_LFO3_TARGETS(X) \
    X(kMainPitch, "Main Pitch") \
    X(kOsc1Pitch, "Osc1 - Pitch") \
    X(kOsc2Pitch, "Osc2 - Pitch") \
    X(kPulseWidth, "Pulse Width") \
    X(kOsc1Level, "Osc1 - Level") \
    X(kOsc2Level, "Osc2 - Level") \
    X(kSubLevel, "Sub - Level") \
    X(kNoiseLevel, "Noise - Level") \
    X(kFilterCutoff, "Filter Cutoff") \
    X(kPanning, "Panning") \
    X(kVolume, "Volume") \
    X(kAmpAttack, "Amp - Attack") \
    X(kAmpDecay, "Amp - Decay") \
    X(kFilterAttack, "Filter - Attack") \
    X(kFilterDecay, "Filter - Decay") \
    X(kHfoPitch, "HFO - Pitch") \
    X(kLogicSwitch, "Logic Switch")
#define TARLIX_ENV_TARGETS(X) \
    X(kMainPitch, "Main Pitch") \
    X(kOsc1Pitch, "Osc1 - Pitch") \
    X(kOsc2Pitch, "Osc2 - Pitch") \
    X(kHfoPitch, "HFO - Pitch") \
    X(kPulseWidth, "Pulse Width") \
    X(kFilterCutoff, "Filter Cutoff") \
    X(kLfo3Depth, "LFO 3 - Depth") \
    X(kMeltCircuit, "Melt - Circuit") \
    X(kOsc1Level, "Osc1 - Level") \
    X(kOsc2Level, "Osc2 - Level") \
    X(kSubLevel, "Sub - Level") \
    X(kNoiseLevel, "Noise - Level") \
    X(kLogicSwitch, "Logic Switch")
#define TARLIX_HFO_TARGETS(X) \
    X(kMainPitch, "Main Pitch") \
    X(kOsc1Pitch, "Osc1 - Pitch") \
    X(kOsc2Pitch, "Osc2 - Pitch") \
    X(kSubPitch, "Sub - Pitch") \
    X(kFilterCutoff, "Filter Cutoff") \
    X(kMainFm, "Main FM") \
    X(kOsc1Fm, "Osc1 - FM") \
    X(kOsc2Fm, "Osc2 - FM") \
    X(kSubFm, "Sub - FM") \
    X(kMainAm, "Main - AM") \
    X(kOsc1Am, "Osc1 - AM") \
    X(kOsc2Am, "Osc2 - AM") \
    X(kPulseWidth, "Pulse Width")
// clang-format on

#define TARLIX_TARGET_ITEM(name, text) name,

namespace tarlix {

namespace lfoTarget { // "Lfo1 Target", "Lfo2 Target"
enum Target { TARLIX_LFO_TARGETS(TARLIX_TARGET_ITEM) kCount };
} // namespace lfoTarget

namespace lfo3Target { // "Lfo3 Target"
enum Target { TARLIX_LFO3_TARGETS(TARLIX_TARGET_ITEM) kCount };
} // namespace lfo3Target

namespace envTarget { // "Env1 Target", "Env2 Target"
enum Target { TARLIX_ENV_TARGETS(TARLIX_TARGET_ITEM) kCount };
} // namespace envTarget

namespace hfoTarget { // "HFO Target"
enum Target { TARLIX_HFO_TARGETS(TARLIX_TARGET_ITEM) kCount };
} // namespace hfoTarget

} // namespace tarlix

#undef TARLIX_TARGET_ITEM
