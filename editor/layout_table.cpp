// The control layout table: every control, directive and parameter of the instrument.
// Parameter columns (name, kind, ranges, options, global flag) are the instrument's
// definitions; positions, bitmaps and tooltips not yet designed stay empty until the
// editor is built. Rows marked "filler" are no-op directive slots that keep row numbers.
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
    /*   2 */ {3, 67, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 100.0f, "zDataStorage1", nullptr, nullptr},
    /*   3 */ {4, 67, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 100.0f, "zDataStorage2", nullptr, nullptr},
    /*   4 */ {5, 67, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 100.0f, "zDataStore2k1", nullptr, nullptr},
    /*   5 */ {0, 156, 0, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // font Arial 18
    /*   6 */ {0, 151, 0, 87, 24, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // text style 0
    /*   7 */ {336, 55, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Global#", nullptr, nullptr},
    /*   8 */ {337, 56, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "GlobalNm", nullptr, nullptr},
    /*   9 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  10 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  11 */ {120, 32, -1, 648, 329, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Play Mode", "Mono,Legato,Poly,", "Master Play Mode"},
    /*  12 */ {184, 32, -1, 0, 0, nullptr, 1.0f, 48.0f, 0.833333f, 40.0f, "Bend Depth", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,", nullptr},
    /*  13 */ {185, 32, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 10.0f, "ModToAft", "Normal,Aftertouch,", nullptr},
    /*  14 */ {0, 152, -1, 29, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // knob frames 29
    /*  15 */ {72, 3, -1, 754, 328, "Knob.png", 0.0f, 1000.0f, 0.0f, 1000.0f, "Portamento (ms)", nullptr, "Portamento Time(ms)"},
    /*  16 */ {122, 0, -1, 0, 0, nullptr, -100.0f, 100.0f, -5.0f, 5.0f, "Master Pan", nullptr, nullptr},
    /*  17 */ {193, 0, -1, 0, 0, nullptr, -100.0f, 100.0f, -20.0f, 20.0f, "Pan Tracking %", nullptr, nullptr},
    /*  18 */ {123, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Master Volume %", nullptr, nullptr},
    /*  19 */ {154, 32, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Melt A Mode", "Circuit,Tape,", nullptr},
    /*  20 */ {155, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Melt Depth", nullptr, nullptr},
    /*  21 */ {223, 29, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Melt System", "A,B,", nullptr},
    /*  22 */ {382, 28, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt System A"},
    /*  23 */ {383, 28, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt System B"},
    /*  24 */ {221 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Melt:A Rnd", nullptr, nullptr},
    /*  25 */ {1, 158, -1, 751, 434, "Melt_Panel.png", 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 1
    /*  26 */ {361, 30, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt Panel"},
    /*  27 */ {237, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 80.0f, "Melt A Cutoff", nullptr, nullptr},
    /*  28 */ {156, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 5.0f, 15.0f, "Melt A Pitch", nullptr, nullptr},
    /*  29 */ {158, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 5.0f, "Melt A Jump", nullptr, nullptr},
    /*  30 */ {160, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 20.0f, "Melt A Amp", nullptr, nullptr},
    /*  31 */ {157, 0, -1, 0, 0, nullptr, 100.0f, 750.0f, 100.0f, 750.0f, "Melt A Blend", nullptr, nullptr},
    /*  32 */ {159, 3, -1, 0, 0, nullptr, 3.0f, 30.0f, 30.0f, 300.0f, "Melt A Speed (Hz)", nullptr, nullptr},
    /*  33 */ {161, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 25.0f, 75.0f, "Melt Buffer", nullptr, nullptr},
    /*  34 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 1
    /*  35 */ {350, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt A section object"},
    /*  36 */ {351, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt B section object"},
    /*  37 */ {384, 30, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt Panel B"},
    /*  38 */ {20, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 20
    /*  39 */ {224, 3, -1, 0, 0, nullptr, 1.0f, 15.0f, 10.0f, 150.0f, "Melt B Wow (Hz)", nullptr, nullptr},
    /*  40 */ {226, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, -5.0f, 5.0f, "Melt B Speed Mix %", nullptr, nullptr},
    /*  41 */ {225, 3, -1, 0, 0, nullptr, 15.0f, 30.0f, 150.0f, 300.0f, "Melt B Flutter (Hz)", nullptr, nullptr},
    /*  42 */ {238, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 150.0f, "Melt B Cutoff", nullptr, nullptr},
    /*  43 */ {227, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 0.166667f, "Melt B to Pitch %", nullptr, nullptr},
    /*  44 */ {228, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 12.5f, "Melt B to Amp %", nullptr, nullptr},
    /*  45 */ {229, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 0.25f, "Melt B to HFO", nullptr, nullptr},
    /*  46 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 20
    /*  47 */ {21, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 21
    /*  48 */ {231 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Melt:B Rnd", nullptr, nullptr},
    /*  49 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 21
    /*  50 */ {186, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Cho Mode", nullptr, nullptr},
    /*  51 */ {2, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 2
    /*  52 */ {362, 30, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Chorus Panel"},
    /*  53 */ {187, 3, -1, 0, 0, nullptr, 0.0f, 5.0f, 0.0f, 5.0f, "Chorus Depth (ms)", nullptr, nullptr},
    /*  54 */ {188, 3, -1, 0, 0, nullptr, 0.1f, 15.0f, 0.1f, 15.0f, "Chorus Rate (Hz)", nullptr, nullptr},
    /*  55 */ {189, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 10.0f, 2.5f, "Chorus Sep %", nullptr, nullptr},
    /*  56 */ {190, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Chorus Melt %", nullptr, nullptr},
    /*  57 */ {192, 3, -1, 0, 0, nullptr, 0.0f, 50.0f, 0.0f, 50.0f, "Chorus Spread (ms)", nullptr, nullptr},
    /*  58 */ {191, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, -5.0f, 5.0f, "Chorus Mix %", nullptr, nullptr},
    /*  59 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 2
    /*  60 */ {365, 78, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Melt sub-division picture"},
    /*  61 */ {387, 138, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "bank picture and command centre"},
    /*  62 */ {80, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 80
    /*  63 */ {449, 77, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "image pop-up"},
    /*  64 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 80
    /*  65 */ {0 | G, 57, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "BankFile", "---", nullptr},
    /*  66 */ {400, 28, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Bank and Midi:CC Options"},
    /*  67 */ {398, 28, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Load Single Sound Preset"},
    /*  68 */ {399, 28, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Save Single Sound Preset"},
    /*  69 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  70 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  71 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  72 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  73 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  74 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  75 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  76 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  77 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  78 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  79 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  80 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  81 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  82 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  83 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  84 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  85 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  86 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  87 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  88 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  89 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  90 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  91 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  92 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  93 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  94 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  95 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  96 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /*  97 */ {368 | G, 27, -1, 712, 586, "copy.png", 0.0f, 10.0f, 0.0f, 10.0f, "Copy P", nullptr, "Click To Copy This Whole Preset"},
    /*  98 */ {369, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Paste P", nullptr, nullptr},
    /*  99 */ {393, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Preset Down", nullptr, nullptr},
    /* 100 */ {392, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Preset Up", nullptr, nullptr},
    /* 101 */ {401, 83, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Preset Name", nullptr, nullptr},
    /* 102 */ {338, 53, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Aft", nullptr, nullptr},
    /* 103 */ {339, 53, -1, 0, 0, nullptr, 0.0f, 100.0f, -1.0f, 1.0f, "Bend", nullptr, nullptr},
    /* 104 */ {340, 53, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Mod", nullptr, nullptr},
    /* 105 */ {64, 32, -1, 0, 0, nullptr, 0.0f, 14.0f, 0.0f, 14.0f, "Osc1 Wave", "Sine,Saw,Soft Ramp,Triangle,Peak,Cluster,Organ,Square,Pulse,Inv.Saw,Bell,Vox,Vox2,Vox3,Funk,", nullptr},
    /* 106 */ {65, 32, -1, 0, 0, nullptr, 0.0f, 14.0f, 0.0f, 14.0f, "Osc2 Wave", "Sine,Saw,Soft Ramp,Triangle,Peak,Cluster,Organ,Square,Pulse,Inv.Saw,Bell,Vox,Vox2,Vox3,Funk,", nullptr},
    /* 107 */ {73, 32, -1, 0, 0, nullptr, 0.0f, 6.0f, 0.0f, 6.0f, "SubOsc Wave", "Sine,Square,Triangle,Vox,Vox2,Vox3,Funk,", nullptr},
    /* 108 */ {164, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Osc Retrig", nullptr, nullptr},
    /* 109 */ {66, 32, -1, 0, 0, nullptr, 0.0f, 6.0f, 0.0f, 6.0f, "Osc Mode", "Mix,And,Or,Xor,Ring,Sync,X-wave,", nullptr},
    /* 110 */ {8, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 8
    /* 111 */ {177, 0, -1, 0, 0, nullptr, 0.0f, 50.0f, 0.0f, 5.0f, "Logic Switch", nullptr, nullptr},
    /* 112 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 8
    /* 113 */ {67, 32, -1, 0, 0, nullptr, -2.0f, 3.0f, -2.0f, 3.0f, "Osc Octave", "-2,-1,0,1,2,3,", nullptr},
    /* 114 */ {68, 32, -1, 0, 0, nullptr, -12.0f, 12.0f, -1.0f, 1.0f, "Wave 2 Semi", "-12,-11,-10,-9,-8,-7,-6,-5,-4,-3,-2,-1,0,1,2,3,4,5,6,7,8,9,10,11,12,", nullptr},
    /* 115 */ {70, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 0.08333f, "Osc Drift", nullptr, nullptr},
    /* 116 */ {71, 0, -1, 0, 0, nullptr, 0.0f, 95.0f, 0.0f, 9.5f, "Osc Width %", nullptr, nullptr},
    /* 117 */ {69, 0, -1, 0, 0, nullptr, -50.0f, 50.0f, -0.0416667f, 0.0416667f, "Wave 2 Tune", nullptr, nullptr},
    /* 118 */ {376, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "LoadOSC", nullptr, nullptr},
    /* 119 */ {377, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SaveOSC", nullptr, nullptr},
    /* 120 */ {212 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "OSC Rnd", nullptr, nullptr},
    /* 121 */ {341, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "oscillator section object"},
    /* 122 */ {370, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Copy", nullptr, nullptr},
    /* 123 */ {371, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Paste", nullptr, nullptr},
    /* 124 */ {372, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Copy", nullptr, nullptr},
    /* 125 */ {373, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Paste", nullptr, nullptr},
    /* 126 */ {81, 32, -1, 0, 0, nullptr, 5.0f, -2.5f, 5.0f, -2.5f, "Filter %", "100%,87%,75%,62%,50%,37%,25%,", nullptr},
    /* 127 */ {82, 32, -1, 0, 0, nullptr, 1.0f, 10.0f, 1.0f, 10.0f, "LPF Type", "A,B,C,D,E,F,G,H,Acid,Milk,", nullptr},
    /* 128 */ {180, 32, -1, 0, 0, nullptr, 0.0f, 1.0f, 1.0f, 0.0f, "LPF Mode", "24dB,12dB,", nullptr},
    /* 129 */ {83, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "LPF Cutoff", nullptr, nullptr},
    /* 130 */ {84, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 9.0f, "LPF Resonance", nullptr, nullptr},
    /* 131 */ {85, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 7.0f, "HPF Cutoff", nullptr, nullptr},
    /* 132 */ {94, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Filter Env Level", nullptr, nullptr},
    /* 133 */ {121, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 10.0f, 100.0f, "Gain", nullptr, nullptr},
    /* 134 */ {181, 32, -1, 0, 0, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Gain Mode", "Post,Pre,Off,", nullptr},
    /* 135 */ {178, 0, -1, 0, 0, nullptr, 0.0f, 24.0f, 0.0f, -2.0f, "Filter2 Offset (Semi)", nullptr, nullptr},
    /* 136 */ {179, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Filter2 Active", nullptr, nullptr},
    /* 137 */ {182, 32, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Env Source", "LPF,AMP,", nullptr},
    /* 138 */ {183, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "HPF Res", nullptr, nullptr},
    /* 139 */ {87, 26, -1, 0, 0, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Filter Invert", nullptr, nullptr},
    /* 140 */ {86, 0, -1, 0, 0, nullptr, -100.0f, 100.0f, -10.0f, 10.0f, "Filter Track", nullptr, nullptr},
    /* 141 */ {208, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Filter Saturation %", nullptr, nullptr},
    /* 142 */ {209, 0, -1, 0, 0, nullptr, -50.0f, 100.0f, 5.0f, 20.0f, "Filter Drive %", nullptr, nullptr},
    /* 143 */ {88, 3, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "LPF Attack (s)", nullptr, nullptr},
    /* 144 */ {89, 3, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "LPF Decay (s)", nullptr, nullptr},
    /* 145 */ {90, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "LPF Sustain %", nullptr, nullptr},
    /* 146 */ {91, 3, -1, 0, 0, nullptr, 0.001f, 10.0f, 0.001f, 10.0f, "LPF Release (s)", nullptr, nullptr},
    /* 147 */ {92, 3, -1, 0, 0, nullptr, 25.0f, 400.0f, 0.25f, 4.0f, "LPF Time Scale %", nullptr, nullptr},
    /* 148 */ {93, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "LPF Velocity %", nullptr, nullptr},
    /* 149 */ {174, 32, -1, 0, 0, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "LPF Shape", "Lin,Exp,I.Exp,", nullptr},
    /* 150 */ {378, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "LoadFILTER", nullptr, nullptr},
    /* 151 */ {379, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SaveFILTER", nullptr, nullptr},
    /* 152 */ {213 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Filter Rnd", nullptr, nullptr},
    /* 153 */ {342, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "filter section object"},
    /* 154 */ {205, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "EQ Active", nullptr, nullptr},
    /* 155 */ {3, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 3
    /* 156 */ {354, 114, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "equaliser display"},
    /* 157 */ {196, 6, -1, 0, 0, nullptr, 20.0f, 20480.0f, 20.0f, 20480.0f, "EQ 1 Freq Hz", nullptr, nullptr},
    /* 158 */ {197, 0, -1, 0, 0, nullptr, -18.0f, 18.0f, -18.0f, 18.0f, "EQ 1 Gain dB", nullptr, nullptr},
    /* 159 */ {198, 0, -1, 0, 0, nullptr, 100.0f, 10.0f, 100.0f, 10.0f, "EQ 1 Width", nullptr, nullptr},
    /* 160 */ {199, 6, -1, 0, 0, nullptr, 20.0f, 20480.0f, 20.0f, 20480.0f, "EQ 2 Freq Hz", nullptr, nullptr},
    /* 161 */ {200, 0, -1, 0, 0, nullptr, -18.0f, 18.0f, -18.0f, 18.0f, "EQ 2 Gain dB", nullptr, nullptr},
    /* 162 */ {201, 0, -1, 0, 0, nullptr, 100.0f, 10.0f, 100.0f, 10.0f, "EQ 2 Width", nullptr, nullptr},
    /* 163 */ {202, 6, -1, 0, 0, nullptr, 20.0f, 20480.0f, 20.0f, 20480.0f, "EQ 3 Freq Hz", nullptr, nullptr},
    /* 164 */ {203, 0, -1, 0, 0, nullptr, -18.0f, 18.0f, -18.0f, 18.0f, "EQ 3 Gain dB", nullptr, nullptr},
    /* 165 */ {204, 0, -1, 0, 0, nullptr, 100.0f, 10.0f, 100.0f, 10.0f, "EQ 3 Width", nullptr, nullptr},
    /* 166 */ {206, 32, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Pre-Post EQ", "Pre,Post,", nullptr},
    /* 167 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 3
    /* 168 */ {363, 30, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "3 Band EQ Panel"},
    /* 169 */ {114, 3, -1, 0, 0, nullptr, 0.001f, 10.0f, 0.001f, 10.0f, "Amp Attack (s)", nullptr, nullptr},
    /* 170 */ {115, 3, -1, 0, 0, nullptr, 0.001f, 10.0f, 0.001f, 10.0f, "Amp Decay (s)", nullptr, nullptr},
    /* 171 */ {116, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Amp Sustain %", nullptr, nullptr},
    /* 172 */ {117, 3, -1, 0, 0, nullptr, 0.001f, 10.0f, 0.001f, 10.0f, "Amp Release (s)", nullptr, nullptr},
    /* 173 */ {118, 3, -1, 0, 0, nullptr, 25.0f, 400.0f, 0.25f, 4.0f, "Amp Time Scale %", nullptr, nullptr},
    /* 174 */ {119, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Amp Velocity %", nullptr, nullptr},
    /* 175 */ {176, 32, -1, 0, 0, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Amp Shape", "Lin,Exp,I.Exp,", nullptr},
    /* 176 */ {74, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Ext Input", nullptr, nullptr},
    /* 177 */ {75, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Osc1 Mix", nullptr, nullptr},
    /* 178 */ {76, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Osc2 Mix", nullptr, nullptr},
    /* 179 */ {77, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "SubOsc Mix", nullptr, nullptr},
    /* 180 */ {78, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Noise Mix", nullptr, nullptr},
    /* 181 */ {80, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Noise HPF", nullptr, nullptr},
    /* 182 */ {79, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 10.0f, 0.0f, "Noise LPF", nullptr, nullptr},
    /* 183 */ {234, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 500.0f, "Noise Tone", nullptr, nullptr},
    /* 184 */ {124, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Arp OnOff", nullptr, nullptr},
    /* 185 */ {125, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Arp Hold", nullptr, nullptr},
    /* 186 */ {126, 32, -1, 0, 0, nullptr, 1.0f, 5.0f, 1.0f, 5.0f, "Arp Mode", "Cycle Up,Cycle Down,Cycle Up/Dn,Cycle Up/Dn2,Random,", nullptr},
    /* 187 */ {129, 32, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Arp Vel", "Note,Constant,", nullptr},
    /* 188 */ {127, 32, -1, 0, 0, nullptr, 0.0f, 3.0f, 0.0f, 3.0f, "Arp Range", "1,2,3,4,", nullptr},
    /* 189 */ {128, 32, -1, 0, 0, nullptr, 0.0f, 8.0f, 0.0f, 8.0f, "Arp Rate", "x8,x4,x2,1,2,4,8,16,32,", nullptr},
    /* 190 */ {194, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 10.0f, 15.0f, "Arp Half", nullptr, nullptr},
    /* 191 */ {130, 0, -1, 0, 0, nullptr, 5.0f, 95.0f, 0.5f, 9.5f, "Arp Gate %", nullptr, nullptr},
    /* 192 */ {131, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Seq OnOff", nullptr, nullptr},
    /* 193 */ {132, 32, -1, 0, 0, nullptr, 0.0f, 4.0f, 0.0f, 4.0f, "Seq Dir", "Forward,Back,Fwd/Back,Back/Fwd,Random,", nullptr},
    /* 194 */ {133, 32, -1, 0, 0, nullptr, 0.0f, 8.0f, 0.0f, 8.0f, "Seq Rate", "x8,x4,x2,1,2,4,8,16,32,", nullptr},
    /* 195 */ {195, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 10.0f, 15.0f, "Seq Half", nullptr, nullptr},
    /* 196 */ {134, 32, -1, 0, 0, nullptr, 0.0f, 7.0f, 0.0f, 7.0f, "Seq Length", "1,2,3,4,5,6,7,8,", nullptr},
    /* 197 */ {143, 32, -1, 0, 0, nullptr, -24.0f, 24.0f, -2.0f, 2.0f, "Seq Range", "-24,-23,-22,-21,-20,-19,-18,-17,-16,-15,-14,-13,-12,-11,-10,-9,-8,-7,-6,-5,-4,-3,-2,-1,0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,", nullptr},
    /* 198 */ {135, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 1", nullptr, nullptr},
    /* 199 */ {136, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 2", nullptr, nullptr},
    /* 200 */ {137, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 3", nullptr, nullptr},
    /* 201 */ {138, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 4", nullptr, nullptr},
    /* 202 */ {139, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 5", nullptr, nullptr},
    /* 203 */ {140, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 6", nullptr, nullptr},
    /* 204 */ {141, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 7", nullptr, nullptr},
    /* 205 */ {142, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SeqA 8", nullptr, nullptr},
    /* 206 */ {402, 122, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Seq A", nullptr, nullptr},
    /* 207 */ {144, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 1", nullptr, nullptr},
    /* 208 */ {145, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 2", nullptr, nullptr},
    /* 209 */ {146, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 3", nullptr, nullptr},
    /* 210 */ {147, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 4", nullptr, nullptr},
    /* 211 */ {148, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 5", nullptr, nullptr},
    /* 212 */ {149, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 6", nullptr, nullptr},
    /* 213 */ {150, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 7", nullptr, nullptr},
    /* 214 */ {151, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "SeqB 8", nullptr, nullptr},
    /* 215 */ {403, 122, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Seq B", nullptr, nullptr},
    /* 216 */ {152, 0, -1, 0, 0, nullptr, -100.0f, 100.0f, -10.0f, 10.0f, "Seq Filter", nullptr, nullptr},
    /* 217 */ {153, 0, -1, 0, 0, nullptr, -100.0f, 100.0f, -10.0f, 10.0f, "Seq Amp", nullptr, nullptr},
    /* 218 */ {175, 0, -1, 0, 0, nullptr, 1.0f, 250.0f, 1.0f, 250.0f, "Seq Glide", nullptr, nullptr},
    /* 219 */ {366, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Copy", nullptr, nullptr},
    /* 220 */ {367, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Paste", nullptr, nullptr},
    /* 221 */ {374, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "LoadSEQ", nullptr, nullptr},
    /* 222 */ {375, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SaveSEQ", nullptr, nullptr},
    /* 223 */ {214 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SEQ Rnd", nullptr, nullptr},
    /* 224 */ {343, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "sequencer section object"},
    /* 225 */ {165, 32, -1, 0, 0, nullptr, 0.0f, 4.0f, 0.0f, 4.0f, "Echo Rate", "1b,1/2,1/4,1/8,1/16,", nullptr},
    /* 226 */ {162, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Echo OnOff", nullptr, nullptr},
    /* 227 */ {163, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Echo Pong", nullptr, nullptr},
    /* 228 */ {210, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Echo Dotted", nullptr, nullptr},
    /* 229 */ {173, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Echo Step", nullptr, nullptr},
    /* 230 */ {168, 0, -1, 0, 0, nullptr, 1.0f, 8.0f, 10.0f, 80.0f, "Echo Length", nullptr, nullptr},
    /* 231 */ {166, 0, -1, 0, 0, nullptr, -100.0f, 100.0f, -1.0f, 1.0f, "Echo Shift", nullptr, nullptr},
    /* 232 */ {167, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 5.0f, 0.0f, "Echo Phase", nullptr, nullptr},
    /* 233 */ {169, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Echo FBK", nullptr, nullptr},
    /* 234 */ {172, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Echo Level", nullptr, nullptr},
    /* 235 */ {170, 0, -1, 0, 0, nullptr, 50.0f, 100.0f, 5.0f, 10.0f, "Echo LPF", nullptr, nullptr},
    /* 236 */ {171, 0, -1, 0, 0, nullptr, 0.0f, 50.0f, 0.0f, 5.0f, "Echo HPF", nullptr, nullptr},
    /* 237 */ {380, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "LoadECHO", nullptr, nullptr},
    /* 238 */ {381, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "SaveECHO", nullptr, nullptr},
    /* 239 */ {6, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 On/Off", nullptr, nullptr},
    /* 240 */ {17, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 On/Off", nullptr, nullptr},
    /* 241 */ {28, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 On/Off", nullptr, nullptr},
    /* 242 */ {40, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Hfo On/Off", nullptr, nullptr},
    /* 243 */ {95, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Env On/Off", nullptr, nullptr},
    /* 244 */ {54, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Aft On/Off", nullptr, nullptr},
    /* 245 */ {355, 31, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Lfo1 Panel"},
    /* 246 */ {9, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 9
    /* 247 */ {10, 32, -1, 0, 0, nullptr, 0.0f, 18.0f, 0.0f, 18.0f, "Lfo1 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,Pulse Width,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Filter Cutoff,Panning,Volume,Amp - Attack,Amp - Decay,Filter - Attack,Filter - Decay,HFO - Pitch,Melt,Echo - Tune,Logic Switch,", nullptr},
    /* 248 */ {8, 32, -1, 0, 0, nullptr, 0.0f, 11.0f, 0.0f, 11.0f, "Lfo1 Shape", "Sine,Triangle,Pulse,Saw 1,Saw 2,Saw 3,Ramp 1,Ramp 2,Ramp 3,Peak,Dip,Random,", nullptr},
    /* 249 */ {12, 32, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 Beat", "16b,8b,4b,2b,1b,2/1,1/1,1/2,1/4,1/8,1/16,", nullptr},
    /* 250 */ {9, 0, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10000.0f, "Lfo1 Intro (s)", nullptr, nullptr},
    /* 251 */ {15, 0, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 Depth", nullptr, nullptr},
    /* 252 */ {14, 0, -1, 0, 0, nullptr, -50.0f, 50.0f, -5.0f, 5.0f, "Lfo1 Phase %", nullptr, nullptr},
    /* 253 */ {7, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 Retrig", nullptr, nullptr},
    /* 254 */ {16, 26, -1, 0, 0, nullptr, 10.0f, 1.0f, 10.0f, 1.0f, "Lfo1 Subtle", nullptr, nullptr},
    /* 255 */ {13, 30, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo1 Sync", nullptr, nullptr},
    /* 256 */ {215 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "LFO1 Rnd", nullptr, nullptr},
    /* 257 */ {344, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "LFO 1 section object"},
    /* 258 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 9
    /* 259 */ {10, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 10
    /* 260 */ {11, 3, -1, 0, 0, nullptr, 0.02f, 20.0f, 0.02f, 20.0f, "Lfo1 Rate(Hz)", nullptr, nullptr},
    /* 261 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 10
    /* 262 */ {356, 31, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Lfo2 Panel"},
    /* 263 */ {11, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 11
    /* 264 */ {21, 32, -1, 0, 0, nullptr, 0.0f, 18.0f, 0.0f, 18.0f, "Lfo2 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,Pulse Width,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Filter Cutoff,Panning,Volume,Amp - Attack,Amp - Decay,Filter - Attack,Filter - Decay,HFO - Pitch,Melt,Echo - Tune,Logic Switch,", nullptr},
    /* 265 */ {19, 32, -1, 0, 0, nullptr, 0.0f, 11.0f, 0.0f, 11.0f, "Lfo2 Shape", "Sine,Triangle,Pulse,Saw 1,Saw 2,Saw 3,Ramp 1,Ramp 2,Ramp 3,Peak,Dip,Random,", nullptr},
    /* 266 */ {23, 32, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 Beat", "16b,8b,4b,2b,1b,2/1,1/1,1/2,1/4,1/8,1/16,", nullptr},
    /* 267 */ {20, 0, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10000.0f, "Lfo2 Intro (s)", nullptr, nullptr},
    /* 268 */ {26, 0, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 Depth", nullptr, nullptr},
    /* 269 */ {25, 0, -1, 0, 0, nullptr, -50.0f, 50.0f, -5.0f, 5.0f, "Lfo2 Phase %", nullptr, nullptr},
    /* 270 */ {18, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 Retrig", nullptr, nullptr},
    /* 271 */ {27, 26, -1, 0, 0, nullptr, 10.0f, 1.0f, 10.0f, 1.0f, "Lfo2 Subtle", nullptr, nullptr},
    /* 272 */ {24, 30, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo2 Sync", nullptr, nullptr},
    /* 273 */ {216 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "LFO2 Rnd", nullptr, nullptr},
    /* 274 */ {345, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "LFO 2 section object"},
    /* 275 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 11
    /* 276 */ {12, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 12
    /* 277 */ {22, 3, -1, 0, 0, nullptr, 0.02f, 20.0f, 0.02f, 20.0f, "Lfo2 Rate", nullptr, nullptr},
    /* 278 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 12
    /* 279 */ {357, 31, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Lfo3 Panel"},
    /* 280 */ {13, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 13
    /* 281 */ {32, 32, -1, 0, 0, nullptr, 0.0f, 16.0f, 0.0f, 16.0f, "Lfo3 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,Pulse Width,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Filter Cutoff,Panning,Volume,Amp - Attack,Amp - Decay,Filter - Attack,Filter - Decay,HFO - Pitch,Logic Switch,", nullptr},
    /* 282 */ {30, 32, -1, 0, 0, nullptr, 0.0f, 11.0f, 0.0f, 11.0f, "Lfo3 Shape", "Sine,Triangle,Pulse,Saw 1,Saw 2,Saw 3,Ramp 1,Ramp 2,Ramp 3,Peak,Dip,Random,", nullptr},
    /* 283 */ {34, 32, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Beat", "16b,8b,4b,2b,1b,2/1,1/1,1/2,1/4,1/8,1/16,", nullptr},
    /* 284 */ {31, 0, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10000.0f, "Lfo3 Intro (s)", nullptr, nullptr},
    /* 285 */ {37, 0, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Depth", nullptr, nullptr},
    /* 286 */ {36, 0, -1, 0, 0, nullptr, -50.0f, 50.0f, -5.0f, 5.0f, "Lfo3 Phase %", nullptr, nullptr},
    /* 287 */ {29, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Retrig", nullptr, nullptr},
    /* 288 */ {38, 26, -1, 0, 0, nullptr, 10.0f, 1.0f, 10.0f, 1.0f, "Lfo3 Subtle", nullptr, nullptr},
    /* 289 */ {35, 30, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Sync", nullptr, nullptr},
    /* 290 */ {217 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "LFO3 Rnd", nullptr, nullptr},
    /* 291 */ {346, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "LFO 3 section object"},
    /* 292 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 13
    /* 293 */ {14, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 14
    /* 294 */ {33, 3, -1, 0, 0, nullptr, 0.02f, 20.0f, 0.02f, 20.0f, "Lfo3 Rate", nullptr, nullptr},
    /* 295 */ {39, 26, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Lfo3 Track", nullptr, nullptr},
    /* 296 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 14
    /* 297 */ {358, 31, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Hfo Panel"},
    /* 298 */ {15, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 15
    /* 299 */ {41, 32, -1, 0, 0, nullptr, 0.0f, 12.0f, 0.0f, 12.0f, "HFO Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,Sub - Pitch,Filter Cutoff,Main FM,Osc1 - FM,Osc2 - FM,Sub - FM,Main - AM,Osc1 - AM,Osc2 - AM,Pulse Width,", nullptr},
    /* 300 */ {42, 32, -1, 0, 0, nullptr, 0.0f, 6.0f, 0.0f, 6.0f, "HFO Shape", "Sine,Triangle,Pulse,Saw,Trap,Peak,Random,", nullptr},
    /* 301 */ {44, 32, -1, 0, 0, nullptr, -3.0f, 3.0f, -3.0f, 3.0f, "HFO Oct", "-3,-2,-1,0,1,2,3,", nullptr},
    /* 302 */ {45, 32, -1, 0, 0, nullptr, -12.0f, 12.0f, -1.0f, 1.0f, "HFO Semi", "-12,-11,-10,-9,-8,-7,-6,-5,-4,-3,-2,-1,0,1,2,3,4,5,6,7,8,9,10,11,12,", nullptr},
    /* 303 */ {43, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "HFO Depth", nullptr, nullptr},
    /* 304 */ {46, 0, -1, 0, 0, nullptr, -100.0f, 100.0f, -0.0833333f, 0.0833333f, "HFO Tune (cents)", nullptr, nullptr},
    /* 305 */ {47, 3, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "HFO Attack (s)", nullptr, nullptr},
    /* 306 */ {48, 3, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "HFO Decay (s)", nullptr, nullptr},
    /* 307 */ {49, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "HFO Sustain %", nullptr, nullptr},
    /* 308 */ {50, 3, -1, 0, 0, nullptr, 0.001f, 10.0f, 0.001f, 10.0f, "HFO Release (s)", nullptr, nullptr},
    /* 309 */ {51, 3, -1, 0, 0, nullptr, 25.0f, 400.0f, 0.25f, 4.0f, "HFO Time Scale %", nullptr, nullptr},
    /* 310 */ {52, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "HFO Velocity %", nullptr, nullptr},
    /* 311 */ {53, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "HFO Level", nullptr, nullptr},
    /* 312 */ {218 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "HFO Rnd", nullptr, nullptr},
    /* 313 */ {347, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "HFO section object"},
    /* 314 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 15
    /* 315 */ {359, 31, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Envelopes Panel"},
    /* 316 */ {16, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 16
    /* 317 */ {104, 32, -1, 0, 0, nullptr, 0.0f, 12.0f, 0.0f, 12.0f, "Env1 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,HFO - Pitch,Pulse Width,Filter Cutoff,LFO 3 - Depth,Melt - Circuit,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Logic Switch,", nullptr},
    /* 318 */ {113, 32, -1, 0, 0, nullptr, 0.0f, 12.0f, 0.0f, 12.0f, "Env2 Target", "Main Pitch,Osc1 - Pitch,Osc2 - Pitch,HFO - Pitch,Pulse Width,Filter Cutoff,LFO 3 - Depth,Melt - Circuit,Osc1 - Level,Osc2 - Level,Sub - Level,Noise - Level,Logic Switch,", nullptr},
    /* 319 */ {235, 32, -1, 0, 0, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Env1 Shape", "Lin,Exp,I.Exp,", nullptr},
    /* 320 */ {236, 32, -1, 0, 0, nullptr, 0.0f, 2.0f, 0.0f, 2.0f, "Env2 Shape", "Lin,Exp,I.Exp,", nullptr},
    /* 321 */ {103, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Env1 Invert", nullptr, nullptr},
    /* 322 */ {112, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Env2 Invert", nullptr, nullptr},
    /* 323 */ {96, 3, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Env1 Attack (s)", nullptr, nullptr},
    /* 324 */ {97, 3, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Env1 Decay (s)", nullptr, nullptr},
    /* 325 */ {98, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Env1 Sustain %", nullptr, nullptr},
    /* 326 */ {99, 3, -1, 0, 0, nullptr, 0.001f, 10.0f, 0.001f, 10.0f, "Env1 Release (s)", nullptr, nullptr},
    /* 327 */ {100, 3, -1, 0, 0, nullptr, 25.0f, 400.0f, 0.25f, 4.0f, "Env1 Time Scale %", nullptr, nullptr},
    /* 328 */ {101, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Env1 Velocity %", nullptr, nullptr},
    /* 329 */ {102, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Env1 Level", nullptr, nullptr},
    /* 330 */ {105, 3, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Env2 Attack (s)", nullptr, nullptr},
    /* 331 */ {106, 3, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Env2 Decay (s)", nullptr, nullptr},
    /* 332 */ {107, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Env2 Sustain %", nullptr, nullptr},
    /* 333 */ {108, 3, -1, 0, 0, nullptr, 0.001f, 10.0f, 0.001f, 10.0f, "Env2 Release (s)", nullptr, nullptr},
    /* 334 */ {109, 3, -1, 0, 0, nullptr, 25.0f, 400.0f, 0.25f, 4.0f, "Env2 Time Scale %", nullptr, nullptr},
    /* 335 */ {110, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Env2 Velocity %", nullptr, nullptr},
    /* 336 */ {111, 3, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Env2 Level", nullptr, nullptr},
    /* 337 */ {219 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Env Rnd", nullptr, nullptr},
    /* 338 */ {348, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "envelope section object"},
    /* 339 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 16
    /* 340 */ {360, 31, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Aftertouch Panel"},
    /* 341 */ {17, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 17
    /* 342 */ {55, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 0.0416667f, "Aft to Tune", nullptr, nullptr},
    /* 343 */ {56, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Aft to Width", nullptr, nullptr},
    /* 344 */ {57, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Aft to Cut", nullptr, nullptr},
    /* 345 */ {58, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Aft to Noise", nullptr, nullptr},
    /* 346 */ {59, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 60.0f, "Aft to Gain", nullptr, nullptr},
    /* 347 */ {60, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Aft to Melt", nullptr, nullptr},
    /* 348 */ {61, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Aft Lfo3 Depth", nullptr, nullptr},
    /* 349 */ {62, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Aft Lfo3 Rate", nullptr, nullptr},
    /* 350 */ {63, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "Aft HFO Depth", nullptr, nullptr},
    /* 351 */ {239, 0, -1, 0, 0, nullptr, -3.0f, 3.0f, -3.0f, 3.0f, "Aft HFO Rate", nullptr, nullptr},
    /* 352 */ {220 | G, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "AFT Rnd", nullptr, nullptr},
    /* 353 */ {349, 135, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "aftertouch section object"},
    /* 354 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 17
    /* 355 */ {207, 53, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "Version", nullptr, nullptr},
    /* 356 */ {352, 30, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "Click to Open Credits and Links Panel"},
    /* 357 */ {19, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 19
    /* 358 */ {353, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, nullptr, nullptr, "Close Panel"},
    /* 359 */ {388, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "WLink", nullptr, nullptr},
    /* 360 */ {389, 27, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "WLink", nullptr, nullptr},
    /* 361 */ {211, 32, -1, 0, 0, nullptr, -1.0f, 15.0f, -1.0f, 15.0f, "Midi Channel", "Channel: All,Channel: 1,Channel: 2,Channel: 3,Channel: 4,Channel: 5,Channel: 6,Channel: 7,Channel: 8,Channel: 9,Channel: 10,Channel: 11,Channel: 12,Channel: 13,Channel: 14,Channel: 15,Channel: 16,", nullptr},
    /* 362 */ {222, 32, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "Mono Note Mode", "OFF,Last Note,", nullptr},
    /* 363 */ {230, 32, -1, 0, 0, nullptr, 0.0f, 37.0f, 0.0f, 37.0f, "Osc Harmonics", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,48,64,96,128,512,1024,", nullptr},
    /* 364 */ {232 | G, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "MPE Active", nullptr, nullptr},
    /* 365 */ {233 | G, 26, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, "MPE A:74", nullptr, nullptr},
    /* 366 */ {240, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 10.0f, "MPE: LPF Depth", nullptr, nullptr},
    /* 367 */ {241, 0, -1, 0, 0, nullptr, 0.0f, 100.0f, 0.0f, 50.0f, "MPE: AMP Depth", nullptr, nullptr},
    /* 368 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 19
    /* 369 */ {1, 57, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "text1", nullptr, nullptr},
    /* 370 */ {2, 57, -1, 0, 0, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "text2", nullptr, nullptr},
    /* 371 */ {81, 158, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // panel 81
    /* 372 */ {450, 76, -1, 0, 0, nullptr, 0.0f, 1.0f, 0.0f, 1.0f, nullptr, nullptr, "MIDI-learn dialog"},
    /* 373 */ {0, 160, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of panel 81
    /* 374 */ {242, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 375 */ {243, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 376 */ {244, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 377 */ {245, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 378 */ {246, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 379 */ {247, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 380 */ {248, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 381 */ {249, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 382 */ {250, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 383 */ {251, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 384 */ {252, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 385 */ {253, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 386 */ {254, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 387 */ {255, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 388 */ {256, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 389 */ {257, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 390 */ {258, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 391 */ {259, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 392 */ {260, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 393 */ {261, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 394 */ {262, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 395 */ {263, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 396 */ {264, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 397 */ {265, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 398 */ {266, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 399 */ {267, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 400 */ {268, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 401 */ {269, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 402 */ {270, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 403 */ {271, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 404 */ {272, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 405 */ {273, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 406 */ {274, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 407 */ {275, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 408 */ {276, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 409 */ {277, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 410 */ {278, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 411 */ {279, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 412 */ {280, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 413 */ {281, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 414 */ {282, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 415 */ {283, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 416 */ {284, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 417 */ {285, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 418 */ {286, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 419 */ {287, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 420 */ {288, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 421 */ {289, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 422 */ {290, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 423 */ {291, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 424 */ {292, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 425 */ {293, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 426 */ {294, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 427 */ {295, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 428 */ {296, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 429 */ {297, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 430 */ {298, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 431 */ {299, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 432 */ {300, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 433 */ {301, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 434 */ {302, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 435 */ {303, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 436 */ {304, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 437 */ {305, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 438 */ {306, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 439 */ {307, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 440 */ {308, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 441 */ {309, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 442 */ {310, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 443 */ {311, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 444 */ {312, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 445 */ {313, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 446 */ {314, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 447 */ {315, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 448 */ {316, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 449 */ {317, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 450 */ {318, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 451 */ {319, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 452 */ {320, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 453 */ {321, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 454 */ {322, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 455 */ {323, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 456 */ {324, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 457 */ {325, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 458 */ {326, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 459 */ {327, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 460 */ {328, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 461 */ {329, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 462 */ {330, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 463 */ {331, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 464 */ {332, 53, -1, -2000, -2000, nullptr, 0.0f, 10.0f, 0.0f, 10.0f, "zFuture", nullptr, "Spares"},
    /* 465 */ {404, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#1", nullptr, nullptr},
    /* 466 */ {405, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#2", nullptr, nullptr},
    /* 467 */ {406, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#3", nullptr, nullptr},
    /* 468 */ {407, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#4", nullptr, nullptr},
    /* 469 */ {408, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#5", nullptr, nullptr},
    /* 470 */ {409, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#6", nullptr, nullptr},
    /* 471 */ {410, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#7", nullptr, nullptr},
    /* 472 */ {411, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#8", nullptr, nullptr},
    /* 473 */ {412, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#9", nullptr, nullptr},
    /* 474 */ {413, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#10", nullptr, nullptr},
    /* 475 */ {414, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#11", nullptr, nullptr},
    /* 476 */ {415, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#12", nullptr, nullptr},
    /* 477 */ {416, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#13", nullptr, nullptr},
    /* 478 */ {417, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#14", nullptr, nullptr},
    /* 479 */ {418, 53, -1, -2000, -2000, nullptr, -100.0f, 100.0f, -0.1f, 0.1f, "MPE:Bend#15", nullptr, nullptr},
    /* 480 */ {419, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#1", nullptr, nullptr},
    /* 481 */ {420, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#2", nullptr, nullptr},
    /* 482 */ {421, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#3", nullptr, nullptr},
    /* 483 */ {422, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#4", nullptr, nullptr},
    /* 484 */ {423, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#5", nullptr, nullptr},
    /* 485 */ {424, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#6", nullptr, nullptr},
    /* 486 */ {425, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#7", nullptr, nullptr},
    /* 487 */ {426, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#8", nullptr, nullptr},
    /* 488 */ {427, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#9", nullptr, nullptr},
    /* 489 */ {428, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#10", nullptr, nullptr},
    /* 490 */ {429, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#11", nullptr, nullptr},
    /* 491 */ {430, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#12", nullptr, nullptr},
    /* 492 */ {431, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#13", nullptr, nullptr},
    /* 493 */ {432, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#14", nullptr, nullptr},
    /* 494 */ {433, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:Aft#15", nullptr, nullptr},
    /* 495 */ {434, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#1", nullptr, nullptr},
    /* 496 */ {435, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#2", nullptr, nullptr},
    /* 497 */ {436, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#3", nullptr, nullptr},
    /* 498 */ {437, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#4", nullptr, nullptr},
    /* 499 */ {438, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#5", nullptr, nullptr},
    /* 500 */ {439, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#6", nullptr, nullptr},
    /* 501 */ {440, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#7", nullptr, nullptr},
    /* 502 */ {441, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#8", nullptr, nullptr},
    /* 503 */ {442, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#9", nullptr, nullptr},
    /* 504 */ {443, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#10", nullptr, nullptr},
    /* 505 */ {444, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#11", nullptr, nullptr},
    /* 506 */ {445, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#12", nullptr, nullptr},
    /* 507 */ {446, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#13", nullptr, nullptr},
    /* 508 */ {447, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#14", nullptr, nullptr},
    /* 509 */ {448, 53, -1, -2000, -2000, nullptr, 0.0f, 100.0f, 0.0f, 1.0f, "MPE:CC74#15", nullptr, nullptr},
    /* 510 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 511 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 512 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 513 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 514 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 515 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 516 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 517 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 518 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 519 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 520 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 521 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 522 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 523 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 524 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 525 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 526 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 527 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 528 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 529 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 530 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 531 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 532 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 533 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 534 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 535 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 536 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 537 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 538 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 539 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 540 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 541 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 542 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 543 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 544 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 545 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 546 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 547 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 548 */ {0, 156, 1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // font Arial 14
    /* 549 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 550 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 551 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 552 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 553 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 554 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 555 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 556 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 557 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 558 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 559 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 560 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 561 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 562 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 563 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 564 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 565 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 566 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 567 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 568 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 569 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 570 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 571 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 572 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 573 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 574 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 575 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 576 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 577 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 578 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 579 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 580 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 581 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 582 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 583 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 584 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 585 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 586 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 587 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 588 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 589 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 590 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 591 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 592 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 593 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 594 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 595 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 596 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 597 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 598 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 599 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 600 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 601 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 602 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 603 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 604 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 605 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 606 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 607 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 608 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 609 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 610 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 611 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 612 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 613 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 614 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 615 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 616 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 617 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 618 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 619 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 620 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 621 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 622 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 623 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 624 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 625 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 626 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 627 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 628 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 629 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 630 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 631 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 632 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 633 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 634 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 635 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 636 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 637 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 638 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 639 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 640 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 641 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 642 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 643 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 644 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 645 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 646 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 647 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 648 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 649 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 650 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 651 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 652 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 653 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 654 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 655 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 656 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 657 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 658 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 659 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 660 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 661 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 662 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 663 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 664 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 665 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 666 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 667 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 668 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 669 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 670 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 671 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 672 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 673 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 674 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 675 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 676 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 677 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 678 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 679 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 680 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 681 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 682 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 683 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 684 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 685 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 686 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 687 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 688 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 689 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 690 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 691 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 692 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 693 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 694 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 695 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 696 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 697 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 698 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 699 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 700 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 701 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 702 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 703 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 704 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 705 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 706 */ {0, 153, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // filler
    /* 707 */ {0, 161, -1, 0, 0, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr}, // end of table
};
// clang-format on

} // namespace tarlix
