// An in-place radix-2 FFT (the length must be a power of two), for measurement off the audio
// thread: the sound tests and the bank audition.
#pragma once
#include <cmath>
#include <complex>
#include <vector>

namespace spectrum {

inline void fft(std::vector<std::complex<double>>& x) {
    const size_t n = x.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) std::swap(x[i], x[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const double a = -2.0 * M_PI / static_cast<double>(len);
        const std::complex<double> step(std::cos(a), std::sin(a));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> w(1.0, 0.0);
            for (size_t k = 0; k < len / 2; ++k) {
                std::complex<double> u = x[i + k], v = x[i + k + len / 2] * w;
                x[i + k] = u + v;
                x[i + k + len / 2] = u - v;
                w *= step;
            }
        }
    }
}

} // namespace spectrum
