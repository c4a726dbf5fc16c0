// The instrument's patch table: every module in processing order, where each input comes from
// and which parameters it is bound to. Rows 58..121 are the voice group, made once per voice.
// Entries of a row come from the module's own description and the signal flow. The voice is
// wired from the keys to the voice sum (sources, modulation sums, limiters, filters,
// saturation, amplitude, pan); after it the effect bus, chorus, equaliser, echo and Melt. The
// Melt pitch wobble (row 28, times the depth of row 52 in row 162) sweeps the two shifters after
// the echo in "Tape" mode; in "Circuit" mode they pass the sound. Its level wobble (row 29)
// moves the summed voices' level, its system-B HFO wobble (row 30) the HFO pitch. Code 6152 names
// two rows (80 and 90); a source of 6152 always means row 90.
#include "engine/patch_table.h"

namespace tarlix {

namespace {
constexpr int16_t M(int code) {
    return static_cast<int16_t>(code);
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
constexpr PatchEntry k4[] = {{3, 0, 221}, {200, 1, 156}, {201, 1, 158}, {202, 1, 160}, {203, 1, 157}, {204, 1, 159}, {205, 1, 161}};
constexpr PatchEntry k5[] = {{3, 0, 231}, {200, 1, 224}, {201, 1, 225}, {202, 1, 226}, {203, 1, 227}, {204, 1, 228}, {205, 1, 229}};
constexpr PatchEntry k6[] = {{3, 0, 212}, {200, 1, 64}, {201, 1, 65}, {202, 1, 73}, {203, 1, 66}, {204, 1, 71}};
constexpr PatchEntry k7[] = {{3, 0, 213}, {200, 1, 83}, {201, 1, 84}, {202, 1, 85}, {203, 1, 82}, {204, 1, 88}, {205, 1, 89}, {206, 1, 90}, {207, 1, 91}, {208, 1, 178}};
constexpr PatchEntry k8[] = {{3, 0, 214}, {200, 1, 135}, {201, 1, 136}, {202, 1, 137}, {203, 1, 138}, {204, 1, 139}, {205, 1, 140}, {206, 1, 141}, {207, 1, 142}};
constexpr PatchEntry k9[] = {{3, 0, 214}, {200, 1, 144}, {201, 1, 145}, {202, 1, 146}, {203, 1, 147}, {204, 1, 148}, {205, 1, 149}, {206, 1, 150}, {207, 1, 151}};
constexpr PatchEntry k10[] = {{3, 0, 215}, {200, 1, 8}, {201, 1, 10}, {202, 1, 11}, {203, 1, 12}, {204, 1, 14}};
constexpr PatchEntry k11[] = {{3, 0, 216}, {200, 1, 19}, {201, 1, 21}, {202, 1, 22}, {203, 1, 23}, {204, 1, 25}};
constexpr PatchEntry k12[] = {{3, 0, 217}, {200, 1, 30}, {201, 1, 32}, {202, 1, 33}, {203, 1, 34}, {204, 1, 36}, {205, 1, 39}};
constexpr PatchEntry k13[] = {{3, 0, 218}, {200, 1, 41}, {201, 1, 42}, {202, 1, 44}, {203, 1, 45}, {204, 1, 46}, {205, 1, 47}, {206, 1, 48}, {207, 1, 49}, {208, 1, 50}, {209, 1, 53}};
constexpr PatchEntry k14[] = {{3, 0, 219}, {200, 1, 104}, {201, 1, 103}, {202, 1, 96}, {203, 1, 97}, {204, 1, 98}, {205, 1, 99}, {206, 1, 102}, {207, 1, 113}, {208, 1, 112}, {209, 1, 105}, {210, 1, 106}, {211, 1, 107}, {212, 1, 108}, {213, 1, 111}};
constexpr PatchEntry k15[] = {{3, 0, 220}, {200, 1, 55}, {201, 1, 56}, {202, 1, 57}, {203, 1, 58}, {204, 1, 59}, {205, 1, 60}, {206, 1, 61}, {207, 1, 62}, {208, 1, 63}};
constexpr PatchEntry k16[] = {{0, 0, 366}, {1, 0, 367}, {200, 1, 135}, {201, 1, 136}, {202, 1, 137}, {203, 1, 138}, {204, 1, 139}, {205, 1, 140}, {206, 1, 141}, {207, 1, 142}, {208, 1, 144}, {209, 1, 145}, {210, 1, 146}, {211, 1, 147}, {212, 1, 148}, {213, 1, 149}, {214, 1, 150}, {215, 1, 151}, {216, 1, 132}, {217, 1, 133}, {218, 1, 134}, {219, 1, 143}};
constexpr PatchEntry k17[] = {{0, 0, 370}, {1, 0, 371}, {200, 1, 64}, {201, 1, 65}, {202, 1, 73}, {203, 1, 66}, {204, 1, 71}, {205, 1, 70}, {206, 1, 69}, {207, 1, 68}, {208, 1, 67}, {209, 1, 177}, {210, 1, 164}, {211, 1, 66}, {212, 1, 75}, {213, 1, 76}, {214, 1, 77}, {215, 1, 78}, {216, 1, 79}, {217, 1, 80}};
constexpr PatchEntry k18[] = {{0, 0, 372}, {1, 0, 373}, {200, 1, 81}, {201, 1, 82}, {202, 1, 180}, {203, 1, 83}, {204, 1, 84}, {205, 1, 85}, {206, 1, 94}, {207, 1, 121}, {208, 1, 181}, {209, 1, 178}, {210, 1, 179}, {211, 1, 182}, {212, 1, 183}, {213, 1, 87}, {214, 1, 86}, {215, 1, 88}, {216, 1, 89}, {217, 1, 90}, {218, 1, 91}, {219, 1, 92}, {220, 1, 93}, {221, 1, 174}, {222, 1, 208}, {223, 1, 209}};
constexpr PatchEntry k19[] = {{0, 1, M(6491)}, {1, 0, 42}, {2, 0, 73}, {3, 0, 66}, {4, 0, 165}, {5, 0, 168}, {6, 0, 11}, {7, 0, 12}, {8, 0, 13}, {9, 0, 22}, {10, 0, 23}, {11, 0, 24}, {12, 0, 33}, {13, 0, 34}, {14, 0, 35}, {15, 0, 39}, {16, 0, 44}, {17, 0, 45}, {18, 0, 46}, {19, 0, 173}, {20, 0, 41}, {21, 0, 43}, {22, 0, 53}, {24, 0, 120}, {25, 0, 123}, {26, 0, 210}, {29, 0, 154}, {30, 0, 156}, {31, 0, 158}, {32, 0, 160}, {33, 0, 157}, {34, 0, 159}, {39, 0, 179}, {40, 0, 178}, {41, 0, 181}, {42, 0, 84}, {44, 0, 205}, {45, 0, 206}, {46, 0, 186}, {47, 0, 191}, {48, 0, 188}, {49, 0, 189}, {50, 0, 187}, {51, 0, 190}, {52, 0, 223}, {53, 0, 224}, {54, 0, 225}, {59, 0, 237}, {60, 0, 238}};
constexpr PatchEntry k37[] = {{0, 0, 335}};
constexpr PatchEntry k38[] = {{0, 0, M(6494)}, {1, 1, M(6491)}, {2, 0, 133},
                              {3, 0, 128},     {22, 0, 195},    {23, 0, 194}};
constexpr PatchEntry k42[] = {{0, 0, M(6494)}, {2, 2, M(6488)}, {3, 1, M(6491)}, {4, 0, 130},
                              {5, 0, 126},     {6, 0, 127},     {7, 0, 129},     {10, 0, 128},
                              {11, 0, 124},    {12, 0, 125},    {13, 0, 194},    {16, 15, M(6529)}};
constexpr PatchEntry k43[] = {{1, 0, 134},      {2, 0, 132},      {5, 0, 131},
                              {6, 11, M(6488)}, {7, 1, M(6488)},  {200, 1, 402}, {201, 1, 403}};
constexpr PatchEntry k56[] = {{0, 0, M(6505)}, {2, 0, 72}, {3, 15, M(6529)}, {4, 14, M(6529)}, {28, 0, 222}, {31, 1, M(6494)}, {59, 0, 232}, {60, 0, 233}};
constexpr PatchEntry k59[] = {{0, 0, M(6027)}, {1, 1, M(6027)}, {2, 2, M(6027)}, {3, 3, M(6027)}, {4, 4, M(6027)}, {5, 5, M(6027)}, {6, 6, M(6027)}, {7, 7, M(6027)}, {8, 8, M(6027)}, {9, 9, M(6027)}, {10, 10, M(6027)}, {11, 11, M(6027)}, {12, 12, M(6027)}, {13, 13, M(6027)}, {14, 14, M(6027)}, {15, 0, M(6028)}, {16, 1, M(6028)}, {17, 2, M(6028)}, {18, 3, M(6028)}, {19, 4, M(6028)}, {20, 5, M(6028)}, {21, 6, M(6028)}, {22, 7, M(6028)}, {23, 8, M(6028)}, {24, 9, M(6028)}, {25, 10, M(6028)}, {26, 11, M(6028)}, {27, 12, M(6028)}, {28, 13, M(6028)}, {29, 14, M(6028)}, {30, 0, M(6029)}, {31, 1, M(6029)}, {32, 2, M(6029)}, {33, 3, M(6029)}, {34, 4, M(6029)}, {35, 5, M(6029)}, {36, 6, M(6029)}, {37, 7, M(6029)}, {38, 8, M(6029)}, {39, 9, M(6029)}, {40, 10, M(6029)}, {41, 11, M(6029)}, {42, 12, M(6029)}, {43, 13, M(6029)}, {44, 14, M(6029)}, {61, 8, M(6543)}, {62, 0, 240}, {63, 15, M(6038)}};
constexpr PatchEntry k79[] = {{0, 0, M(6080)}, {1, 0, M(6543)}, {2, 0, M(6005)}, {3, 1, M(6008)}, {4, 2, M(6008)}, {7, 0, 70}, {9, 0, 64}, {19, 0, 230}, {29, 2, M(6005)}, {39, 3, M(6005)}, {49, 0, M(6090)}, {57, 0, M(6086)}, {62, 0, 164}};
constexpr PatchEntry k1[] = {{0, 0, 5500}, {1, 0, 5505}, {2, 0, 5510}, {3, 0, 5501}, {4, 0, 5634}, {5, 0, 5654}, {6, 0, 5628}, {7, 0, 5515}, {8, 0, 5508}};
constexpr PatchEntry k2[] = {{0, 0, 5500}, {1, 0, 5501}, {2, 0, 5502}, {4, 0, 5518}, {59, 0, 211}};
constexpr PatchEntry k20[] = {{0, 5, M(6529)}, {1, 6, M(6529)}};
constexpr PatchEntry k48[] = {{0, 0, 15}, {2, 0, M(6488)}, {3, 0, 9}};
constexpr PatchEntry k49[] = {{0, 0, M(6021)}, {1, 0, 14}, {2, 0, M(6488)}, {3, 0, 8}, {5, 0, 6}, {7, 0, M(6307)}, {8, 0, 7}};
constexpr PatchEntry k50[] = {{0, 0, 26}, {2, 0, M(6488)}, {3, 0, 20}};
constexpr PatchEntry k51[] = {{0, 1, M(6021)}, {1, 0, 25}, {2, 0, M(6488)}, {3, 0, 19}, {5, 0, 17}, {7, 0, M(6308)}, {8, 0, 18}};
constexpr PatchEntry k52[] = {{0, 0, 155}, {1, 15, M(6019)}, {10, 0, M(6363)}, {30, 0, 10}, {50, 0, 5516}, {11, 0, M(6364)}, {31, 0, 21}, {51, 0, 5516}};
constexpr PatchEntry k54[] = {{0, 0, M(6363)}, {1, 0, 16}};
constexpr PatchEntry k55[] = {{0, 0, M(6364)}, {2, 0, 27}};
constexpr PatchEntry k61[] = {{0, 0, M(6543)}, {2, 0, 96}, {3, 0, 5500}, {4, 0, 97}, {5, 0, 98}, {6, 0, 99}, {7, 0, 102}, {8, 0, 235}, {9, 0, 95}, {10, 0, 103}, {11, 2, M(6543)}, {12, 0, 101}, {13, 0, 100}};
constexpr PatchEntry k62[] = {{0, 0, M(6543)}, {2, 0, 105}, {3, 0, 5500}, {4, 0, 106}, {5, 0, 107}, {6, 0, 108}, {7, 0, 111}, {8, 0, 236}, {9, 0, 95}, {10, 0, 112}, {11, 2, M(6543)}, {12, 0, 110}, {13, 0, 109}};
constexpr PatchEntry k65[] = {{0, 10, M(6019)}, {1, 0, M(6109)}, {21, 8, M(6529)}, {41, 0, 5510}};
constexpr PatchEntry k66[] = {{0, 9, M(6019)}, {2, 0, M(6543)}, {3, 0, 31}};
constexpr PatchEntry k67[] = {{0, 0, M(6105)}, {1, 0, 36}, {2, 0, M(6543)}, {3, 0, 30}, {5, 0, 28}, {7, 0, M(6309)}, {8, 0, 29}};
constexpr PatchEntry k74[] = {{0, 0, M(6365)}, {1, 0, M(6118)}};
constexpr PatchEntry k68[] = {{0, 0, M(6543)}, {2, 0, 47}, {3, 0, 5500}, {4, 0, 48}, {5, 0, 49}, {6, 0, 50}, {7, 1, M(6035)}, {9, 0, 40}, {11, 2, M(6543)}, {12, 0, 52}, {13, 0, 51}};
constexpr PatchEntry k69[] = {{0, 0, M(6109)}, {56, 3, M(6038)}, {1, 0, M(6127)}};
constexpr PatchEntry k71[] = {{0, 0, M(6110)}, {2, 0, M(6543)}, {3, 1, M(6529)}, {4, 0, 5500}, {5, 0, 40}, {7, 0, M(6295)}};
constexpr PatchEntry k77[] = {{0, 0, M(6366)}, {20, 0, 41}, {40, 0, 5506}, {1, 0, M(6366)}, {21, 0, 41}, {41, 0, 5505}};
constexpr PatchEntry k82[] = {{0, 0, M(6366)}, {20, 0, 41}, {40, 0, 5507}, {1, 0, M(6366)}, {21, 0, 41}, {41, 0, 5505}};
constexpr PatchEntry k85[] = {{0, 0, M(6366)}, {20, 0, 41}, {40, 0, 5508}, {1, 0, M(6366)}, {21, 0, 41}, {41, 0, 5505}};
constexpr PatchEntry k31[] = {{0, 0, 339}, {40, 0, 184}, {1, 0, 340}, {41, 0, 185}, {2, 0, 155}, {42, 0, 5630}, {3, 32, M(6529)}, {43, 0, 5648}};
constexpr PatchEntry k32[] = {{0, 0, 338}, {20, 1, M(6032)}, {40, 0, 55}, {1, 0, 338}, {21, 1, M(6032)}, {41, 0, 56}, {2, 0, 338}, {22, 1, M(6032)}, {42, 0, 62}, {3, 0, 338}, {23, 1, M(6032)}, {43, 0, 239}, {4, 0, 338}, {24, 1, M(6032)}, {44, 0, 63}, {5, 0, 338}, {25, 1, M(6032)}, {45, 0, 58}, {6, 0, 338}, {26, 1, M(6032)}, {46, 0, 61}, {7, 0, 338}, {27, 1, M(6032)}, {47, 0, 57}, {8, 0, 338}, {28, 1, M(6032)}, {48, 0, 59}, {9, 0, 338}, {29, 1, M(6032)}, {49, 0, 60}, {10, 2, M(6032)}, {50, 3, M(6032)}, {11, 38, M(6529)}, {51, 0, 155}};
constexpr PatchEntry k33[] = {{0, 0, M(6033)}, {20, 0, 54}, {1, 1, M(6033)}, {21, 0, 54}, {2, 2, M(6033)}, {22, 0, 54}, {42, 7, M(6529)}, {3, 3, M(6033)}, {23, 0, 54}, {43, 9, M(6529)}, {4, 4, M(6033)}, {24, 0, 54}, {44, 10, M(6529)}, {5, 5, M(6033)}, {25, 0, 54}, {6, 6, M(6033)}, {26, 0, 54}, {46, 0, 37}, {7, 7, M(6033)}, {27, 0, 54}, {8, 8, M(6033)}, {28, 0, 54}, {9, 9, M(6033)}, {29, 0, 54}, {10, 30, M(6529)}, {30, 10, M(6033)}, {11, 34, M(6529)}, {31, 10, M(6033)}, {12, 30, M(6529)}, {32, 11, M(6033)}, {13, 34, M(6529)}, {33, 11, M(6033)}, {15, 0, 241}, {35, 0, 5648}};
constexpr PatchEntry k34[] = {{0, 0, 75}, {1, 0, 76}, {2, 0, 77}, {3, 0, 78}, {4, 0, 122}, {5, 0, 71}, {11, 0, 83}, {12, 7, M(6038)}, {13, 0, 85}, {14, 8, M(6038)}, {21, 42, M(6529)}, {6, 0, M(6038)}, {7, 1, M(6038)}, {8, 5, M(6038)}, {9, 6, M(6038)}, {10, 2, M(6038)}, {15, 9, M(6038)}};
constexpr PatchEntry k35[] = {{0, 10, M(6038)}, {1, 11, M(6038)}, {2, 12, M(6038)}, {3, 13, M(6038)}, {50, 31, M(6529)}, {51, 36, M(6529)}, {52, 31, M(6529)}, {53, 36, M(6529)}};
constexpr PatchEntry k39[] = {{0, 0, 404}, {1, 0, 405}, {2, 0, 406}, {3, 0, 407}, {4, 0, 408}, {5, 0, 409}, {6, 0, 410}, {7, 0, 411}, {8, 0, 412}, {9, 0, 413}, {10, 0, 414}, {11, 0, 415}, {12, 0, 416}, {13, 0, 417}, {14, 0, 418}};
constexpr PatchEntry k40[] = {{0, 0, 419}, {1, 0, 420}, {2, 0, 421}, {3, 0, 422}, {4, 0, 423}, {5, 0, 424}, {6, 0, 425}, {7, 0, 426}, {8, 0, 427}, {9, 0, 428}, {10, 0, 429}, {11, 0, 430}, {12, 0, 431}, {13, 0, 432}, {14, 0, 433}};
constexpr PatchEntry k41[] = {{0, 0, 434}, {1, 0, 435}, {2, 0, 436}, {3, 0, 437}, {4, 0, 438}, {5, 0, 439}, {6, 0, 440}, {7, 0, 441}, {8, 0, 442}, {9, 0, 443}, {10, 0, 444}, {11, 0, 445}, {12, 0, 446}, {13, 0, 447}, {14, 0, 448}};
constexpr PatchEntry k44[] = {{0, 0, M(6282)}, {3, 0, 131}, {9, 0, 135}, {10, 0, 136}, {11, 0, 137}, {12, 0, 138}, {13, 0, 139}, {14, 0, 140}, {15, 0, 141}, {16, 0, 142}};
constexpr PatchEntry k45[] = {{0, 0, M(6282)}, {3, 0, 131}, {9, 0, 144}, {10, 0, 145}, {11, 0, 146}, {12, 0, 147}, {13, 0, 148}, {14, 0, 149}, {15, 0, 150}, {16, 0, 151}};
constexpr PatchEntry k46[] = {{0, 0, M(6060)}, {20, 0, 153}, {1, 0, M(6061)}, {21, 0, 143}, {2, 0, M(6061)}, {22, 0, 152}};
constexpr PatchEntry k47[] = {{0, 0, M(6039)}, {1, 1, M(6039)}, {2, 2, M(6039)}, {49, 0, 175}};
constexpr PatchEntry k53[] = {{0, 2, M(6020)}, {20, 0, 223}, {40, 0, 5500}, {1, 3, M(6020)}, {21, 0, 223}, {41, 0, 5501}, {2, 2, M(6022)}};
constexpr PatchEntry k72[] = {{0, 0, M(6366)}, {2, 8, M(6005)}, {3, 0, M(6005)}, {5, 0, 5501}, {7, 0, M(6008)}, {10, 11, M(6529)}};
constexpr PatchEntry k70[] = {{0, 0, M(6111)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5515}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5515}, {12, 0, M(6365)}, {32, 0, 32}, {52, 0, 5515}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5503}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5503}};
constexpr PatchEntry k73[] = {{56, 0, 38}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5506}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5506}};
constexpr PatchEntry k36[] = {{4, 0, 79}, {5, 0, 80}, {6, 0, 234}};
constexpr PatchEntry k60[] = {{1, 0, 72}, {2, 0, 72}, {3, 1, M(6543)}, {7, 19, M(6543)}};
constexpr PatchEntry k63[] = {{0, 0, M(6032)}};
constexpr PatchEntry k64[] = {{0, 0, M(6044)}, {1, 0, M(6053)}, {56, 0, 67}};
constexpr PatchEntry k75[] = {{0, 0, M(6109)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5500}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5500}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5500}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5500}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5500}, {15, 0, M(6366)}, {35, 0, 41}, {55, 0, 5500}, {1, 6, M(6019)}, {2, 0, M(6020)}, {22, 0, 223}, {42, 0, 5500}, {3, 1, M(6020)}, {23, 0, 223}, {43, 0, 5501}, {4, 0, M(6527)}, {5, 1, M(6022)}};
constexpr PatchEntry k76[] = {{0, 5, M(6019)}, {1, 7, M(6019)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5503}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5503}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5503}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5504}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5504}, {15, 0, M(6366)}, {35, 0, 41}, {55, 0, 5512}};
constexpr PatchEntry k78[] = {{0, 0, M(6082)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5501}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5501}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5501}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5501}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5501}, {15, 0, M(6366)}, {35, 0, 41}, {55, 0, 5501}};
constexpr PatchEntry k83[] = {{0, 0, M(6082)}, {56, 0, 68}, {57, 0, 69}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5502}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5502}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5502}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5502}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5502}, {15, 0, M(6366)}, {35, 0, 41}, {55, 0, 5502}};
constexpr PatchEntry k84[] = {{0, 0, M(6081)}, {1, 0, M(6543)}, {2, 0, M(6355)}, {3, 1, M(6008)}, {4, 2, M(6008)}, {7, 0, 70}, {9, 0, 65}, {19, 0, 230}, {29, 2, M(6005)}, {39, 3, M(6005)}, {49, 0, M(6091)}, {57, 0, M(6086)}, {61, 3, M(6529)}, {62, 0, 164}};
constexpr PatchEntry k87[] = {{0, 0, M(6082)}, {15, 0, M(6366)}, {35, 0, 41}, {55, 0, 5503}};
constexpr PatchEntry k88[] = {{0, 0, M(6083)}, {1, 0, M(6543)}, {2, 0, M(6005)}, {3, 1, M(6008)}, {4, 2, M(6008)}, {9, 2, M(6529)}, {19, 0, 230}, {29, 2, M(6005)}, {39, 4, M(6005)}, {49, 0, M(6077)}, {57, 0, M(6005)}, {62, 0, 164}};
constexpr PatchEntry k89[] = {{0, 3, M(6019)}, {1, 8, M(6019)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5507}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5507}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5507}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5511}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5511}};
constexpr PatchEntry k90[] = {{0, 0, M(6360)}, {2, 0, M(6084)}};
constexpr PatchEntry k91[] = {{0, 0, M(6019)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5504}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5504}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5504}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5508}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5508}, {15, 0, M(6366)}, {35, 0, 41}, {55, 0, 5510}, {9, 0, M(6366)}, {29, 0, 41}, {49, 0, 5509}};
constexpr PatchEntry k92[] = {{0, 2, M(6019)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5506}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5506}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5506}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5510}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5510}, {9, 0, M(6366)}, {29, 0, 41}, {49, 0, 5509}};
constexpr PatchEntry k93[] = {{0, 0, M(6357)}, {2, 0, M(6085)}};
constexpr PatchEntry k94[] = {{0, 1, M(6019)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5505}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5505}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5505}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5509}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5509}, {15, 0, M(6366)}, {35, 0, 41}, {55, 0, 5511}, {9, 0, M(6366)}, {29, 0, 41}, {49, 0, 5509}};
constexpr PatchEntry k95[] = {{56, 0, 177}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5518}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5518}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5516}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5512}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5512}};
constexpr PatchEntry k96[] = {{0, 0, M(6355)}, {1, 0, M(6075)}, {2, 0, M(6356)}, {3, 0, M(6076)}, {4, 0, M(6356)}, {5, 0, 66}, {9, 0, M(6121)}};
constexpr PatchEntry k98[] = {{0, 0, M(6530)}, {2, 0, M(6153)}, {3, 0, M(6152)}};
constexpr PatchEntry k102[] = {{10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5511}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5511}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5511}};
constexpr PatchEntry k103[] = {{10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5512}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5512}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5512}};
constexpr PatchEntry k104[] = {{0, 0, M(6543)}, {2, 0, 114}, {3, 0, 5500}, {4, 0, 115}, {5, 0, 116}, {6, 0, 117}, {8, 0, 176}, {11, 2, M(6543)}, {12, 0, 119}, {13, 0, 118}, {14, 0, 5655}, {15, 0, M(6098)}, {16, 0, M(6099)}};
constexpr PatchEntry k105[] = {{0, 0, M(6170)}, {1, 2, M(6005)}, {2, 0, M(6078)}, {3, 2, M(6005)}, {5, 40, M(6529)}, {19, 0, M(6005)}, {20, 0, 5633}};
constexpr PatchEntry k58[] = {{0, 1, M(6543)}, {20, 5, M(6005)}, {40, 0, 86}, {1, 4, M(6038)}, {41, 0, 53}};
constexpr PatchEntry k97[] = {{0, 0, 121}, {1, 14, M(6019)}};
constexpr PatchEntry k99[] = {{10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5513}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5513}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5513}};
constexpr PatchEntry k100[] = {{10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5514}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5514}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5514}};
constexpr PatchEntry k101[] = {{0, 0, M(6543)}, {2, 0, 88}, {3, 0, 5500}, {4, 0, 89}, {5, 0, 90}, {6, 0, 91}, {8, 0, 174}, {10, 0, 87}, {11, 2, M(6543)}, {12, 0, 93}, {13, 0, 92}, {15, 0, M(6100)}, {16, 0, M(6101)}};
constexpr PatchEntry k106[] = {{0, 0, M(6294)}, {1, 0, M(6300)}, {2, 0, 94}, {3, 0, 94}};
constexpr PatchEntry k107[] = {{0, 0, M(6226)}, {20, 0, 182}, {40, 0, 5500}, {1, 1, M(6226)}, {21, 0, 182}, {41, 0, 5501}};
constexpr PatchEntry k108[] = {{0, 0, M(6035)}};
constexpr PatchEntry k109[] = {{0, 11, M(6019)}, {1, 0, M(6102)}, {2, 0, M(6052)}, {3, 12, M(6019)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5508}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5508}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5508}, {13, 0, M(6296)}, {33, 0, 104}, {53, 0, 5505}, {14, 0, M(6297)}, {34, 0, 113}, {54, 0, 5505}, {15, 0, M(6427)}, {35, 0, 41}, {55, 0, 5504}, {59, 3, M(6005)}, {60, 2, M(6005)}, {4, 0, M(6117)}, {5, 1, M(6527)}};
constexpr PatchEntry k111[] = {{0, 0, M(6093)}, {56, 0, 178}, {59, 0, M(6005)}};
constexpr PatchEntry k113[] = {{0, 13, M(6019)}, {59, 0, M(6005)}, {60, 2, M(6005)}};
constexpr PatchEntry k112[] = {{0, 0, M(6445)}, {2, 0, M(6094)}, {3, 21, M(6019)}, {4, 0, M(6005)}, {5, 0, 82}, {7, 0, M(6008)}, {8, 1, M(6008)}, {10, 0, 179}, {11, 0, M(6543)}};
constexpr PatchEntry k114[] = {{0, 0, M(6446)}, {2, 0, M(6123)}, {3, 0, 183}, {5, 0, 5511}, {7, 0, M(6008)}, {8, 1, M(6008)}, {11, 0, M(6543)}};
constexpr PatchEntry k115[] = {{0, 0, M(6447)}, {2, 0, 209}, {3, 0, 208}, {4, 0, 5505}};
constexpr PatchEntry k116[] = {{0, 0, M(6170)}, {1, 0, M(6265)}, {2, 0, 81}, {4, 0, M(6300)}};
constexpr PatchEntry k117[] = {{0, 0, M(6244)}, {1, 7, M(6005)}, {2, 0, M(6078)}, {3, 2, M(6005)}, {5, 41, M(6529)}, {19, 0, M(6005)}};
constexpr PatchEntry k118[] = {{0, 0, 5501}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5510}, {59, 0, 5500}, {1, 2, M(6527)}};
constexpr PatchEntry k119[] = {{0, 0, M(6109)}, {1, 5, M(6005)}, {2, 0, 193}};
constexpr PatchEntry k120[] = {{0, 4, M(6019)}, {1, 0, M(6154)}, {59, 6, M(6005)}, {60, 1, M(6005)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5509}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5509}, {12, 0, M(6172)}, {32, 0, 32}, {52, 0, 5509}};
constexpr PatchEntry k121[] = {{0, 0, M(6259)}, {1, 0, M(6096)}, {2, 0, M(6097)}};
constexpr PatchEntry k110[] = {{0, 0, M(6260)}, {2, 0, M(6093)}, {3, 21, M(6019)}, {4, 0, M(6005)}, {5, 0, 82}, {6, 0, 180}, {7, 0, M(6008)}, {8, 1, M(6008)}, {11, 0, M(6543)}};
constexpr PatchEntry k123[] = {{0, 0, M(6252)}, {1, 1, M(6252)}};
constexpr PatchEntry k124[] = {{0, 0, 5501}, {1, 0, M(6125)}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5510}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5510}, {59, 0, 5500}, {2, 0, M(6022)}};
constexpr PatchEntry k125[] = {{0, 0, M(6532)}, {1, 1, M(6532)}, {2, 0, M(6122)}};
constexpr PatchEntry k133[] = {{0, 0, 197}};
constexpr PatchEntry k134[] = {{0, 0, 198}};
constexpr PatchEntry k135[] = {{0, 0, 196}, {1, 0, M(6014)}, {2, 0, M(6418)}, {6, 0, 205}};
constexpr PatchEntry k136[] = {{0, 0, 200}};
constexpr PatchEntry k137[] = {{0, 0, 201}};
constexpr PatchEntry k138[] = {{0, 0, 199}, {1, 0, M(6015)}, {2, 0, M(6419)}, {6, 0, 205}};
constexpr PatchEntry k139[] = {{0, 0, 203}};
constexpr PatchEntry k140[] = {{0, 0, 204}};
constexpr PatchEntry k141[] = {{0, 0, 202}, {1, 0, M(6016)}, {2, 0, M(6420)}, {6, 0, 205}};
constexpr PatchEntry k142[] = {{0, 0, M(6240)}, {3, 44, M(6529)}, {9, 0, M(6430)}, {10, 1, M(6430)}, {11, 2, M(6430)}, {12, 3, M(6430)}, {13, 4, M(6430)}, {14, 5, M(6430)}, {19, 0, M(6431)}, {20, 1, M(6431)}, {21, 2, M(6431)}, {22, 3, M(6431)}, {23, 4, M(6431)}, {24, 5, M(6431)}, {29, 0, M(6432)}, {30, 1, M(6432)}, {31, 2, M(6432)}, {32, 3, M(6432)}, {33, 4, M(6432)}, {34, 5, M(6432)}};
constexpr PatchEntry k143[] = {{0, 0, M(6241)}, {3, 44, M(6529)}, {9, 0, M(6430)}, {10, 1, M(6430)}, {11, 2, M(6430)}, {12, 3, M(6430)}, {13, 4, M(6430)}, {14, 5, M(6430)}, {19, 0, M(6431)}, {20, 1, M(6431)}, {21, 2, M(6431)}, {22, 3, M(6431)}, {23, 4, M(6431)}, {24, 5, M(6431)}, {29, 0, M(6432)}, {30, 1, M(6432)}, {31, 2, M(6432)}, {32, 3, M(6432)}, {33, 4, M(6432)}, {34, 5, M(6432)}};
constexpr PatchEntry k165[] = {{0, 0, M(6462)}, {3, 45, M(6529)}, {9, 0, M(6430)}, {10, 1, M(6430)}, {11, 2, M(6430)}, {12, 3, M(6430)}, {13, 4, M(6430)}, {14, 5, M(6430)}, {19, 0, M(6431)}, {20, 1, M(6431)}, {21, 2, M(6431)}, {22, 3, M(6431)}, {23, 4, M(6431)}, {24, 5, M(6431)}, {29, 0, M(6432)}, {30, 1, M(6432)}, {31, 2, M(6432)}, {32, 3, M(6432)}, {33, 4, M(6432)}, {34, 5, M(6432)}};
constexpr PatchEntry k166[] = {{0, 0, M(6463)}, {3, 45, M(6529)}, {9, 0, M(6430)}, {10, 1, M(6430)}, {11, 2, M(6430)}, {12, 3, M(6430)}, {13, 4, M(6430)}, {14, 5, M(6430)}, {19, 0, M(6431)}, {20, 1, M(6431)}, {21, 2, M(6431)}, {22, 3, M(6431)}, {23, 4, M(6431)}, {24, 5, M(6431)}, {29, 0, M(6432)}, {30, 1, M(6432)}, {31, 2, M(6432)}, {32, 3, M(6432)}, {33, 4, M(6432)}, {34, 5, M(6432)}};
constexpr PatchEntry k167[] = {{0, 0, M(6529)}};
constexpr PatchEntry k21[] = {{0, 4, M(6529)}};
constexpr PatchEntry k22[] = {{0, 47, M(6529)}, {1, 48, M(6529)}, {2, 49, M(6529)}, {3, 50, M(6529)}};
constexpr PatchEntry k23[] = {{0, 30, M(6529)}, {1, 29, M(6529)}, {49, 31, M(6529)}};
constexpr PatchEntry k24[] = {{0, 34, M(6529)}, {1, 35, M(6529)}, {50, 36, M(6529)}, {51, 37, M(6529)}};
constexpr PatchEntry k25[] = {{0, 0, M(6026)}, {1, 1, M(6026)}, {2, 0, 226}, {4, 0, 227}};
constexpr PatchEntry k26[] = {{0, 0, M(6026)}, {1, 1, M(6026)}, {2, 0, 226}, {4, 0, 228}};
constexpr PatchEntry k27[] = {{0, 0, M(6026)}, {1, 1, M(6026)}, {2, 0, 226}, {4, 0, 229}};
constexpr PatchEntry k28[] = {{0, 0, M(6025)}, {20, 0, 223}, {40, 0, 5500}, {1, 0, M(6247)}, {21, 0, 223}, {41, 0, 5501}};
constexpr PatchEntry k29[] = {{0, 1, M(6025)}, {20, 0, 223}, {40, 0, 5500}, {1, 0, M(6248)}, {21, 0, 223}, {41, 0, 5501}};
constexpr PatchEntry k30[] = {{1, 0, M(6249)}, {21, 0, 223}, {41, 0, 5501}};
constexpr PatchEntry k126[] = {{0, 0, M(6232)}, {1, 1, M(6232)}, {2, 0, M(6003)}, {3, 1, M(6003)}, {9, 0, 74}};
constexpr PatchEntry k127[] = {{0, 1, M(6024)}, {5, 46, M(6529)}};
constexpr PatchEntry k128[] = {{0, 2, M(6024)}, {5, 46, M(6529)}};
constexpr PatchEntry k129[] = {{0, 2, M(6186)}, {6, 0, M(6367)}, {7, 0, M(6368)}, {14, 3, M(6024)}, {18, 46, M(6529)}, {19, 0, 5502}, {31, 0, M(6008)}};
constexpr PatchEntry k130[] = {{0, 1, M(6375)}, {1, 0, 192}, {6, 0, 5506}, {7, 46, M(6529)}};
constexpr PatchEntry k131[] = {{0, 0, M(6186)}, {1, 0, M(6375)}, {2, 0, M(6024)}};
constexpr PatchEntry k132[] = {{0, 1, M(6186)}, {1, 0, M(6347)}, {2, 0, M(6024)}};
constexpr PatchEntry k145[] = {{0, 0, M(6439)}, {1, 0, M(6440)}};
constexpr PatchEntry k146[] = {{0, 0, M(6231)}, {2, 1, M(6231)}, {22, 0, 163}, {42, 0, 5510}, {61, 0, 162}};
constexpr PatchEntry k147[] = {{0, 1, M(6231)}, {20, 0, 163}, {40, 0, 5500}, {61, 0, 162}};
constexpr PatchEntry k148[] = {{0, 0, M(6114)}, {1, 0, M(6115)}, {2, 0, 170}, {3, 0, M(6005)}, {5, 0, 5501}, {7, 0, M(6008)}, {20, 0, 163}, {29, 0, 171}, {30, 0, M(6005)}, {32, 0, 5505}};
constexpr PatchEntry k149[] = {{0, 0, M(6426)}, {1, 0, M(6023)}, {6, 0, 5500}, {7, 0, 162}};
constexpr PatchEntry k150[] = {{0, 1, M(6426)}, {1, 0, M(6023)}, {6, 0, 5500}, {7, 0, 162}};
constexpr PatchEntry k151[] = {{0, 0, 166}, {10, 0, M(6174)}, {30, 0, 10}, {50, 0, 5517}, {11, 0, M(6142)}, {31, 0, 21}, {51, 0, 5517}};
constexpr PatchEntry k152[] = {{0, 0, M(6345)}, {2, 0, M(6116)}, {5, 0, 5504}, {7, 0, 162}};
constexpr PatchEntry k153[] = {{0, 0, M(6345)}, {1, 0, M(6460)}, {2, 0, 167}, {3, 1, M(6008)}, {4, 0, 169}};
constexpr PatchEntry k155[] = {{1, 0, M(6245)}};
constexpr PatchEntry k156[] = {{0, 0, M(6346)}, {2, 0, M(6116)}, {5, 0, 5504}, {7, 0, 162}};
constexpr PatchEntry k157[] = {{0, 0, M(6346)}, {1, 0, M(6461)}, {2, 0, 167}, {3, 1, M(6008)}, {4, 0, 169}};
constexpr PatchEntry k160[] = {{0, 0, M(6345)}, {1, 0, M(6346)}, {2, 4, M(6008)}, {4, 0, 5508}};
constexpr PatchEntry k161[] = {{0, 0, M(6231)}, {1, 1, M(6231)}, {2, 0, M(6350)}, {3, 1, M(6350)}, {4, 0, 172}, {9, 0, 162}};
constexpr PatchEntry k159[] = {{1, 0, M(6246)}};
constexpr PatchEntry k162[] = {{0, 0, M(6124)}, {1, 0, M(6089)}};
constexpr PatchEntry k163[] = {{0, 0, M(6185)}, {2, 0, M(6173)}, {4, 0, 161}, {5, 0, 5501}, {6, 0, 5500}, {9, 32, M(6529)}};
constexpr PatchEntry k164[] = {{0, 1, M(6185)}, {2, 0, M(6173)}, {4, 0, 161}, {5, 0, 5501}, {6, 0, 5500}, {9, 32, M(6529)}};
constexpr PatchEntry k168[] = {{0, 0, M(6441)}, {1, 0, M(6442)}, {2, 0, M(6013)}};
} // namespace

const PatchRow kPatchTable[kPatchRowCount + 1] = {
    /*   0 */ row(6003), // Host_AudioIn
    /*   1 */ row(6005, k1), // FixedValueToVolt: 0, 0.5, 1, 0.1, 0.05, -0.425 (middle C), -0.5, 1.5 V
    /*   2 */ row(6008, k2), // FixedValueToINT_FLOAT: 0, 1 and 2 as events; "Midi Channel"
    /*   3 */ row(6491), // Host_Tempo
    /*   4 */ row(6523, k4), // Copy_Paste: "Melt:A Rnd" and the parameters it sets
    /*   5 */ row(6524, k5), // Copy_Paste: "Melt:B Rnd" and the parameters it sets
    /*   6 */ row(6513, k6), // Copy_Paste: "OSC Rnd" and the parameters it sets
    /*   7 */ row(6514, k7), // Copy_Paste: "Filter Rnd" and the parameters it sets
    /*   8 */ row(6516, k8), // Copy_Paste: "SEQ Rnd", row A and the parameters it sets
    /*   9 */ row(6515, k9), // Copy_Paste: "SEQ Rnd", row B and the parameters it sets
    /*  10 */ row(6517, k10), // Copy_Paste: "LFO1 Rnd" and the parameters it sets
    /*  11 */ row(6518, k11), // Copy_Paste: "LFO2 Rnd" and the parameters it sets
    /*  12 */ row(6519, k12), // Copy_Paste: "LFO3 Rnd" and the parameters it sets
    /*  13 */ row(6520, k13), // Copy_Paste: "HFO Rnd" and the parameters it sets
    /*  14 */ row(6521, k14), // Copy_Paste: "Env Rnd" and the parameters it sets
    /*  15 */ row(6522, k15), // Copy_Paste: "AFT Rnd" and the parameters it sets
    /*  16 */ row(6509, k16), // Copy_Paste: sequencer copy and paste and the parameters it sets
    /*  17 */ row(6511, k17), // Copy_Paste: oscillator copy and paste and the parameters it sets
    /*  18 */ row(6512, k18), // Copy_Paste: filter copy and paste and the parameters it sets
    /*  19 */ row(6529, k19), // Tarlix2_Control: every parameter it converts
    /*  20 */ row(6021, k20), // GUItoV_Glide_Multi: the LFO 1 and 2 rates from the control module
    /*  21 */ row(6023, k21), // GUItoV_Glide_Multi: the echo time from the control module
    /*  22 */ row(6024, k22), // GUItoV_Glide_Multi: chorus mix, rates and depth from the control module
    /*  23 */ row(6025, k23), // GUItoV_Glide_Multi: Melt A pitch and amp, glided over the blend time
    /*  24 */ row(6026, k24), // GUItoV_Glide_Multi: Melt B wow and flutter, each glided over its period
    /*  25 */ row(6247, k25), // XMixVol: wow/flutter by "Melt B Speed Mix %" x "Melt B to Pitch %"
    /*  26 */ row(6248, k26), // XMixVol: the same x "Melt B to Amp %"
    /*  27 */ row(6249, k27), // XMixVol: the same x "Melt B to HFO"
    /*  28 */ row(6124, k28), // Adder: the Melt pitch of the chosen "Melt System"
    /*  29 */ row(6125, k29), // Adder: the Melt level wobble of the chosen system
    /*  30 */ row(6127, k30), // Adder: the Melt B wobble of the HFO pitch (system B only)
    /*  31 */ row(6032, k31), // GUI_Multi_ABxC: the bend in volts ("Bend" x "Bend Depth"); the wheel as pressure when "ModToAft"
    /*  32 */ row(6033, k32), // GUI_Multi_ABxC: pressure ("Aft" + the wheel when "ModToAft") x each "Aft to" amount
    /*  33 */ row(6038, k33), // GUI_Multi_AxB_C: x "Aft On/Off", plus "Lfo3 Depth" and the control module's LFO 3 rate, HFO rate and depth
    /*  34 */ row(6019, k34), // GUItoV_Glide_Multi: knob smoothers (source levels, pan, width, cutoff) and pressure amounts
    /*  35 */ row(6020, k35), // GUItoV_Glide_Multi: Melt jumps x depth for the voices ("Circuit") and x cutoff amount
    /*  36 */ row(6360, k36), // Noise: "Noise LPF", "Noise HPF", "Noise Tone"
    /*  37 */ row(6494, k37), // Midi_Adder: MIDI input (engine value 335)
    /*  38 */ row(6488, k38), // Midi_Sync_Tempo: keys from the adder, host tempo, clock 0 "Seq Rate"/"Seq Half", clock 1 "Arp Rate"/"Arp Half"
    /*  39 */ row(6027, k39), // GUItoV_Glide_Multi: the 15 MPE pitch bends
    /*  40 */ row(6028, k40), // GUItoV_Glide_Multi: the 15 MPE pressures
    /*  41 */ row(6029, k41), // GUItoV_Glide_Multi: the 15 MPE controller-74 values
    /*  42 */ row(6505, k42), // Midi_Phrase_Arp: keys, clock 1, tempo, its parameters, the legato switch
    /*  43 */ row(6282, k43), // Counter_Indexing: length, direction, on, clock 0 and its restart; the step displays
    /*  44 */ row(6060, k44), // Float_Converter_Switch: the "SeqA" switch of the current step
    /*  45 */ row(6061, k45), // Float_Converter_Switch: the "SeqB" value of the current step
    /*  46 */ row(6039, k46), // GUI_Multi_AxB_C: A x "Seq Amp", B x "Seq Range", B x "Seq Filter"
    /*  47 */ row(6022, k47), // GUItoV_Glide_Multi: the sequencer values glided over "Seq Glide"
    /*  48 */ row(6307, k48), // FadeIn: "Lfo1 Depth" faded in over "Lfo1 Intro (s)"
    /*  49 */ row(6363, k49), // LFO: Lfo1
    /*  50 */ row(6308, k50), // FadeIn: "Lfo2 Depth" faded in over "Lfo2 Intro (s)"
    /*  51 */ row(6364, k51), // LFO: Lfo2
    /*  52 */ row(6089, k52), // Adder: Melt depth, "Melt Depth" + pressure + LFO 1 and 2 aimed at "Melt"
    /*  53 */ row(6117, k53), // Adder: cutoff offset for every voice, Melt of the chosen system + sequencer
    /*  54 */ row(6174, k54), // Level_AxB_CD: Lfo1 x "Lfo1 Subtle"
    /*  55 */ row(6142, k55), // Level_ABxCxD: Lfo2 x "Lfo2 Subtle"
    /*  56 */ row(6543, k56), // Midi_to_Poly_Gen2: as listed for the voice allocator
    /*  57 */ groupBegin(20),
    /*  58 */ row(6035, k58), // GUI_Multi_ABxC: key tracking, (key pitch - middle C) x "Filter Track"
    /*  59 */ row(6527, k59), // MPE_Switch: the 15 smoothed bend, pressure and CC74 streams; the voice's channel
    /*  60 */ row(6044, k60), // Glide_F: "Portamento (ms)" both ways, the voice's pitch and glide start
    /*  61 */ row(6296, k61), // HAHDSR_Env: Env1
    /*  62 */ row(6297, k62), // HAHDSR_Env: Env2
    /*  63 */ row(6053, k63), // Float_to_Volt: the bend as a signal for the pitch sum
    /*  64 */ row(6109, k64), // Adder: key pitch (glided key + bend + "Osc Octave")
    /*  65 */ row(6105, k65), // Adder: LFO 3 rate, plus the key pitch when "Lfo3 Track"
    /*  66 */ row(6309, k66), // FadeIn: "Lfo3 Depth" with pressure, restarted by the gate
    /*  67 */ row(6365, k67), // LFO: Lfo3, retriggered by the gate
    /*  68 */ row(6295, k68), // HAHDSR_Env: the HFO envelope, its level the HFO depth
    /*  69 */ row(6111, k69), // Adder: HFO pitch (key pitch + "HFO Oct", "HFO Semi", "HFO Tune")
    /*  70 */ row(6110, k70), // Adder: HFO pitch with the LFOs and envelopes aimed at "HFO - Pitch"
    /*  71 */ row(6366, k71), // LFO: the HFO, at audio rate from its pitch (row 70), shape from the control module
    /*  72 */ row(6427, k72), // BiQuad_Static: smooths the HFO on its way to the cutoff (target "Filter Cutoff")
    /*  73 */ row(6118, k73), // Adder: LFO 3's gain, "Lfo3 Subtle" + envelopes aimed at "LFO 3 - Depth"
    /*  74 */ row(6172, k74), // Level_AxB_CD: Lfo3 x its gain (row 73)
    /*  75 */ row(6082, k75), // Adder: main pitch with the LFO and envelope targets "Main Pitch"
    /*  76 */ row(6086, k76), // Adder: pulse width ("Osc Width %", smoothed) and its modulation
    /*  77 */ row(6090, k77), // Adder: oscillator 1 phase modulation (HFO "Osc1 - FM", "Main FM")
    /*  78 */ row(6080, k78), // Adder: oscillator 1 pitch and its modulation
    /*  79 */ row(6355, k79), // OSC_Multi_Out_x8: as listed for oscillator 1
    /*  80 */ row(6152), // Level_ABxC
    /*  81 */ row(6087), // Adder
    /*  82 */ row(6091, k82), // Adder: oscillator 2 phase modulation (HFO "Osc2 - FM", "Main FM")
    /*  83 */ row(6081, k83), // Adder: oscillator 2 pitch (+ "Wave 2 Semi", "Wave 2 Tune") and its modulation
    /*  84 */ row(6356, k84), // OSC_Multi_Out_x8: oscillator 2, synced to oscillator 1
    /*  85 */ row(6077, k85), // Adder: sub-oscillator phase modulation (HFO "Sub - FM", "Main FM")
    /*  86 */ row(6092), // Adder
    /*  87 */ row(6083, k87), // Adder: sub-oscillator pitch
    /*  88 */ row(6357, k88), // OSC_Multi_Out_x8: the sub-oscillator, an octave down
    /*  89 */ row(6084, k89), // Adder: noise level ("Noise Mix")
    /*  90 */ row(6152, k90), // Level_ABxC: noise x its level
    /*  91 */ row(6075, k91), // Adder: oscillator 1 level ("Osc1 Mix")
    /*  92 */ row(6085, k92), // Adder: sub-oscillator level ("SubOsc Mix")
    /*  93 */ row(6153, k93), // Level_ABxC: sub-oscillator x its level
    /*  94 */ row(6076, k94), // Adder: oscillator 2 level ("Osc2 Mix")
    /*  95 */ row(6121, k95), // Adder: logic threshold ("Logic Switch")
    /*  96 */ row(6530, k96), // Tarlix2_OSC_Combine: oscillators 1 and 2 by "Osc Mode"
    /*  97 */ row(6078, k97), // Adder: the limiters' gain, "Gain" + pressure
    /*  98 */ row(6170, k98), // Level_AxB_CD: source mix of combiner, sub-oscillator and noise
    /*  99 */ row(6100, k99), // Adder: LFOs aimed at "Filter - Attack"
    /* 100 */ row(6101, k100), // Adder: LFOs aimed at "Filter - Decay"
    /* 101 */ row(6294, k101), // HAHDSR_Env: the filter envelope
    /* 102 */ row(6098, k102), // Adder: LFOs aimed at "Amp - Attack"
    /* 103 */ row(6099, k103), // Adder: LFOs aimed at "Amp - Decay"
    /* 104 */ row(6300, k104), // HAHDSR_Env: the amplitude envelope
    /* 105 */ row(6260, k105), // Soft_Limiter: pre-filter limiter
    /* 106 */ row(6226, k106), // Dual_Level: filter and amplitude envelopes x "Filter Env Level"
    /* 107 */ row(6102, k107), // Adder: the envelope "Env Source" picks
    /* 108 */ row(6052, k108), // Float_to_Volt: key tracking as a signal
    /* 109 */ row(6093, k109), // Adder: low-pass cutoff, held within 0.1..1 V
    /* 110 */ row(6445, k110), // Multi_Filter: the low-pass, "LPF Type" and "LPF Mode"
    /* 111 */ row(6094, k111), // Adder: second low-pass cutoff, "Filter2 Offset (Semi)" below
    /* 112 */ row(6446, k112), // Multi_Filter: second low-pass, one section, "Filter2 Active"
    /* 113 */ row(6123, k113), // Adder: high-pass cutoff
    /* 114 */ row(6447, k114), // Multi_Filter: high-pass (type 11), "HPF Res"
    /* 115 */ row(6265, k115), // Saturation: curve 5, "Filter Drive %" and "Filter Saturation %"
    /* 116 */ row(6244, k116), // XMixVol: dry/filtered by "Filter %", times the amplitude envelope
    /* 117 */ row(6259, k117), // Soft_Limiter: post limiter
    /* 118 */ row(6097, k118), // Adder: the voice's volume, 1 + LFO 3 aimed at "Volume"
    /* 119 */ row(6154, k119), // Level_ABxC: (key pitch - middle C) x "Pan Tracking %"
    /* 120 */ row(6096, k120), // Adder: pan ("Master Pan", tracking, LFOs), held within -0.5..0.5
    /* 121 */ row(6252, k121), // Panner: the voice to stereo
    /* 122 */ groupEnd(),
    /* 123 */ row(6532, k123), // Poly_to_Mono: the 20 panners' two outputs
    /* 124 */ row(6122, k124), // Adder: the summed voices' level, 1 + LFO 1 and 2 aimed at "Volume"
    /* 125 */ row(6232, k125), // ST_Level: level of the summed voices
    /* 126 */ row(6186, k126), // Level_FX_BUS: the voice sum with the host's input when "Ext Input"
    /* 127 */ row(6367, k127), // LFO: chorus voice 1
    /* 128 */ row(6368, k128), // LFO: chorus voice 2 ("Chorus Sep %")
    /* 129 */ row(6375, k129), // Chorus3v: two voices of the mono bus, depth from "Chorus Depth (ms)"
    /* 130 */ row(6347, k130), // Delay: voice 2 later by "Chorus Spread (ms)"
    /* 131 */ row(6240, k131), // XMix: left, dry and voice 1 by "Chorus Mix %"
    /* 132 */ row(6241, k132), // XMix: right, dry and voice 2
    /* 133 */ row(6418, k133), // FdB_to_VFGain: "EQ 1 Gain dB" to band gain
    /* 134 */ row(6014, k134), // GUItoV_Glide: "EQ 1 Width" smoothed
    /* 135 */ row(6430, k135), // BiQuad_Coeff: band 1 ("EQ 1 Freq Hz", width, gain, "EQ Active")
    /* 136 */ row(6419, k136), // FdB_to_VFGain: "EQ 2 Gain dB"
    /* 137 */ row(6015, k137), // GUItoV_Glide: "EQ 2 Width"
    /* 138 */ row(6431, k138), // BiQuad_Coeff: band 2
    /* 139 */ row(6420, k139), // FdB_to_VFGain: "EQ 3 Gain dB"
    /* 140 */ row(6016, k140), // GUItoV_Glide: "EQ 3 Width"
    /* 141 */ row(6432, k141), // BiQuad_Coeff: band 3
    /* 142 */ row(6439, k142), // BiQuad_Multi_Engine: equaliser before the echo, left
    /* 143 */ row(6440, k143), // BiQuad_Multi_Engine: equaliser before the echo, right
    /* 144 */ row(6171), // Level_AxB_CD
    /* 145 */ row(6231, k145), // ST_Level: the dry signal after the equaliser before the echo
    /* 146 */ row(6114, k146), // Adder: left echo input (with the right one when "Echo Pong"), "Echo OnOff"
    /* 147 */ row(6115, k147), // Adder: right echo input (none when "Echo Pong")
    /* 148 */ row(6426, k148), // BiQuad_Static: "Echo LPF" and "Echo HPF", crossed when "Echo Pong"
    /* 149 */ row(6345, k149), // Delay: left echo line
    /* 150 */ row(6346, k150), // Delay: right echo line
    /* 151 */ row(6116, k151), // Adder: echo shift, "Echo Shift" + LFOs aimed at "Echo - Tune"
    /* 152 */ row(6460, k152), // PitchShifter: left echo shift
    /* 153 */ row(6245, k153), // XMixVol: left repeat and its shifted copy by "Echo Phase", x "Echo FBK"
    /* 154 */ rewire(6114),
    /* 155 */ entries(k155), // echo feedback: the shifted repeat back into the left input sum
    /* 156 */ row(6461, k156), // PitchShifter: right echo shift
    /* 157 */ row(6246, k157), // XMixVol: right repeat
    /* 158 */ rewire(6115),
    /* 159 */ entries(k159), // the same for the right input sum
    /* 160 */ row(6350, k160), // Delay_ST: the echo lines 18 ms later
    /* 161 */ row(6185, k161), // Level_FX_BUS: dry + echo x "Echo Level"^2 while "Echo OnOff"
    /* 162 */ row(6173, k162), // Level_AxB_CD: Melt pitch x depth
    /* 163 */ row(6462, k163), // PitchShifter: Melt, left ("Tape"; bypassed for "Circuit")
    /* 164 */ row(6463, k164), // PitchShifter: Melt, right
    /* 165 */ row(6441, k165), // BiQuad_Multi_Engine: equaliser after the echo, left
    /* 166 */ row(6442, k166), // BiQuad_Multi_Engine: equaliser after the echo, right
    /* 167 */ row(6013, k167), // GUItoV_Glide: master level smoother (control output 0)
    /* 168 */ row(6230, k168), // ST_Level: the equaliser after the echo and the master level
    /* end */ {kPatchEndMark, 0, nullptr, 0},
};
// clang-format on

} // namespace tarlix
