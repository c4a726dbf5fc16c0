// The alias figure of a held note: a Blackman-Harris window over one second of the sound, and
// the strongest spectral peak that lies off the note's harmonic lines, relative to the
// fundamental. For measurement off the audio thread (the quality tool and the sound tests).
#pragma once
#include <cmath>
#include <complex>
#include <vector>

#include "common/fft.h"

namespace aliasmeter {

struct Figure {
    double worstDbc = -400.0; // strongest off-harmonic peak re the fundamental
    double worstHz = 0.0;     // where it lies
    double fundamentalHz = 0.0;
};

// Peaks closer than this to a harmonic line belong to it: the 4-term window's main lobe
// spans 4 bins each side (4 Hz over one second), and its side lobes lie below -92 dB.
constexpr double kLineHalfWidthHz = 6.0;

// `s` holds at least `rate` samples of a held note near `expectedHz`.
inline Figure measure(const std::vector<float>& s, int rate, double expectedHz) {
    const size_t length = static_cast<size_t>(rate);
    size_t n = 1;
    while (n < 2 * length) // zero-padded twice over: the peaks are read on a finer grid
        n <<= 1;
    std::vector<std::complex<double>> x(n, 0.0);
    for (size_t i = 0; i < length && i < s.size(); ++i) {
        const double p = 2.0 * M_PI * static_cast<double>(i) / static_cast<double>(length - 1);
        const double w = 0.35875 - 0.48829 * std::cos(p) + 0.14128 * std::cos(2.0 * p) -
                         0.01168 * std::cos(3.0 * p);
        x[i] = w * s[i];
    }
    spectrum::fft(x);
    const double binHz = static_cast<double>(rate) / static_cast<double>(n);
    std::vector<double> p(n / 2 + 1);
    for (size_t k = 0; k < p.size(); ++k)
        p[k] = std::norm(x[k]);

    // The fundamental: the strongest bin within a semitone of the expected pitch, refined by a
    // parabola through the log powers, so high harmonic lines land where they are.
    Figure f;
    const size_t lo = static_cast<size_t>(expectedHz * 0.94 / binHz),
                 hi = static_cast<size_t>(expectedHz * 1.06 / binHz) + 1;
    size_t k0 = lo;
    for (size_t k = lo; k <= hi && k + 1 < p.size(); ++k)
        if (p[k] > p[k0]) k0 = k;
    double delta = 0.0;
    if (k0 > 0 && p[k0 - 1] > 0.0 && p[k0 + 1] > 0.0) {
        const double a = std::log(p[k0 - 1]), b = std::log(p[k0]), c = std::log(p[k0 + 1]);
        const double d = a - 2.0 * b + c;
        if (d < 0.0) delta = 0.5 * (a - c) / d;
    }
    f.fundamentalHz = (static_cast<double>(k0) + delta) * binHz;
    const double reference = p[k0];
    if (!(reference > 0.0)) return f;

    double worst = 0.0;
    for (size_t k = 1; k + 1 < p.size(); ++k) {
        if (!(p[k] >= p[k - 1] && p[k] > p[k + 1])) continue; // peaks only
        const double hz = static_cast<double>(k) * binHz;
        const double line = std::round(hz / f.fundamentalHz) * f.fundamentalHz;
        if (std::fabs(hz - line) <= kLineHalfWidthHz) continue;
        if (p[k] > worst) {
            worst = p[k];
            f.worstHz = hz;
        }
    }
    f.worstDbc = worst > 0.0 ? 10.0 * std::log10(worst / reference) : -400.0;
    return f;
}

} // namespace aliasmeter
