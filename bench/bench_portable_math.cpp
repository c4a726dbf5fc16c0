// The portable elementary functions against the C library's, a buffer of arguments at a time
// in the ranges the instrument feeds them (the output ceiling's tanh, the equaliser's sine,
// the envelope's and the filter's exp2).
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "common/portable_math.h"

namespace {

constexpr int kCount = 256;

std::vector<double> arguments(double from, double to) {
    std::vector<double> x(kCount);
    for (int i = 0; i < kCount; ++i)
        x[i] = from + (to - from) * i / (kCount - 1);
    return x;
}

template <double (*F)(double)> void run(benchmark::State& state, double from, double to) {
    const std::vector<double> x = arguments(from, to);
    std::vector<double> y(kCount);
    for (auto _ : state) {
        for (int i = 0; i < kCount; ++i)
            y[i] = F(x[i]);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

double libTanh(double x) {
    return std::tanh(x);
}
double libSin(double x) {
    return std::sin(x);
}
double libExp2(double x) {
    return std::exp2(x);
}
double libTan(double x) {
    return std::tan(x);
}

} // namespace

void LibraryTanh(benchmark::State& state) {
    run<libTanh>(state, 0.0, 3.0);
}
void PortableTanh(benchmark::State& state) {
    run<tarlix::pmath::tanh>(state, 0.0, 3.0);
}
BENCHMARK(LibraryTanh);
BENCHMARK(PortableTanh);

void LibrarySin(benchmark::State& state) {
    run<libSin>(state, -1.6, 1.6);
}
void PortableSin(benchmark::State& state) {
    run<tarlix::pmath::sin>(state, -1.6, 1.6);
}
BENCHMARK(LibrarySin);
BENCHMARK(PortableSin);

void LibraryExp2(benchmark::State& state) {
    run<libExp2>(state, -10.0, 10.0);
}
void PortableExp2(benchmark::State& state) {
    run<tarlix::pmath::exp2>(state, -10.0, 10.0);
}
BENCHMARK(LibraryExp2);
BENCHMARK(PortableExp2);

void LibraryTan(benchmark::State& state) {
    run<libTan>(state, 0.0, 1.5);
}
void PortableTan(benchmark::State& state) {
    run<tarlix::pmath::tan>(state, 0.0, 1.5);
}
BENCHMARK(LibraryTan);
BENCHMARK(PortableTan);
