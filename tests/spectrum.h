// Spectral measurement for the sound tests: the bin-exact alias
// figures of a periodic signal whose fundamental sits on a bin.
#pragma once
#include <cmath>
#include <complex>
#include <vector>

#include "common/fft.h"

namespace spectrum {

// Power per bin 0..n/2 of a real signal (rectangular window: the signal must be periodic).
inline std::vector<double> powerSpectrum(const std::vector<float>& s) {
    std::vector<std::complex<double>> x(s.begin(), s.end());
    fft(x);
    std::vector<double> p(s.size() / 2 + 1);
    for (size_t k = 0; k < p.size(); ++k)
        p[k] = std::norm(x[k]);
    return p;
}

// Power at hz of s[from, to): a single-bin DFT, normalised by the length squared.
inline double powerAt(const std::vector<float>& s, size_t from, size_t to, double hz, double rate) {
    double re = 0.0, im = 0.0;
    for (size_t i = from; i < to && i < s.size(); ++i) {
        const double a = 2.0 * M_PI * hz * static_cast<double>(i) / rate;
        re += s[i] * std::cos(a);
        im += s[i] * std::sin(a);
    }
    const double n = static_cast<double>(to - from);
    return (re * re + im * im) / (n * n);
}

struct AliasFigures {
    double worstDbc;      // largest bin off the harmonic lines, re the fundamental
    double belowF0Dbc;    // largest such bin below the fundamental
    double outsideDb;     // power off the harmonic lines re the total (DC excluded)
    double topHarmonicHz; // highest harmonic line holding power above -150 dBc
};

// The fundamental is on bin `k0`: every harmonic is on a multiple of it.
inline AliasFigures aliasFigures(const std::vector<float>& s, size_t k0, double rate) {
    const std::vector<double> p = powerSpectrum(s);
    const double f0 = p[k0];
    double worst = 0.0, below = 0.0, off = 0.0, total = 0.0, top = 0.0;
    for (size_t k = 1; k < p.size(); ++k) {
        total += p[k];
        if (k % k0 == 0) {
            if (p[k] > f0 * 1e-15) top = static_cast<double>(k) * rate / (2.0 * (p.size() - 1));
            continue;
        }
        off += p[k];
        worst = std::fmax(worst, p[k]);
        if (k < k0) below = std::fmax(below, p[k]);
    }
    auto db = [](double r) { return r > 0.0 ? 10.0 * std::log10(r) : -400.0; };
    return {db(worst / f0), db(below / f0), db(off / total), top};
}

} // namespace spectrum
