// The equaliser band measured through its engine: the response at and around the centre
// against the peaking band's analytic response. (The flat band and the switches passing the
// sound bit for bit are checked through the library.)
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "dsp/equaliser.h"
#include "dsp/level_mix.h"
#include "tests/module_rig.h"

using namespace tarlix;
using moduletest::Feeder;

namespace {

constexpr int kBlock = 64;

int eqGraph(moduletest::Bench& e) {
    ModuleContext& c = e.context();
    auto* feeder = new Feeder(&c, false);
    c.modules[c.buildCount++] = feeder;
    auto* band = new QX_DSP_BiQuad_Coeff(&c, false);
    c.modules[c.buildCount++] = band;
    auto* engine = new QX_DSP_BiQuad_Multi_Engine(&c, false);
    c.modules[c.buildCount++] = engine;
    feeder->Connect(engine, 2, 0, 0, 0, 0, 0);
    for (int k = 0; k < 5; ++k)
        band->Connect(engine, 2, k, 9 + k, 0, 0, 0);
    band->Connect(engine, 2, 5, 14, 0, 0, 0); // band-active announcements
    return 3;
}

struct Eq {
    moduletest::Bench fx;
    float hz10, width, gain; // frequency in volts (Hz / 10), width knob (1..10), band gain G
    double rate;
    Eq(double r, double hz, float widthKnob, float dB) : rate(r) {
        hz10 = static_cast<float>(hz / 10.0);
        width = widthKnob;
        gain = QX_DSP_FdB_to_VFGain::gainOf(dB * 0.1f);
        fx.setGraphBuilder(eqGraph);
        fx.setSampleRate(static_cast<float>(r));
        fx.setBlockSize(kBlock);
        fx.resume();
        module(1).SetInput(0, &hz10);
        module(1).SetInput(1, &width);
        module(1).SetInput(2, &gain);
        run(std::vector<float>(kBlock, 0.0f));
    }
    QX_ModuleBase& module(int i) { return *fx.context().modules[i]; }
    std::vector<float> run(const std::vector<float>& in) {
        auto& f = static_cast<Feeder&>(module(0));
        f.play(in);
        std::vector<float> l(kBlock), r(kBlock), out;
        float* outs[2] = {l.data(), r.data()};
        for (size_t b = 0; b < (in.size() + kBlock - 1) / kBlock; ++b) {
            fx.processReplacing(nullptr, outs, kBlock);
            const float* o = module(2).GetOutput(0);
            out.insert(out.end(), o, o + kBlock);
        }
        out.resize(in.size());
        return out;
    }
    // Gain in dB at hz of the impulse response (a DFT at that frequency).
    double measuredDb(const std::vector<float>& h, double hz) const {
        std::complex<double> sum = 0.0;
        for (size_t i = 0; i < h.size(); ++i)
            sum += static_cast<double>(h[i]) * std::polar(1.0, -2.0 * M_PI * hz * i / rate);
        return 20.0 * std::log10(std::abs(sum));
    }
    // The band's own response from its formula, with an exact tangent.
    double analyticDb(double fcHz, double hz) const {
        float f[5];
        QX_DSP_BiQuad_Coeff::peaking(static_cast<float>(std::tan(M_PI * fcHz / rate)), width, gain,
                                     f);
        const double c[5] = {f[0], f[1], f[2], f[3], f[4]};
        const std::complex<double> z = std::polar(1.0, -2.0 * M_PI * hz / rate);
        const std::complex<double> h =
            (c[0] + c[1] * z + c[2] * z * z) / (1.0 + c[3] * z + c[4] * z * z);
        return 20.0 * std::log10(std::abs(h));
    }
};

std::vector<float> impulse(size_t n) {
    std::vector<float> x(n, 0.0f);
    x[0] = 1.0f;
    return x;
}

} // namespace

// Centre gain g / (1.001 - g) and the shape an octave either side follow the peaking band's
// response within 0.2 dB, for cuts and boosts, narrow and wide, low and high bands.
TEST(Equaliser, BandResponseFollowsTheDesign) {
    for (double rate : {44100.0, 48000.0})
        for (double fc : {100.0, 1000.0, 8000.0})
            for (float dB : {-18.0f, -6.0f, 6.0f, 18.0f})
                for (float width : {1.0f, 5.0f, 10.0f}) {
                    Eq eq(rate, fc, width, dB);
                    const std::vector<float> h = eq.run(impulse(65536));
                    const double g = eq.gain + 0.5;
                    EXPECT_NEAR(eq.measuredDb(h, fc), 20.0 * std::log10(g / (1.001 - g)), 0.2)
                        << fc << " Hz " << dB << " dB width " << width;
                    for (double at : {fc / 2.0, fc * 2.0}) {
                        if (at < 0.45 * rate) {
                            EXPECT_NEAR(eq.measuredDb(h, at), eq.analyticDb(fc, at), 0.2)
                                << fc << " Hz " << dB << " dB width " << width << " at " << at;
                        }
                    }
                }
}
