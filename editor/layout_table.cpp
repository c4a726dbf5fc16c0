// The control layout table: every control, directive and parameter of the instrument.
// Parameter columns (name, kind, ranges, options, global flag) are the instrument's
// definitions; positions, bitmaps and tooltips are the editor's design (bitmaps drawn by
// tools/art). Rows marked "filler" are no-op directive slots that keep row numbers.
#include "editor/layout_table.h"

namespace tarlix {

namespace {
constexpr uint32_t G = kLayoutGlobalBit;
} // namespace

// One row per line with its row number: the table is read by row.
// clang-format off
const LayoutRecord kLayoutTable[kLayoutRowCount] = {
    /*   0 */ {0, 150, -1, 0, 0, "BG.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // background
    /*   1 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*   2 */ {3, 67, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 100.0f, "zDataStorage1", nullptr, nullptr},
    /*   3 */ {4, 67, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 100.0f, "zDataStorage2", nullptr, nullptr},
    /*   4 */ {5, 67, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 100.0f, "zDataStore2k1", nullptr, nullptr},
    /*   5 */ {0, 156, 0, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // font: Liberation Sans 18
    /*   6 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0
    /*   7 */ {0, 151, 0, 150, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 150 x 24
    /*   8 */ {337, 56, -1, 706, 9, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "GlobalNm", nullptr, "Name of the parameter last touched"},
    /*   9 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 87 x 24
    /*  10 */ {336, 55, -1, 860, 9, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Global#", nullptr, "Value of the parameter last touched\nDouble-click to type a value"},
    /*  11 */ {120, 32, -1, 648, 329, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Play Mode", "Mono,Legato,Poly,", "Master Play Mode"},
    /*  12 */ {184, 32, -1, 648, 292, nullptr, 1.0f, 48.0f, 0.833333f, 40.0f, "Bend Depth", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,", "Pitch Bend Range (semitones)"},
    /*  13 */ {185, 32, -1, 740, 292, nullptr, 0.0f, 1.0f, 0.0f, 10.0f, "ModToAft", "Normal,Aftertouch,", "Mod Wheel Routing\nNormal or as Aftertouch"},
    /*  14 */ {0, 152, -1, 29, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // knob frames 29
    /*  15 */ {72, 3, -1, 754, 328, "Knob.png", 0.0f, 1000.0f, 0.0f, 1000.0f, "Portamento (ms)", nullptr, "Portamento Time(ms)"},
    /*  16 */ {122, 0, -1, 816, 176, "Knob.png", -100.0f, 100.0f, -5.0f, 5.0f, "Master Pan", nullptr, "Master Pan"},
    /*  17 */ {193, 0, -1, 864, 176, "Knob.png", -100.0f, 100.0f, -20.0f, 20.0f, "Pan Tracking %", nullptr, "Pan Tracking\nSpreads voices by key"},
    /*  18 */ {123, 0, -1, 768, 176, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Master Volume %", nullptr, "Master Volume"},
    /*  19 */ {154, 32, -1, 762, 402, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Melt A Mode", "Circuit,Tape,", "Melt A Mode\nCircuit or Tape"},
    /*  20 */ {155, 0, -1, 854, 397, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Melt Depth", nullptr, "Melt Depth"},
    /*  21 */ {223, 29, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Melt System", "A,B,", nullptr},
    /*  22 */ {382, 28, -1, 892, 403, "Btn_MeltA.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt System A"},
    /*  23 */ {383, 28, -1, 916, 403, "Btn_MeltB.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt System B"},
    /*  24 */ {0, 155, 0, 751, 504, nullptr, 0.15f, 1.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // slide: Melt drawer rests at (751, 504)
    /*  25 */ {1, 158, -1, 751, 434, "Melt_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 1
    /*  26 */ {361, 30, -1, 113, 3, "Btn_Open.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt Panel\nClick here to access hidden controls"},
    /*  27 */ {0, 152, -1, 31, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // knob frames 31
    /*  28 */ {156, 0, -1, 8, 48, "Melt_Slider.png", 0.0f, 100.0f, 5.0f, 15.0f, "Melt A Pitch", nullptr, "Melt A Pitch"},
    /*  29 */ {158, 0, -1, 8, 80, "Melt_Slider.png", 0.0f, 100.0f, 0.0f, 5.0f, "Melt A Jump", nullptr, "Melt A Jump"},
    /*  30 */ {160, 0, -1, 8, 112, "Melt_Slider.png", 0.0f, 100.0f, 0.0f, 20.0f, "Melt A Amp", nullptr, "Melt A Amp"},
    /*  31 */ {157, 0, -1, 80, 48, "Melt_Slider.png", 100.0f, 750.0f, 100.0f, 750.0f, "Melt A Blend", nullptr, "Melt A Blend"},
    /*  32 */ {159, 3, -1, 80, 80, "Melt_Slider.png", 3.0f, 30.0f, 30.0f, 300.0f, "Melt A Speed (Hz)", nullptr, "Melt A Speed (Hz)"},
    /*  33 */ {161, 0, -1, 80, 112, "Melt_Slider.png", 0.0f, 100.0f, 25.0f, 75.0f, "Melt Buffer", nullptr, "Melt Buffer"},
    /*  34 */ {237, 26, -1, 80, 138, "Switch.png", 0.0f, 10.0f, 0.0f, 80.0f, "Melt A Cutoff", nullptr, "Melt A Cutoff"},
    /*  35 */ {20, 159, -1, 0, 22, "Melt_PanelB.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 20 (hidden until shown)
    /*  36 */ {224, 3, -1, 8, 26, "Melt_Slider.png", 1.0f, 15.0f, 10.0f, 150.0f, "Melt B Wow (Hz)", nullptr, "Melt B Wow (Hz)"},
    /*  37 */ {225, 3, -1, 8, 58, "Melt_Slider.png", 15.0f, 30.0f, 150.0f, 300.0f, "Melt B Flutter (Hz)", nullptr, "Melt B Flutter (Hz)"},
    /*  38 */ {226, 0, -1, 8, 90, "Melt_Slider_Mix.png", 0.0f, 100.0f, -5.0f, 5.0f, "Melt B Speed Mix %", nullptr, "Melt B Speed Mix\nWow against Flutter"},
    /*  39 */ {227, 3, -1, 80, 26, "Melt_Slider.png", 0.0f, 100.0f, 0.0f, 0.166667f, "Melt B to Pitch %", nullptr, "Melt B to Pitch %"},
    /*  40 */ {228, 0, -1, 80, 58, "Melt_Slider.png", 0.0f, 100.0f, 0.0f, 12.5f, "Melt B to Amp %", nullptr, "Melt B to Amp %"},
    /*  41 */ {229, 0, -1, 80, 90, "Melt_Slider.png", 0.0f, 100.0f, 0.0f, 0.25f, "Melt B to HFO", nullptr, "Melt B to HFO"},
    /*  42 */ {238, 26, -1, 80, 116, "Switch.png", 0.0f, 10.0f, 0.0f, 150.0f, "Melt B Cutoff", nullptr, "Melt B Cutoff"},
    /*  43 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 20
    /*  44 */ {0, 152, -1, 29, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // knob frames 29
    /*  45 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 1
    /*  46 */ {221 | G, 27, -1, 951, 380, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "Melt:A Rnd", nullptr, "Randomise Melt A Controls"},
    /*  47 */ {21, 159, -1, 951, 380, "", 30.0f, 14.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 21 (hidden until shown)
    /*  48 */ {231 | G, 27, -1, 0, 0, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "Melt:B Rnd", nullptr, "Randomise Melt B Controls"},
    /*  49 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 21
    /*  50 */ {350, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt A section object"},
    /*  51 */ {351, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt B section object"},
    /*  52 */ {384, 30, -1, 944, 403, "Btn_PageB.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt Panel B\nShows the Melt B controls"},
    /*  53 */ {186, 26, -1, 850, 296, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "Cho Mode", nullptr, "Chorus On/Off"},
    /*  54 */ {0, 155, 0, 634, 505, nullptr, 0.20f, 1.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // slide: chorus drawer rests at (634, 505)
    /*  55 */ {2, 158, -1, 634, 375, "Cho_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 2
    /*  56 */ {362, 30, -1, 46, 0, "Btn_Open.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Chorus Panel\nClick here to access hidden controls"},
    /*  57 */ {187, 3, -1, 5, 16, "Knob_sm.png", 0.0f, 5.0f, 0.0f, 5.0f, "Chorus Depth (ms)", nullptr, "Chorus Depth (ms)"},
    /*  58 */ {188, 3, -1, 37, 16, "Knob_sm.png", 0.1f, 15.0f, 0.1f, 15.0f, "Chorus Rate (Hz)", nullptr, "Chorus Rate (Hz)"},
    /*  59 */ {189, 0, -1, 5, 58, "Knob_sm.png", 0.0f, 100.0f, 10.0f, 2.5f, "Chorus Sep %", nullptr, "Chorus Separation %"},
    /*  60 */ {190, 0, -1, 37, 58, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Chorus Melt %", nullptr, "Chorus Melt %\nMelt into the chorus"},
    /*  61 */ {192, 3, -1, 5, 100, "Knob_sm.png", 0.0f, 50.0f, 0.0f, 50.0f, "Chorus Spread (ms)", nullptr, "Chorus Spread (ms)"},
    /*  62 */ {191, 0, -1, 37, 100, "Knob_sm.png", 0.0f, 100.0f, -5.0f, 5.0f, "Chorus Mix %", nullptr, "Chorus Mix %"},
    /*  63 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 2
    /*  64 */ {365, 78, 1, 634, 517, "Melt_SubD.png", 1.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt sub-division picture"},
    /*  65 */ {387, 138, -1, 902, 540, "DefBankImg.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Bank Picture\nAn image beside the bank file shows here"},
    /*  66 */ {80, 159, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 80 (hidden until shown)
    /*  67 */ {449, 77, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "image pop-up"},
    /*  68 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 80
    /*  69 */ {0 | G, 57, -1, -500, -500, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "BankFile", "---", nullptr},
    /*  70 */ {400, 28, -1, 590, 11, "Btn_Bank.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Bank and Midi:CC Options"},
    /*  71 */ {398, 28, -1, 502, 11, "Btn_LoadP.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Load Single Sound Preset"},
    /*  72 */ {399, 28, -1, 546, 11, "Btn_SaveP.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Save Single Sound Preset"},
    /*  73 */ {242, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  74 */ {243, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  75 */ {244, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  76 */ {245, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  77 */ {246, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  78 */ {247, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  79 */ {248, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  80 */ {249, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  81 */ {250, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  82 */ {251, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  83 */ {252, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  84 */ {253, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  85 */ {254, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  86 */ {255, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  87 */ {256, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  88 */ {257, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  89 */ {258, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  90 */ {259, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  91 */ {260, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  92 */ {261, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  93 */ {262, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  94 */ {263, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  95 */ {264, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  96 */ {265, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /*  97 */ {368 | G, 27, -1, 712, 586, "copy.png", 0.0f, 10.0f, 0.0f, 10.0f, "Copy P", nullptr, "Click To Copy This Whole Preset"},
    /*  98 */ {369, 27, -1, 712, 608, "paste.png", 0.0f, 10.0f, 0.0f, 10.0f, "Paste P", nullptr, "Click To Replace This Preset"},
    /*  99 */ {393, 27, -1, 228, 11, "Btn_Prev.png", 0.0f, 10.0f, 0.0f, 10.0f, "Preset Down", nullptr, "Previous Preset"},
    /* 100 */ {392, 27, -1, 476, 11, "Btn_Next.png", 0.0f, 10.0f, 0.0f, 10.0f, "Preset Up", nullptr, "Next Preset"},
    /* 101 */ {0, 151, 0, 220, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 220 x 24
    /* 102 */ {401, 83, -1, 252, 9, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Preset Name", nullptr, "Preset Selection\nRight Click To Change Preset Name"},
    /* 103 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 87 x 24
    /* 104 */ {338, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Aft", nullptr, nullptr},
    /* 105 */ {339, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, -1.0f, 1.0f, "Bend", nullptr, nullptr},
    /* 106 */ {340, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Mod", nullptr, nullptr},
    /* 107 */ {0, 151, 0, 92, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 92 x 24
    /* 108 */ {64, 32, -1, 14, 79, nullptr, 0.0f, 14.0f, 0.0f, 14.0f, "Osc1 Wave", "Sine,Saw,Soft Ramp,Triangle,Peak,Cluster,Organ,Square,Pulse,Inv.Saw,Bell,Vox,Vox2,Vox3,Funk,", "Oscillator 1 Waveform"},
    /* 109 */ {65, 32, -1, 14, 117, nullptr, 0.0f, 14.0f, 0.0f, 14.0f, "Osc2 Wave", "Sine,Saw,Soft Ramp,Triangle,Peak,Cluster,Organ,Square,Pulse,Inv.Saw,Bell,Vox,Vox2,Vox3,Funk,", "Oscillator 2 Waveform"},
    /* 110 */ {73, 32, -1, 14, 155, nullptr, 0.0f, 6.0f, 0.0f, 6.0f, "SubOsc Wave", "Sine,Square,Triangle,Vox,Vox2,Vox3,Funk,", "Sub Oscillator Waveform"},
    /* 111 */ {164, 26, -1, 122, 160, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "Osc Retrig", nullptr, "Oscillator Retrigger\nRestart the waves on every note"},
    /* 112 */ {66, 32, -1, 14, 193, nullptr, 0.0f, 6.0f, 0.0f, 6.0f, "Osc Mode", "Mix,And,Or,Xor,Ring,Sync,X-wave,", "Oscillator Mode\nHow oscillator 2 meets oscillator 1"},
    /* 113 */ {8, 159, -1, 120, 188, "Logic_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 8 (hidden until shown)
    /* 114 */ {177, 0, -1, 14, 2, "Knob_sm.png", 0.0f, 50.0f, 0.0f, 5.0f, "Logic Switch", nullptr, "Logic Switch Level"},
    /* 115 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 8
    /* 116 */ {66, 142, 8, 1, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 66 item 1 shows panel 8
    /* 117 */ {66, 142, 8, 2, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 66 item 2 shows panel 8
    /* 118 */ {66, 142, 8, 3, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 66 item 3 shows panel 8
    /* 119 */ {0, 151, 0, 54, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 54 x 24
    /* 120 */ {67, 32, -1, 110, 79, nullptr, -2.0f, 3.0f, -2.0f, 3.0f, "Osc Octave", "-2,-1,0,1,2,3,", "Oscillator Octave"},
    /* 121 */ {68, 32, -1, 110, 117, nullptr, -12.0f, 12.0f, -1.0f, 1.0f, "Wave 2 Semi", "-12,-11,-10,-9,-8,-7,-6,-5,-4,-3,-2,-1,0,1,2,3,4,5,6,7,8,9,10,11,12,", "Oscillator 2 Semitones"},
    /* 122 */ {70, 0, -1, 196, 188, "Knob.png", 0.0f, 100.0f, 0.0f, 0.08333f, "Osc Drift", nullptr, "Oscillator Drift\nSlow random detune"},
    /* 123 */ {71, 0, -1, 196, 72, "Knob.png", 0.0f, 95.0f, 0.0f, 9.5f, "Osc Width %", nullptr, "Pulse Width %"},
    /* 124 */ {69, 0, -1, 196, 130, "Knob.png", -50.0f, 50.0f, -0.0416667f, 0.0416667f, "Wave 2 Tune", nullptr, "Oscillator 2 Fine Tune (cents)"},
    /* 125 */ {376, 27, -1, 180, 48, "Btn_Load.png", 0.0f, 10.0f, 0.0f, 10.0f, "LoadOSC", nullptr, "Load Oscillator Preset"},
    /* 126 */ {377, 27, -1, 212, 48, "Btn_Save.png", 0.0f, 10.0f, 0.0f, 10.0f, "SaveOSC", nullptr, "Save Oscillator Preset"},
    /* 127 */ {212 | G, 27, -1, 84, 48, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "OSC Rnd", nullptr, "Randomise Oscillator Controls"},
    /* 128 */ {341, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "oscillator section object"},
    /* 129 */ {370, 27, -1, 116, 48, "Btn_Copy.png", 0.0f, 10.0f, 0.0f, 10.0f, "Copy", nullptr, "Click To Copy Osc+Mixer settings"},
    /* 130 */ {371, 27, -1, 148, 48, "Btn_Paste.png", 0.0f, 10.0f, 0.0f, 10.0f, "Paste", nullptr, "Click To Paste Osc+Mixer settings into this Preset"},
    /* 131 */ {372, 27, -1, 620, 48, "Btn_Copy.png", 0.0f, 10.0f, 0.0f, 10.0f, "Copy", nullptr, "Click To Copy Filter settings"},
    /* 132 */ {373, 27, -1, 652, 48, "Btn_Paste.png", 0.0f, 10.0f, 0.0f, 10.0f, "Paste", nullptr, "Click To Paste Filter settings into this Preset"},
    /* 133 */ {81, 32, -1, 520, 139, nullptr, 5.0f, -2.5f, 5.0f, -2.5f, "Filter %", "100%,87%,75%,62%,50%,37%,25%,", "Filter 2 Cutoff Ratio"},
    /* 134 */ {82, 32, -1, 406, 139, nullptr, 1.0f, 10.0f, 1.0f, 10.0f, "LPF Type", "A,B,C,D,E,F,G,H,Acid,Milk,", "Low-pass Filter Type"},
    /* 135 */ {180, 32, -1, 463, 139, nullptr, 0.0f, 1.0f, 1.0f, 0.0f, "LPF Mode", "24dB,12dB,", "Low-pass Slope"},
    /* 136 */ {83, 0, -1, 406, 70, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "LPF Cutoff", nullptr, "Low-pass Cutoff"},
    /* 137 */ {84, 0, -1, 454, 70, "Knob.png", 0.0f, 100.0f, 0.0f, 9.0f, "LPF Resonance", nullptr, "Low-pass Resonance"},
    /* 138 */ {85, 0, -1, 502, 70, "Knob.png", 0.0f, 100.0f, 0.0f, 7.0f, "HPF Cutoff", nullptr, "High-pass Cutoff"},
    /* 139 */ {94, 0, -1, 550, 70, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Filter Env Level", nullptr, "Filter Envelope Amount"},
    /* 140 */ {121, 0, -1, 700, 180, "Knob_sm.png", 0.0f, 100.0f, 10.0f, 100.0f, "Gain", nullptr, "Filter Input Gain"},
    /* 141 */ {181, 32, -1, 691, 139, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Gain Mode", "Post,Pre,Off,", "Gain Stage Position"},
    /* 142 */ {178, 0, -1, 652, 180, "Knob_sm.png", 0.0f, 24.0f, 0.0f, -2.0f, "Filter2 Offset (Semi)", nullptr, "Filter 2 Offset (semitones)"},
    /* 143 */ {179, 26, -1, 554, 232, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "Filter2 Active", nullptr, "Filter 2 On/Off"},
    /* 144 */ {182, 32, -1, 634, 139, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Env Source", "LPF,AMP,", "Filter Envelope Source\nIts own envelope or the amp envelope"},
    /* 145 */ {183, 26, -1, 480, 232, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "HPF Res", nullptr, "High-pass Resonance On/Off"},
    /* 146 */ {87, 26, -1, 406, 232, "Switch.png", 0.0f, 2.0f, 0.0f, 2.0f, "Filter Invert", nullptr, "Filter Envelope Invert"},
    /* 147 */ {86, 0, -1, 598, 70, "Knob.png", -100.0f, 100.0f, -10.0f, 10.0f, "Filter Track", nullptr, "Filter Key Tracking %"},
    /* 148 */ {208, 0, -1, 694, 70, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Filter Saturation %", nullptr, "Filter Saturation %"},
    /* 149 */ {209, 0, -1, 646, 70, "Knob.png", -50.0f, 100.0f, 5.0f, 20.0f, "Filter Drive %", nullptr, "Filter Drive %"},
    /* 150 */ {88, 3, -1, 406, 180, "Knob_sm.png", 0.0f, 10.0f, 0.0f, 10.0f, "LPF Attack (s)", nullptr, "Filter Envelope Attack (s)"},
    /* 151 */ {89, 3, -1, 444, 180, "Knob_sm.png", 0.0f, 10.0f, 0.0f, 10.0f, "LPF Decay (s)", nullptr, "Filter Envelope Decay (s)"},
    /* 152 */ {90, 3, -1, 482, 180, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "LPF Sustain %", nullptr, "Filter Envelope Sustain %"},
    /* 153 */ {91, 3, -1, 520, 180, "Knob_sm.png", 0.001f, 10.0f, 0.001f, 10.0f, "LPF Release (s)", nullptr, "Filter Envelope Release (s)"},
    /* 154 */ {92, 3, -1, 558, 180, "Knob_sm.png", 25.0f, 400.0f, 0.25f, 4.0f, "LPF Time Scale %", nullptr, "Filter Envelope Time Scale %"},
    /* 155 */ {93, 0, -1, 596, 180, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "LPF Velocity %", nullptr, "Filter Envelope Velocity %"},
    /* 156 */ {174, 32, -1, 577, 139, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "LPF Shape", "Lin,Exp,I.Exp,", "Filter Envelope Shape"},
    /* 157 */ {378, 27, -1, 684, 48, "Btn_Load.png", 0.0f, 10.0f, 0.0f, 10.0f, "LoadFILTER", nullptr, "Load Filter Preset"},
    /* 158 */ {379, 27, -1, 716, 48, "Btn_Save.png", 0.0f, 10.0f, 0.0f, 10.0f, "SaveFILTER", nullptr, "Save Filter Preset"},
    /* 159 */ {213 | G, 27, -1, 588, 48, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "Filter Rnd", nullptr, "Randomise Filter Controls"},
    /* 160 */ {342, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "filter section object"},
    /* 161 */ {205, 26, -1, 900, 296, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "EQ Active", nullptr, "EQ On/Off"},
    /* 162 */ {0, 152, -1, 31, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // knob frames 31
    /* 163 */ {114, 3, -1, 768, 72, "Slider_V.png", 0.001f, 10.0f, 0.001f, 10.0f, "Amp Attack (s)", nullptr, "Amp Attack (s)"},
    /* 164 */ {115, 3, -1, 798, 72, "Slider_V.png", 0.001f, 10.0f, 0.001f, 10.0f, "Amp Decay (s)", nullptr, "Amp Decay (s)"},
    /* 165 */ {116, 3, -1, 828, 72, "Slider_V.png", 0.0f, 100.0f, 0.0f, 10.0f, "Amp Sustain %", nullptr, "Amp Sustain %"},
    /* 166 */ {117, 3, -1, 858, 72, "Slider_V.png", 0.001f, 10.0f, 0.001f, 10.0f, "Amp Release (s)", nullptr, "Amp Release (s)"},
    /* 167 */ {75, 0, -1, 262, 72, "Slider_V.png", 0.0f, 100.0f, 0.0f, 10.0f, "Osc1 Mix", nullptr, "Oscillator 1 Level"},
    /* 168 */ {76, 0, -1, 293, 72, "Slider_V.png", 0.0f, 100.0f, 0.0f, 10.0f, "Osc2 Mix", nullptr, "Oscillator 2 Level"},
    /* 169 */ {77, 0, -1, 324, 72, "Slider_V.png", 0.0f, 100.0f, 0.0f, 10.0f, "SubOsc Mix", nullptr, "Sub Oscillator Level"},
    /* 170 */ {78, 0, -1, 355, 72, "Slider_V.png", 0.0f, 100.0f, 0.0f, 10.0f, "Noise Mix", nullptr, "Noise Level"},
    /* 171 */ {0, 152, -1, 29, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // knob frames 29
    /* 172 */ {118, 3, -1, 902, 74, "Knob_sm.png", 25.0f, 400.0f, 0.25f, 4.0f, "Amp Time Scale %", nullptr, "Amp Time Scale %"},
    /* 173 */ {119, 0, -1, 942, 74, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Amp Velocity %", nullptr, "Amp Velocity %"},
    /* 174 */ {176, 32, -1, 902, 138, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Amp Shape", "Lin,Exp,I.Exp,", "Amp Envelope Shape"},
    /* 175 */ {74, 26, -1, 262, 224, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "Ext Input", nullptr, "External Input\nMix the host audio input in"},
    /* 176 */ {80, 0, -1, 262, 160, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Noise HPF", nullptr, "Noise High-pass"},
    /* 177 */ {79, 0, -1, 301, 160, "Knob_sm.png", 0.0f, 100.0f, 10.0f, 0.0f, "Noise LPF", nullptr, "Noise Low-pass"},
    /* 178 */ {234, 3, -1, 340, 160, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 500.0f, "Noise Tone", nullptr, "Noise Tone"},
    /* 179 */ {124, 26, -1, 70, 386, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "Arp OnOff", nullptr, "Arpeggiator On/Off"},
    /* 180 */ {125, 26, -1, 110, 386, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "Arp Hold", nullptr, "Arpeggiator Hold"},
    /* 181 */ {0, 151, 0, 120, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 120 x 24
    /* 182 */ {126, 32, -1, 14, 291, nullptr, 1.0f, 5.0f, 1.0f, 5.0f, "Arp Mode", "Cycle Up,Cycle Down,Cycle Up/Dn,Cycle Up/Dn2,Random,", "Arpeggiator Mode"},
    /* 183 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 87 x 24
    /* 184 */ {129, 32, -1, 14, 331, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Arp Vel", "Note,Constant,", "Arpeggiator Velocity\nPlayed or constant"},
    /* 185 */ {0, 151, 0, 54, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 54 x 24
    /* 186 */ {127, 32, -1, 140, 291, nullptr, 0.0f, 3.0f, 0.0f, 3.0f, "Arp Range", "1,2,3,4,", "Arpeggiator Range (octaves)"},
    /* 187 */ {128, 32, -1, 107, 331, nullptr, 0.0f, 8.0f, 0.0f, 8.0f, "Arp Rate", "x8,x4,x2,1,2,4,8,16,32,", "Arpeggiator Rate\nSteps per beat"},
    /* 188 */ {194, 26, -1, 150, 386, "Switch.png", 0.0f, 1.0f, 10.0f, 15.0f, "Arp Half", nullptr, "Arpeggiator Half Speed"},
    /* 189 */ {130, 0, -1, 14, 370, "Knob.png", 5.0f, 95.0f, 0.5f, 9.5f, "Arp Gate %", nullptr, "Arpeggiator Gate %"},
    /* 190 */ {131, 26, -1, 512, 295, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "Seq OnOff", nullptr, "Sequencer On/Off"},
    /* 191 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 87 x 24
    /* 192 */ {132, 32, -1, 234, 291, nullptr, 0.0f, 4.0f, 0.0f, 4.0f, "Seq Dir", "Forward,Back,Fwd/Back,Back/Fwd,Random,", "Sequencer Direction"},
    /* 193 */ {0, 151, 0, 54, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 54 x 24
    /* 194 */ {133, 32, -1, 327, 291, nullptr, 0.0f, 8.0f, 0.0f, 8.0f, "Seq Rate", "x8,x4,x2,1,2,4,8,16,32,", "Sequencer Rate\nSteps per beat"},
    /* 195 */ {195, 26, -1, 552, 295, "Switch.png", 0.0f, 1.0f, 10.0f, 15.0f, "Seq Half", nullptr, "Sequencer Half Speed"},
    /* 196 */ {134, 32, -1, 387, 291, nullptr, 0.0f, 7.0f, 0.0f, 7.0f, "Seq Length", "1,2,3,4,5,6,7,8,", "Sequencer Length (steps)"},
    /* 197 */ {143, 32, -1, 447, 291, nullptr, -24.0f, 24.0f, -2.0f, 2.0f, "Seq Range", "-24,-23,-22,-21,-20,-19,-18,-17,-16,-15,-14,-13,-12,-11,-10,-9,-8,-7,-6,-5,-4,-3,-2,-1,0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,", "Sequencer Pitch Range (semitones)"},
    /* 198 */ {135, 26, -1, 315, 336, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 1", nullptr, "Sequencer Gate Step 1"},
    /* 199 */ {136, 26, -1, 332, 336, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 2", nullptr, "Sequencer Gate Step 2"},
    /* 200 */ {137, 26, -1, 348, 336, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 3", nullptr, "Sequencer Gate Step 3"},
    /* 201 */ {138, 26, -1, 365, 336, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 4", nullptr, "Sequencer Gate Step 4"},
    /* 202 */ {139, 26, -1, 381, 336, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 5", nullptr, "Sequencer Gate Step 5"},
    /* 203 */ {140, 26, -1, 398, 336, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 6", nullptr, "Sequencer Gate Step 6"},
    /* 204 */ {141, 26, -1, 415, 336, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 7", nullptr, "Sequencer Gate Step 7"},
    /* 205 */ {142, 26, -1, 431, 336, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 8", nullptr, "Sequencer Gate Step 8"},
    /* 206 */ {402, 122, 20488, 314, 353, "Seq_A.png", 0.0f, 1.0f, 0.0f, 1.0f, "Seq A", nullptr, "Seq A\nClick a step to switch it"},
    /* 207 */ {135, 147, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // Seq A shows steps 135..142
    /* 208 */ {144, 0, -1, 462, 324, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 1", nullptr, "Sequencer Level Step 1"},
    /* 209 */ {145, 0, -1, 502, 324, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 2", nullptr, "Sequencer Level Step 2"},
    /* 210 */ {146, 0, -1, 542, 324, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 3", nullptr, "Sequencer Level Step 3"},
    /* 211 */ {147, 0, -1, 582, 324, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 4", nullptr, "Sequencer Level Step 4"},
    /* 212 */ {148, 0, -1, 462, 376, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 5", nullptr, "Sequencer Level Step 5"},
    /* 213 */ {149, 0, -1, 502, 376, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 6", nullptr, "Sequencer Level Step 6"},
    /* 214 */ {150, 0, -1, 542, 376, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 7", nullptr, "Sequencer Level Step 7"},
    /* 215 */ {151, 0, -1, 582, 376, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 8", nullptr, "Sequencer Level Step 8"},
    /* 216 */ {403, 122, 16392, 314, 380, "Seq_B.png", 0.0f, 1.0f, 0.0f, 1.0f, "Seq B", nullptr, "Seq B\nDraw the step levels"},
    /* 217 */ {144, 147, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // Seq B shows steps 144..151
    /* 218 */ {152, 0, -1, 236, 326, "Knob_sm.png", -100.0f, 100.0f, -10.0f, 10.0f, "Seq Filter", nullptr, "Sequencer to Filter"},
    /* 219 */ {153, 0, -1, 272, 326, "Knob_sm.png", -100.0f, 100.0f, -10.0f, 10.0f, "Seq Amp", nullptr, "Sequencer to Amp"},
    /* 220 */ {175, 0, -1, 236, 378, "Knob_sm.png", 1.0f, 250.0f, 1.0f, 250.0f, "Seq Glide", nullptr, "Sequencer Glide"},
    /* 221 */ {366, 27, -1, 496, 260, "Btn_Copy.png", 0.0f, 10.0f, 0.0f, 10.0f, "Copy", nullptr, "Click To Copy Sequencer settings"},
    /* 222 */ {367, 27, -1, 528, 260, "Btn_Paste.png", 0.0f, 10.0f, 0.0f, 10.0f, "Paste", nullptr, "Click To Paste Sequencer settings into this Preset"},
    /* 223 */ {374, 27, -1, 560, 260, "Btn_Load.png", 0.0f, 10.0f, 0.0f, 10.0f, "LoadSEQ", nullptr, "Load Sequencer Preset"},
    /* 224 */ {375, 27, -1, 592, 260, "Btn_Save.png", 0.0f, 10.0f, 0.0f, 10.0f, "SaveSEQ", nullptr, "Save Sequencer Preset"},
    /* 225 */ {214 | G, 27, -1, 464, 260, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "SEQ Rnd", nullptr, "Randomise Sequencer Steps"},
    /* 226 */ {343, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "sequencer section object"},
    /* 227 */ {165, 32, -1, 454, 479, nullptr, 0.0f, 4.0f, 0.0f, 4.0f, "Echo Rate", "1b,1/2,1/4,1/8,1/16,", "Echo Rate"},
    /* 228 */ {162, 26, -1, 454, 524, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "Echo OnOff", nullptr, "Echo On/Off"},
    /* 229 */ {163, 26, -1, 496, 524, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "Echo Pong", nullptr, "Echo Ping-Pong"},
    /* 230 */ {210, 26, -1, 538, 524, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "Echo Dotted", nullptr, "Echo Dotted"},
    /* 231 */ {173, 26, -1, 580, 524, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "Echo Step", nullptr, "Echo Step"},
    /* 232 */ {168, 0, -1, 454, 552, "Knob.png", 1.0f, 8.0f, 10.0f, 80.0f, "Echo Length", nullptr, "Echo Length"},
    /* 233 */ {166, 0, -1, 496, 552, "Knob.png", -100.0f, 100.0f, -1.0f, 1.0f, "Echo Shift", nullptr, "Echo Shift"},
    /* 234 */ {167, 0, -1, 538, 552, "Knob.png", 0.0f, 100.0f, 5.0f, 0.0f, "Echo Phase", nullptr, "Echo Phase"},
    /* 235 */ {169, 0, -1, 580, 552, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Echo FBK", nullptr, "Echo Feedback"},
    /* 236 */ {172, 0, -1, 454, 612, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Echo Level", nullptr, "Echo Level"},
    /* 237 */ {170, 0, -1, 496, 612, "Knob.png", 50.0f, 100.0f, 5.0f, 10.0f, "Echo LPF", nullptr, "Echo Low-pass"},
    /* 238 */ {171, 0, -1, 538, 612, "Knob.png", 0.0f, 50.0f, 0.0f, 5.0f, "Echo HPF", nullptr, "Echo High-pass"},
    /* 239 */ {380, 27, -1, 560, 446, "Btn_Load.png", 0.0f, 10.0f, 0.0f, 10.0f, "LoadECHO", nullptr, "Load Echo Preset"},
    /* 240 */ {381, 27, -1, 592, 446, "Btn_Save.png", 0.0f, 10.0f, 0.0f, 10.0f, "SaveECHO", nullptr, "Save Echo Preset"},
    /* 241 */ {6, 26, -1, 66, 469, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 On/Off", nullptr, "LFO 1 On/Off"},
    /* 242 */ {17, 26, -1, 136, 469, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 On/Off", nullptr, "LFO 2 On/Off"},
    /* 243 */ {28, 26, -1, 206, 469, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 On/Off", nullptr, "LFO 3 On/Off"},
    /* 244 */ {40, 26, -1, 276, 469, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "Hfo On/Off", nullptr, "HFO On/Off"},
    /* 245 */ {95, 26, -1, 346, 469, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "Env On/Off", nullptr, "Envelopes 1 and 2 On/Off"},
    /* 246 */ {54, 26, -1, 416, 469, "Step_Btn.png", 0.0f, 10.0f, 0.0f, 10.0f, "Aft On/Off", nullptr, "Aftertouch On/Off"},
    /* 247 */ {355, 31, -1, 12, 466, "Tab_Lfo1.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Lfo1 Panel"},
    /* 248 */ {9, 159, -1, 10, 512, "Lfo_Mono_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 9 (hidden until shown)
    /* 249 */ {0, 151, 0, 140, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 140 x 24
    /* 250 */ {10, 32, -1, 8, 15, nullptr, 0.0f, 18.0f, 0.0f, 18.0f, "Lfo1 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,Pulse Width,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Filter Cutoff,Panning,Volume,Amp - Attack,Amp - Decay,Filter - Attack,Filter - Decay,HFO - Pitch,Melt,Echo - Tune,Logic Switch,", "LFO 1 Target"},
    /* 251 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 87 x 24
    /* 252 */ {8, 32, -1, 154, 15, nullptr, 0.0f, 11.0f, 0.0f, 11.0f, "Lfo1 Shape", "Sine,Triangle,Pulse,Saw 1,Saw 2,Saw 3,Ramp 1,Ramp 2,Ramp 3,Peak,Dip,Random,", "LFO 1 Shape"},
    /* 253 */ {0, 151, 0, 54, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 54 x 24
    /* 254 */ {12, 32, -1, 247, 15, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 Beat", "16b,8b,4b,2b,1b,2/1,1/1,1/2,1/4,1/8,1/16,", "LFO 1 Beat\nRate when synced to the host"},
    /* 255 */ {9, 0, -1, 74, 92, "Knob.png", 0.0f, 10.0f, 0.0f, 10000.0f, "Lfo1 Intro (s)", nullptr, "LFO 1 Intro (s)\nFades the LFO in after each note"},
    /* 256 */ {15, 0, -1, 122, 92, "Knob.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 Depth", nullptr, "LFO 1 Depth"},
    /* 257 */ {14, 0, -1, 170, 92, "Knob.png", -50.0f, 50.0f, -5.0f, 5.0f, "Lfo1 Phase %", nullptr, "LFO 1 Phase %"},
    /* 258 */ {7, 26, -1, 270, 104, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 Retrig", nullptr, "LFO 1 Retrigger\nRestart with every note"},
    /* 259 */ {16, 26, -1, 344, 104, "Switch.png", 10.0f, 1.0f, 10.0f, 1.0f, "Lfo1 Subtle", nullptr, "LFO 1 Subtle\nA tenth of the depth"},
    /* 260 */ {13, 30, -1, 309, 19, "Btn_Sync.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 Sync", nullptr, "LFO 1 Sync\nFollow the host tempo"},
    /* 261 */ {215 | G, 27, -1, 388, 2, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "LFO1 Rnd", nullptr, "Randomise LFO 1 Controls"},
    /* 262 */ {344, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "LFO 1 section object"},
    /* 263 */ {0, 155, 0, 8, 88, nullptr, 1.0f, 1.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // no slide: always shown inside its page
    /* 264 */ {10, 158, -1, 8, 88, "Lfo_Rate_Manual.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 10
    /* 265 */ {11, 3, -1, 7, 4, "Knob.png", 0.02f, 20.0f, 0.02f, 20.0f, "Lfo1 Rate(Hz)", nullptr, "LFO 1 Rate (Hz)"},
    /* 266 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 10
    /* 267 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 9
    /* 268 */ {356, 31, -1, 82, 466, "Tab_Lfo2.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Lfo2 Panel"},
    /* 269 */ {11, 159, -1, 10, 512, "Lfo_Mono_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 11 (hidden until shown)
    /* 270 */ {0, 151, 0, 140, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 140 x 24
    /* 271 */ {21, 32, -1, 8, 15, nullptr, 0.0f, 18.0f, 0.0f, 18.0f, "Lfo2 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,Pulse Width,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Filter Cutoff,Panning,Volume,Amp - Attack,Amp - Decay,Filter - Attack,Filter - Decay,HFO - Pitch,Melt,Echo - Tune,Logic Switch,", "LFO 2 Target"},
    /* 272 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 87 x 24
    /* 273 */ {19, 32, -1, 154, 15, nullptr, 0.0f, 11.0f, 0.0f, 11.0f, "Lfo2 Shape", "Sine,Triangle,Pulse,Saw 1,Saw 2,Saw 3,Ramp 1,Ramp 2,Ramp 3,Peak,Dip,Random,", "LFO 2 Shape"},
    /* 274 */ {0, 151, 0, 54, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 54 x 24
    /* 275 */ {23, 32, -1, 247, 15, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 Beat", "16b,8b,4b,2b,1b,2/1,1/1,1/2,1/4,1/8,1/16,", "LFO 2 Beat\nRate when synced to the host"},
    /* 276 */ {20, 0, -1, 74, 92, "Knob.png", 0.0f, 10.0f, 0.0f, 10000.0f, "Lfo2 Intro (s)", nullptr, "LFO 2 Intro (s)\nFades the LFO in after each note"},
    /* 277 */ {26, 0, -1, 122, 92, "Knob.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 Depth", nullptr, "LFO 2 Depth"},
    /* 278 */ {25, 0, -1, 170, 92, "Knob.png", -50.0f, 50.0f, -5.0f, 5.0f, "Lfo2 Phase %", nullptr, "LFO 2 Phase %"},
    /* 279 */ {18, 26, -1, 270, 104, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 Retrig", nullptr, "LFO 2 Retrigger\nRestart with every note"},
    /* 280 */ {27, 26, -1, 344, 104, "Switch.png", 10.0f, 1.0f, 10.0f, 1.0f, "Lfo2 Subtle", nullptr, "LFO 2 Subtle\nA tenth of the depth"},
    /* 281 */ {24, 30, -1, 309, 19, "Btn_Sync.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 Sync", nullptr, "LFO 2 Sync\nFollow the host tempo"},
    /* 282 */ {216 | G, 27, -1, 388, 2, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "LFO2 Rnd", nullptr, "Randomise LFO 2 Controls"},
    /* 283 */ {345, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "LFO 2 section object"},
    /* 284 */ {0, 155, 0, 8, 88, nullptr, 1.0f, 1.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // no slide: always shown inside its page
    /* 285 */ {12, 158, -1, 8, 88, "Lfo_Rate_Manual.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 12
    /* 286 */ {22, 3, -1, 7, 4, "Knob.png", 0.02f, 20.0f, 0.02f, 20.0f, "Lfo2 Rate", nullptr, "LFO 2 Rate (Hz)"},
    /* 287 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 12
    /* 288 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 11
    /* 289 */ {357, 31, -1, 152, 466, "Tab_Lfo3.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Lfo3 Panel"},
    /* 290 */ {13, 159, -1, 10, 512, "Lfo_Mono_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 13 (hidden until shown)
    /* 291 */ {0, 151, 0, 140, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 140 x 24
    /* 292 */ {32, 32, -1, 8, 15, nullptr, 0.0f, 16.0f, 0.0f, 16.0f, "Lfo3 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,Pulse Width,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Filter Cutoff,Panning,Volume,Amp - Attack,Amp - Decay,Filter - Attack,Filter - Decay,HFO - Pitch,Logic Switch,", "LFO 3 Target"},
    /* 293 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 87 x 24
    /* 294 */ {30, 32, -1, 154, 15, nullptr, 0.0f, 11.0f, 0.0f, 11.0f, "Lfo3 Shape", "Sine,Triangle,Pulse,Saw 1,Saw 2,Saw 3,Ramp 1,Ramp 2,Ramp 3,Peak,Dip,Random,", "LFO 3 Shape"},
    /* 295 */ {0, 151, 0, 54, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 54 x 24
    /* 296 */ {34, 32, -1, 247, 15, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Beat", "16b,8b,4b,2b,1b,2/1,1/1,1/2,1/4,1/8,1/16,", "LFO 3 Beat\nRate when synced to the host"},
    /* 297 */ {31, 0, -1, 74, 92, "Knob.png", 0.0f, 10.0f, 0.0f, 10000.0f, "Lfo3 Intro (s)", nullptr, "LFO 3 Intro (s)\nFades the LFO in after each note"},
    /* 298 */ {37, 0, -1, 122, 92, "Knob.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Depth", nullptr, "LFO 3 Depth"},
    /* 299 */ {36, 0, -1, 170, 92, "Knob.png", -50.0f, 50.0f, -5.0f, 5.0f, "Lfo3 Phase %", nullptr, "LFO 3 Phase %"},
    /* 300 */ {29, 26, -1, 270, 104, "Switch.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Retrig", nullptr, "LFO 3 Retrigger\nRestart with every note"},
    /* 301 */ {38, 26, -1, 344, 104, "Switch.png", 10.0f, 1.0f, 10.0f, 1.0f, "Lfo3 Subtle", nullptr, "LFO 3 Subtle\nA tenth of the depth"},
    /* 302 */ {35, 30, -1, 309, 19, "Btn_Sync.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Sync", nullptr, "LFO 3 Sync\nFollow the host tempo"},
    /* 303 */ {217 | G, 27, -1, 388, 2, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "LFO3 Rnd", nullptr, "Randomise LFO 3 Controls"},
    /* 304 */ {346, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "LFO 3 section object"},
    /* 305 */ {0, 155, 0, 8, 88, nullptr, 1.0f, 1.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // no slide: always shown inside its page
    /* 306 */ {14, 158, -1, 8, 88, "Lfo_Rate_Manual.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 14
    /* 307 */ {33, 3, -1, 7, 4, "Knob.png", 0.02f, 20.0f, 0.02f, 20.0f, "Lfo3 Rate", nullptr, "LFO 3 Rate (Hz)"},
    /* 308 */ {39, 26, -1, 8, 62, "Btn_Track.png", 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Track", nullptr, "LFO 3 Key Tracking\nRate follows the played note"},
    /* 309 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 14
    /* 310 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 13
    /* 311 */ {358, 31, -1, 222, 466, "Tab_Hfo.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Hfo Panel"},
    /* 312 */ {15, 159, -1, 10, 512, "Hfo_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 15 (hidden until shown)
    /* 313 */ {0, 151, 0, 140, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 140 x 24
    /* 314 */ {41, 32, -1, 8, 15, nullptr, 0.0f, 12.0f, 0.0f, 12.0f, "HFO Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,Sub - Pitch,Filter Cutoff,Main FM,Osc1 - FM,Osc2 - FM,Sub - FM,Main - AM,Osc1 - AM,Osc2 - AM,Pulse Width,", "HFO Target"},
    /* 315 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 87 x 24
    /* 316 */ {42, 32, -1, 154, 15, nullptr, 0.0f, 6.0f, 0.0f, 6.0f, "HFO Shape", "Sine,Triangle,Pulse,Saw,Trap,Peak,Random,", "HFO Shape"},
    /* 317 */ {0, 151, 0, 54, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 54 x 24
    /* 318 */ {44, 32, -1, 247, 15, nullptr, -3.0f, 3.0f, -3.0f, 3.0f, "HFO Oct", "-3,-2,-1,0,1,2,3,", "HFO Octave"},
    /* 319 */ {45, 32, -1, 307, 15, nullptr, -12.0f, 12.0f, -1.0f, 1.0f, "HFO Semi", "-12,-11,-10,-9,-8,-7,-6,-5,-4,-3,-2,-1,0,1,2,3,4,5,6,7,8,9,10,11,12,", "HFO Semitones"},
    /* 320 */ {43, 3, -1, 8, 92, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "HFO Depth", nullptr, "HFO Depth"},
    /* 321 */ {46, 0, -1, 56, 92, "Knob.png", -100.0f, 100.0f, -0.0833333f, 0.0833333f, "HFO Tune (cents)", nullptr, "HFO Fine Tune (cents)"},
    /* 322 */ {47, 3, -1, 170, 97, "Knob_sm.png", 0.0f, 10.0f, 0.0f, 10.0f, "HFO Attack (s)", nullptr, "HFO Attack (s)"},
    /* 323 */ {48, 3, -1, 208, 97, "Knob_sm.png", 0.0f, 10.0f, 0.0f, 10.0f, "HFO Decay (s)", nullptr, "HFO Decay (s)"},
    /* 324 */ {49, 3, -1, 246, 97, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "HFO Sustain %", nullptr, "HFO Sustain %"},
    /* 325 */ {50, 3, -1, 284, 97, "Knob_sm.png", 0.001f, 10.0f, 0.001f, 10.0f, "HFO Release (s)", nullptr, "HFO Release (s)"},
    /* 326 */ {51, 3, -1, 322, 97, "Knob_sm.png", 25.0f, 400.0f, 0.25f, 4.0f, "HFO Time Scale %", nullptr, "HFO Time Scale %"},
    /* 327 */ {52, 0, -1, 360, 97, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "HFO Velocity %", nullptr, "HFO Velocity %"},
    /* 328 */ {53, 3, -1, 104, 92, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "HFO Level", nullptr, "HFO Level"},
    /* 329 */ {218 | G, 27, -1, 388, 2, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "HFO Rnd", nullptr, "Randomise HFO Controls"},
    /* 330 */ {347, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "HFO section object"},
    /* 331 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 15
    /* 332 */ {359, 31, -1, 292, 466, "Tab_Env.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Envelopes Panel"},
    /* 333 */ {16, 159, -1, 10, 512, "Env_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 16 (hidden until shown)
    /* 334 */ {0, 151, 0, 140, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 140 x 24
    /* 335 */ {104, 32, -1, 8, 14, nullptr, 0.0f, 12.0f, 0.0f, 12.0f, "Env1 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,HFO - Pitch,Pulse Width,Filter Cutoff,LFO 3 - Depth,Melt - Circuit,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Logic Switch,", "Envelope 1 Target"},
    /* 336 */ {113, 32, -1, 8, 104, nullptr, 0.0f, 12.0f, 0.0f, 12.0f, "Env2 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,HFO - Pitch,Pulse Width,Filter Cutoff,LFO 3 - Depth,Melt - Circuit,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Logic Switch,", "Envelope 2 Target"},
    /* 337 */ {0, 151, 0, 54, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 54 x 24
    /* 338 */ {235, 32, -1, 154, 14, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Env1 Shape", "Lin,Exp,I.Exp,", "Envelope 1 Shape"},
    /* 339 */ {236, 32, -1, 154, 104, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Env2 Shape", "Lin,Exp,I.Exp,", "Envelope 2 Shape"},
    /* 340 */ {103, 26, -1, 220, 18, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "Env1 Invert", nullptr, "Envelope 1 Invert"},
    /* 341 */ {112, 26, -1, 220, 108, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "Env2 Invert", nullptr, "Envelope 2 Invert"},
    /* 342 */ {96, 3, -1, 8, 44, "Knob_sm.png", 0.0f, 10.0f, 0.0f, 10.0f, "Env1 Attack (s)", nullptr, "Env1 Attack (s)"},
    /* 343 */ {97, 3, -1, 46, 44, "Knob_sm.png", 0.0f, 10.0f, 0.0f, 10.0f, "Env1 Decay (s)", nullptr, "Env1 Decay (s)"},
    /* 344 */ {98, 3, -1, 84, 44, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Env1 Sustain %", nullptr, "Env1 Sustain %"},
    /* 345 */ {99, 3, -1, 122, 44, "Knob_sm.png", 0.001f, 10.0f, 0.001f, 10.0f, "Env1 Release (s)", nullptr, "Env1 Release (s)"},
    /* 346 */ {100, 3, -1, 160, 44, "Knob_sm.png", 25.0f, 400.0f, 0.25f, 4.0f, "Env1 Time Scale %", nullptr, "Env1 Time Scale %"},
    /* 347 */ {101, 0, -1, 198, 44, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Env1 Velocity %", nullptr, "Env1 Velocity %"},
    /* 348 */ {102, 3, -1, 236, 44, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Env1 Level", nullptr, "Env1 Level"},
    /* 349 */ {105, 3, -1, 8, 134, "Knob_sm.png", 0.0f, 10.0f, 0.0f, 10.0f, "Env2 Attack (s)", nullptr, "Env2 Attack (s)"},
    /* 350 */ {106, 3, -1, 46, 134, "Knob_sm.png", 0.0f, 10.0f, 0.0f, 10.0f, "Env2 Decay (s)", nullptr, "Env2 Decay (s)"},
    /* 351 */ {107, 3, -1, 84, 134, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Env2 Sustain %", nullptr, "Env2 Sustain %"},
    /* 352 */ {108, 3, -1, 122, 134, "Knob_sm.png", 0.001f, 10.0f, 0.001f, 10.0f, "Env2 Release (s)", nullptr, "Env2 Release (s)"},
    /* 353 */ {109, 3, -1, 160, 134, "Knob_sm.png", 25.0f, 400.0f, 0.25f, 4.0f, "Env2 Time Scale %", nullptr, "Env2 Time Scale %"},
    /* 354 */ {110, 0, -1, 198, 134, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Env2 Velocity %", nullptr, "Env2 Velocity %"},
    /* 355 */ {111, 3, -1, 236, 134, "Knob_sm.png", 0.0f, 100.0f, 0.0f, 10.0f, "Env2 Level", nullptr, "Env2 Level"},
    /* 356 */ {219 | G, 27, -1, 388, 2, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "Env Rnd", nullptr, "Randomise Envelope Controls"},
    /* 357 */ {348, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "envelope section object"},
    /* 358 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 16
    /* 359 */ {360, 31, -1, 362, 466, "Tab_Aft.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Aftertouch Panel"},
    /* 360 */ {17, 159, -1, 10, 512, "Aft_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 17 (hidden until shown)
    /* 361 */ {55, 0, -1, 28, 34, "Knob.png", 0.0f, 100.0f, 0.0f, 0.0416667f, "Aft to Tune", nullptr, "Aft to Tune"},
    /* 362 */ {56, 0, -1, 110, 34, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Aft to Width", nullptr, "Aft to Width"},
    /* 363 */ {57, 0, -1, 192, 34, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Aft to Cut", nullptr, "Aft to Cut"},
    /* 364 */ {58, 0, -1, 274, 34, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Aft to Noise", nullptr, "Aft to Noise"},
    /* 365 */ {59, 0, -1, 356, 34, "Knob.png", 0.0f, 100.0f, 0.0f, 60.0f, "Aft to Gain", nullptr, "Aft to Gain"},
    /* 366 */ {60, 0, -1, 28, 106, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Aft to Melt", nullptr, "Aft to Melt"},
    /* 367 */ {61, 0, -1, 110, 106, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Aft Lfo3 Depth", nullptr, "Aft Lfo3 Depth"},
    /* 368 */ {62, 0, -1, 192, 106, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Aft Lfo3 Rate", nullptr, "Aft Lfo3 Rate"},
    /* 369 */ {63, 0, -1, 274, 106, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "Aft HFO Depth", nullptr, "Aft HFO Depth"},
    /* 370 */ {239, 0, -1, 356, 106, "Knob.png", -3.0f, 3.0f, -3.0f, 3.0f, "Aft HFO Rate", nullptr, "Aft HFO Rate"},
    /* 371 */ {220 | G, 27, -1, 388, 2, "Btn_Rnd.png", 0.0f, 10.0f, 0.0f, 10.0f, "AFT Rnd", nullptr, "Randomise Aftertouch Controls"},
    /* 372 */ {349, 135, -1, -2000, -2000, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "aftertouch section object"},
    /* 373 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 17
    /* 374 */ {363, 30, -1, 940, 296, "Btn_EQ.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "3 Band EQ Panel"},
    /* 375 */ {3, 159, -1, 300, 446, "EQ_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 3 (hidden until shown)
    /* 376 */ {354, 114, 19, 1, 59, nullptr, 329.0f, 105.0f, 0.0f, 1.0f, nullptr, nullptr, "Drag a band: left-right frequency, up-down gain\nRight-drag: width; double-click: flat"},
    /* 377 */ {196, 6, -1, 8, 186, "Knob_sm.png", 20.0f, 20480.0f, 20.0f, 20480.0f, "EQ 1 Freq Hz", nullptr, "EQ 1 Freq Hz"},
    /* 378 */ {197, 0, -1, 42, 186, "Knob_sm.png", -18.0f, 18.0f, -18.0f, 18.0f, "EQ 1 Gain dB", nullptr, "EQ 1 Gain dB"},
    /* 379 */ {198, 0, -1, 76, 186, "Knob_sm.png", 100.0f, 10.0f, 100.0f, 10.0f, "EQ 1 Width", nullptr, "EQ 1 Width"},
    /* 380 */ {199, 6, -1, 114, 186, "Knob_sm.png", 20.0f, 20480.0f, 20.0f, 20480.0f, "EQ 2 Freq Hz", nullptr, "EQ 2 Freq Hz"},
    /* 381 */ {200, 0, -1, 148, 186, "Knob_sm.png", -18.0f, 18.0f, -18.0f, 18.0f, "EQ 2 Gain dB", nullptr, "EQ 2 Gain dB"},
    /* 382 */ {201, 0, -1, 182, 186, "Knob_sm.png", 100.0f, 10.0f, 100.0f, 10.0f, "EQ 2 Width", nullptr, "EQ 2 Width"},
    /* 383 */ {202, 6, -1, 220, 186, "Knob_sm.png", 20.0f, 20480.0f, 20.0f, 20480.0f, "EQ 3 Freq Hz", nullptr, "EQ 3 Freq Hz"},
    /* 384 */ {203, 0, -1, 254, 186, "Knob_sm.png", -18.0f, 18.0f, -18.0f, 18.0f, "EQ 3 Gain dB", nullptr, "EQ 3 Gain dB"},
    /* 385 */ {204, 0, -1, 288, 186, "Knob_sm.png", 100.0f, 10.0f, 100.0f, 10.0f, "EQ 3 Width", nullptr, "EQ 3 Width"},
    /* 386 */ {206, 32, -1, 270, 24, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Pre-Post EQ", "Pre,Post,", "EQ before or after the echo"},
    /* 387 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 3
    /* 388 */ {354, 149, 0, 196, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 354 and 196 linked, code 0
    /* 389 */ {354, 149, 5, 197, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 354 and 197 linked, code 5
    /* 390 */ {354, 149, 10, 198, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 354 and 198 linked, code 10
    /* 391 */ {354, 149, 1, 199, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 354 and 199 linked, code 1
    /* 392 */ {354, 149, 6, 200, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 354 and 200 linked, code 6
    /* 393 */ {354, 149, 11, 201, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 354 and 201 linked, code 11
    /* 394 */ {354, 149, 2, 202, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 354 and 202 linked, code 2
    /* 395 */ {354, 149, 7, 203, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 354 and 203 linked, code 7
    /* 396 */ {354, 149, 12, 204, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 354 and 204 linked, code 12
    /* 397 */ {207, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Version", nullptr, nullptr},
    /* 398 */ {1, 57, -1, -500, -500, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "text1", nullptr, nullptr},
    /* 399 */ {2, 57, -1, -500, -500, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "text2", nullptr, nullptr},
    /* 400 */ {355, 143, 356, 357, 358, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 355
    /* 401 */ {355, 143, 359, 360, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 355
    /* 402 */ {356, 143, 355, 357, 358, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 356
    /* 403 */ {356, 143, 359, 360, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 356
    /* 404 */ {357, 143, 355, 356, 358, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 357
    /* 405 */ {357, 143, 359, 360, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 357
    /* 406 */ {358, 143, 355, 356, 357, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 358
    /* 407 */ {358, 143, 359, 360, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 358
    /* 408 */ {359, 143, 355, 356, 357, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 359
    /* 409 */ {359, 143, 358, 360, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 359
    /* 410 */ {360, 143, 355, 356, 357, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 360
    /* 411 */ {360, 143, 358, 359, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // radio group of 360
    /* 412 */ {355, 144, 9, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 355 shows panel 9
    /* 413 */ {356, 144, 11, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 356 shows panel 11
    /* 414 */ {357, 144, 13, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 357 shows panel 13
    /* 415 */ {358, 144, 15, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 358 shows panel 15
    /* 416 */ {359, 144, 16, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 359 shows panel 16
    /* 417 */ {360, 144, 17, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 360 shows panel 17
    /* 418 */ {361, 144, 1, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 361 shows panel 1
    /* 419 */ {362, 144, 2, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 362 shows panel 2
    /* 420 */ {363, 144, 3, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 363 shows panel 3
    /* 421 */ {384, 144, 20, 21, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 384 shows panels 20, 21
    /* 422 */ {223, 149, 0, 382, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 223 and 382 linked, code 0
    /* 423 */ {223, 149, 1, 383, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 223 and 383 linked, code 1
    /* 424 */ {383, 148, 0, 384, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 383 links to 384, code 0
    /* 425 */ {266, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 426 */ {267, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 427 */ {268, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 428 */ {269, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 429 */ {270, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 430 */ {271, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 431 */ {272, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 432 */ {273, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 433 */ {274, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 434 */ {275, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 435 */ {276, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 436 */ {277, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 437 */ {278, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 438 */ {279, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 439 */ {280, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 440 */ {281, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 441 */ {282, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 442 */ {283, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 443 */ {284, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 444 */ {285, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 445 */ {286, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 446 */ {287, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 447 */ {288, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 448 */ {289, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 449 */ {290, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 450 */ {291, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 451 */ {292, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 452 */ {293, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 453 */ {294, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 454 */ {295, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 455 */ {296, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 456 */ {297, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 457 */ {298, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 458 */ {299, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 459 */ {300, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 460 */ {301, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 461 */ {302, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 462 */ {303, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 463 */ {304, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 464 */ {305, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 465 */ {306, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 466 */ {307, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 467 */ {308, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 468 */ {309, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 469 */ {310, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 470 */ {311, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 471 */ {312, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 472 */ {313, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 473 */ {314, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 474 */ {315, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 475 */ {316, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 476 */ {317, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 477 */ {318, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 478 */ {319, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 479 */ {320, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 480 */ {321, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 481 */ {322, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 482 */ {323, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 483 */ {324, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 484 */ {325, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 485 */ {326, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 486 */ {327, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 487 */ {328, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 488 */ {329, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 489 */ {330, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 490 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler: spare 331 is the zoom, in the credits panel
    /* 491 */ {332, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 492 */ {404, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#1", nullptr, nullptr},
    /* 493 */ {405, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#2", nullptr, nullptr},
    /* 494 */ {406, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#3", nullptr, nullptr},
    /* 495 */ {407, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#4", nullptr, nullptr},
    /* 496 */ {408, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#5", nullptr, nullptr},
    /* 497 */ {409, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#6", nullptr, nullptr},
    /* 498 */ {410, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#7", nullptr, nullptr},
    /* 499 */ {411, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#8", nullptr, nullptr},
    /* 500 */ {412, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#9", nullptr, nullptr},
    /* 501 */ {413, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#10", nullptr, nullptr},
    /* 502 */ {414, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#11", nullptr, nullptr},
    /* 503 */ {415, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#12", nullptr, nullptr},
    /* 504 */ {416, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#13", nullptr, nullptr},
    /* 505 */ {417, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#14", nullptr, nullptr},
    /* 506 */ {418, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#15", nullptr, nullptr},
    /* 507 */ {419, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#1", nullptr, nullptr},
    /* 508 */ {420, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#2", nullptr, nullptr},
    /* 509 */ {421, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#3", nullptr, nullptr},
    /* 510 */ {422, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#4", nullptr, nullptr},
    /* 511 */ {423, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#5", nullptr, nullptr},
    /* 512 */ {424, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#6", nullptr, nullptr},
    /* 513 */ {425, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#7", nullptr, nullptr},
    /* 514 */ {426, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#8", nullptr, nullptr},
    /* 515 */ {427, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#9", nullptr, nullptr},
    /* 516 */ {428, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#10", nullptr, nullptr},
    /* 517 */ {429, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#11", nullptr, nullptr},
    /* 518 */ {430, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#12", nullptr, nullptr},
    /* 519 */ {431, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#13", nullptr, nullptr},
    /* 520 */ {432, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#14", nullptr, nullptr},
    /* 521 */ {433, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#15", nullptr, nullptr},
    /* 522 */ {434, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#1", nullptr, nullptr},
    /* 523 */ {435, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#2", nullptr, nullptr},
    /* 524 */ {436, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#3", nullptr, nullptr},
    /* 525 */ {437, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#4", nullptr, nullptr},
    /* 526 */ {438, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#5", nullptr, nullptr},
    /* 527 */ {439, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#6", nullptr, nullptr},
    /* 528 */ {440, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#7", nullptr, nullptr},
    /* 529 */ {441, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#8", nullptr, nullptr},
    /* 530 */ {442, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#9", nullptr, nullptr},
    /* 531 */ {443, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#10", nullptr, nullptr},
    /* 532 */ {444, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#11", nullptr, nullptr},
    /* 533 */ {445, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#12", nullptr, nullptr},
    /* 534 */ {446, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#13", nullptr, nullptr},
    /* 535 */ {447, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#14", nullptr, nullptr},
    /* 536 */ {448, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#15", nullptr, nullptr},
    /* 537 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 538 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 539 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 540 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 541 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 542 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 543 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 544 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 545 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 546 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 547 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 548 */ {0, 156, 1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // font: Liberation Sans 14
    /* 549 */ {352, 30, -1, 952, 11, "Btn_Info.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Click to Open Credits and Links Panel"},
    /* 550 */ {0, 155, 1, 262, 701, nullptr, 0.20f, 1.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // slide: credits rise from below the window
    /* 551 */ {19, 158, -1, 262, 448, "Credits_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 19
    /* 552 */ {353, 27, -1, 662, 10, "Btn_Close.png", 0.0f, 10.0f, 0.0f, 10.0f, nullptr, nullptr, "Close Panel"},
    /* 553 */ {388, 27, -1, 24, 176, "XT_Logo.png", 0.0f, 10.0f, 0.0f, 10.0f, "WLink", nullptr, "Your Files\nOpens the Tarlix_2 folder with your banks and presets"},
    /* 554 */ {389, 27, -1, 160, 176, "QX_Logo.png", 0.0f, 10.0f, 0.0f, 10.0f, "WLink", nullptr, "Manual\nOpens the manual page in your browser"},
    /* 555 */ {0, 151, 27, 120, 20, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 27, box 120 x 20
    /* 556 */ {211, 32, -1, 470, 62, nullptr, -1.0f, 15.0f, -1.0f, 15.0f, "Midi Channel", "Channel: All,Channel: 1,Channel: 2,Channel: 3,Channel: 4,Channel: 5,Channel: 6,Channel: 7,Channel: 8,Channel: 9,Channel: 10,Channel: 11,Channel: 12,Channel: 13,Channel: 14,Channel: 15,Channel: 16,", "MIDI Channel the instrument listens to"},
    /* 557 */ {222, 32, -1, 470, 96, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Mono Note Mode", "OFF,Last Note,", "Mono Note Priority"},
    /* 558 */ {0, 151, 27, 60, 20, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 27, box 60 x 20
    /* 559 */ {230, 32, -1, 470, 130, nullptr, 0.0f, 37.0f, 0.0f, 37.0f, "Osc Harmonics", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,48,64,96,128,512,1024,", "Oscillator Harmonics\nPartials of the additive waves"},
    /* 560 */ {331 | G, 32, -1, 470, 164, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Zoom", "100 %,150 %,200 %,", "Window Size\nThe whole window at 100, 150 or 200 %"},
    /* 561 */ {232 | G, 26, -1, 620, 64, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "MPE Active", nullptr, "MPE On/Off\nPer-note bend, pressure and slide"},
    /* 562 */ {233 | G, 26, -1, 620, 98, "Switch.png", 0.0f, 1.0f, 0.0f, 1.0f, "MPE A:74", nullptr, "MPE Slide as CC74"},
    /* 563 */ {240, 0, -1, 570, 150, "Knob.png", 0.0f, 100.0f, 0.0f, 10.0f, "MPE: LPF Depth", nullptr, "MPE Slide to Filter Cutoff"},
    /* 564 */ {241, 0, -1, 640, 150, "Knob.png", 0.0f, 100.0f, 0.0f, 50.0f, "MPE: AMP Depth", nullptr, "MPE Pressure to Amp"},
    /* 565 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 19
    /* 566 */ {352, 144, 19, -1, -1, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 352 shows panel 19
    /* 567 */ {353, 148, 0, 352, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 353 links to 352, code 0
    /* 568 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0, box 87 x 24
    /* 569 */ {0, 155, 1, 322, 263, nullptr, 0.10f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // slide: MIDI-learn dialog fades in where it opens
    /* 570 */ {81, 158, -1, 322, 263, "AsnMidiCC.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 81
    /* 571 */ {450, 76, -1, 0, 0, "AsnMidiCC.png", 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Midi Learn:\nMove External Controller\nSupports NRPN"},
    /* 572 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 81
    /* 573 */ {388, 148, 0, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 388 links to 387, code 0
    /* 574 */ {389, 148, 3, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 389 links to 387, code 3
    /* 575 */ {398, 148, 55, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 398 links to 387, code 55
    /* 576 */ {399, 148, 56, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 399 links to 387, code 56
    /* 577 */ {400, 148, 59, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 400 links to 387, code 59
    /* 578 */ {401, 148, 60, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 401 links to 387, code 60
    /* 579 */ {392, 148, 61, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 392 links to 387, code 61
    /* 580 */ {393, 148, 62, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 393 links to 387, code 62
    /* 581 */ {368, 148, 63, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 368 links to 387, code 63
    /* 582 */ {369, 148, 64, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 369 links to 387, code 64
    /* 583 */ {374, 148, 70, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 374 links to 387, code 70
    /* 584 */ {376, 148, 71, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 376 links to 387, code 71
    /* 585 */ {378, 148, 72, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 378 links to 387, code 72
    /* 586 */ {380, 148, 73, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 380 links to 387, code 73
    /* 587 */ {375, 148, 80, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 375 links to 387, code 80
    /* 588 */ {377, 148, 81, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 377 links to 387, code 81
    /* 589 */ {379, 148, 82, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 379 links to 387, code 82
    /* 590 */ {381, 148, 83, 387, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 381 links to 387, code 83
    /* 591 */ {350, 149, 3, 221, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 350 and 221 linked, code 3
    /* 592 */ {350, 148, 4, 156, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 350 links to 156, code 4
    /* 593 */ {350, 148, 5, 158, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 350 links to 158, code 5
    /* 594 */ {350, 148, 6, 160, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 350 links to 160, code 6
    /* 595 */ {350, 148, 7, 157, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 350 links to 157, code 7
    /* 596 */ {350, 148, 8, 159, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 350 links to 159, code 8
    /* 597 */ {350, 148, 9, 161, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 350 links to 161, code 9
    /* 598 */ {351, 149, 3, 231, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 351 and 231 linked, code 3
    /* 599 */ {351, 148, 4, 224, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 351 links to 224, code 4
    /* 600 */ {351, 148, 5, 225, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 351 links to 225, code 5
    /* 601 */ {351, 148, 6, 226, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 351 links to 226, code 6
    /* 602 */ {351, 148, 7, 227, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 351 links to 227, code 7
    /* 603 */ {351, 148, 8, 228, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 351 links to 228, code 8
    /* 604 */ {351, 148, 9, 229, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 351 links to 229, code 9
    /* 605 */ {341, 149, 3, 212, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 341 and 212 linked, code 3
    /* 606 */ {341, 148, 4, 64, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 341 links to 64, code 4
    /* 607 */ {341, 148, 5, 65, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 341 links to 65, code 5
    /* 608 */ {341, 148, 6, 73, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 341 links to 73, code 6
    /* 609 */ {341, 148, 7, 66, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 341 links to 66, code 7
    /* 610 */ {341, 148, 8, 71, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 341 links to 71, code 8
    /* 611 */ {342, 149, 3, 213, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 and 213 linked, code 3
    /* 612 */ {342, 148, 4, 83, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 links to 83, code 4
    /* 613 */ {342, 148, 5, 84, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 links to 84, code 5
    /* 614 */ {342, 148, 6, 85, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 links to 85, code 6
    /* 615 */ {342, 148, 7, 82, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 links to 82, code 7
    /* 616 */ {342, 148, 8, 88, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 links to 88, code 8
    /* 617 */ {342, 148, 9, 89, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 links to 89, code 9
    /* 618 */ {342, 148, 10, 90, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 links to 90, code 10
    /* 619 */ {342, 148, 11, 91, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 links to 91, code 11
    /* 620 */ {342, 148, 12, 178, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 342 links to 178, code 12
    /* 621 */ {343, 149, 3, 214, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 and 214 linked, code 3
    /* 622 */ {343, 148, 4, 135, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 135, code 4
    /* 623 */ {343, 148, 5, 136, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 136, code 5
    /* 624 */ {343, 148, 6, 137, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 137, code 6
    /* 625 */ {343, 148, 7, 138, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 138, code 7
    /* 626 */ {343, 148, 8, 139, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 139, code 8
    /* 627 */ {343, 148, 9, 140, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 140, code 9
    /* 628 */ {343, 148, 10, 141, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 141, code 10
    /* 629 */ {343, 148, 11, 142, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 142, code 11
    /* 630 */ {343, 148, 12, 144, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 144, code 12
    /* 631 */ {343, 148, 13, 145, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 145, code 13
    /* 632 */ {343, 148, 14, 146, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 146, code 14
    /* 633 */ {343, 148, 15, 147, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 147, code 15
    /* 634 */ {343, 148, 16, 148, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 148, code 16
    /* 635 */ {343, 148, 17, 149, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 149, code 17
    /* 636 */ {343, 148, 18, 150, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 150, code 18
    /* 637 */ {343, 148, 19, 151, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 343 links to 151, code 19
    /* 638 */ {344, 149, 3, 215, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 344 and 215 linked, code 3
    /* 639 */ {344, 148, 4, 8, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 344 links to 8, code 4
    /* 640 */ {344, 148, 5, 10, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 344 links to 10, code 5
    /* 641 */ {344, 148, 6, 11, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 344 links to 11, code 6
    /* 642 */ {344, 148, 7, 12, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 344 links to 12, code 7
    /* 643 */ {344, 148, 8, 14, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 344 links to 14, code 8
    /* 644 */ {345, 149, 3, 216, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 345 and 216 linked, code 3
    /* 645 */ {345, 148, 4, 19, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 345 links to 19, code 4
    /* 646 */ {345, 148, 5, 21, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 345 links to 21, code 5
    /* 647 */ {345, 148, 6, 22, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 345 links to 22, code 6
    /* 648 */ {345, 148, 7, 23, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 345 links to 23, code 7
    /* 649 */ {345, 148, 8, 25, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 345 links to 25, code 8
    /* 650 */ {346, 149, 3, 217, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 346 and 217 linked, code 3
    /* 651 */ {346, 148, 4, 30, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 346 links to 30, code 4
    /* 652 */ {346, 148, 5, 32, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 346 links to 32, code 5
    /* 653 */ {346, 148, 6, 33, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 346 links to 33, code 6
    /* 654 */ {346, 148, 7, 34, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 346 links to 34, code 7
    /* 655 */ {346, 148, 8, 36, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 346 links to 36, code 8
    /* 656 */ {346, 148, 9, 39, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 346 links to 39, code 9
    /* 657 */ {347, 149, 3, 218, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 and 218 linked, code 3
    /* 658 */ {347, 148, 4, 41, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 41, code 4
    /* 659 */ {347, 148, 5, 42, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 42, code 5
    /* 660 */ {347, 148, 6, 44, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 44, code 6
    /* 661 */ {347, 148, 7, 45, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 45, code 7
    /* 662 */ {347, 148, 8, 46, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 46, code 8
    /* 663 */ {347, 148, 9, 47, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 47, code 9
    /* 664 */ {347, 148, 10, 48, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 48, code 10
    /* 665 */ {347, 148, 11, 49, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 49, code 11
    /* 666 */ {347, 148, 12, 50, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 50, code 12
    /* 667 */ {347, 148, 13, 53, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 347 links to 53, code 13
    /* 668 */ {348, 149, 3, 219, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 and 219 linked, code 3
    /* 669 */ {348, 148, 4, 104, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 104, code 4
    /* 670 */ {348, 148, 5, 103, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 103, code 5
    /* 671 */ {348, 148, 6, 96, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 96, code 6
    /* 672 */ {348, 148, 7, 97, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 97, code 7
    /* 673 */ {348, 148, 8, 98, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 98, code 8
    /* 674 */ {348, 148, 9, 99, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 99, code 9
    /* 675 */ {348, 148, 10, 102, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 102, code 10
    /* 676 */ {348, 148, 11, 113, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 113, code 11
    /* 677 */ {348, 148, 12, 112, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 112, code 12
    /* 678 */ {348, 148, 13, 105, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 105, code 13
    /* 679 */ {348, 148, 14, 106, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 106, code 14
    /* 680 */ {348, 148, 15, 107, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 107, code 15
    /* 681 */ {348, 148, 16, 108, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 108, code 16
    /* 682 */ {348, 148, 17, 111, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 348 links to 111, code 17
    /* 683 */ {349, 149, 3, 220, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 and 220 linked, code 3
    /* 684 */ {349, 148, 4, 55, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 links to 55, code 4
    /* 685 */ {349, 148, 5, 56, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 links to 56, code 5
    /* 686 */ {349, 148, 6, 57, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 links to 57, code 6
    /* 687 */ {349, 148, 7, 58, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 links to 58, code 7
    /* 688 */ {349, 148, 8, 59, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 links to 59, code 8
    /* 689 */ {349, 148, 9, 60, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 links to 60, code 9
    /* 690 */ {349, 148, 10, 61, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 links to 61, code 10
    /* 691 */ {349, 148, 11, 62, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 links to 62, code 11
    /* 692 */ {349, 148, 12, 63, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // 349 links to 63, code 12
    /* 693 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 694 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 695 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 696 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 697 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 698 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 699 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 700 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 701 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 702 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 703 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 704 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 705 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 706 */ {0, 154, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 707 */ {0, 161, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of table
};
// clang-format on

} // namespace tarlix
