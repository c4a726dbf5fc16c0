// The instrument's patch table: every module in processing order, where each input comes from
// and which parameters it is bound to. Rows 58..121 are the voice group, made once per voice.
// Entries of a row come from the module's own description and the signal flow. The voice is
// wired from the keys to the voice sum (sources, modulation sums, limiters, filters,
// saturation, amplitude, pan); after it the effect bus, chorus, equaliser, echo and Melt. The
// Melt pitch wobble (row 28, times the depth of row 52 in row 162) sweeps the two shifters after
// the echo in "Tape" mode; in "Circuit" mode they pass the sound. Its level wobble (row 29)
// moves the summed voices' level, its system-B HFO wobble (row 30) the HFO pitch.
// An entry is {input, output, source}: inputs and outputs by the module classes' port names,
// parameters by tag, modules by code, constants by constant(). code::kNoiseLevel names two rows
// (80 and 90); as a source it always means row 90.
#include "engine/patch_table.h"

#include "common/tags.h"
#include "common/target_menus.h"
#include "dsp/arp_sequencer.h"
#include "dsp/copy_paste.h"
#include "dsp/delay.h"
#include "dsp/envelope.h"
#include "dsp/equaliser.h"
#include "dsp/filter.h"
#include "dsp/gain_stages.h"
#include "dsp/level_mix.h"
#include "dsp/lfo.h"
#include "dsp/noise_glide.h"
#include "dsp/oscillator.h"
#include "dsp/shapers.h"
#include "dsp/tarlix2_control.h"
#include "dsp/voice_allocation.h"
#include "engine/module_codes.h"

namespace tarlix {

namespace {
// The module classes whose ports the entries name.
using Adder = QX_DSP_Adder;
using Allocator = QX_DSP_Midi_to_Poly_Gen2;
using Arp = QX_DSP_Midi_Phrase_Arp;
using Chorus = QX_DSP_Chorus3v;
using Clock = QX_DSP_Midi_Sync_Tempo;
using Collector = QX_DSP_Poly_to_Mono;
using Control = QX_DSP_Tarlix2_Control;
using CopyPaste = QX_DSP_Copy_Paste;
using DbToGain = QX_DSP_FdB_to_VFGain;
using Delay = QX_DSP_Delay;
using DualLevel = QX_DSP_Dual_Level;
using Envelope = QX_DSP_HAHDSR_Env;
using Eq = QX_DSP_BiQuad_Multi_Engine;
using EqBand = QX_DSP_BiQuad_Coeff;
using EventConstants = QX_DSP_FixedValueToINT_FLOAT;
using FadeIn = QX_DSP_FadeIn;
using Filter = QX_DSP_Multi_Filter;
using FloatToVolt = QX_DSP_Float_to_Volt;
using FxBus = QX_DSP_Level_FX_BUS;
using Glide = QX_DSP_Glide_F;
using HostAudioIn = QX_DSP_Host_AudioIn;
using HostTempo = QX_DSP_Host_Tempo;
using LevelABxC = QX_DSP_Level_ABxC;
using LevelABxCxD = QX_DSP_Level_ABxCxD;
using LevelAxBCD = QX_DSP_Level_AxB_CD;
using Lfo = QX_DSP_LFO;
using Limiter = QX_DSP_Soft_Limiter;
using MidiAdder = QX_DSP_Midi_Adder;
using MpeSwitch = QX_DSP_MPE_Switch;
using Multi = QX_DSP_GUI_Multi;
using Noise = QX_DSP_Noise;
using Osc = QX_DSP_OSC_Multi_Out_x8;
using OscCombine = QX_DSP_Tarlix2_OSC_Combine;
using Panner = QX_DSP_Panner;
using Saturation = QX_DSP_Saturation;
using Shifter = QX_DSP_PitchShifter;
using Smoother = QX_DSP_GUItoV_Glide;
using Smoothers = QX_DSP_GUItoV_Glide_Multi;
using StaticFilter = QX_DSP_BiQuad_Static;
using StepCounter = QX_DSP_Counter_Indexing;
using StepValue = QX_DSP_Float_Converter_Switch;
using StereoDelay = QX_DSP_Delay_ST;
using StereoLevel = QX_DSP_ST_Level;
using XMix = QX_DSP_XMix;
using XMixVol = QX_DSP_XMixVol;

// A constant source: entry `index` of the constant table, where entries 0..25 hold 0.0..25.0.
constexpr int16_t constant(int index) {
    return static_cast<int16_t>(kFirstConstantSource + index);
}
// The table's other constants, by value.
constexpr int16_t kConstMinus5 = constant(128), kConstTenth = constant(130),
                  kConstPoint4 = constant(133), kConstHalf = constant(134),
                  kConstFifth = constant(148), kConstMinus4_25 = constant(154),
                  kConstThousandth = constant(155);
// Outputs of row 1: its constants x 0.1 as signals (in volts).
enum VoltConstant : uint8_t {
    kZeroVolts,
    kHalfVolt,
    kOneVolt,
    kTenthVolt,
    kTwentiethVolt,
    kMiddleCVolts, // -0.425 V
    kMinusHalfVolt,
    kOneAndHalfVolts,
    kPoint8Volts,
};
// Outputs of row 2: its constants as events (whole number n, value n x 0.1).
enum EventConstant : uint8_t { kEvent0 = 0, kEvent1 = 1, kEvent2 = 2, kEvent18 = 4 };

// Ids of the other selectors the adders read. A switch reads 10 when on (its value x 10).
constexpr int kSwitchOff = 0, kSwitchOn = 10;
constexpr int kMeltSystemA = 0, kMeltSystemB = 1;   // "Melt System"
constexpr int kEnvSourceLpf = 0, kEnvSourceAmp = 1; // "Env Source"

// The entry input that binds parameter slot n.
constexpr uint8_t bind(int slot) {
    return static_cast<uint8_t>(kFirstBindingInput + slot);
}
template <size_t N> constexpr PatchRow row(int code, const PatchEntry (&e)[N]) {
    return {static_cast<int16_t>(code), 0, e, static_cast<uint8_t>(N)};
}
constexpr PatchRow row(int code) {
    return {static_cast<int16_t>(code), 0, nullptr, 0};
}
constexpr PatchRow groupBegin(int voices) {
    return {kPatchGroupBegin, static_cast<int16_t>(voices), nullptr, 0};
}
constexpr PatchRow groupEnd() {
    return {kPatchGroupEnd, 0, nullptr, 0};
}
constexpr PatchRow rewire(int target) {
    return {kPatchRewire, static_cast<int16_t>(target), nullptr, 0};
}
template <size_t N> constexpr PatchRow entries(const PatchEntry (&e)[N]) {
    return {0, 0, e, static_cast<uint8_t>(N)};
}

// clang-format off
constexpr PatchEntry k4[] = {{CopyPaste::kInRandomise, 0, tag::kMeltARnd}, {bind(0), 1, tag::kMeltAPitch}, {bind(1), 1, tag::kMeltAJump}, {bind(2), 1, tag::kMeltAAmp}, {bind(3), 1, tag::kMeltABlend}, {bind(4), 1, tag::kMeltASpeed}, {bind(5), 1, tag::kMeltBuffer}};
constexpr PatchEntry k5[] = {{CopyPaste::kInRandomise, 0, tag::kMeltBRnd}, {bind(0), 1, tag::kMeltBWow}, {bind(1), 1, tag::kMeltBFlutter}, {bind(2), 1, tag::kMeltBSpeedMix}, {bind(3), 1, tag::kMeltBToPitch}, {bind(4), 1, tag::kMeltBToAmp}, {bind(5), 1, tag::kMeltBToHfo}};
constexpr PatchEntry k6[] = {{CopyPaste::kInRandomise, 0, tag::kOscRnd}, {bind(0), 1, tag::kOsc1Wave}, {bind(1), 1, tag::kOsc2Wave}, {bind(2), 1, tag::kSubOscWave}, {bind(3), 1, tag::kOscMode}, {bind(4), 1, tag::kOscWidth}};
constexpr PatchEntry k7[] = {{CopyPaste::kInRandomise, 0, tag::kFilterRnd}, {bind(0), 1, tag::kLpfCutoff}, {bind(1), 1, tag::kLpfResonance}, {bind(2), 1, tag::kHpfCutoff}, {bind(3), 1, tag::kLpfType}, {bind(4), 1, tag::kLpfAttack}, {bind(5), 1, tag::kLpfDecay}, {bind(6), 1, tag::kLpfSustain}, {bind(7), 1, tag::kLpfRelease}, {bind(8), 1, tag::kFilter2Offset}};
constexpr PatchEntry k8[] = {{CopyPaste::kInRandomise, 0, tag::kSeqRnd}, {bind(0), 1, tag::kSeqA1}, {bind(1), 1, tag::kSeqA2}, {bind(2), 1, tag::kSeqA3}, {bind(3), 1, tag::kSeqA4}, {bind(4), 1, tag::kSeqA5}, {bind(5), 1, tag::kSeqA6}, {bind(6), 1, tag::kSeqA7}, {bind(7), 1, tag::kSeqA8}};
constexpr PatchEntry k9[] = {{CopyPaste::kInRandomise, 0, tag::kSeqRnd}, {bind(0), 1, tag::kSeqB1}, {bind(1), 1, tag::kSeqB2}, {bind(2), 1, tag::kSeqB3}, {bind(3), 1, tag::kSeqB4}, {bind(4), 1, tag::kSeqB5}, {bind(5), 1, tag::kSeqB6}, {bind(6), 1, tag::kSeqB7}, {bind(7), 1, tag::kSeqB8}};
constexpr PatchEntry k10[] = {{CopyPaste::kInRandomise, 0, tag::kLfo1Rnd}, {bind(0), 1, tag::kLfo1Shape}, {bind(1), 1, tag::kLfo1Target}, {bind(2), 1, tag::kLfo1Rate}, {bind(3), 1, tag::kLfo1Beat}, {bind(4), 1, tag::kLfo1Phase}};
constexpr PatchEntry k11[] = {{CopyPaste::kInRandomise, 0, tag::kLfo2Rnd}, {bind(0), 1, tag::kLfo2Shape}, {bind(1), 1, tag::kLfo2Target}, {bind(2), 1, tag::kLfo2Rate}, {bind(3), 1, tag::kLfo2Beat}, {bind(4), 1, tag::kLfo2Phase}};
constexpr PatchEntry k12[] = {{CopyPaste::kInRandomise, 0, tag::kLfo3Rnd}, {bind(0), 1, tag::kLfo3Shape}, {bind(1), 1, tag::kLfo3Target}, {bind(2), 1, tag::kLfo3Rate}, {bind(3), 1, tag::kLfo3Beat}, {bind(4), 1, tag::kLfo3Phase}, {bind(5), 1, tag::kLfo3Track}};
constexpr PatchEntry k13[] = {{CopyPaste::kInRandomise, 0, tag::kHfoRnd}, {bind(0), 1, tag::kHfoTarget}, {bind(1), 1, tag::kHfoShape}, {bind(2), 1, tag::kHfoOct}, {bind(3), 1, tag::kHfoSemi}, {bind(4), 1, tag::kHfoTune}, {bind(5), 1, tag::kHfoAttack}, {bind(6), 1, tag::kHfoDecay}, {bind(7), 1, tag::kHfoSustain}, {bind(8), 1, tag::kHfoRelease}, {bind(9), 1, tag::kHfoLevel}};
constexpr PatchEntry k14[] = {{CopyPaste::kInRandomise, 0, tag::kEnvRnd}, {bind(0), 1, tag::kEnv1Target}, {bind(1), 1, tag::kEnv1Invert}, {bind(2), 1, tag::kEnv1Attack}, {bind(3), 1, tag::kEnv1Decay}, {bind(4), 1, tag::kEnv1Sustain}, {bind(5), 1, tag::kEnv1Release}, {bind(6), 1, tag::kEnv1Level}, {bind(7), 1, tag::kEnv2Target}, {bind(8), 1, tag::kEnv2Invert}, {bind(9), 1, tag::kEnv2Attack}, {bind(10), 1, tag::kEnv2Decay}, {bind(11), 1, tag::kEnv2Sustain}, {bind(12), 1, tag::kEnv2Release}, {bind(13), 1, tag::kEnv2Level}};
constexpr PatchEntry k15[] = {{CopyPaste::kInRandomise, 0, tag::kAftRnd}, {bind(0), 1, tag::kAftToTune}, {bind(1), 1, tag::kAftToWidth}, {bind(2), 1, tag::kAftToCut}, {bind(3), 1, tag::kAftToNoise}, {bind(4), 1, tag::kAftToGain}, {bind(5), 1, tag::kAftToMelt}, {bind(6), 1, tag::kAftLfo3Depth}, {bind(7), 1, tag::kAftLfo3Rate}, {bind(8), 1, tag::kAftHfoDepth}};
constexpr PatchEntry k16[] = {{CopyPaste::kInCopy, 0, tag::kSeqCopy}, {CopyPaste::kInPaste, 0, tag::kSeqPaste}, {bind(0), 1, tag::kSeqA1}, {bind(1), 1, tag::kSeqA2}, {bind(2), 1, tag::kSeqA3}, {bind(3), 1, tag::kSeqA4}, {bind(4), 1, tag::kSeqA5}, {bind(5), 1, tag::kSeqA6}, {bind(6), 1, tag::kSeqA7}, {bind(7), 1, tag::kSeqA8}, {bind(8), 1, tag::kSeqB1}, {bind(9), 1, tag::kSeqB2}, {bind(10), 1, tag::kSeqB3}, {bind(11), 1, tag::kSeqB4}, {bind(12), 1, tag::kSeqB5}, {bind(13), 1, tag::kSeqB6}, {bind(14), 1, tag::kSeqB7}, {bind(15), 1, tag::kSeqB8}, {bind(16), 1, tag::kSeqDir}, {bind(17), 1, tag::kSeqRate}, {bind(18), 1, tag::kSeqLength}, {bind(19), 1, tag::kSeqRange}};
constexpr PatchEntry k17[] = {{CopyPaste::kInCopy, 0, tag::kOscCopy}, {CopyPaste::kInPaste, 0, tag::kOscPaste}, {bind(0), 1, tag::kOsc1Wave}, {bind(1), 1, tag::kOsc2Wave}, {bind(2), 1, tag::kSubOscWave}, {bind(3), 1, tag::kOscMode}, {bind(4), 1, tag::kOscWidth}, {bind(5), 1, tag::kOscDrift}, {bind(6), 1, tag::kWave2Tune}, {bind(7), 1, tag::kWave2Semi}, {bind(8), 1, tag::kOscOctave}, {bind(9), 1, tag::kLogicSwitch}, {bind(10), 1, tag::kOscRetrig}, {bind(11), 1, tag::kOscMode}, {bind(12), 1, tag::kOsc1Mix}, {bind(13), 1, tag::kOsc2Mix}, {bind(14), 1, tag::kSubOscMix}, {bind(15), 1, tag::kNoiseMix}, {bind(16), 1, tag::kNoiseLpf}, {bind(17), 1, tag::kNoiseHpf}};
constexpr PatchEntry k18[] = {{CopyPaste::kInCopy, 0, tag::kFilterCopy}, {CopyPaste::kInPaste, 0, tag::kFilterPaste}, {bind(0), 1, tag::kFilterAmount}, {bind(1), 1, tag::kLpfType}, {bind(2), 1, tag::kLpfMode}, {bind(3), 1, tag::kLpfCutoff}, {bind(4), 1, tag::kLpfResonance}, {bind(5), 1, tag::kHpfCutoff}, {bind(6), 1, tag::kFilterEnvLevel}, {bind(7), 1, tag::kGain}, {bind(8), 1, tag::kGainMode}, {bind(9), 1, tag::kFilter2Offset}, {bind(10), 1, tag::kFilter2Active}, {bind(11), 1, tag::kEnvSource}, {bind(12), 1, tag::kHpfRes}, {bind(13), 1, tag::kFilterInvert}, {bind(14), 1, tag::kFilterTrack}, {bind(15), 1, tag::kLpfAttack}, {bind(16), 1, tag::kLpfDecay}, {bind(17), 1, tag::kLpfSustain}, {bind(18), 1, tag::kLpfRelease}, {bind(19), 1, tag::kLpfTimeScale}, {bind(20), 1, tag::kLpfVelocity}, {bind(21), 1, tag::kLpfShape}, {bind(22), 1, tag::kFilterSaturation}, {bind(23), 1, tag::kFilterDrive}};
constexpr PatchEntry k19[] = {{Control::kInTempo, HostTempo::kOutTempo, code::kHostTempo}, {Control::kInHfoShape, 0, tag::kHfoShape}, {Control::kInSubOscWave, 0, tag::kSubOscWave}, {Control::kInOscMode, 0, tag::kOscMode}, {Control::kInEchoRate, 0, tag::kEchoRate}, {Control::kInEchoLength, 0, tag::kEchoLength}, {Control::kInLfo1Rate, 0, tag::kLfo1Rate}, {Control::kInLfo1Beat, 0, tag::kLfo1Beat}, {Control::kInLfo1Sync, 0, tag::kLfo1Sync}, {Control::kInLfo2Rate, 0, tag::kLfo2Rate}, {Control::kInLfo2Beat, 0, tag::kLfo2Beat}, {Control::kInLfo2Sync, 0, tag::kLfo2Sync}, {Control::kInLfo3Rate, 0, tag::kLfo3Rate}, {Control::kInLfo3Beat, 0, tag::kLfo3Beat}, {Control::kInLfo3Sync, 0, tag::kLfo3Sync}, {Control::kInLfo3Track, 0, tag::kLfo3Track}, {Control::kInHfoOct, 0, tag::kHfoOct}, {Control::kInHfoSemi, 0, tag::kHfoSemi}, {Control::kInHfoTune, 0, tag::kHfoTune}, {Control::kInEchoStep, 0, tag::kEchoStep}, {Control::kInHfoTarget, 0, tag::kHfoTarget}, {Control::kInHfoDepth, 0, tag::kHfoDepth}, {Control::kInHfoLevel, 0, tag::kHfoLevel}, {Control::kInPlayMode, 0, tag::kPlayMode}, {Control::kInMasterVolume, 0, tag::kMasterVolume}, {Control::kInEchoDotted, 0, tag::kEchoDotted}, {Control::kInMeltAMode, 0, tag::kMeltAMode}, {Control::kInMeltAPitch, 0, tag::kMeltAPitch}, {Control::kInMeltAJump, 0, tag::kMeltAJump}, {Control::kInMeltAAmp, 0, tag::kMeltAAmp}, {Control::kInMeltABlend, 0, tag::kMeltABlend}, {Control::kInMeltASpeed, 0, tag::kMeltASpeed}, {Control::kInFilter2Active, 0, tag::kFilter2Active}, {Control::kInFilter2Offset, 0, tag::kFilter2Offset}, {Control::kInGainMode, 0, tag::kGainMode}, {Control::kInLpfResonance, 0, tag::kLpfResonance}, {Control::kInEqActive, 0, tag::kEqActive}, {Control::kInPrePostEq, 0, tag::kPrePostEq}, {Control::kInChoMode, 0, tag::kChoMode}, {Control::kInChorusMix, 0, tag::kChorusMix}, {Control::kInChorusRate, 0, tag::kChorusRate}, {Control::kInChorusSep, 0, tag::kChorusSep}, {Control::kInChorusDepth, 0, tag::kChorusDepth}, {Control::kInChorusMelt, 0, tag::kChorusMelt}, {Control::kInMeltSystem, 0, tag::kMeltSystem}, {Control::kInMeltBWow, 0, tag::kMeltBWow}, {Control::kInMeltBFlutter, 0, tag::kMeltBFlutter}, {Control::kInMeltACutoff, 0, tag::kMeltACutoff}, {Control::kInMeltBCutoff, 0, tag::kMeltBCutoff}};
constexpr PatchEntry k37[] = {{MidiAdder::kInMidi, 0, tag::kMidiInput}};
constexpr PatchEntry k38[] = {{Clock::kInMidi, MidiAdder::kOutMidi, code::kMidiAdder}, {Clock::kInTempo, HostTempo::kOutTempo, code::kHostTempo}, {Clock::kInRate, 0, tag::kSeqRate},
                              {Clock::kInRate + 1, 0, tag::kArpRate},     {Clock::kInHalf, 0, tag::kSeqHalf},    {Clock::kInHalf + 1, 0, tag::kArpHalf}};
constexpr PatchEntry k42[] = {{Arp::kInMidi, MidiAdder::kOutMidi, code::kMidiAdder}, {Arp::kInTick, Clock::kOutTick + 1, code::kMidiClock}, {Arp::kInTempo, HostTempo::kOutTempo, code::kHostTempo}, {Arp::kInGate, 0, tag::kArpGate},
                              {Arp::kInMode, 0, tag::kArpMode},     {Arp::kInRange, 0, tag::kArpRange},     {Arp::kInConstantVelocity, 0, tag::kArpVel},     {Arp::kInRate, 0, tag::kArpRate},
                              {Arp::kInOn, 0, tag::kArpOnOff},    {Arp::kInHold, 0, tag::kArpHold},    {Arp::kInHalf, 0, tag::kArpHalf},    {Arp::kInLegato, Control::kOutLegato, code::kControl}};
constexpr PatchEntry k43[] = {{StepCounter::kInLast, 0, tag::kSeqLength},      {StepCounter::kInDirection, 0, tag::kSeqDir},      {StepCounter::kInOn, 0, tag::kSeqOnOff},
                              {StepCounter::kInRestart, Clock::kOutRestart, code::kMidiClock}, {StepCounter::kInTick, Clock::kOutTick, code::kMidiClock},  {bind(0), 1, tag::kSeqA}, {bind(1), 1, tag::kSeqB}};
constexpr PatchEntry k56[] = {{Allocator::kInMidi, Arp::kOutMidi, code::kArpeggiator}, {Allocator::kInPortamento, 0, tag::kPortamento}, {Allocator::kInLegato, Control::kOutLegato, code::kControl}, {Allocator::kInMono, Control::kOutMono, code::kControl}, {Allocator::kInLastNote, 0, tag::kMonoNoteMode}, {Allocator::kInPassedOn, MidiAdder::kOutPassedOn, code::kMidiAdder}, {Allocator::kInMpeActive, 0, tag::kMpeActive}, {Allocator::kInMpeSwap, 0, tag::kMpeA74}};
constexpr PatchEntry k59[] = {{MpeSwitch::kInBend, 0, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 1, 1, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 2, 2, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 3, 3, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 4, 4, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 5, 5, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 6, 6, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 7, 7, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 8, 8, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 9, 9, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 10, 10, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 11, 11, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 12, 12, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 13, 13, code::kMpeBendSmoother}, {MpeSwitch::kInBend + 14, 14, code::kMpeBendSmoother}, {MpeSwitch::kInPressure, 0, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 1, 1, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 2, 2, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 3, 3, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 4, 4, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 5, 5, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 6, 6, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 7, 7, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 8, 8, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 9, 9, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 10, 10, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 11, 11, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 12, 12, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 13, 13, code::kMpePressureSmoother}, {MpeSwitch::kInPressure + 14, 14, code::kMpePressureSmoother}, {MpeSwitch::kInCc74, 0, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 1, 1, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 2, 2, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 3, 3, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 4, 4, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 5, 5, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 6, 6, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 7, 7, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 8, 8, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 9, 9, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 10, 10, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 11, 11, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 12, 12, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 13, 13, code::kMpeCc74Smoother}, {MpeSwitch::kInCc74 + 14, 14, code::kMpeCc74Smoother}, {MpeSwitch::kInChannel, Allocator::kOutChannel, code::kVoiceAllocator}, {MpeSwitch::kInPressureDepth, 0, tag::kMpeLpfDepth}, {MpeSwitch::kInCc74Depth, 15, code::kPressureTargets}};
constexpr PatchEntry k79[] = {{Osc::kInPitch, Adder::kOutSum, code::kOsc1PitchSum}, {Osc::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Osc::kInSyncSource, kZeroVolts, code::kVoltConstants}, {Osc::kInOutputsInUse, kEvent1, code::kEventConstants}, {Osc::kInOn, kEvent2, code::kEventConstants}, {Osc::kInDrift, 0, tag::kOscDrift}, {Osc::kInWave, 0, tag::kOsc1Wave}, {Osc::kInHarmonics, 0, tag::kOscHarmonics}, {Osc::kInLevel, kOneVolt, code::kVoltConstants}, {Osc::kInRatio, kTenthVolt, code::kVoltConstants}, {Osc::kInPhaseModulation, Adder::kOutSum, code::kOsc1FmSum}, {Osc::kInPulseWidth, Adder::kOutSum, code::kPulseWidthSum}, {Osc::kInRetrigger, 0, tag::kOscRetrig}};
constexpr PatchEntry k1[] = {{kZeroVolts, 0, constant(0)}, {kHalfVolt, 0, constant(5)}, {kOneVolt, 0, constant(10)}, {kTenthVolt, 0, constant(1)}, {kTwentiethVolt, 0, kConstHalf}, {kMiddleCVolts, 0, kConstMinus4_25}, {kMinusHalfVolt, 0, kConstMinus5}, {kOneAndHalfVolts, 0, constant(15)}, {kPoint8Volts, 0, constant(8)}};
constexpr PatchEntry k2[] = {{kEvent0, 0, constant(0)}, {kEvent1, 0, constant(1)}, {kEvent2, 0, constant(2)}, {kEvent18, 0, constant(18)}, {EventConstants::kInMidiChannel, 0, tag::kMidiChannel}};
constexpr PatchEntry k20[] = {{Smoothers::kInChannel, Control::kOutLfo1Rate, code::kControl}, {Smoothers::kInChannel + 1, Control::kOutLfo2Rate, code::kControl}};
constexpr PatchEntry k48[] = {{FadeIn::kInLeft, 0, tag::kLfo1Depth}, {FadeIn::kInGate, Clock::kOutKeyStart, code::kMidiClock}, {FadeIn::kInTime, 0, tag::kLfo1Intro}};
constexpr PatchEntry k49[] = {{Lfo::kInRate, 0, code::kLfoRateSmoother}, {Lfo::kInPhase, 0, tag::kLfo1Phase}, {Lfo::kInGate, Clock::kOutKeyStart, code::kMidiClock}, {Lfo::kInShape, 0, tag::kLfo1Shape}, {Lfo::kInOn, 0, tag::kLfo1OnOff}, {Lfo::kInLevel, FadeIn::kOutLeft, code::kLfo1FadeIn}, {Lfo::kInRetrigger, 0, tag::kLfo1Retrig}};
constexpr PatchEntry k50[] = {{FadeIn::kInLeft, 0, tag::kLfo2Depth}, {FadeIn::kInGate, Clock::kOutKeyStart, code::kMidiClock}, {FadeIn::kInTime, 0, tag::kLfo2Intro}};
constexpr PatchEntry k51[] = {{Lfo::kInRate, 1, code::kLfoRateSmoother}, {Lfo::kInPhase, 0, tag::kLfo2Phase}, {Lfo::kInGate, Clock::kOutKeyStart, code::kMidiClock}, {Lfo::kInShape, 0, tag::kLfo2Shape}, {Lfo::kInOn, 0, tag::kLfo2OnOff}, {Lfo::kInLevel, FadeIn::kOutLeft, code::kLfo2FadeIn}, {Lfo::kInRetrigger, 0, tag::kLfo2Retrig}};
constexpr PatchEntry k52[] = {{Adder::kInSource, 0, tag::kMeltDepth}, {Adder::kInSource + 1, 15, code::kKnobSmoother}, {Adder::kInSource + 10, Lfo::kOutWave, code::kLfo1}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kMelt)}, {Adder::kInSource + 11, Lfo::kOutWave, code::kLfo2}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kMelt)}};
constexpr PatchEntry k54[] = {{LevelAxBCD::kInA, Lfo::kOutWave, code::kLfo1}, {LevelAxBCD::kInB, 0, tag::kLfo1Subtle}};
constexpr PatchEntry k55[] = {{LevelABxCxD::kInA, Lfo::kOutWave, code::kLfo2}, {LevelABxCxD::kInC, 0, tag::kLfo2Subtle}};
constexpr PatchEntry k61[] = {{Envelope::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Envelope::kInAttack, 0, tag::kEnv1Attack}, {Envelope::kInHold, 0, constant(0)}, {Envelope::kInDecay, 0, tag::kEnv1Decay}, {Envelope::kInSustain, 0, tag::kEnv1Sustain}, {Envelope::kInRelease, 0, tag::kEnv1Release}, {Envelope::kInLevel, 0, tag::kEnv1Level}, {Envelope::kInShape, 0, tag::kEnv1Shape}, {Envelope::kInOn, 0, tag::kEnvOnOff}, {Envelope::kInInvert, 0, tag::kEnv1Invert}, {Envelope::kInVelocity, Allocator::kOutVelocity, code::kVoiceAllocator}, {Envelope::kInVelocityAmount, 0, tag::kEnv1Velocity}, {Envelope::kInTimeScale, 0, tag::kEnv1TimeScale}};
constexpr PatchEntry k62[] = {{Envelope::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Envelope::kInAttack, 0, tag::kEnv2Attack}, {Envelope::kInHold, 0, constant(0)}, {Envelope::kInDecay, 0, tag::kEnv2Decay}, {Envelope::kInSustain, 0, tag::kEnv2Sustain}, {Envelope::kInRelease, 0, tag::kEnv2Release}, {Envelope::kInLevel, 0, tag::kEnv2Level}, {Envelope::kInShape, 0, tag::kEnv2Shape}, {Envelope::kInOn, 0, tag::kEnvOnOff}, {Envelope::kInInvert, 0, tag::kEnv2Invert}, {Envelope::kInVelocity, Allocator::kOutVelocity, code::kVoiceAllocator}, {Envelope::kInVelocityAmount, 0, tag::kEnv2Velocity}, {Envelope::kInTimeScale, 0, tag::kEnv2TimeScale}};
constexpr PatchEntry k65[] = {{Adder::kInSource, 10, code::kKnobSmoother}, {Adder::kInSource + 1, Adder::kOutSum, code::kKeyPitchSum}, {Adder::kInTarget + 1, Control::kOutLfo3Track, code::kControl}, {Adder::kInTargetId + 1, 0, constant(kSwitchOn)}};
constexpr PatchEntry k66[] = {{FadeIn::kInLeft, 9, code::kKnobSmoother}, {FadeIn::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {FadeIn::kInTime, 0, tag::kLfo3Intro}};
constexpr PatchEntry k67[] = {{Lfo::kInRate, Adder::kOutSum, code::kLfo3RateSum}, {Lfo::kInPhase, 0, tag::kLfo3Phase}, {Lfo::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Lfo::kInShape, 0, tag::kLfo3Shape}, {Lfo::kInOn, 0, tag::kLfo3OnOff}, {Lfo::kInLevel, FadeIn::kOutLeft, code::kLfo3FadeIn}, {Lfo::kInRetrigger, 0, tag::kLfo3Retrig}};
constexpr PatchEntry k74[] = {{LevelAxBCD::kInA, Lfo::kOutWave, code::kLfo3}, {LevelAxBCD::kInB, Adder::kOutSum, code::kLfo3GainSum}};
constexpr PatchEntry k68[] = {{Envelope::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Envelope::kInAttack, 0, tag::kHfoAttack}, {Envelope::kInHold, 0, constant(0)}, {Envelope::kInDecay, 0, tag::kHfoDecay}, {Envelope::kInSustain, 0, tag::kHfoSustain}, {Envelope::kInRelease, 0, tag::kHfoRelease}, {Envelope::kInLevel, 1, code::kKeyTracking}, {Envelope::kInOn, 0, tag::kHfoOnOff}, {Envelope::kInVelocity, Allocator::kOutVelocity, code::kVoiceAllocator}, {Envelope::kInVelocityAmount, 0, tag::kHfoVelocity}, {Envelope::kInTimeScale, 0, tag::kHfoTimeScale}};
constexpr PatchEntry k69[] = {{Adder::kInSource, Adder::kOutSum, code::kKeyPitchSum}, {Adder::kInOffset, 3, code::kPressureTargets}, {Adder::kInSource + 1, Adder::kOutSum, code::kMeltHfoSum}};
constexpr PatchEntry k71[] = {{Lfo::kInRate, Adder::kOutSum, code::kHfoModSum}, {Lfo::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Lfo::kInShape, Control::kOutHfoShape, code::kControl}, {Lfo::kInLinearRate, 0, constant(0)}, {Lfo::kInOn, 0, tag::kHfoOnOff}, {Lfo::kInLevel, Envelope::kOutLevel, code::kHfoEnv}};
constexpr PatchEntry k77[] = {{Adder::kInSource, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget, 0, tag::kHfoTarget}, {Adder::kInTargetId, 0, constant(hfoTarget::kOsc1Fm)}, {Adder::kInSource + 1, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 1, 0, tag::kHfoTarget}, {Adder::kInTargetId + 1, 0, constant(hfoTarget::kMainFm)}};
constexpr PatchEntry k82[] = {{Adder::kInSource, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget, 0, tag::kHfoTarget}, {Adder::kInTargetId, 0, constant(hfoTarget::kOsc2Fm)}, {Adder::kInSource + 1, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 1, 0, tag::kHfoTarget}, {Adder::kInTargetId + 1, 0, constant(hfoTarget::kMainFm)}};
constexpr PatchEntry k85[] = {{Adder::kInSource, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget, 0, tag::kHfoTarget}, {Adder::kInTargetId, 0, constant(hfoTarget::kSubFm)}, {Adder::kInSource + 1, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 1, 0, tag::kHfoTarget}, {Adder::kInTargetId + 1, 0, constant(hfoTarget::kMainFm)}};
constexpr PatchEntry k31[] = {{Multi::kInA, 0, tag::kBend}, {Multi::kInC, 0, tag::kBendDepth}, {Multi::kInA + 1, 0, tag::kModWheel}, {Multi::kInC + 1, 0, tag::kModToAft}, {Multi::kInA + 2, 0, tag::kMeltDepth}, {Multi::kInC + 2, 0, kConstTenth}, {Multi::kInA + 3, Control::kOutMeltCircuit, code::kControl}, {Multi::kInC + 3, 0, kConstFifth}};
constexpr PatchEntry k32[] = {{Multi::kInA, 0, tag::kPressure}, {Multi::kInB, 1, code::kBendScale}, {Multi::kInC, 0, tag::kAftToTune}, {Multi::kInA + 1, 0, tag::kPressure}, {Multi::kInB + 1, 1, code::kBendScale}, {Multi::kInC + 1, 0, tag::kAftToWidth}, {Multi::kInA + 2, 0, tag::kPressure}, {Multi::kInB + 2, 1, code::kBendScale}, {Multi::kInC + 2, 0, tag::kAftLfo3Rate}, {Multi::kInA + 3, 0, tag::kPressure}, {Multi::kInB + 3, 1, code::kBendScale}, {Multi::kInC + 3, 0, tag::kAftHfoRate}, {Multi::kInA + 4, 0, tag::kPressure}, {Multi::kInB + 4, 1, code::kBendScale}, {Multi::kInC + 4, 0, tag::kAftHfoDepth}, {Multi::kInA + 5, 0, tag::kPressure}, {Multi::kInB + 5, 1, code::kBendScale}, {Multi::kInC + 5, 0, tag::kAftToNoise}, {Multi::kInA + 6, 0, tag::kPressure}, {Multi::kInB + 6, 1, code::kBendScale}, {Multi::kInC + 6, 0, tag::kAftLfo3Depth}, {Multi::kInA + 7, 0, tag::kPressure}, {Multi::kInB + 7, 1, code::kBendScale}, {Multi::kInC + 7, 0, tag::kAftToCut}, {Multi::kInA + 8, 0, tag::kPressure}, {Multi::kInB + 8, 1, code::kBendScale}, {Multi::kInC + 8, 0, tag::kAftToGain}, {Multi::kInA + 9, 0, tag::kPressure}, {Multi::kInB + 9, 1, code::kBendScale}, {Multi::kInC + 9, 0, tag::kAftToMelt}, {Multi::kInA + 10, 2, code::kBendScale}, {Multi::kInC + 10, 3, code::kBendScale}, {Multi::kInA + 11, Control::kOutMeltCutoff, code::kControl}, {Multi::kInC + 11, 0, tag::kMeltDepth}};
constexpr PatchEntry k33[] = {{Multi::kInA, 0, code::kPressureScale}, {Multi::kInB, 0, tag::kAftOnOff}, {Multi::kInA + 1, 1, code::kPressureScale}, {Multi::kInB + 1, 0, tag::kAftOnOff}, {Multi::kInA + 2, 2, code::kPressureScale}, {Multi::kInB + 2, 0, tag::kAftOnOff}, {Multi::kInC + 2, Control::kOutLfo3Rate, code::kControl}, {Multi::kInA + 3, 3, code::kPressureScale}, {Multi::kInB + 3, 0, tag::kAftOnOff}, {Multi::kInC + 3, Control::kOutHfoPitch, code::kControl}, {Multi::kInA + 4, 4, code::kPressureScale}, {Multi::kInB + 4, 0, tag::kAftOnOff}, {Multi::kInC + 4, Control::kOutHfoDepth, code::kControl}, {Multi::kInA + 5, 5, code::kPressureScale}, {Multi::kInB + 5, 0, tag::kAftOnOff}, {Multi::kInA + 6, 6, code::kPressureScale}, {Multi::kInB + 6, 0, tag::kAftOnOff}, {Multi::kInC + 6, 0, tag::kLfo3Depth}, {Multi::kInA + 7, 7, code::kPressureScale}, {Multi::kInB + 7, 0, tag::kAftOnOff}, {Multi::kInA + 8, 8, code::kPressureScale}, {Multi::kInB + 8, 0, tag::kAftOnOff}, {Multi::kInA + 9, 9, code::kPressureScale}, {Multi::kInB + 9, 0, tag::kAftOnOff}, {Multi::kInA + 10, Control::kOutMeltAPitch, code::kControl}, {Multi::kInB + 10, 10, code::kPressureScale}, {Multi::kInA + 11, Control::kOutMeltBWow, code::kControl}, {Multi::kInB + 11, 10, code::kPressureScale}, {Multi::kInA + 12, Control::kOutMeltAPitch, code::kControl}, {Multi::kInB + 12, 11, code::kPressureScale}, {Multi::kInA + 13, Control::kOutMeltBWow, code::kControl}, {Multi::kInB + 13, 11, code::kPressureScale}, {Multi::kInA + 15, 0, tag::kMpeAmpDepth}, {Multi::kInB + 15, 0, kConstFifth}};
constexpr PatchEntry k34[] = {{Smoothers::kInChannel, 0, tag::kOsc1Mix}, {Smoothers::kInChannel + 1, 0, tag::kOsc2Mix}, {Smoothers::kInChannel + 2, 0, tag::kSubOscMix}, {Smoothers::kInChannel + 3, 0, tag::kNoiseMix}, {Smoothers::kInChannel + 4, 0, tag::kMasterPan}, {Smoothers::kInChannel + 5, 0, tag::kOscWidth}, {Smoothers::kInChannel + 11, 0, tag::kLpfCutoff}, {Smoothers::kInChannel + 12, 7, code::kPressureTargets}, {Smoothers::kInChannel + 13, 0, tag::kHpfCutoff}, {Smoothers::kInChannel + 14, 8, code::kPressureTargets}, {Smoothers::kInChannel + 21, Control::kOutResonance, code::kControl}, {Smoothers::kInChannel + 6, 0, code::kPressureTargets}, {Smoothers::kInChannel + 7, 1, code::kPressureTargets}, {Smoothers::kInChannel + 8, 5, code::kPressureTargets}, {Smoothers::kInChannel + 9, 6, code::kPressureTargets}, {Smoothers::kInChannel + 10, 2, code::kPressureTargets}, {Smoothers::kInChannel + 15, 9, code::kPressureTargets}};
constexpr PatchEntry k35[] = {{Smoothers::kInChannel, 10, code::kPressureTargets}, {Smoothers::kInChannel + 1, 11, code::kPressureTargets}, {Smoothers::kInChannel + 2, 12, code::kPressureTargets}, {Smoothers::kInChannel + 3, 13, code::kPressureTargets}, {Smoothers::kInRamp, Control::kOutMeltABlend, code::kControl}, {Smoothers::kInRamp + 1, Control::kOutMeltBWowGlide, code::kControl}, {Smoothers::kInRamp + 2, Control::kOutMeltABlend, code::kControl}, {Smoothers::kInRamp + 3, Control::kOutMeltBWowGlide, code::kControl}};
constexpr PatchEntry k39[] = {{Smoothers::kInChannel, 0, tag::kMpeBendCh1}, {Smoothers::kInChannel + 1, 0, tag::mpeBend(2)}, {Smoothers::kInChannel + 2, 0, tag::mpeBend(3)}, {Smoothers::kInChannel + 3, 0, tag::mpeBend(4)}, {Smoothers::kInChannel + 4, 0, tag::mpeBend(5)}, {Smoothers::kInChannel + 5, 0, tag::mpeBend(6)}, {Smoothers::kInChannel + 6, 0, tag::mpeBend(7)}, {Smoothers::kInChannel + 7, 0, tag::mpeBend(8)}, {Smoothers::kInChannel + 8, 0, tag::mpeBend(9)}, {Smoothers::kInChannel + 9, 0, tag::mpeBend(10)}, {Smoothers::kInChannel + 10, 0, tag::mpeBend(11)}, {Smoothers::kInChannel + 11, 0, tag::mpeBend(12)}, {Smoothers::kInChannel + 12, 0, tag::mpeBend(13)}, {Smoothers::kInChannel + 13, 0, tag::mpeBend(14)}, {Smoothers::kInChannel + 14, 0, tag::mpeBend(15)}};
constexpr PatchEntry k40[] = {{Smoothers::kInChannel, 0, tag::kMpeAftCh1}, {Smoothers::kInChannel + 1, 0, tag::mpeAft(2)}, {Smoothers::kInChannel + 2, 0, tag::mpeAft(3)}, {Smoothers::kInChannel + 3, 0, tag::mpeAft(4)}, {Smoothers::kInChannel + 4, 0, tag::mpeAft(5)}, {Smoothers::kInChannel + 5, 0, tag::mpeAft(6)}, {Smoothers::kInChannel + 6, 0, tag::mpeAft(7)}, {Smoothers::kInChannel + 7, 0, tag::mpeAft(8)}, {Smoothers::kInChannel + 8, 0, tag::mpeAft(9)}, {Smoothers::kInChannel + 9, 0, tag::mpeAft(10)}, {Smoothers::kInChannel + 10, 0, tag::mpeAft(11)}, {Smoothers::kInChannel + 11, 0, tag::mpeAft(12)}, {Smoothers::kInChannel + 12, 0, tag::mpeAft(13)}, {Smoothers::kInChannel + 13, 0, tag::mpeAft(14)}, {Smoothers::kInChannel + 14, 0, tag::mpeAft(15)}};
constexpr PatchEntry k41[] = {{Smoothers::kInChannel, 0, tag::kMpeCc74Ch1}, {Smoothers::kInChannel + 1, 0, tag::mpeCc74(2)}, {Smoothers::kInChannel + 2, 0, tag::mpeCc74(3)}, {Smoothers::kInChannel + 3, 0, tag::mpeCc74(4)}, {Smoothers::kInChannel + 4, 0, tag::mpeCc74(5)}, {Smoothers::kInChannel + 5, 0, tag::mpeCc74(6)}, {Smoothers::kInChannel + 6, 0, tag::mpeCc74(7)}, {Smoothers::kInChannel + 7, 0, tag::mpeCc74(8)}, {Smoothers::kInChannel + 8, 0, tag::mpeCc74(9)}, {Smoothers::kInChannel + 9, 0, tag::mpeCc74(10)}, {Smoothers::kInChannel + 10, 0, tag::mpeCc74(11)}, {Smoothers::kInChannel + 11, 0, tag::mpeCc74(12)}, {Smoothers::kInChannel + 12, 0, tag::mpeCc74(13)}, {Smoothers::kInChannel + 13, 0, tag::mpeCc74(14)}, {Smoothers::kInChannel + 14, 0, tag::mpeCc74(15)}};
constexpr PatchEntry k44[] = {{StepValue::kInIndex, StepCounter::kOutStep, code::kSeqCounter}, {StepValue::kInOn, 0, tag::kSeqOnOff}, {StepValue::kInStep, 0, tag::kSeqA1}, {StepValue::kInStep + 1, 0, tag::kSeqA2}, {StepValue::kInStep + 2, 0, tag::kSeqA3}, {StepValue::kInStep + 3, 0, tag::kSeqA4}, {StepValue::kInStep + 4, 0, tag::kSeqA5}, {StepValue::kInStep + 5, 0, tag::kSeqA6}, {StepValue::kInStep + 6, 0, tag::kSeqA7}, {StepValue::kInStep + 7, 0, tag::kSeqA8}};
constexpr PatchEntry k45[] = {{StepValue::kInIndex, StepCounter::kOutStep, code::kSeqCounter}, {StepValue::kInOn, 0, tag::kSeqOnOff}, {StepValue::kInStep, 0, tag::kSeqB1}, {StepValue::kInStep + 1, 0, tag::kSeqB2}, {StepValue::kInStep + 2, 0, tag::kSeqB3}, {StepValue::kInStep + 3, 0, tag::kSeqB4}, {StepValue::kInStep + 4, 0, tag::kSeqB5}, {StepValue::kInStep + 5, 0, tag::kSeqB6}, {StepValue::kInStep + 6, 0, tag::kSeqB7}, {StepValue::kInStep + 7, 0, tag::kSeqB8}};
constexpr PatchEntry k46[] = {{Multi::kInA, StepValue::kOutValue, code::kSeqStepA}, {Multi::kInB, 0, tag::kSeqAmp}, {Multi::kInA + 1, StepValue::kOutValue, code::kSeqStepB}, {Multi::kInB + 1, 0, tag::kSeqRange}, {Multi::kInA + 2, StepValue::kOutValue, code::kSeqStepB}, {Multi::kInB + 2, 0, tag::kSeqFilter}};
constexpr PatchEntry k47[] = {{Smoothers::kInChannel, 0, code::kSeqScale}, {Smoothers::kInChannel + 1, 1, code::kSeqScale}, {Smoothers::kInChannel + 2, 2, code::kSeqScale}, {Smoothers::kInAllRamps, 0, tag::kSeqGlide}};
constexpr PatchEntry k53[] = {{Adder::kInSource, 2, code::kMeltJumpSmoother}, {Adder::kInTarget, 0, tag::kMeltSystem}, {Adder::kInTargetId, 0, constant(kMeltSystemA)}, {Adder::kInSource + 1, 3, code::kMeltJumpSmoother}, {Adder::kInTarget + 1, 0, tag::kMeltSystem}, {Adder::kInTargetId + 1, 0, constant(kMeltSystemB)}, {Adder::kInSource + 2, 2, code::kSeqGlide}};
constexpr PatchEntry k72[] = {{StaticFilter::kInLeft, Lfo::kOutWave, code::kHfo}, {StaticFilter::kInCutoff1, kPoint8Volts, code::kVoltConstants}, {StaticFilter::kInResonance1, kZeroVolts, code::kVoltConstants}, {StaticFilter::kInDesign1, 0, constant(1)}, {StaticFilter::kInLinear, kEvent0, code::kEventConstants}, {StaticFilter::kInActive, Control::kOutHfoToCutoff, code::kControl}};
constexpr PatchEntry k70[] = {{Adder::kInSource, Adder::kOutSum, code::kHfoPitchSum}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kHfoPitch)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kHfoPitch)}, {Adder::kInSource + 12, Lfo::kOutWave, code::kLfo3}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kHfoPitch)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kHfoPitch)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kHfoPitch)}};
constexpr PatchEntry k73[] = {{Adder::kInOffset, 0, tag::kLfo3Subtle}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kLfo3Depth)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kLfo3Depth)}};
constexpr PatchEntry k36[] = {{Noise::kInLowPass, 0, tag::kNoiseLpf}, {Noise::kInHighPass, 0, tag::kNoiseHpf}, {Noise::kInHold, 0, tag::kNoiseTone}};
constexpr PatchEntry k60[] = {{Glide::kInTimeDown, 0, tag::kPortamento}, {Glide::kInTimeUp, 0, tag::kPortamento}, {Glide::kInPitch, Allocator::kOutPitch, code::kVoiceAllocator}, {Glide::kInStart, Allocator::kOutGlideStart, code::kVoiceAllocator}};
constexpr PatchEntry k63[] = {{FloatToVolt::kInValue, 0, code::kBendScale}};
constexpr PatchEntry k64[] = {{Adder::kInSource, Glide::kOutPitch, code::kPortamento}, {Adder::kInSource + 1, FloatToVolt::kOutValue, code::kBendVolts}, {Adder::kInOffset, 0, tag::kOscOctave}};
constexpr PatchEntry k75[] = {{Adder::kInSource, Adder::kOutSum, code::kKeyPitchSum}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kMainPitch)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kMainPitch)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kMainPitch)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kMainPitch)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kMainPitch)}, {Adder::kInSource + 15, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 15, 0, tag::kHfoTarget}, {Adder::kInTargetId + 15, 0, constant(hfoTarget::kMainPitch)}, {Adder::kInSource + 1, 6, code::kKnobSmoother}, {Adder::kInSource + 2, 0, code::kMeltJumpSmoother}, {Adder::kInTarget + 2, 0, tag::kMeltSystem}, {Adder::kInTargetId + 2, 0, constant(kMeltSystemA)}, {Adder::kInSource + 3, 1, code::kMeltJumpSmoother}, {Adder::kInTarget + 3, 0, tag::kMeltSystem}, {Adder::kInTargetId + 3, 0, constant(kMeltSystemB)}, {Adder::kInSource + 4, MpeSwitch::kOutBend, code::kMpeSwitch}, {Adder::kInSource + 5, 1, code::kSeqGlide}};
constexpr PatchEntry k76[] = {{Adder::kInSource, 5, code::kKnobSmoother}, {Adder::kInSource + 1, 7, code::kKnobSmoother}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kPulseWidth)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kPulseWidth)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kPulseWidth)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kPulseWidth)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kPulseWidth)}, {Adder::kInSource + 15, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 15, 0, tag::kHfoTarget}, {Adder::kInTargetId + 15, 0, constant(hfoTarget::kPulseWidth)}};
constexpr PatchEntry k78[] = {{Adder::kInSource, Adder::kOutSum, code::kMainPitchSum}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kOsc1Pitch)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kOsc1Pitch)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kOsc1Pitch)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kOsc1Pitch)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kOsc1Pitch)}, {Adder::kInSource + 15, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 15, 0, tag::kHfoTarget}, {Adder::kInTargetId + 15, 0, constant(hfoTarget::kOsc1Pitch)}};
constexpr PatchEntry k83[] = {{Adder::kInSource, Adder::kOutSum, code::kMainPitchSum}, {Adder::kInOffset, 0, tag::kWave2Semi}, {Adder::kInOffset + 1, 0, tag::kWave2Tune}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kOsc2Pitch)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kOsc2Pitch)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kOsc2Pitch)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kOsc2Pitch)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kOsc2Pitch)}, {Adder::kInSource + 15, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 15, 0, tag::kHfoTarget}, {Adder::kInTargetId + 15, 0, constant(hfoTarget::kOsc2Pitch)}};
constexpr PatchEntry k84[] = {{Osc::kInPitch, Adder::kOutSum, code::kOsc2PitchSum}, {Osc::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Osc::kInSyncSource, Osc::kOut, code::kOsc1}, {Osc::kInOutputsInUse, kEvent1, code::kEventConstants}, {Osc::kInOn, kEvent2, code::kEventConstants}, {Osc::kInDrift, 0, tag::kOscDrift}, {Osc::kInWave, 0, tag::kOsc2Wave}, {Osc::kInHarmonics, 0, tag::kOscHarmonics}, {Osc::kInLevel, kOneVolt, code::kVoltConstants}, {Osc::kInRatio, kTenthVolt, code::kVoltConstants}, {Osc::kInPhaseModulation, Adder::kOutSum, code::kOsc2FmSum}, {Osc::kInPulseWidth, Adder::kOutSum, code::kPulseWidthSum}, {Osc::kInSyncOn, Control::kOutOscSync, code::kControl}, {Osc::kInRetrigger, 0, tag::kOscRetrig}};
constexpr PatchEntry k87[] = {{Adder::kInSource, Adder::kOutSum, code::kMainPitchSum}, {Adder::kInSource + 15, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 15, 0, tag::kHfoTarget}, {Adder::kInTargetId + 15, 0, constant(hfoTarget::kSubPitch)}};
constexpr PatchEntry k88[] = {{Osc::kInPitch, Adder::kOutSum, code::kSubPitchSum}, {Osc::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Osc::kInSyncSource, kZeroVolts, code::kVoltConstants}, {Osc::kInOutputsInUse, kEvent1, code::kEventConstants}, {Osc::kInOn, kEvent2, code::kEventConstants}, {Osc::kInWave, Control::kOutSubWave, code::kControl}, {Osc::kInHarmonics, 0, tag::kOscHarmonics}, {Osc::kInLevel, kOneVolt, code::kVoltConstants}, {Osc::kInRatio, kTwentiethVolt, code::kVoltConstants}, {Osc::kInPhaseModulation, Adder::kOutSum, code::kSubFmSum}, {Osc::kInPulseWidth, kZeroVolts, code::kVoltConstants}, {Osc::kInRetrigger, 0, tag::kOscRetrig}};
constexpr PatchEntry k89[] = {{Adder::kInSource, 3, code::kKnobSmoother}, {Adder::kInSource + 1, 8, code::kKnobSmoother}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kNoiseLevel)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kNoiseLevel)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kNoiseLevel)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kNoiseLevel)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kNoiseLevel)}};
constexpr PatchEntry k90[] = {{LevelABxC::kInA, Noise::kOutLeft, code::kNoise}, {LevelABxC::kInC, Adder::kOutSum, code::kNoiseMixSum}};
constexpr PatchEntry k91[] = {{Adder::kInSource, 0, code::kKnobSmoother}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kOsc1Level)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kOsc1Level)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kOsc1Level)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kOsc1Level)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kOsc1Level)}, {Adder::kInSource + 15, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 15, 0, tag::kHfoTarget}, {Adder::kInTargetId + 15, 0, constant(hfoTarget::kOsc1Am)}, {Adder::kInSource + 9, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 9, 0, tag::kHfoTarget}, {Adder::kInTargetId + 9, 0, constant(hfoTarget::kMainAm)}};
constexpr PatchEntry k92[] = {{Adder::kInSource, 2, code::kKnobSmoother}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kSubLevel)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kSubLevel)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kSubLevel)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kSubLevel)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kSubLevel)}, {Adder::kInSource + 9, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 9, 0, tag::kHfoTarget}, {Adder::kInTargetId + 9, 0, constant(hfoTarget::kMainAm)}};
constexpr PatchEntry k93[] = {{LevelABxC::kInA, Osc::kOut, code::kSubOsc}, {LevelABxC::kInC, Adder::kOutSum, code::kSubMixSum}};
constexpr PatchEntry k94[] = {{Adder::kInSource, 1, code::kKnobSmoother}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kOsc2Level)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kOsc2Level)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kOsc2Level)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kOsc2Level)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kOsc2Level)}, {Adder::kInSource + 15, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 15, 0, tag::kHfoTarget}, {Adder::kInTargetId + 15, 0, constant(hfoTarget::kOsc2Am)}, {Adder::kInSource + 9, Lfo::kOutWave, code::kHfo}, {Adder::kInTarget + 9, 0, tag::kHfoTarget}, {Adder::kInTargetId + 9, 0, constant(hfoTarget::kMainAm)}};
constexpr PatchEntry k95[] = {{Adder::kInOffset, 0, tag::kLogicSwitch}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kLogicSwitch)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kLogicSwitch)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kLogicSwitch)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kLogicSwitch)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kLogicSwitch)}};
constexpr PatchEntry k96[] = {{OscCombine::kInA, Osc::kOut, code::kOsc1}, {OscCombine::kInALevel, Adder::kOutSum, code::kOsc1MixSum}, {OscCombine::kInB, Osc::kOut, code::kOsc2}, {OscCombine::kInBLevel, Adder::kOutSum, code::kOsc2MixSum}, {OscCombine::kInCrossfade, Osc::kOut, code::kOsc2}, {OscCombine::kInMode, 0, tag::kOscMode}, {OscCombine::kInThreshold, Adder::kOutSum, code::kLogicSum}};
constexpr PatchEntry k98[] = {{LevelAxBCD::kInA, OscCombine::kOutMix, code::kOscCombine}, {LevelAxBCD::kInC, LevelABxC::kOut, code::kSubLevel}, {LevelAxBCD::kInD, LevelABxC::kOut, code::kNoiseLevel}};
constexpr PatchEntry k102[] = {{Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kAmpAttack)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kAmpAttack)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kAmpAttack)}};
constexpr PatchEntry k103[] = {{Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kAmpDecay)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kAmpDecay)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kAmpDecay)}};
constexpr PatchEntry k104[] = {{Envelope::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Envelope::kInAttack, 0, tag::kAmpAttack}, {Envelope::kInHold, 0, constant(0)}, {Envelope::kInDecay, 0, tag::kAmpDecay}, {Envelope::kInSustain, 0, tag::kAmpSustain}, {Envelope::kInRelease, 0, tag::kAmpRelease}, {Envelope::kInShape, 0, tag::kAmpShape}, {Envelope::kInVelocity, Allocator::kOutVelocity, code::kVoiceAllocator}, {Envelope::kInVelocityAmount, 0, tag::kAmpVelocity}, {Envelope::kInTimeScale, 0, tag::kAmpTimeScale}, {Envelope::kInMinimumAttack, 0, kConstThousandth}, {Envelope::kInAttackModulation, Adder::kOutSum, code::kAmpAttackSum}, {Envelope::kInDecayModulation, Adder::kOutSum, code::kAmpDecaySum}};
constexpr PatchEntry k105[] = {{Limiter::kInSignal, LevelAxBCD::kOut, code::kSourceMix}, {Limiter::kInThreshold, kOneVolt, code::kVoltConstants}, {Limiter::kInGain, Adder::kOutSum, code::kLimiterGainSum}, {Limiter::kInKnee, kOneVolt, code::kVoltConstants}, {Limiter::kInMode, Control::kOutPreLimiterGain, code::kControl}, {Limiter::kInMakeUp, kZeroVolts, code::kVoltConstants}, {Limiter::kInMakeUpBlend, 0, kConstPoint4}};
constexpr PatchEntry k58[] = {{Multi::kInA, Allocator::kOutPitch, code::kVoiceAllocator}, {Multi::kInB, kMiddleCVolts, code::kVoltConstants}, {Multi::kInC, 0, tag::kFilterTrack}, {Multi::kInA + 1, 4, code::kPressureTargets}, {Multi::kInC + 1, 0, tag::kHfoLevel}};
constexpr PatchEntry k97[] = {{Adder::kInSource, 0, tag::kGain}, {Adder::kInSource + 1, 14, code::kKnobSmoother}};
constexpr PatchEntry k99[] = {{Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kFilterAttack)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kFilterAttack)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kFilterAttack)}};
constexpr PatchEntry k100[] = {{Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kFilterDecay)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kFilterDecay)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kFilterDecay)}};
constexpr PatchEntry k101[] = {{Envelope::kInGate, Allocator::kOutGate, code::kVoiceAllocator}, {Envelope::kInAttack, 0, tag::kLpfAttack}, {Envelope::kInHold, 0, constant(0)}, {Envelope::kInDecay, 0, tag::kLpfDecay}, {Envelope::kInSustain, 0, tag::kLpfSustain}, {Envelope::kInRelease, 0, tag::kLpfRelease}, {Envelope::kInShape, 0, tag::kLpfShape}, {Envelope::kInInvert, 0, tag::kFilterInvert}, {Envelope::kInVelocity, Allocator::kOutVelocity, code::kVoiceAllocator}, {Envelope::kInVelocityAmount, 0, tag::kLpfVelocity}, {Envelope::kInTimeScale, 0, tag::kLpfTimeScale}, {Envelope::kInAttackModulation, Adder::kOutSum, code::kFilterAttackSum}, {Envelope::kInDecayModulation, Adder::kOutSum, code::kFilterDecaySum}};
constexpr PatchEntry k106[] = {{DualLevel::kInA, Envelope::kOutLevel, code::kFilterEnv}, {DualLevel::kInB, Envelope::kOutLevel, code::kAmpEnv}, {DualLevel::kInC, 0, tag::kFilterEnvLevel}, {DualLevel::kInD, 0, tag::kFilterEnvLevel}};
constexpr PatchEntry k107[] = {{Adder::kInSource, DualLevel::kOutAxC, code::kEnvLevels}, {Adder::kInTarget, 0, tag::kEnvSource}, {Adder::kInTargetId, 0, constant(kEnvSourceLpf)}, {Adder::kInSource + 1, DualLevel::kOutBxD, code::kEnvLevels}, {Adder::kInTarget + 1, 0, tag::kEnvSource}, {Adder::kInTargetId + 1, 0, constant(kEnvSourceAmp)}};
constexpr PatchEntry k108[] = {{FloatToVolt::kInValue, 0, code::kKeyTracking}};
constexpr PatchEntry k109[] = {{Adder::kInSource, 11, code::kKnobSmoother}, {Adder::kInSource + 1, Adder::kOutSum, code::kEnvSourceSum}, {Adder::kInSource + 2, FloatToVolt::kOutValue, code::kKeyTrackVolts}, {Adder::kInSource + 3, 12, code::kKnobSmoother}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kFilterCutoff)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kFilterCutoff)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kFilterCutoff)}, {Adder::kInSource + 13, Envelope::kOutLevel, code::kEnv1}, {Adder::kInTarget + 13, 0, tag::kEnv1Target}, {Adder::kInTargetId + 13, 0, constant(envTarget::kFilterCutoff)}, {Adder::kInSource + 14, Envelope::kOutLevel, code::kEnv2}, {Adder::kInTarget + 14, 0, tag::kEnv2Target}, {Adder::kInTargetId + 14, 0, constant(envTarget::kFilterCutoff)}, {Adder::kInSource + 15, StaticFilter::kOutLeft, code::kHfoCutoffFilter}, {Adder::kInTarget + 15, 0, tag::kHfoTarget}, {Adder::kInTargetId + 15, 0, constant(hfoTarget::kFilterCutoff)}, {Adder::kInMinimum, kTenthVolt, code::kVoltConstants}, {Adder::kInMaximum, kOneVolt, code::kVoltConstants}, {Adder::kInSource + 4, Adder::kOutSum, code::kCutoffOffsetSum}, {Adder::kInSource + 5, MpeSwitch::kOutPressure, code::kMpeSwitch}};
constexpr PatchEntry k111[] = {{Adder::kInSource, Adder::kOutSum, code::kLowPassCutoffSum}, {Adder::kInOffset, 0, tag::kFilter2Offset}, {Adder::kInMinimum, kZeroVolts, code::kVoltConstants}};
constexpr PatchEntry k113[] = {{Adder::kInSource, 13, code::kKnobSmoother}, {Adder::kInMinimum, kZeroVolts, code::kVoltConstants}, {Adder::kInMaximum, kOneVolt, code::kVoltConstants}};
constexpr PatchEntry k112[] = {{Filter::kInLeft, Filter::kOutLeft, code::kLowPass}, {Filter::kInCutoff, Adder::kOutSum, code::kLowPass2CutoffSum}, {Filter::kInResonance, 21, code::kKnobSmoother}, {Filter::kInThird, kZeroVolts, code::kVoltConstants}, {Filter::kInType, 0, tag::kLpfType}, {Filter::kInLinearCutoff, kEvent0, code::kEventConstants}, {Filter::kInCoefficientRate, kEvent1, code::kEventConstants}, {Filter::kInActive, 0, tag::kFilter2Active}, {Filter::kInReset, Allocator::kOutGate, code::kVoiceAllocator}};
constexpr PatchEntry k114[] = {{Filter::kInLeft, Filter::kOutLeft, code::kLowPass2}, {Filter::kInCutoff, Adder::kOutSum, code::kHighPassCutoffSum}, {Filter::kInResonance, 0, tag::kHpfRes}, {Filter::kInType, 0, constant(11)}, {Filter::kInLinearCutoff, kEvent0, code::kEventConstants}, {Filter::kInCoefficientRate, kEvent1, code::kEventConstants}, {Filter::kInReset, Allocator::kOutGate, code::kVoiceAllocator}};
constexpr PatchEntry k115[] = {{Saturation::kInLeft, Filter::kOutLeft, code::kHighPass}, {Saturation::kInDrive, 0, tag::kFilterDrive}, {Saturation::kInAmount, 0, tag::kFilterSaturation}, {Saturation::kInCurve, 0, constant(5)}};
constexpr PatchEntry k116[] = {{XMixVol::kInA, LevelAxBCD::kOut, code::kSourceMix}, {XMixVol::kInB, Saturation::kOutLeft, code::kSaturation}, {XMixVol::kInMix, 0, tag::kFilterAmount}, {XMixVol::kInVolume, Envelope::kOutLevel, code::kAmpEnv}};
constexpr PatchEntry k117[] = {{Limiter::kInSignal, XMixVol::kOut, code::kFilterMix}, {Limiter::kInThreshold, kOneAndHalfVolts, code::kVoltConstants}, {Limiter::kInGain, Adder::kOutSum, code::kLimiterGainSum}, {Limiter::kInKnee, kOneVolt, code::kVoltConstants}, {Limiter::kInMode, Control::kOutPostLimiterGain, code::kControl}, {Limiter::kInMakeUp, kZeroVolts, code::kVoltConstants}};
constexpr PatchEntry k118[] = {{Adder::kInSource, 0, constant(1)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kVolume)}, {Adder::kInMinimum, 0, constant(0)}, {Adder::kInSource + 1, MpeSwitch::kOutCc74, code::kMpeSwitch}};
constexpr PatchEntry k119[] = {{LevelABxC::kInA, Adder::kOutSum, code::kKeyPitchSum}, {LevelABxC::kInB, kMiddleCVolts, code::kVoltConstants}, {LevelABxC::kInC, 0, tag::kPanTracking}};
constexpr PatchEntry k120[] = {{Adder::kInSource, 4, code::kKnobSmoother}, {Adder::kInSource + 1, LevelABxC::kOut, code::kPanTracking}, {Adder::kInMinimum, kMinusHalfVolt, code::kVoltConstants}, {Adder::kInMaximum, kHalfVolt, code::kVoltConstants}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kPanning)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kPanning)}, {Adder::kInSource + 12, LevelAxBCD::kOut, code::kLfo3Level}, {Adder::kInTarget + 12, 0, tag::kLfo3Target}, {Adder::kInTargetId + 12, 0, constant(lfo3Target::kPanning)}};
constexpr PatchEntry k121[] = {{Panner::kInSignal, Limiter::kOut, code::kPostLimiter}, {Panner::kInPan, Adder::kOutSum, code::kPanSum}, {Panner::kInLevel, Adder::kOutSum, code::kVoiceVolumeSum}};
constexpr PatchEntry k110[] = {{Filter::kInLeft, Limiter::kOut, code::kPreLimiter}, {Filter::kInCutoff, Adder::kOutSum, code::kLowPassCutoffSum}, {Filter::kInResonance, 21, code::kKnobSmoother}, {Filter::kInThird, kZeroVolts, code::kVoltConstants}, {Filter::kInType, 0, tag::kLpfType}, {Filter::kInExtraSections, 0, tag::kLpfMode}, {Filter::kInLinearCutoff, kEvent0, code::kEventConstants}, {Filter::kInCoefficientRate, kEvent1, code::kEventConstants}, {Filter::kInReset, Allocator::kOutGate, code::kVoiceAllocator}};
constexpr PatchEntry k123[] = {{Collector::kInLeft, Panner::kOutLeft, code::kPanner}, {Collector::kInRight, Panner::kOutRight, code::kPanner}};
constexpr PatchEntry k124[] = {{Adder::kInSource, 0, constant(1)}, {Adder::kInSource + 1, Adder::kOutSum, code::kMeltLevelSum}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kVolume)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kVolume)}, {Adder::kInMinimum, 0, constant(0)}, {Adder::kInSource + 2, 0, code::kSeqGlide}};
constexpr PatchEntry k125[] = {{StereoLevel::kInLeft, Collector::kOutLeft, code::kVoiceCollector}, {StereoLevel::kInRight, Collector::kOutRight, code::kVoiceCollector}, {StereoLevel::kInLevel, Adder::kOutSum, code::kVoiceSumLevelSum}};
constexpr PatchEntry k133[] = {{DbToGain::kInLevel, 0, tag::kEq1Gain}};
constexpr PatchEntry k134[] = {{Smoother::kInValue, 0, tag::kEq1Width}};
constexpr PatchEntry k135[] = {{EqBand::kInFrequency, 0, tag::kEq1Freq}, {EqBand::kInWidth, Smoother::kOutValue, code::kEq1Width}, {EqBand::kInGain, DbToGain::kOutGain, code::kEq1Gain}, {EqBand::kInActive, 0, tag::kEqActive}};
constexpr PatchEntry k136[] = {{DbToGain::kInLevel, 0, tag::kEq2Gain}};
constexpr PatchEntry k137[] = {{Smoother::kInValue, 0, tag::kEq2Width}};
constexpr PatchEntry k138[] = {{EqBand::kInFrequency, 0, tag::kEq2Freq}, {EqBand::kInWidth, Smoother::kOutValue, code::kEq2Width}, {EqBand::kInGain, DbToGain::kOutGain, code::kEq2Gain}, {EqBand::kInActive, 0, tag::kEqActive}};
constexpr PatchEntry k139[] = {{DbToGain::kInLevel, 0, tag::kEq3Gain}};
constexpr PatchEntry k140[] = {{Smoother::kInValue, 0, tag::kEq3Width}};
constexpr PatchEntry k141[] = {{EqBand::kInFrequency, 0, tag::kEq3Freq}, {EqBand::kInWidth, Smoother::kOutValue, code::kEq3Width}, {EqBand::kInGain, DbToGain::kOutGain, code::kEq3Gain}, {EqBand::kInActive, 0, tag::kEqActive}};
constexpr PatchEntry k142[] = {{Eq::kInSignal, XMix::kOut, code::kChorusMixLeft}, {Eq::kInPosition, Control::kOutPreEchoEq, code::kControl}, {Eq::kInBand, EqBand::kOutCoefficients, code::kEq1Coefficients}, {Eq::kInBand + 1, EqBand::kOutCoefficients + 1, code::kEq1Coefficients}, {Eq::kInBand + 2, EqBand::kOutCoefficients + 2, code::kEq1Coefficients}, {Eq::kInBand + 3, EqBand::kOutCoefficients + 3, code::kEq1Coefficients}, {Eq::kInBand + 4, EqBand::kOutCoefficients + 4, code::kEq1Coefficients}, {Eq::kInBandActive, EqBand::kOutBandActive, code::kEq1Coefficients}, {Eq::kInBand + Eq::kBandStride, EqBand::kOutCoefficients, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 1, EqBand::kOutCoefficients + 1, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 2, EqBand::kOutCoefficients + 2, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 3, EqBand::kOutCoefficients + 3, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 4, EqBand::kOutCoefficients + 4, code::kEq2Coefficients}, {Eq::kInBandActive + Eq::kBandStride, EqBand::kOutBandActive, code::kEq2Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride, EqBand::kOutCoefficients, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 1, EqBand::kOutCoefficients + 1, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 2, EqBand::kOutCoefficients + 2, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 3, EqBand::kOutCoefficients + 3, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 4, EqBand::kOutCoefficients + 4, code::kEq3Coefficients}, {Eq::kInBandActive + 2 * Eq::kBandStride, EqBand::kOutBandActive, code::kEq3Coefficients}};
constexpr PatchEntry k143[] = {{Eq::kInSignal, XMix::kOut, code::kChorusMixRight}, {Eq::kInPosition, Control::kOutPreEchoEq, code::kControl}, {Eq::kInBand, EqBand::kOutCoefficients, code::kEq1Coefficients}, {Eq::kInBand + 1, EqBand::kOutCoefficients + 1, code::kEq1Coefficients}, {Eq::kInBand + 2, EqBand::kOutCoefficients + 2, code::kEq1Coefficients}, {Eq::kInBand + 3, EqBand::kOutCoefficients + 3, code::kEq1Coefficients}, {Eq::kInBand + 4, EqBand::kOutCoefficients + 4, code::kEq1Coefficients}, {Eq::kInBandActive, EqBand::kOutBandActive, code::kEq1Coefficients}, {Eq::kInBand + Eq::kBandStride, EqBand::kOutCoefficients, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 1, EqBand::kOutCoefficients + 1, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 2, EqBand::kOutCoefficients + 2, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 3, EqBand::kOutCoefficients + 3, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 4, EqBand::kOutCoefficients + 4, code::kEq2Coefficients}, {Eq::kInBandActive + Eq::kBandStride, EqBand::kOutBandActive, code::kEq2Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride, EqBand::kOutCoefficients, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 1, EqBand::kOutCoefficients + 1, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 2, EqBand::kOutCoefficients + 2, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 3, EqBand::kOutCoefficients + 3, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 4, EqBand::kOutCoefficients + 4, code::kEq3Coefficients}, {Eq::kInBandActive + 2 * Eq::kBandStride, EqBand::kOutBandActive, code::kEq3Coefficients}};
constexpr PatchEntry k165[] = {{Eq::kInSignal, Shifter::kOut, code::kMeltShiftLeft}, {Eq::kInPosition, Control::kOutPostEchoEq, code::kControl}, {Eq::kInBand, EqBand::kOutCoefficients, code::kEq1Coefficients}, {Eq::kInBand + 1, EqBand::kOutCoefficients + 1, code::kEq1Coefficients}, {Eq::kInBand + 2, EqBand::kOutCoefficients + 2, code::kEq1Coefficients}, {Eq::kInBand + 3, EqBand::kOutCoefficients + 3, code::kEq1Coefficients}, {Eq::kInBand + 4, EqBand::kOutCoefficients + 4, code::kEq1Coefficients}, {Eq::kInBandActive, EqBand::kOutBandActive, code::kEq1Coefficients}, {Eq::kInBand + Eq::kBandStride, EqBand::kOutCoefficients, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 1, EqBand::kOutCoefficients + 1, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 2, EqBand::kOutCoefficients + 2, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 3, EqBand::kOutCoefficients + 3, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 4, EqBand::kOutCoefficients + 4, code::kEq2Coefficients}, {Eq::kInBandActive + Eq::kBandStride, EqBand::kOutBandActive, code::kEq2Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride, EqBand::kOutCoefficients, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 1, EqBand::kOutCoefficients + 1, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 2, EqBand::kOutCoefficients + 2, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 3, EqBand::kOutCoefficients + 3, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 4, EqBand::kOutCoefficients + 4, code::kEq3Coefficients}, {Eq::kInBandActive + 2 * Eq::kBandStride, EqBand::kOutBandActive, code::kEq3Coefficients}};
constexpr PatchEntry k166[] = {{Eq::kInSignal, Shifter::kOut, code::kMeltShiftRight}, {Eq::kInPosition, Control::kOutPostEchoEq, code::kControl}, {Eq::kInBand, EqBand::kOutCoefficients, code::kEq1Coefficients}, {Eq::kInBand + 1, EqBand::kOutCoefficients + 1, code::kEq1Coefficients}, {Eq::kInBand + 2, EqBand::kOutCoefficients + 2, code::kEq1Coefficients}, {Eq::kInBand + 3, EqBand::kOutCoefficients + 3, code::kEq1Coefficients}, {Eq::kInBand + 4, EqBand::kOutCoefficients + 4, code::kEq1Coefficients}, {Eq::kInBandActive, EqBand::kOutBandActive, code::kEq1Coefficients}, {Eq::kInBand + Eq::kBandStride, EqBand::kOutCoefficients, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 1, EqBand::kOutCoefficients + 1, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 2, EqBand::kOutCoefficients + 2, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 3, EqBand::kOutCoefficients + 3, code::kEq2Coefficients}, {Eq::kInBand + Eq::kBandStride + 4, EqBand::kOutCoefficients + 4, code::kEq2Coefficients}, {Eq::kInBandActive + Eq::kBandStride, EqBand::kOutBandActive, code::kEq2Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride, EqBand::kOutCoefficients, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 1, EqBand::kOutCoefficients + 1, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 2, EqBand::kOutCoefficients + 2, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 3, EqBand::kOutCoefficients + 3, code::kEq3Coefficients}, {Eq::kInBand + 2 * Eq::kBandStride + 4, EqBand::kOutCoefficients + 4, code::kEq3Coefficients}, {Eq::kInBandActive + 2 * Eq::kBandStride, EqBand::kOutBandActive, code::kEq3Coefficients}};
constexpr PatchEntry k167[] = {{Smoother::kInValue, Control::kOutMasterVolume, code::kControl}};
constexpr PatchEntry k21[] = {{Smoothers::kInChannel, Control::kOutEchoTime, code::kControl}};
constexpr PatchEntry k22[] = {{Smoothers::kInChannel, Control::kOutChorusMix, code::kControl}, {Smoothers::kInChannel + 1, Control::kOutChorusRate, code::kControl}, {Smoothers::kInChannel + 2, Control::kOutChorusSep, code::kControl}, {Smoothers::kInChannel + 3, Control::kOutChorusDepth, code::kControl}};
constexpr PatchEntry k23[] = {{Smoothers::kInChannel, Control::kOutMeltAPitch, code::kControl}, {Smoothers::kInChannel + 1, Control::kOutMeltAAmp, code::kControl}, {Smoothers::kInAllRamps, Control::kOutMeltABlend, code::kControl}};
constexpr PatchEntry k24[] = {{Smoothers::kInChannel, Control::kOutMeltBWow, code::kControl}, {Smoothers::kInChannel + 1, Control::kOutMeltBFlutter, code::kControl}, {Smoothers::kInRamp, Control::kOutMeltBWowGlide, code::kControl}, {Smoothers::kInRamp + 1, Control::kOutMeltBFlutterGlide, code::kControl}};
constexpr PatchEntry k25[] = {{XMixVol::kInA, 0, code::kMeltBSmoother}, {XMixVol::kInB, 1, code::kMeltBSmoother}, {XMixVol::kInMix, 0, tag::kMeltBSpeedMix}, {XMixVol::kInVolume, 0, tag::kMeltBToPitch}};
constexpr PatchEntry k26[] = {{XMixVol::kInA, 0, code::kMeltBSmoother}, {XMixVol::kInB, 1, code::kMeltBSmoother}, {XMixVol::kInMix, 0, tag::kMeltBSpeedMix}, {XMixVol::kInVolume, 0, tag::kMeltBToAmp}};
constexpr PatchEntry k27[] = {{XMixVol::kInA, 0, code::kMeltBSmoother}, {XMixVol::kInB, 1, code::kMeltBSmoother}, {XMixVol::kInMix, 0, tag::kMeltBSpeedMix}, {XMixVol::kInVolume, 0, tag::kMeltBToHfo}};
constexpr PatchEntry k28[] = {{Adder::kInSource, 0, code::kMeltASmoother}, {Adder::kInTarget, 0, tag::kMeltSystem}, {Adder::kInTargetId, 0, constant(kMeltSystemA)}, {Adder::kInSource + 1, XMixVol::kOut, code::kMeltBPitchMix}, {Adder::kInTarget + 1, 0, tag::kMeltSystem}, {Adder::kInTargetId + 1, 0, constant(kMeltSystemB)}};
constexpr PatchEntry k29[] = {{Adder::kInSource, 1, code::kMeltASmoother}, {Adder::kInTarget, 0, tag::kMeltSystem}, {Adder::kInTargetId, 0, constant(kMeltSystemA)}, {Adder::kInSource + 1, XMixVol::kOut, code::kMeltBAmpMix}, {Adder::kInTarget + 1, 0, tag::kMeltSystem}, {Adder::kInTargetId + 1, 0, constant(kMeltSystemB)}};
constexpr PatchEntry k30[] = {{Adder::kInSource + 1, XMixVol::kOut, code::kMeltBHfoMix}, {Adder::kInTarget + 1, 0, tag::kMeltSystem}, {Adder::kInTargetId + 1, 0, constant(kMeltSystemB)}};
constexpr PatchEntry k126[] = {{FxBus::kInLeft, StereoLevel::kOutLeft, code::kVoiceSumLevel}, {FxBus::kInRight, StereoLevel::kOutRight, code::kVoiceSumLevel}, {FxBus::kInExtLeft, HostAudioIn::kOutLeft, code::kHostAudioIn}, {FxBus::kInExtRight, HostAudioIn::kOutRight, code::kHostAudioIn}, {FxBus::kInExtOn, 0, tag::kExtInput}};
constexpr PatchEntry k127[] = {{Lfo::kInRate, 1, code::kChorusSmoother}, {Lfo::kInOn, Control::kOutChorusOn, code::kControl}};
constexpr PatchEntry k128[] = {{Lfo::kInRate, 2, code::kChorusSmoother}, {Lfo::kInOn, Control::kOutChorusOn, code::kControl}};
constexpr PatchEntry k129[] = {{Chorus::kInSignal, FxBus::kOutMono, code::kEffectBus}, {Chorus::kInModulation, Lfo::kOutWave, code::kChorusLfo1}, {Chorus::kInModulation + 1, Lfo::kOutWave, code::kChorusLfo2}, {Chorus::kInDepth, 3, code::kChorusSmoother}, {Chorus::kInOn, Control::kOutChorusOn, code::kControl}, {Chorus::kInVoiceCount, 0, constant(2)}, {Chorus::kInBaseTime, kEvent0, code::kEventConstants}};
constexpr PatchEntry k130[] = {{Delay::kInSignal, Chorus::kOutVoice + 1, code::kChorus}, {Delay::kInTime, 0, tag::kChorusSpread}, {Delay::kInSize, 0, constant(6)}, {Delay::kInOn, Control::kOutChorusOn, code::kControl}};
constexpr PatchEntry k131[] = {{XMix::kInA, FxBus::kOutLeft, code::kEffectBus}, {XMix::kInB, Chorus::kOutVoice, code::kChorus}, {XMix::kInMix, 0, code::kChorusSmoother}};
constexpr PatchEntry k132[] = {{XMix::kInA, FxBus::kOutRight, code::kEffectBus}, {XMix::kInB, Delay::kOut, code::kChorusDelay}, {XMix::kInMix, 0, code::kChorusSmoother}};
constexpr PatchEntry k145[] = {{StereoLevel::kInLeft, Eq::kOut, code::kPreEchoEqLeft}, {StereoLevel::kInRight, Eq::kOut, code::kPreEchoEqRight}};
constexpr PatchEntry k146[] = {{Adder::kInSource, StereoLevel::kOutLeft, code::kPreEchoLevel}, {Adder::kInSource + 2, StereoLevel::kOutRight, code::kPreEchoLevel}, {Adder::kInTarget + 2, 0, tag::kEchoPong}, {Adder::kInTargetId + 2, 0, constant(kSwitchOn)}, {Adder::kInOn, 0, tag::kEchoOnOff}};
constexpr PatchEntry k147[] = {{Adder::kInSource, StereoLevel::kOutRight, code::kPreEchoLevel}, {Adder::kInTarget, 0, tag::kEchoPong}, {Adder::kInTargetId, 0, constant(kSwitchOff)}, {Adder::kInOn, 0, tag::kEchoOnOff}};
constexpr PatchEntry k148[] = {{StaticFilter::kInLeft, Adder::kOutSum, code::kEchoInputLeft}, {StaticFilter::kInRight, Adder::kOutSum, code::kEchoInputRight}, {StaticFilter::kInCutoff1, 0, tag::kEchoLpf}, {StaticFilter::kInResonance1, kZeroVolts, code::kVoltConstants}, {StaticFilter::kInDesign1, 0, constant(1)}, {StaticFilter::kInLinear, kEvent0, code::kEventConstants}, {StaticFilter::kInSwap, 0, tag::kEchoPong}, {StaticFilter::kInCutoff2, 0, tag::kEchoHpf}, {StaticFilter::kInResonance2, kZeroVolts, code::kVoltConstants}, {StaticFilter::kInDesign2, 0, constant(5)}};
constexpr PatchEntry k149[] = {{Delay::kInSignal, StaticFilter::kOutLeft, code::kEchoFilter}, {Delay::kInTime, 0, code::kEchoTimeSmoother}, {Delay::kInSize, 0, constant(0)}, {Delay::kInOn, 0, tag::kEchoOnOff}};
constexpr PatchEntry k150[] = {{Delay::kInSignal, StaticFilter::kOutRight, code::kEchoFilter}, {Delay::kInTime, 0, code::kEchoTimeSmoother}, {Delay::kInSize, 0, constant(0)}, {Delay::kInOn, 0, tag::kEchoOnOff}};
constexpr PatchEntry k151[] = {{Adder::kInSource, 0, tag::kEchoShift}, {Adder::kInSource + 10, LevelAxBCD::kOut, code::kLfo1Level}, {Adder::kInTarget + 10, 0, tag::kLfo1Target}, {Adder::kInTargetId + 10, 0, constant(lfoTarget::kEchoTune)}, {Adder::kInSource + 11, LevelABxCxD::kOut, code::kLfo2Level}, {Adder::kInTarget + 11, 0, tag::kLfo2Target}, {Adder::kInTargetId + 11, 0, constant(lfoTarget::kEchoTune)}};
constexpr PatchEntry k152[] = {{Shifter::kInSignal, Delay::kOut, code::kEchoLineLeft}, {Shifter::kInPitch, Adder::kOutSum, code::kEchoShiftSum}, {Shifter::kInMode, 0, constant(4)}, {Shifter::kInOn, 0, tag::kEchoOnOff}};
constexpr PatchEntry k153[] = {{XMixVol::kInA, Delay::kOut, code::kEchoLineLeft}, {XMixVol::kInB, Shifter::kOut, code::kEchoShiftLeft}, {XMixVol::kInMix, 0, tag::kEchoPhase}, {XMixVol::kInLaw, kEvent1, code::kEventConstants}, {XMixVol::kInVolume, 0, tag::kEchoFbk}};
constexpr PatchEntry k155[] = {{Adder::kInSource + 1, XMixVol::kOut, code::kEchoRepeatLeft}};
constexpr PatchEntry k156[] = {{Shifter::kInSignal, Delay::kOut, code::kEchoLineRight}, {Shifter::kInPitch, Adder::kOutSum, code::kEchoShiftSum}, {Shifter::kInMode, 0, constant(4)}, {Shifter::kInOn, 0, tag::kEchoOnOff}};
constexpr PatchEntry k157[] = {{XMixVol::kInA, Delay::kOut, code::kEchoLineRight}, {XMixVol::kInB, Shifter::kOut, code::kEchoShiftRight}, {XMixVol::kInMix, 0, tag::kEchoPhase}, {XMixVol::kInLaw, kEvent1, code::kEventConstants}, {XMixVol::kInVolume, 0, tag::kEchoFbk}};
constexpr PatchEntry k160[] = {{StereoDelay::kInLeft, Delay::kOut, code::kEchoLineLeft}, {StereoDelay::kInRight, Delay::kOut, code::kEchoLineRight}, {StereoDelay::kInTime, kEvent18, code::kEventConstants}, {StereoDelay::kInSize, 0, constant(8)}};
constexpr PatchEntry k161[] = {{FxBus::kInLeft, StereoLevel::kOutLeft, code::kPreEchoLevel}, {FxBus::kInRight, StereoLevel::kOutRight, code::kPreEchoLevel}, {FxBus::kInExtLeft, StereoDelay::kOutLeft, code::kEchoTap}, {FxBus::kInExtRight, StereoDelay::kOutRight, code::kEchoTap}, {FxBus::kInExtLevel, 0, tag::kEchoLevel}, {FxBus::kInExtOn, 0, tag::kEchoOnOff}};
constexpr PatchEntry k159[] = {{Adder::kInSource + 1, XMixVol::kOut, code::kEchoRepeatRight}};
constexpr PatchEntry k162[] = {{LevelAxBCD::kInA, Adder::kOutSum, code::kMeltPitchSum}, {LevelAxBCD::kInB, Adder::kOutSum, code::kMeltDepthSum}};
constexpr PatchEntry k163[] = {{Shifter::kInSignal, FxBus::kOutLeft, code::kEchoMix}, {Shifter::kInPitch, LevelAxBCD::kOut, code::kMeltPitchDepth}, {Shifter::kInWindow, 0, tag::kMeltBuffer}, {Shifter::kInMode, 0, constant(1)}, {Shifter::kInLaw, 0, constant(0)}, {Shifter::kInBypass, Control::kOutMeltCircuit, code::kControl}};
constexpr PatchEntry k164[] = {{Shifter::kInSignal, FxBus::kOutRight, code::kEchoMix}, {Shifter::kInPitch, LevelAxBCD::kOut, code::kMeltPitchDepth}, {Shifter::kInWindow, 0, tag::kMeltBuffer}, {Shifter::kInMode, 0, constant(1)}, {Shifter::kInLaw, 0, constant(0)}, {Shifter::kInBypass, Control::kOutMeltCircuit, code::kControl}};
constexpr PatchEntry k168[] = {{StereoLevel::kInLeft, Eq::kOut, code::kPostEchoEqLeft}, {StereoLevel::kInRight, Eq::kOut, code::kPostEchoEqRight}, {StereoLevel::kInLevel, Smoother::kOutValue, code::kMasterSmoother}};
} // namespace

const PatchRow kPatchTable[kPatchRowCount + 1] = {
    /*   0 */ row(code::kHostAudioIn), // Host_AudioIn
    /*   1 */ row(code::kVoltConstants, k1), // FixedValueToVolt: 0, 0.5, 1, 0.1, 0.05, -0.425 (middle C), -0.5, 1.5 V
    /*   2 */ row(code::kEventConstants, k2), // FixedValueToINT_FLOAT: 0, 1 and 2 as events; "Midi Channel"
    /*   3 */ row(code::kHostTempo), // Host_Tempo
    /*   4 */ row(code::kMeltARandomise, k4), // Copy_Paste: "Melt:A Rnd" and the parameters it sets
    /*   5 */ row(code::kMeltBRandomise, k5), // Copy_Paste: "Melt:B Rnd" and the parameters it sets
    /*   6 */ row(code::kOscRandomise, k6), // Copy_Paste: "OSC Rnd" and the parameters it sets
    /*   7 */ row(code::kFilterRandomise, k7), // Copy_Paste: "Filter Rnd" and the parameters it sets
    /*   8 */ row(code::kSeqARandomise, k8), // Copy_Paste: "SEQ Rnd", row A and the parameters it sets
    /*   9 */ row(code::kSeqBRandomise, k9), // Copy_Paste: "SEQ Rnd", row B and the parameters it sets
    /*  10 */ row(code::kLfo1Randomise, k10), // Copy_Paste: "LFO1 Rnd" and the parameters it sets
    /*  11 */ row(code::kLfo2Randomise, k11), // Copy_Paste: "LFO2 Rnd" and the parameters it sets
    /*  12 */ row(code::kLfo3Randomise, k12), // Copy_Paste: "LFO3 Rnd" and the parameters it sets
    /*  13 */ row(code::kHfoRandomise, k13), // Copy_Paste: "HFO Rnd" and the parameters it sets
    /*  14 */ row(code::kEnvRandomise, k14), // Copy_Paste: "Env Rnd" and the parameters it sets
    /*  15 */ row(code::kAftRandomise, k15), // Copy_Paste: "AFT Rnd" and the parameters it sets
    /*  16 */ row(code::kSeqCopyPaste, k16), // Copy_Paste: sequencer copy and paste and the parameters it sets
    /*  17 */ row(code::kOscCopyPaste, k17), // Copy_Paste: oscillator copy and paste and the parameters it sets
    /*  18 */ row(code::kFilterCopyPaste, k18), // Copy_Paste: filter copy and paste and the parameters it sets
    /*  19 */ row(code::kControl, k19), // Tarlix2_Control: every parameter it converts
    /*  20 */ row(code::kLfoRateSmoother, k20), // GUItoV_Glide_Multi: the LFO 1 and 2 rates from the control module
    /*  21 */ row(code::kEchoTimeSmoother, k21), // GUItoV_Glide_Multi: the echo time from the control module
    /*  22 */ row(code::kChorusSmoother, k22), // GUItoV_Glide_Multi: chorus mix, rates and depth from the control module
    /*  23 */ row(code::kMeltASmoother, k23), // GUItoV_Glide_Multi: Melt A pitch and amp, glided over the blend time
    /*  24 */ row(code::kMeltBSmoother, k24), // GUItoV_Glide_Multi: Melt B wow and flutter, each glided over its period
    /*  25 */ row(code::kMeltBPitchMix, k25), // XMixVol: wow/flutter by "Melt B Speed Mix %" x "Melt B to Pitch %"
    /*  26 */ row(code::kMeltBAmpMix, k26), // XMixVol: the same x "Melt B to Amp %"
    /*  27 */ row(code::kMeltBHfoMix, k27), // XMixVol: the same x "Melt B to HFO"
    /*  28 */ row(code::kMeltPitchSum, k28), // Adder: the Melt pitch of the chosen "Melt System"
    /*  29 */ row(code::kMeltLevelSum, k29), // Adder: the Melt level wobble of the chosen system
    /*  30 */ row(code::kMeltHfoSum, k30), // Adder: the Melt B wobble of the HFO pitch (system B only)
    /*  31 */ row(code::kBendScale, k31), // GUI_Multi_ABxC: the bend in volts ("Bend" x "Bend Depth"); the wheel as pressure when "ModToAft"
    /*  32 */ row(code::kPressureScale, k32), // GUI_Multi_ABxC: pressure ("Aft" + the wheel when "ModToAft") x each "Aft to" amount
    /*  33 */ row(code::kPressureTargets, k33), // GUI_Multi_AxB_C: x "Aft On/Off", plus "Lfo3 Depth" and the control module's LFO 3 rate, HFO rate and depth
    /*  34 */ row(code::kKnobSmoother, k34), // GUItoV_Glide_Multi: knob smoothers (source levels, pan, width, cutoff) and pressure amounts
    /*  35 */ row(code::kMeltJumpSmoother, k35), // GUItoV_Glide_Multi: Melt jumps x depth for the voices ("Circuit") and x cutoff amount
    /*  36 */ row(code::kNoise, k36), // Noise: "Noise LPF", "Noise HPF", "Noise Tone"
    /*  37 */ row(code::kMidiAdder, k37), // Midi_Adder: MIDI input (engine value 335)
    /*  38 */ row(code::kMidiClock, k38), // Midi_Sync_Tempo: keys from the adder, host tempo, clock 0 "Seq Rate"/"Seq Half", clock 1 "Arp Rate"/"Arp Half"
    /*  39 */ row(code::kMpeBendSmoother, k39), // GUItoV_Glide_Multi: the 15 MPE pitch bends
    /*  40 */ row(code::kMpePressureSmoother, k40), // GUItoV_Glide_Multi: the 15 MPE pressures
    /*  41 */ row(code::kMpeCc74Smoother, k41), // GUItoV_Glide_Multi: the 15 MPE controller-74 values
    /*  42 */ row(code::kArpeggiator, k42), // Midi_Phrase_Arp: keys, clock 1, tempo, its parameters, the legato switch
    /*  43 */ row(code::kSeqCounter, k43), // Counter_Indexing: length, direction, on, clock 0 and its restart; the step displays
    /*  44 */ row(code::kSeqStepA, k44), // Float_Converter_Switch: the "SeqA" switch of the current step
    /*  45 */ row(code::kSeqStepB, k45), // Float_Converter_Switch: the "SeqB" value of the current step
    /*  46 */ row(code::kSeqScale, k46), // GUI_Multi_AxB_C: A x "Seq Amp", B x "Seq Range", B x "Seq Filter"
    /*  47 */ row(code::kSeqGlide, k47), // GUItoV_Glide_Multi: the sequencer values glided over "Seq Glide"
    /*  48 */ row(code::kLfo1FadeIn, k48), // FadeIn: "Lfo1 Depth" faded in over "Lfo1 Intro (s)"
    /*  49 */ row(code::kLfo1, k49), // LFO: Lfo1
    /*  50 */ row(code::kLfo2FadeIn, k50), // FadeIn: "Lfo2 Depth" faded in over "Lfo2 Intro (s)"
    /*  51 */ row(code::kLfo2, k51), // LFO: Lfo2
    /*  52 */ row(code::kMeltDepthSum, k52), // Adder: Melt depth, "Melt Depth" + pressure + LFO 1 and 2 aimed at "Melt"
    /*  53 */ row(code::kCutoffOffsetSum, k53), // Adder: cutoff offset for every voice, Melt of the chosen system + sequencer
    /*  54 */ row(code::kLfo1Level, k54), // Level_AxB_CD: Lfo1 x "Lfo1 Subtle"
    /*  55 */ row(code::kLfo2Level, k55), // Level_ABxCxD: Lfo2 x "Lfo2 Subtle"
    /*  56 */ row(code::kVoiceAllocator, k56), // Midi_to_Poly_Gen2: as listed for the voice allocator
    /*  57 */ groupBegin(20),
    /*  58 */ row(code::kKeyTracking, k58), // GUI_Multi_ABxC: key tracking, (key pitch - middle C) x "Filter Track"
    /*  59 */ row(code::kMpeSwitch, k59), // MPE_Switch: the 15 smoothed bend, pressure and CC74 streams; the voice's channel
    /*  60 */ row(code::kPortamento, k60), // Glide_F: "Portamento (ms)" both ways, the voice's pitch and glide start
    /*  61 */ row(code::kEnv1, k61), // HAHDSR_Env: Env1
    /*  62 */ row(code::kEnv2, k62), // HAHDSR_Env: Env2
    /*  63 */ row(code::kBendVolts, k63), // Float_to_Volt: the bend as a signal for the pitch sum
    /*  64 */ row(code::kKeyPitchSum, k64), // Adder: key pitch (glided key + bend + "Osc Octave")
    /*  65 */ row(code::kLfo3RateSum, k65), // Adder: LFO 3 rate, plus the key pitch when "Lfo3 Track"
    /*  66 */ row(code::kLfo3FadeIn, k66), // FadeIn: "Lfo3 Depth" with pressure, restarted by the gate
    /*  67 */ row(code::kLfo3, k67), // LFO: Lfo3, retriggered by the gate
    /*  68 */ row(code::kHfoEnv, k68), // HAHDSR_Env: the HFO envelope, its level the HFO depth
    /*  69 */ row(code::kHfoPitchSum, k69), // Adder: HFO pitch (key pitch + "HFO Oct", "HFO Semi", "HFO Tune")
    /*  70 */ row(code::kHfoModSum, k70), // Adder: HFO pitch with the LFOs and envelopes aimed at "HFO - Pitch"
    /*  71 */ row(code::kHfo, k71), // LFO: the HFO, at audio rate from its pitch (row 70), shape from the control module
    /*  72 */ row(code::kHfoCutoffFilter, k72), // BiQuad_Static: smooths the HFO on its way to the cutoff (target "Filter Cutoff")
    /*  73 */ row(code::kLfo3GainSum, k73), // Adder: LFO 3's gain, "Lfo3 Subtle" + envelopes aimed at "LFO 3 - Depth"
    /*  74 */ row(code::kLfo3Level, k74), // Level_AxB_CD: Lfo3 x its gain (row 73)
    /*  75 */ row(code::kMainPitchSum, k75), // Adder: main pitch with the LFO and envelope targets "Main Pitch"
    /*  76 */ row(code::kPulseWidthSum, k76), // Adder: pulse width ("Osc Width %", smoothed) and its modulation
    /*  77 */ row(code::kOsc1FmSum, k77), // Adder: oscillator 1 phase modulation (HFO "Osc1 - FM", "Main FM")
    /*  78 */ row(code::kOsc1PitchSum, k78), // Adder: oscillator 1 pitch and its modulation
    /*  79 */ row(code::kOsc1, k79), // OSC_Multi_Out_x8: as listed for oscillator 1
    /*  80 */ row(code::kNoiseLevel), // Level_ABxC
    /*  81 */ row(code::kSpareAdder), // Adder
    /*  82 */ row(code::kOsc2FmSum, k82), // Adder: oscillator 2 phase modulation (HFO "Osc2 - FM", "Main FM")
    /*  83 */ row(code::kOsc2PitchSum, k83), // Adder: oscillator 2 pitch (+ "Wave 2 Semi", "Wave 2 Tune") and its modulation
    /*  84 */ row(code::kOsc2, k84), // OSC_Multi_Out_x8: oscillator 2, synced to oscillator 1
    /*  85 */ row(code::kSubFmSum, k85), // Adder: sub-oscillator phase modulation (HFO "Sub - FM", "Main FM")
    /*  86 */ row(code::kSpareAdder2), // Adder
    /*  87 */ row(code::kSubPitchSum, k87), // Adder: sub-oscillator pitch
    /*  88 */ row(code::kSubOsc, k88), // OSC_Multi_Out_x8: the sub-oscillator, an octave down
    /*  89 */ row(code::kNoiseMixSum, k89), // Adder: noise level ("Noise Mix")
    /*  90 */ row(code::kNoiseLevel, k90), // Level_ABxC: noise x its level
    /*  91 */ row(code::kOsc1MixSum, k91), // Adder: oscillator 1 level ("Osc1 Mix")
    /*  92 */ row(code::kSubMixSum, k92), // Adder: sub-oscillator level ("SubOsc Mix")
    /*  93 */ row(code::kSubLevel, k93), // Level_ABxC: sub-oscillator x its level
    /*  94 */ row(code::kOsc2MixSum, k94), // Adder: oscillator 2 level ("Osc2 Mix")
    /*  95 */ row(code::kLogicSum, k95), // Adder: logic threshold ("Logic Switch")
    /*  96 */ row(code::kOscCombine, k96), // Tarlix2_OSC_Combine: oscillators 1 and 2 by "Osc Mode"
    /*  97 */ row(code::kLimiterGainSum, k97), // Adder: the limiters' gain, "Gain" + pressure
    /*  98 */ row(code::kSourceMix, k98), // Level_AxB_CD: source mix of combiner, sub-oscillator and noise
    /*  99 */ row(code::kFilterAttackSum, k99), // Adder: LFOs aimed at "Filter - Attack"
    /* 100 */ row(code::kFilterDecaySum, k100), // Adder: LFOs aimed at "Filter - Decay"
    /* 101 */ row(code::kFilterEnv, k101), // HAHDSR_Env: the filter envelope
    /* 102 */ row(code::kAmpAttackSum, k102), // Adder: LFOs aimed at "Amp - Attack"
    /* 103 */ row(code::kAmpDecaySum, k103), // Adder: LFOs aimed at "Amp - Decay"
    /* 104 */ row(code::kAmpEnv, k104), // HAHDSR_Env: the amplitude envelope
    /* 105 */ row(code::kPreLimiter, k105), // Soft_Limiter: pre-filter limiter
    /* 106 */ row(code::kEnvLevels, k106), // Dual_Level: filter and amplitude envelopes x "Filter Env Level"
    /* 107 */ row(code::kEnvSourceSum, k107), // Adder: the envelope "Env Source" picks
    /* 108 */ row(code::kKeyTrackVolts, k108), // Float_to_Volt: key tracking as a signal
    /* 109 */ row(code::kLowPassCutoffSum, k109), // Adder: low-pass cutoff, held within 0.1..1 V
    /* 110 */ row(code::kLowPass, k110), // Multi_Filter: the low-pass, "LPF Type" and "LPF Mode"
    /* 111 */ row(code::kLowPass2CutoffSum, k111), // Adder: second low-pass cutoff, "Filter2 Offset (Semi)" below
    /* 112 */ row(code::kLowPass2, k112), // Multi_Filter: second low-pass, one section, "Filter2 Active"
    /* 113 */ row(code::kHighPassCutoffSum, k113), // Adder: high-pass cutoff
    /* 114 */ row(code::kHighPass, k114), // Multi_Filter: high-pass (type 11), "HPF Res"
    /* 115 */ row(code::kSaturation, k115), // Saturation: curve 5, "Filter Drive %" and "Filter Saturation %"
    /* 116 */ row(code::kFilterMix, k116), // XMixVol: dry/filtered by "Filter %", times the amplitude envelope
    /* 117 */ row(code::kPostLimiter, k117), // Soft_Limiter: post limiter
    /* 118 */ row(code::kVoiceVolumeSum, k118), // Adder: the voice's volume, 1 + LFO 3 aimed at "Volume"
    /* 119 */ row(code::kPanTracking, k119), // Level_ABxC: (key pitch - middle C) x "Pan Tracking %"
    /* 120 */ row(code::kPanSum, k120), // Adder: pan ("Master Pan", tracking, LFOs), held within -0.5..0.5
    /* 121 */ row(code::kPanner, k121), // Panner: the voice to stereo
    /* 122 */ groupEnd(),
    /* 123 */ row(code::kVoiceCollector, k123), // Poly_to_Mono: the 20 panners' two outputs
    /* 124 */ row(code::kVoiceSumLevelSum, k124), // Adder: the summed voices' level, 1 + LFO 1 and 2 aimed at "Volume"
    /* 125 */ row(code::kVoiceSumLevel, k125), // ST_Level: level of the summed voices
    /* 126 */ row(code::kEffectBus, k126), // Level_FX_BUS: the voice sum with the host's input when "Ext Input"
    /* 127 */ row(code::kChorusLfo1, k127), // LFO: chorus voice 1
    /* 128 */ row(code::kChorusLfo2, k128), // LFO: chorus voice 2 ("Chorus Sep %")
    /* 129 */ row(code::kChorus, k129), // Chorus3v: two voices of the mono bus, depth from "Chorus Depth (ms)"
    /* 130 */ row(code::kChorusDelay, k130), // Delay: voice 2 later by "Chorus Spread (ms)"
    /* 131 */ row(code::kChorusMixLeft, k131), // XMix: left, dry and voice 1 by "Chorus Mix %"
    /* 132 */ row(code::kChorusMixRight, k132), // XMix: right, dry and voice 2
    /* 133 */ row(code::kEq1Gain, k133), // FdB_to_VFGain: "EQ 1 Gain dB" to band gain
    /* 134 */ row(code::kEq1Width, k134), // GUItoV_Glide: "EQ 1 Width" smoothed
    /* 135 */ row(code::kEq1Coefficients, k135), // BiQuad_Coeff: band 1 ("EQ 1 Freq Hz", width, gain, "EQ Active")
    /* 136 */ row(code::kEq2Gain, k136), // FdB_to_VFGain: "EQ 2 Gain dB"
    /* 137 */ row(code::kEq2Width, k137), // GUItoV_Glide: "EQ 2 Width"
    /* 138 */ row(code::kEq2Coefficients, k138), // BiQuad_Coeff: band 2
    /* 139 */ row(code::kEq3Gain, k139), // FdB_to_VFGain: "EQ 3 Gain dB"
    /* 140 */ row(code::kEq3Width, k140), // GUItoV_Glide: "EQ 3 Width"
    /* 141 */ row(code::kEq3Coefficients, k141), // BiQuad_Coeff: band 3
    /* 142 */ row(code::kPreEchoEqLeft, k142), // BiQuad_Multi_Engine: equaliser before the echo, left
    /* 143 */ row(code::kPreEchoEqRight, k143), // BiQuad_Multi_Engine: equaliser before the echo, right
    /* 144 */ row(code::kSpareLevel), // Level_AxB_CD
    /* 145 */ row(code::kPreEchoLevel, k145), // ST_Level: the dry signal after the equaliser before the echo
    /* 146 */ row(code::kEchoInputLeft, k146), // Adder: left echo input (with the right one when "Echo Pong"), "Echo OnOff"
    /* 147 */ row(code::kEchoInputRight, k147), // Adder: right echo input (none when "Echo Pong")
    /* 148 */ row(code::kEchoFilter, k148), // BiQuad_Static: "Echo LPF" and "Echo HPF", crossed when "Echo Pong"
    /* 149 */ row(code::kEchoLineLeft, k149), // Delay: left echo line
    /* 150 */ row(code::kEchoLineRight, k150), // Delay: right echo line
    /* 151 */ row(code::kEchoShiftSum, k151), // Adder: echo shift, "Echo Shift" + LFOs aimed at "Echo - Tune"
    /* 152 */ row(code::kEchoShiftLeft, k152), // PitchShifter: left echo shift
    /* 153 */ row(code::kEchoRepeatLeft, k153), // XMixVol: left repeat and its shifted copy by "Echo Phase", x "Echo FBK"
    /* 154 */ rewire(code::kEchoInputLeft),
    /* 155 */ entries(k155), // echo feedback: the shifted repeat back into the left input sum
    /* 156 */ row(code::kEchoShiftRight, k156), // PitchShifter: right echo shift
    /* 157 */ row(code::kEchoRepeatRight, k157), // XMixVol: right repeat
    /* 158 */ rewire(code::kEchoInputRight),
    /* 159 */ entries(k159), // the same for the right input sum
    /* 160 */ row(code::kEchoTap, k160), // Delay_ST: the echo lines 18 ms later
    /* 161 */ row(code::kEchoMix, k161), // Level_FX_BUS: dry + echo x "Echo Level"^2 while "Echo OnOff"
    /* 162 */ row(code::kMeltPitchDepth, k162), // Level_AxB_CD: Melt pitch x depth
    /* 163 */ row(code::kMeltShiftLeft, k163), // PitchShifter: Melt, left ("Tape"; bypassed for "Circuit")
    /* 164 */ row(code::kMeltShiftRight, k164), // PitchShifter: Melt, right
    /* 165 */ row(code::kPostEchoEqLeft, k165), // BiQuad_Multi_Engine: equaliser after the echo, left
    /* 166 */ row(code::kPostEchoEqRight, k166), // BiQuad_Multi_Engine: equaliser after the echo, right
    /* 167 */ row(code::kMasterSmoother, k167), // GUItoV_Glide: master level smoother (control output 0)
    /* 168 */ row(code::kMasterLevel, k168), // ST_Level: the equaliser after the echo and the master level
    /* end */ {kPatchEndMark, 0, nullptr, 0},
};
// clang-format on

} // namespace tarlix
