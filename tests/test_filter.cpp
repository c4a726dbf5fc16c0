// The voice filter measured on its output: where each design's corner (or resonant peak) sits
// against the cutoff control at three sample rates, the slopes of one and two sections, and
// stability and speed under the worst modulation; then the saturation and limiter curves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "dsp/filter.h"
#include "dsp/gain_stages.h"
#include "dsp/shapers.h"
#include "tests/module_rig.h"
#include "tests/spectrum.h"

using namespace tarlix;
using moduletest::Feeder;

namespace {

constexpr int kBlock = 64;
bool gSweptCutoff = false;
bool gFadeIn = false; // the stage under test: the filter, or a fade-in

int filterGraph(moduletest::Bench& e) {
    ModuleContext& c = e.context();
    auto* feeder = new Feeder(&c, false); // a module takes its index from the build count
    feeder->after[1] = 0.5f;              // output 1: a cutoff control, 0.5 V past its end
    c.modules[c.buildCount++] = feeder;
    QX_ModuleBase* filter = gFadeIn ? static_cast<QX_ModuleBase*>(new QX_DSP_FadeIn(&c, false))
                                    : new QX_DSP_Multi_Filter(&c, false);
    c.modules[c.buildCount++] = filter;
    filter->SetInput(0, feeder->GetOutput(0));
    filter->inputSource[0] = feeder;
    if (gSweptCutoff) {
        filter->SetInput(2, feeder->GetOutput(1));
        filter->inputSource[2] = feeder;
    }
    return 2;
}

struct Rig {
    moduletest::Bench fx;
    float cutoff = 0.5f, resonance = 0.0f;
    Rig(float rate, int type, int sections, bool swept = false, bool fadeIn = false) {
        gSweptCutoff = swept;
        gFadeIn = fadeIn;
        fx.setGraphBuilder(filterGraph);
        fx.setSampleRate(rate);
        fx.setBlockSize(kBlock);
        fx.resume();
        if (!fadeIn) {
            if (!swept) filter().SetInput(2, &cutoff);
            filter().SetInput(3, &resonance);
            post(7, 0); // exponential cutoff, as the instrument runs it
            post(5, type);
            post(6, sections - 1);
        }
        run(std::vector<float>(kBlock, 0.0f));
    }
    Feeder& feeder() { return *static_cast<Feeder*>(fx.context().modules[0]); }
    QX_ModuleBase& filter() { return *fx.context().modules[1]; }
    void post(int port, int value) {
        filter().PostEvent(fx.clock(), port, 0, value, 0.0f, nullptr);
    }
    std::vector<float> run(const std::vector<float>& in, const std::vector<float>& control = {}) {
        Feeder& f = feeder();
        f.play(in, control);
        std::vector<float> l(kBlock), r(kBlock), out;
        float* outs[2] = {l.data(), r.data()};
        for (size_t b = 0; b < (in.size() + kBlock - 1) / kBlock; ++b) {
            fx.processReplacing(nullptr, outs, kBlock);
            const float* o = filter().GetOutput(0);
            out.insert(out.end(), o, o + kBlock);
        }
        out.resize(in.size());
        return out;
    }
};

// Frequency response from the impulse response (small, so the clipping designs stay linear),
// measured from a cleared state.
constexpr size_t kPoints = 65536;
std::vector<std::complex<double>> response(Rig& rig) {
    rig.post(11, 1);
    rig.run(std::vector<float>(kBlock, 0.0f));
    std::vector<float> impulse(kPoints, 0.0f);
    impulse[0] = 0.01f;
    std::vector<float> h = rig.run(impulse);
    std::vector<std::complex<double>> x(h.begin(), h.end());
    spectrum::fft(x);
    x.resize(kPoints / 2);
    for (auto& v : x)
        v /= 0.01;
    return x;
}

std::vector<double> magnitude(const std::vector<std::complex<double>>& h) {
    std::vector<double> m(h.size());
    for (size_t k = 0; k < m.size(); ++k)
        m[k] = std::abs(h[k]);
    return m;
}

// Where the unwrapped phase of a second-order section passes a quarter turn (-90 degrees for a
// low-pass, +90 for a high-pass), between bins in log frequency.
// The search starts three octaves below the cutoff, where the phase is still near 0 (near
// +180 degrees for a high-pass) and the response is well above the arithmetic's noise.
double quarterTurn(const std::vector<std::complex<double>>& h, double rate, double fc,
                   bool highPass) {
    const double bin = rate / kPoints, target = (highPass ? 0.5 : -0.5) * M_PI;
    const size_t first = static_cast<size_t>(fc / 8.0 / bin) + 1;
    double previous = std::arg(h[first]), unwrapped = previous;
    if (highPass && unwrapped < 0.0) unwrapped += 2.0 * M_PI;
    for (size_t k = first + 1; k < h.size(); ++k) {
        double a = std::arg(h[k]), d = a - previous;
        d -= 2.0 * M_PI * std::round(d / (2.0 * M_PI));
        previous = a;
        const double next = unwrapped + d;
        if ((next - target) * (unwrapped - target) <= 0.0) {
            const double t = (unwrapped - target) / (unwrapped - next);
            return std::exp2(std::log2((k - 1) * bin) +
                             t * (std::log2(k * bin) - std::log2((k - 1) * bin)));
        }
        unwrapped = next;
    }
    return 0.0;
}

// The corner of a response: the resonant peak when there is one (above +0.5 dB over the pass
// band), else the -3 dB point, found between bins in log frequency.
double corner(const std::vector<double>& m, double rate, double fc, bool highPass) {
    const double bin = rate / kPoints;
    auto at = [&](double f) { return m[static_cast<size_t>(std::lround(f / bin))]; };
    const double pass = highPass ? at(std::fmin(8.0 * fc, 0.45 * rate)) : at(fc / 16.0);
    // Peak search over the corner region.
    size_t lo = static_cast<size_t>(fc / 4.0 / bin) + 1,
           hi = static_cast<size_t>(std::fmin(4.0 * fc, 0.49 * rate) / bin);
    size_t peak = lo;
    for (size_t k = lo; k <= hi; ++k)
        if (m[k] > m[peak]) peak = k;
    if (m[peak] > pass * 1.06 && peak > lo && peak < hi) {
        const double a = m[peak - 1], b = m[peak], c = m[peak + 1];
        return (static_cast<double>(peak) + 0.5 * (a - c) / (a - 2.0 * b + c)) * bin;
    }
    const double target = pass / std::sqrt(2.0);
    if (!highPass) {
        for (size_t k = static_cast<size_t>(fc / 16.0 / bin) + 1; k < m.size(); ++k)
            if (m[k] < target) {
                const double t = (m[k - 1] - target) / (m[k - 1] - m[k]);
                return std::exp2(std::log2((k - 1) * bin) +
                                 t * (std::log2(k * bin) - std::log2((k - 1) * bin)));
            }
    } else {
        for (size_t k = static_cast<size_t>(std::fmin(8.0 * fc, 0.45 * rate) / bin); k > 1; --k)
            if (m[k] < target) {
                const double t = (target - m[k]) / (m[k + 1] - m[k]);
                return std::exp2(std::log2(k * bin) +
                                 t * (std::log2((k + 1) * bin) - std::log2(k * bin)));
            }
    }
    return 0.0;
}

double voltsOf(double hz) {
    return std::log2(hz / 13.75) / 10.0;
}

const char* kTypeNames[] = {"", "A", "B", "C", "D", "E", "F", "G", "H", "Acid", "Milk", "HPF"};

} // namespace

// The biquad designs are prewarped: a single section's phase passes -90 degrees (+90 for the
// high-pass) exactly at its natural frequency, whatever the resonance. That frequency follows
// the cutoff mapping fc = 13.75 x 2^(10 x) within a quarter semitone from 50 Hz to 15 kHz.
TEST(Filter, BiquadsSitOnTheCutoffMapping) {
    const double cutoffs[] = {50, 100, 200, 400, 1000, 2000, 4000, 8000, 12000, 15000};
    for (float rate : {44100.0f, 48000.0f, 96000.0f})
        for (int type : {1, 2, 3, 4, 11})
            for (float resonance : {0.0f, 1.0f}) {
                // D at its lowest resonance is so overdamped that its slow pole outlasts the
                // measurement window; its resonant setting shows the same mapping.
                if (type == 4 && resonance == 0.0f) continue;
                Rig rig(rate, type, 1);
                rig.resonance = resonance;
                for (double fc : cutoffs) {
                    if (fc > 0.34 * rate) continue; // the table stops at 0.99 x Nyquist
                    rig.cutoff = static_cast<float>(voltsOf(fc));
                    const double f = quarterTurn(response(rig), rate, fc, type == 11);
                    EXPECT_NEAR(12.0 * std::log2(f / fc), 0.0, 0.25)
                        << kTypeNames[type] << " r " << resonance << " at " << fc << " Hz, " << rate
                        << " Hz";
                }
            }
}

// The two-pole, four-pole and ladder designs map the cutoff without prewarping: at their
// lowest resonance the corner keeps a fixed interval to the control (within a quarter
// semitone of where it sits at 1 kHz) only near 1 kHz: the plain 2 fc / rate factor makes
// the corner run flat at low cutoffs and sharp towards the top. That is the sound these
// designs have, so it is kept; the figures are printed and kept in bench/RESULTS.md.
TEST(Filter, OtherDesignsKeepTheirCornerAtAFixedInterval) {
    const double cutoffs[] = {100, 200, 400, 1000, 2000, 4000, 8000, 12000, 15000};
    for (float rate : {44100.0f, 48000.0f, 96000.0f}) {
        for (int type = 5; type <= 10; ++type) {
            Rig rig(rate, type, 1);
            auto ratioAt = [&](double fc) {
                rig.cutoff = static_cast<float>(voltsOf(fc));
                return corner(magnitude(response(rig)), rate, fc, false) / fc;
            };
            const double reference = ratioAt(1000.0);
            ASSERT_GT(reference, 0.0) << kTypeNames[type];
            std::printf("%6.0f Hz %-4s corner %.3f fc; semitones off:", rate, kTypeNames[type],
                        reference);
            std::vector<double> offs;
            for (double fc : cutoffs) {
                if (fc > 0.34 * rate) continue;
                const double ratio = ratioAt(fc); // 0: no corner below half the rate
                offs.push_back(ratio > 0.0 ? 12.0 * std::log2(ratio / reference) : INFINITY);
                std::printf(" %.0f:%+.2f", fc, offs.back());
            }
            std::printf("\n");
            // The corner rises with the control everywhere (or the filter is fully open); below
            // a sixteenth of the rate it stays within 2 semitones of its 1 kHz interval (Acid,
            // whose mapping is nearly exact, within a third of one).
            const double window = type == 9 ? 0.35 : 2.0;
            for (size_t k = 0; k < offs.size(); ++k) {
                if (k > 0 && std::isfinite(offs[k])) {
                    EXPECT_GT(offs[k] + 12.0 * std::log2(cutoffs[k]),
                              offs[k - 1] + 12.0 * std::log2(cutoffs[k - 1]))
                        << kTypeNames[type] << " at " << cutoffs[k] << " Hz";
                }
                if (cutoffs[k] <= rate / 16.0) {
                    EXPECT_NEAR(offs[k], 0.0, window)
                        << kTypeNames[type] << " at " << cutoffs[k] << " Hz, " << rate << " Hz";
                }
            }
        }
    }
}

// Two and three octaves above the cutoff, one section falls about 12 dB per octave and the
// "24dB" cascade of two about 24 (+-2 dB); the two-stage designs F, G, H and the four-pole
// ones fall 24 dB per section (+-2 dB per 12).
TEST(Filter, SlopesOfOneAndTwoSections) {
    const double fc = 500.0, rate = 48000.0;
    for (int type = 1; type <= 10; ++type)
        for (int sections : {1, 2}) {
            Rig rig(static_cast<float>(rate), type, sections);
            rig.cutoff = static_cast<float>(voltsOf(fc));
            // D at its lowest resonance is overdamped (6 dB per octave over a wide span): it
            // is measured resonant. The four-pole Acid steepens gradually: measured further up.
            if (type == 4) rig.resonance = 1.0f;
            const std::vector<double> m = magnitude(response(rig));
            const double bin = rate / kPoints;
            auto dB = [&](double f) { return 20.0 * std::log10(m[std::lround(f / bin)]); };
            const double from = type == 9 ? 8.0 * fc : 4.0 * fc;
            const double slope = dB(from) - dB(2.0 * from);
            const bool fourPole = type >= 6;
            const double expected = (fourPole ? 24.0 : 12.0) * sections;
            const double tolerance = type == 9 ? 3.0 * sections : std::fmax(2.0, expected / 12.0);
            EXPECT_NEAR(slope, expected, tolerance) << kTypeNames[type] << ", " << sections;
        }
}

namespace {
// Audio-rate sweep of the whole cutoff range by a sine, 0 dBFS white noise in.
void sweepAtFullResonance(float rate, int type, int sections, double seconds, float* peak,
                          bool* subnormal) {
    Rig rig(rate, type, sections, true);
    rig.resonance = 1.0f;
    const size_t n = static_cast<size_t>(seconds * rate);
    std::vector<float> noise(n), control(n);
    uint32_t seed = 12345;
    for (size_t i = 0; i < n; ++i) {
        seed = seed * 1664525u + 1013904223u;
        noise[i] = static_cast<float>(static_cast<int32_t>(seed)) * (1.0f / 2147483648.0f);
        // -0.2 .. 1.3 V at 80 Hz: from 6 Hz to above the top of the table
        control[i] = 0.55f + 0.75f * static_cast<float>(std::sin(2.0 * M_PI * 80.0 * i / rate));
    }
    std::vector<float> out = rig.run(noise, control);
    *peak = 0.0f;
    *subnormal = false;
    for (float x : out) {
        if (!std::isfinite(x)) {
            *peak = INFINITY;
            return;
        }
        *peak = std::fmax(*peak, std::fabs(x));
        *subnormal = *subnormal || std::fpclassify(x) == FP_SUBNORMAL;
    }
}
} // namespace

// The unstable corners are made safe: maximum resonance, the cutoff swept by an 80 Hz sine
// over the whole range, white noise at full scale; 60 s per design at the highest and lowest
// rates stay finite and bounded, with no subnormal numbers.
TEST(Filter, MaximumResonanceSweptAtAudioRateStaysBounded) {
    for (float rate : {44100.0f, 96000.0f})
        for (int type = 1; type <= 11; ++type) {
            float peak;
            bool subnormal;
            sweepAtFullResonance(rate, type, type == 11 ? 1 : 2, 60.0, &peak, &subnormal);
            EXPECT_TRUE(std::isfinite(peak)) << kTypeNames[type] << " at " << rate;
            EXPECT_LE(peak, 8.0f) << kTypeNames[type] << " at " << rate; // +18 dBFS
            EXPECT_FALSE(subnormal) << kTypeNames[type];
            std::printf("%6.0f Hz %-4s peak %.2f\n", rate, kTypeNames[type], peak);
        }
}

// A decaying input leaves no subnormal numbers behind in any design, and a silent input is
// silence after the tail (below the resonance where Acid and Milk oscillate by themselves).
TEST(Filter, DecayingInputEndsInCleanSilence) {
    for (int type = 1; type <= 11; ++type) {
        Rig rig(48000.0f, type, 2);
        rig.cutoff = static_cast<float>(voltsOf(2000.0));
        rig.resonance = type == 9 || type == 10 ? 0.4f : 0.9f; // Acid and Milk sing above
        std::vector<float> in(48000);
        for (size_t i = 0; i < in.size(); ++i)
            in[i] =
                static_cast<float>(std::sin(i * 0.1) * std::exp(-static_cast<double>(i) / 2000.0));
        std::vector<float> out = rig.run(in);
        int subnormals = 0;
        for (float x : out)
            subnormals += std::fpclassify(x) == FP_SUBNORMAL;
        EXPECT_EQ(subnormals, 0) << kTypeNames[type];
        EXPECT_LT(std::fabs(out.back()), 1e-6f) << kTypeNames[type];
    }
}

// Saturation and limiter: the curve and knee figures.
TEST(Shapers, SaturationAndLimiterCurves) {
    for (float x : {-1.5f, -0.3f, 0.0f, 0.2f, 0.9f})
        EXPECT_EQ(QX_DSP_Saturation::curve(x, 1.7f, 0.0f), x); // amount 0: transparent
    EXPECT_FLOAT_EQ(QX_DSP_Saturation::curve(0.5f, 1.0f, 1.0f), 0.9375f);
    EXPECT_FLOAT_EQ(QX_DSP_Saturation::curve(1.0f, 1.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(QX_DSP_Saturation::curve(3.0f, 1.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(QX_DSP_Saturation::curve(-0.5f, 1.0f, 1.0f), -0.9375f);
    EXPECT_TRUE(std::isfinite(QX_DSP_Saturation::curve(0.5f, -2.0f, 1.0f))); // drive held >= 0

    const float T = 1.5f, K = 0.1f;
    EXPECT_EQ(QX_DSP_Soft_Limiter::limit(T, T, K), T); // at the threshold
    EXPECT_FLOAT_EQ(QX_DSP_Soft_Limiter::limit(T + 1.0f, T, K), T + 0.5f * K);
    EXPECT_FLOAT_EQ(QX_DSP_Soft_Limiter::limit(-(T + 1.0f), T, K), -(T + 0.5f * K));
    EXPECT_EQ(QX_DSP_Soft_Limiter::limit(0.7f, T, K), 0.7f); // below: a plain gain
    for (float y : {2.0f, 10.0f, 1e6f})
        EXPECT_LT(QX_DSP_Soft_Limiter::limit(y, T, K), T + K); // never beyond the ceiling
    EXPECT_NEAR(QX_DSP_Soft_Limiter::makeUp(10.0f, 0.75f), 0.650f, 0.001f);
    EXPECT_NEAR(QX_DSP_Soft_Limiter::makeUp(10.0f, 0.4f), 0.435f, 0.001f);
    EXPECT_FLOAT_EQ(QX_DSP_Soft_Limiter::makeUp(1.0f, 0.4f), 1.0f);
    EXPECT_TRUE(std::isfinite(QX_DSP_Soft_Limiter::makeUp(-4.0f, 0.75f))); // gain held >= 0

    // The output ceiling: untouched to +3 dBFS, rising and below +6 dBFS above it.
    for (float x : {-1.4f, -0.5f, 0.0f, 0.99f, 1.41f})
        EXPECT_EQ(OutputCeiling::apply(x), x);
    float last = OutputCeiling::kKnee;
    for (float x : {1.5f, 2.0f, 4.0f, 64.0f, 1e30f}) {
        const float y = OutputCeiling::apply(x);
        EXPECT_GE(y, last);
        EXPECT_LT(y, 1.9953f);
        EXPECT_EQ(OutputCeiling::apply(-x), -y);
        last = y;
    }
    EXPECT_EQ(OutputCeiling::apply(NAN), 0.0f);
    EXPECT_EQ(OutputCeiling::apply(-INFINITY), 0.0f);
}

// A non-finite input never reaches the output, and the filter plays on from silence.
TEST(Filter, NonFiniteInputIsForgotten) {
    for (int type = 1; type <= 11; ++type) {
        Rig rig(48000.0f, type, 2);
        rig.cutoff = type == 11 ? static_cast<float>(voltsOf(50.0)) : 1.0f; // wide open
        rig.resonance = 0.5f;
        std::vector<float> in(4096);
        for (size_t i = 0; i < in.size(); ++i)
            in[i] = 0.25f * static_cast<float>(std::sin(0.05 * static_cast<double>(i)));
        in[100] = NAN;
        in[101] = INFINITY;
        std::vector<float> out = rig.run(in);
        for (float x : out)
            ASSERT_TRUE(std::isfinite(x)) << kTypeNames[type];
        float tail = 0.0f;
        for (size_t i = out.size() - 256; i < out.size(); ++i)
            tail = std::fmax(tail, std::fabs(out[i]));
        EXPECT_GT(tail, 0.01f) << kTypeNames[type]; // sounding again
    }
}

// Pan and mix laws at the centre and the ends, the "Filter %" wet shares, and positions beyond
// the ends held there.
TEST(GainStages, MixLawsAndFilterShares) {
    EXPECT_FLOAT_EQ(MixLaw::of(0, 0.0f).a, 0.5f);
    EXPECT_FLOAT_EQ(MixLaw::of(0, 0.0f).b, 0.5f);
    EXPECT_FLOAT_EQ(MixLaw::of(1, 0.0f).a, 0.75f);
    EXPECT_FLOAT_EQ(MixLaw::of(1, 0.0f).b, 0.75f);
    for (int law : {0, 1}) {
        EXPECT_FLOAT_EQ(MixLaw::of(law, -0.5f).a, 1.0f);
        EXPECT_FLOAT_EQ(MixLaw::of(law, 0.5f).b, 1.0f);
        EXPECT_FLOAT_EQ(MixLaw::of(law, 2.3f).a, 0.0f); // a pan sum beyond the end: held
        EXPECT_FLOAT_EQ(MixLaw::of(law, -7.0f).b, 0.0f);
        EXPECT_FLOAT_EQ(MixLaw::of(law, NAN).b, 0.0f);
    }
    // "100%,87%,75%,62%,50%,37%,25%": mix values 0.5 down to -0.25 in steps of 0.125.
    const float wet[] = {1.0f, 0.875f, 0.75f, 0.625f, 0.5f, 0.375f, 0.25f};
    for (int k = 0; k < 7; ++k) {
        const MixLaw g = MixLaw::of(0, 0.5f - 0.125f * static_cast<float>(k));
        EXPECT_FLOAT_EQ(g.b, wet[k]);
        EXPECT_FLOAT_EQ(g.a + g.b, 1.0f);
    }
}

// The LFO intro: "Intro (s)" 10 s (1000 V at 0.1 V per ms) ramps linearly over 441000
// samples at 44.1 kHz, restarted by each trigger.
TEST(GainStages, FadeInRampsOverItsTime) {
    Rig rig(44100.0f, 0, 1, false, true);
    rig.filter().PostEvent(rig.fx.clock(), 3, 0, 10000, 1000.0f, nullptr);
    rig.filter().PostEvent(rig.fx.clock(), 2, 0, 1, 1.0f, nullptr);
    std::vector<float> out = rig.run(std::vector<float>(441000 + 640, 1.0f));
    EXPECT_NEAR(out[220500], 0.5f, 1e-3f);
    EXPECT_LT(out[441000 - 64], 1.0f);
    EXPECT_EQ(out[441000 + 64], 1.0f);
    for (size_t i = 1; i < 441000; i += 997)
        ASSERT_NEAR(out[i] - out[i - 1], 1.0f / 441000.0f, 1e-6f);
}

// A stereo instance (input 1 wired) keeps the two channels' states apart: the left output is
// the mono filter's output of the left input, and silence on the right stays silence.
TEST(Filter, StereoChannelsKeepSeparateStates) {
    std::vector<float> left(8192);
    uint32_t seed = 7;
    for (float& x : left) {
        seed = seed * 1664525u + 1013904223u;
        x = static_cast<float>(static_cast<int32_t>(seed)) * 2e-10f;
    }
    Rig mono(48000.0f, 1, 2);
    mono.resonance = 0.8f;
    const std::vector<float> expected = mono.run(left);
    Rig stereo(48000.0f, 1, 2);
    stereo.resonance = 0.8f;
    QX_ModuleBase& f = stereo.filter();
    f.SetInput(1, stereo.feeder().GetOutput(1));
    f.inputSource[1] = &stereo.feeder();
    Feeder& feed = stereo.feeder();
    feed.play(left, std::vector<float>(left.size(), 0.0f)); // the right input: silence
    std::vector<float> l(kBlock), r(kBlock);
    float* outs[2] = {l.data(), r.data()};
    for (size_t b = 0; b < left.size() / kBlock; ++b) {
        stereo.fx.processReplacing(nullptr, outs, kBlock);
        for (int i = 0; i < kBlock; ++i) {
            ASSERT_EQ(f.GetOutput(0)[i], expected[b * kBlock + static_cast<size_t>(i)]);
            ASSERT_LT(std::fabs(f.GetOutput(1)[i]), 1e-15f); // the 1e-18 offsets, nothing more
        }
    }
}

// Controls far outside their range (cutoff beyond the tables or above the rate on the linear
// scale, resonance beyond 1, not a number) give finite, bounded output in every design.
TEST(Filter, OutOfRangeControlsAreHeldInside) {
    std::vector<float> in(2048);
    for (size_t i = 0; i < in.size(); ++i)
        in[i] = 0.5f * static_cast<float>(std::sin(0.3 * static_cast<double>(i)));
    for (int type = 1; type <= 11; ++type)
        for (int linear : {0, 1})
            for (float cutoff : {-10.0f, 1.5f, 10.0f, 1e6f, NAN})
                for (float resonance : {-1.0f, 3.0f, NAN}) {
                    Rig rig(44100.0f, type, 2);
                    rig.post(7, linear);
                    rig.cutoff = cutoff;
                    rig.resonance = resonance;
                    for (float x : rig.run(in))
                        ASSERT_TRUE(std::isfinite(x) && std::fabs(x) <= 8.0f)
                            << kTypeNames[type] << " cutoff " << cutoff << " r " << resonance;
                }
}
