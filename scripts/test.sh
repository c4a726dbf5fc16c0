#!/bin/sh
# Sets up, builds and runs every test: the normal build, then an AddressSanitizer +
# UndefinedBehaviorSanitizer build, the threaded tests under ThreadSanitizer, and the libFuzzer
# targets for a bounded time (FUZZ_SECONDS, default 60 each).
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARLIX_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
# The tests where threads meet, under ThreadSanitizer (clang).
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARLIX_TSAN=ON \
  -DTARLIX_BENCH=OFF -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-tsan -j "$jobs"
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R Thread
# Every fuzz target from its corpus, about a minute each.
./scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
# The Windows build under wine (skipped where mingw-w64 or wine is missing).
./scripts/test-windows.sh
echo "all tests passed (normal, address/undefined and thread sanitizer builds, fuzz targets)"
