#!/bin/sh
# Sets up, builds and runs every test: the normal build (every test, the slow measurements
# included), then an AddressSanitizer + UndefinedBehaviorSanitizer build (every test but those
# labelled `slow`), the thread tests under ThreadSanitizer (only what they need is built), and
# the libFuzzer targets for a bounded time (FUZZ_SECONDS, default 20 each). Each stage reports
# its wall time and the CPU time it used.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

# CPU seconds used so far by this script's finished children (`times` must run in this shell,
# not in a command substitution's subshell).
cpu() {
  times >build/.times
  awk 'NR == 2 { split($1, u, "m"); split($2, s, "m"); print u[1] * 60 + u[2] + s[1] * 60 + s[2] }' build/.times
}
# stage NAME COMMAND...: runs the command and reports its wall and CPU time.
stage() {
  name="$1"
  shift
  wall0=$(date +%s.%N)
  cpu >build/.cpu0
  "$@"
  cpu >build/.cpu1
  awk -v n="$name" -v w="$(date +%s.%N)" -v w0="$wall0" -v c="$(cat build/.cpu1)" -v c0="$(cat build/.cpu0)" \
    'BEGIN { printf "stage %s: %.0f s wall, %.0f s CPU\n", n, w - w0, c - c0 }' | tee -a build/stage-times.txt
}

normal() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j "$jobs"
  ctest --test-dir build --output-on-failure -j "$jobs"
}
# The sanitizer trees build at -O1 with line tables only: under half the compile time of -O2
# with full debug information, the same findings, and stack traces still name file and line.
sanitizerFlags="-O1 -g1 -DNDEBUG"
sanitized() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARLIX_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$sanitizerFlags" -DCMAKE_C_FLAGS_RELWITHDEBINFO="$sanitizerFlags" >/dev/null
  cmake --build build-asan -j "$jobs" --target tarlix_tests tarlix_host_tests tarlix_thread_tests \
    tarlix_editor_tests tarlix_editor_x11_tests tarlix_controls_x11_tests \
    tarlix_controls_rig_tests tarlix_art_tests tarlix_desktop_tests tarlix_midi_learn_tests \
    tarlix_midi_learn_x11_tests tarlix_displays_rig_tests tarlix_displays_x11_tests \
    tarlix_preset_panel_tests tarlix_preset_panel_x11_tests tarlix_zoom_tests
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE slow
}
# The tests where threads meet, under ThreadSanitizer (clang): the library and their program.
threads() {
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARLIX_TSAN=ON \
    -DTARLIX_BENCH=OFF -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$sanitizerFlags" -DCMAKE_C_FLAGS_RELWITHDEBINFO="$sanitizerFlags" >/dev/null
  cmake --build build-tsan -j "$jobs" --target tarlix_thread_tests tarlix_editor_x11_tests \
    tarlix_displays_x11_tests
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L threads
}

mkdir -p build
: >build/stage-times.txt
stage setup ./scripts/setup.sh
stage normal normal
stage sanitizers sanitized
stage threads threads
stage fuzz ./scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
# The Windows build under wine (skipped where mingw-w64 or wine is missing).
stage windows ./scripts/test-windows.sh
cat build/stage-times.txt
echo "all tests passed (normal, address/undefined and thread sanitizer builds, fuzz targets)"
