// Names of the engine values: the tags shared by the parameters, the internal values and the
// editor's controls. Each name comes from the control layout table's name for that tag (units
// and punctuation dropped: "LPF Cutoff" -> kLpfCutoff, "Lfo1 Rate(Hz)" -> kLfo1Rate; "Filter %"
// becomes kFilterAmount, and controls that share a name take their section's: kSeqCopy); a
// control without a name is named after what its tooltip says. The list carries the text it was
// named from, so a test can hold the two tables together.
#pragma once

namespace tarlix::tag {

// X(name, tag, text): text is the layout row's name, or its tooltip's first line when it has none;
// nullptr for an engine value that has no control.
// clang-format off
#define TARLIX_TAGS(X) \
    X(kBankFile, 0, "BankFile") \
    X(kText1, 1, "text1") \
    X(kText2, 2, "text2") \
    X(kDataStorage1, 3, "zDataStorage1") \
    X(kDataStorage2, 4, "zDataStorage2") \
    X(kDataStore2k1, 5, "zDataStore2k1") \
    X(kLfo1OnOff, 6, "Lfo1 On/Off") \
    X(kLfo1Retrig, 7, "Lfo1 Retrig") \
    X(kLfo1Shape, 8, "Lfo1 Shape") \
    X(kLfo1Intro, 9, "Lfo1 Intro (s)") \
    X(kLfo1Target, 10, "Lfo1 Target") \
    X(kLfo1Rate, 11, "Lfo1 Rate(Hz)") \
    X(kLfo1Beat, 12, "Lfo1 Beat") \
    X(kLfo1Sync, 13, "Lfo1 Sync") \
    X(kLfo1Phase, 14, "Lfo1 Phase %") \
    X(kLfo1Depth, 15, "Lfo1 Depth") \
    X(kLfo1Subtle, 16, "Lfo1 Subtle") \
    X(kLfo2OnOff, 17, "Lfo2 On/Off") \
    X(kLfo2Retrig, 18, "Lfo2 Retrig") \
    X(kLfo2Shape, 19, "Lfo2 Shape") \
    X(kLfo2Intro, 20, "Lfo2 Intro (s)") \
    X(kLfo2Target, 21, "Lfo2 Target") \
    X(kLfo2Rate, 22, "Lfo2 Rate") \
    X(kLfo2Beat, 23, "Lfo2 Beat") \
    X(kLfo2Sync, 24, "Lfo2 Sync") \
    X(kLfo2Phase, 25, "Lfo2 Phase %") \
    X(kLfo2Depth, 26, "Lfo2 Depth") \
    X(kLfo2Subtle, 27, "Lfo2 Subtle") \
    X(kLfo3OnOff, 28, "Lfo3 On/Off") \
    X(kLfo3Retrig, 29, "Lfo3 Retrig") \
    X(kLfo3Shape, 30, "Lfo3 Shape") \
    X(kLfo3Intro, 31, "Lfo3 Intro (s)") \
    X(kLfo3Target, 32, "Lfo3 Target") \
    X(kLfo3Rate, 33, "Lfo3 Rate") \
    X(kLfo3Beat, 34, "Lfo3 Beat") \
    X(kLfo3Sync, 35, "Lfo3 Sync") \
    X(kLfo3Phase, 36, "Lfo3 Phase %") \
    X(kLfo3Depth, 37, "Lfo3 Depth") \
    X(kLfo3Subtle, 38, "Lfo3 Subtle") \
    X(kLfo3Track, 39, "Lfo3 Track") \
    X(kHfoOnOff, 40, "Hfo On/Off") \
    X(kHfoTarget, 41, "HFO Target") \
    X(kHfoShape, 42, "HFO Shape") \
    X(kHfoDepth, 43, "HFO Depth") \
    X(kHfoOct, 44, "HFO Oct") \
    X(kHfoSemi, 45, "HFO Semi") \
    X(kHfoTune, 46, "HFO Tune (cents)") \
    X(kHfoAttack, 47, "HFO Attack (s)") \
    X(kHfoDecay, 48, "HFO Decay (s)") \
    X(kHfoSustain, 49, "HFO Sustain %") \
    X(kHfoRelease, 50, "HFO Release (s)") \
    X(kHfoTimeScale, 51, "HFO Time Scale %") \
    X(kHfoVelocity, 52, "HFO Velocity %") \
    X(kHfoLevel, 53, "HFO Level") \
    X(kAftOnOff, 54, "Aft On/Off") \
    X(kAftToTune, 55, "Aft to Tune") \
    X(kAftToWidth, 56, "Aft to Width") \
    X(kAftToCut, 57, "Aft to Cut") \
    X(kAftToNoise, 58, "Aft to Noise") \
    X(kAftToGain, 59, "Aft to Gain") \
    X(kAftToMelt, 60, "Aft to Melt") \
    X(kAftLfo3Depth, 61, "Aft Lfo3 Depth") \
    X(kAftLfo3Rate, 62, "Aft Lfo3 Rate") \
    X(kAftHfoDepth, 63, "Aft HFO Depth") \
    X(kOsc1Wave, 64, "Osc1 Wave") \
    X(kOsc2Wave, 65, "Osc2 Wave") \
    X(kOscMode, 66, "Osc Mode") \
    X(kOscOctave, 67, "Osc Octave") \
    X(kWave2Semi, 68, "Wave 2 Semi") \
    X(kWave2Tune, 69, "Wave 2 Tune") \
    X(kOscDrift, 70, "Osc Drift") \
    X(kOscWidth, 71, "Osc Width %") \
    X(kPortamento, 72, "Portamento (ms)") \
    X(kSubOscWave, 73, "SubOsc Wave") \
    X(kExtInput, 74, "Ext Input") \
    X(kOsc1Mix, 75, "Osc1 Mix") \
    X(kOsc2Mix, 76, "Osc2 Mix") \
    X(kSubOscMix, 77, "SubOsc Mix") \
    X(kNoiseMix, 78, "Noise Mix") \
    X(kNoiseLpf, 79, "Noise LPF") \
    X(kNoiseHpf, 80, "Noise HPF") \
    X(kFilterAmount, 81, "Filter %") \
    X(kLpfType, 82, "LPF Type") \
    X(kLpfCutoff, 83, "LPF Cutoff") \
    X(kLpfResonance, 84, "LPF Resonance") \
    X(kHpfCutoff, 85, "HPF Cutoff") \
    X(kFilterTrack, 86, "Filter Track") \
    X(kFilterInvert, 87, "Filter Invert") \
    X(kLpfAttack, 88, "LPF Attack (s)") \
    X(kLpfDecay, 89, "LPF Decay (s)") \
    X(kLpfSustain, 90, "LPF Sustain %") \
    X(kLpfRelease, 91, "LPF Release (s)") \
    X(kLpfTimeScale, 92, "LPF Time Scale %") \
    X(kLpfVelocity, 93, "LPF Velocity %") \
    X(kFilterEnvLevel, 94, "Filter Env Level") \
    X(kEnvOnOff, 95, "Env On/Off") \
    X(kEnv1Attack, 96, "Env1 Attack (s)") \
    X(kEnv1Decay, 97, "Env1 Decay (s)") \
    X(kEnv1Sustain, 98, "Env1 Sustain %") \
    X(kEnv1Release, 99, "Env1 Release (s)") \
    X(kEnv1TimeScale, 100, "Env1 Time Scale %") \
    X(kEnv1Velocity, 101, "Env1 Velocity %") \
    X(kEnv1Level, 102, "Env1 Level") \
    X(kEnv1Invert, 103, "Env1 Invert") \
    X(kEnv1Target, 104, "Env1 Target") \
    X(kEnv2Attack, 105, "Env2 Attack (s)") \
    X(kEnv2Decay, 106, "Env2 Decay (s)") \
    X(kEnv2Sustain, 107, "Env2 Sustain %") \
    X(kEnv2Release, 108, "Env2 Release (s)") \
    X(kEnv2TimeScale, 109, "Env2 Time Scale %") \
    X(kEnv2Velocity, 110, "Env2 Velocity %") \
    X(kEnv2Level, 111, "Env2 Level") \
    X(kEnv2Invert, 112, "Env2 Invert") \
    X(kEnv2Target, 113, "Env2 Target") \
    X(kAmpAttack, 114, "Amp Attack (s)") \
    X(kAmpDecay, 115, "Amp Decay (s)") \
    X(kAmpSustain, 116, "Amp Sustain %") \
    X(kAmpRelease, 117, "Amp Release (s)") \
    X(kAmpTimeScale, 118, "Amp Time Scale %") \
    X(kAmpVelocity, 119, "Amp Velocity %") \
    X(kPlayMode, 120, "Play Mode") \
    X(kGain, 121, "Gain") \
    X(kMasterPan, 122, "Master Pan") \
    X(kMasterVolume, 123, "Master Volume %") \
    X(kArpOnOff, 124, "Arp OnOff") \
    X(kArpHold, 125, "Arp Hold") \
    X(kArpMode, 126, "Arp Mode") \
    X(kArpRange, 127, "Arp Range") \
    X(kArpRate, 128, "Arp Rate") \
    X(kArpVel, 129, "Arp Vel") \
    X(kArpGate, 130, "Arp Gate %") \
    X(kSeqOnOff, 131, "Seq OnOff") \
    X(kSeqDir, 132, "Seq Dir") \
    X(kSeqRate, 133, "Seq Rate") \
    X(kSeqLength, 134, "Seq Length") \
    X(kSeqA1, 135, "SeqA 1") \
    X(kSeqA2, 136, "SeqA 2") \
    X(kSeqA3, 137, "SeqA 3") \
    X(kSeqA4, 138, "SeqA 4") \
    X(kSeqA5, 139, "SeqA 5") \
    X(kSeqA6, 140, "SeqA 6") \
    X(kSeqA7, 141, "SeqA 7") \
    X(kSeqA8, 142, "SeqA 8") \
    X(kSeqRange, 143, "Seq Range") \
    X(kSeqB1, 144, "SeqB 1") \
    X(kSeqB2, 145, "SeqB 2") \
    X(kSeqB3, 146, "SeqB 3") \
    X(kSeqB4, 147, "SeqB 4") \
    X(kSeqB5, 148, "SeqB 5") \
    X(kSeqB6, 149, "SeqB 6") \
    X(kSeqB7, 150, "SeqB 7") \
    X(kSeqB8, 151, "SeqB 8") \
    X(kSeqFilter, 152, "Seq Filter") \
    X(kSeqAmp, 153, "Seq Amp") \
    X(kMeltAMode, 154, "Melt A Mode") \
    X(kMeltDepth, 155, "Melt Depth") \
    X(kMeltAPitch, 156, "Melt A Pitch") \
    X(kMeltABlend, 157, "Melt A Blend") \
    X(kMeltAJump, 158, "Melt A Jump") \
    X(kMeltASpeed, 159, "Melt A Speed (Hz)") \
    X(kMeltAAmp, 160, "Melt A Amp") \
    X(kMeltBuffer, 161, "Melt Buffer") \
    X(kEchoOnOff, 162, "Echo OnOff") \
    X(kEchoPong, 163, "Echo Pong") \
    X(kOscRetrig, 164, "Osc Retrig") \
    X(kEchoRate, 165, "Echo Rate") \
    X(kEchoShift, 166, "Echo Shift") \
    X(kEchoPhase, 167, "Echo Phase") \
    X(kEchoLength, 168, "Echo Length") \
    X(kEchoFbk, 169, "Echo FBK") \
    X(kEchoLpf, 170, "Echo LPF") \
    X(kEchoHpf, 171, "Echo HPF") \
    X(kEchoLevel, 172, "Echo Level") \
    X(kEchoStep, 173, "Echo Step") \
    X(kLpfShape, 174, "LPF Shape") \
    X(kSeqGlide, 175, "Seq Glide") \
    X(kAmpShape, 176, "Amp Shape") \
    X(kLogicSwitch, 177, "Logic Switch") \
    X(kFilter2Offset, 178, "Filter2 Offset (Semi)") \
    X(kFilter2Active, 179, "Filter2 Active") \
    X(kLpfMode, 180, "LPF Mode") \
    X(kGainMode, 181, "Gain Mode") \
    X(kEnvSource, 182, "Env Source") \
    X(kHpfRes, 183, "HPF Res") \
    X(kBendDepth, 184, "Bend Depth") \
    X(kModToAft, 185, "ModToAft") \
    X(kChoMode, 186, "Cho Mode") \
    X(kChorusDepth, 187, "Chorus Depth (ms)") \
    X(kChorusRate, 188, "Chorus Rate (Hz)") \
    X(kChorusSep, 189, "Chorus Sep %") \
    X(kChorusMelt, 190, "Chorus Melt %") \
    X(kChorusMix, 191, "Chorus Mix %") \
    X(kChorusSpread, 192, "Chorus Spread (ms)") \
    X(kPanTracking, 193, "Pan Tracking %") \
    X(kArpHalf, 194, "Arp Half") \
    X(kSeqHalf, 195, "Seq Half") \
    X(kEq1Freq, 196, "EQ 1 Freq Hz") \
    X(kEq1Gain, 197, "EQ 1 Gain dB") \
    X(kEq1Width, 198, "EQ 1 Width") \
    X(kEq2Freq, 199, "EQ 2 Freq Hz") \
    X(kEq2Gain, 200, "EQ 2 Gain dB") \
    X(kEq2Width, 201, "EQ 2 Width") \
    X(kEq3Freq, 202, "EQ 3 Freq Hz") \
    X(kEq3Gain, 203, "EQ 3 Gain dB") \
    X(kEq3Width, 204, "EQ 3 Width") \
    X(kEqActive, 205, "EQ Active") \
    X(kPrePostEq, 206, "Pre-Post EQ") \
    X(kVersion, 207, "Version") \
    X(kFilterSaturation, 208, "Filter Saturation %") \
    X(kFilterDrive, 209, "Filter Drive %") \
    X(kEchoDotted, 210, "Echo Dotted") \
    X(kMidiChannel, 211, "Midi Channel") \
    X(kOscRnd, 212, "OSC Rnd") \
    X(kFilterRnd, 213, "Filter Rnd") \
    X(kSeqRnd, 214, "SEQ Rnd") \
    X(kLfo1Rnd, 215, "LFO1 Rnd") \
    X(kLfo2Rnd, 216, "LFO2 Rnd") \
    X(kLfo3Rnd, 217, "LFO3 Rnd") \
    X(kHfoRnd, 218, "HFO Rnd") \
    X(kEnvRnd, 219, "Env Rnd") \
    X(kAftRnd, 220, "AFT Rnd") \
    X(kMeltARnd, 221, "Melt:A Rnd") \
    X(kMonoNoteMode, 222, "Mono Note Mode") \
    X(kMeltSystem, 223, "Melt System") \
    X(kMeltBWow, 224, "Melt B Wow (Hz)") \
    X(kMeltBFlutter, 225, "Melt B Flutter (Hz)") \
    X(kMeltBSpeedMix, 226, "Melt B Speed Mix %") \
    X(kMeltBToPitch, 227, "Melt B to Pitch %") \
    X(kMeltBToAmp, 228, "Melt B to Amp %") \
    X(kMeltBToHfo, 229, "Melt B to HFO") \
    X(kOscHarmonics, 230, "Osc Harmonics") \
    X(kMeltBRnd, 231, "Melt:B Rnd") \
    X(kMpeActive, 232, "MPE Active") \
    X(kMpeA74, 233, "MPE A:74") \
    X(kNoiseTone, 234, "Noise Tone") \
    X(kEnv1Shape, 235, "Env1 Shape") \
    X(kEnv2Shape, 236, "Env2 Shape") \
    X(kMeltACutoff, 237, "Melt A Cutoff") \
    X(kMeltBCutoff, 238, "Melt B Cutoff") \
    X(kAftHfoRate, 239, "Aft HFO Rate") \
    X(kMpeLpfDepth, 240, "MPE: LPF Depth") \
    X(kMpeAmpDepth, 241, "MPE: AMP Depth") \
    X(kZoom, 331, "Zoom") \
    X(kMidiInput, 335, nullptr) \
    X(kGlobalNumber, 336, "Global#") \
    X(kGlobalName, 337, "GlobalNm") \
    X(kPressure, 338, "Aft") \
    X(kBend, 339, "Bend") \
    X(kModWheel, 340, "Mod") \
    X(kOscSection, 341, "oscillator section object") \
    X(kFilterSection, 342, "filter section object") \
    X(kSeqSection, 343, "sequencer section object") \
    X(kLfo1Section, 344, "LFO 1 section object") \
    X(kLfo2Section, 345, "LFO 2 section object") \
    X(kLfo3Section, 346, "LFO 3 section object") \
    X(kHfoSection, 347, "HFO section object") \
    X(kEnvSection, 348, "envelope section object") \
    X(kAftSection, 349, "aftertouch section object") \
    X(kMeltASection, 350, "Melt A section object") \
    X(kMeltBSection, 351, "Melt B section object") \
    X(kCreditsButton, 352, "Click to Open Credits and Links Panel") \
    X(kClosePanel, 353, "Close Panel") \
    X(kEqDisplay, 354, "Drag a band: left-right frequency, up-down gain") \
    X(kLfo1Panel, 355, "Lfo1 Panel") \
    X(kLfo2Panel, 356, "Lfo2 Panel") \
    X(kLfo3Panel, 357, "Lfo3 Panel") \
    X(kHfoPanel, 358, "Hfo Panel") \
    X(kEnvelopesPanel, 359, "Envelopes Panel") \
    X(kAftertouchPanel, 360, "Aftertouch Panel") \
    X(kMeltPanel, 361, "Melt Panel") \
    X(kChorusPanel, 362, "Chorus Panel") \
    X(kEqPanel, 363, "3 Band EQ Panel") \
    X(kMeltPicture, 365, "Melt sub-division picture") \
    X(kSeqCopy, 366, "Copy") \
    X(kSeqPaste, 367, "Paste") \
    X(kCopyPreset, 368, "Copy P") \
    X(kPastePreset, 369, "Paste P") \
    X(kOscCopy, 370, "Copy") \
    X(kOscPaste, 371, "Paste") \
    X(kFilterCopy, 372, "Copy") \
    X(kFilterPaste, 373, "Paste") \
    X(kLoadSEQ, 374, "LoadSEQ") \
    X(kSaveSEQ, 375, "SaveSEQ") \
    X(kLoadOSC, 376, "LoadOSC") \
    X(kSaveOSC, 377, "SaveOSC") \
    X(kLoadFILTER, 378, "LoadFILTER") \
    X(kSaveFILTER, 379, "SaveFILTER") \
    X(kLoadECHO, 380, "LoadECHO") \
    X(kSaveECHO, 381, "SaveECHO") \
    X(kMeltSystemAButton, 382, "Melt System A") \
    X(kMeltSystemBButton, 383, "Melt System B") \
    X(kMeltPanelB, 384, "Melt Panel B") \
    X(kBlockDuration, 385, nullptr) \
    X(kBankPicture, 387, "Bank Picture") \
    X(kWebLink1, 388, "WLink") \
    X(kWebLink2, 389, "WLink") \
    X(kPresetUp, 392, "Preset Up") \
    X(kPresetDown, 393, "Preset Down") \
    X(kLoadPreset, 398, "Load Single Sound Preset") \
    X(kSavePreset, 399, "Save Single Sound Preset") \
    X(kBankOptions, 400, "Bank and Midi:CC Options") \
    X(kPresetName, 401, "Preset Name") \
    X(kSeqA, 402, "Seq A") \
    X(kSeqB, 403, "Seq B") \
    X(kMpeBendCh1, 404, "MPE:Bend#1") \
    X(kMpeAftCh1, 419, "MPE:Aft#1") \
    X(kMpeCc74Ch1, 434, "MPE:CC74#1") \
    X(kImagePopup, 449, "image pop-up") \
    X(kMidiLearnDialog, 450, "Midi Learn:")
// clang-format on

#define TARLIX_TAG_CONSTANT(name, number, text) constexpr int name = number;
TARLIX_TAGS(TARLIX_TAG_CONSTANT)
#undef TARLIX_TAG_CONSTANT

// The MPE values of member channels 1..15 follow each first one in order.
constexpr int kMpeMemberChannels = 15;
constexpr int mpeBend(int channel) {
    return kMpeBendCh1 + channel - 1;
}
constexpr int mpeAft(int channel) {
    return kMpeAftCh1 + channel - 1;
}
constexpr int mpeCc74(int channel) {
    return kMpeCc74Ch1 + channel - 1;
}

} // namespace tarlix::tag
