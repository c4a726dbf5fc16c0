#!/bin/sh
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each from its corpus in
# fuzz/corpus/ for SECONDS (default 20, or $FUZZ_SECONDS), two at a time, and reports each
# target's runs per minute. A crash, a leak, an
# out-of-bounds access, undefined behaviour or a broken invariant (such as non-finite output)
# fails the run; the input that found it is left in build-fuzz/artifacts/.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-${FUZZ_SECONDS:-20}}"
./scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARLIX_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzz_targets
mkdir -p build-fuzz/artifacts
run() {
  name="$1"
  work="build-fuzz/corpus/$name"
  mkdir -p "$work"
  if ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name-" "$work" \
    "fuzz/corpus/$name" >"build-fuzz/fuzz_$name.log" 2>&1; then
    grep -o 'Done [0-9]* runs in [0-9]* second(s)' "build-fuzz/fuzz_$name.log" | tail -n 1 |
      awk -v name="$name" '{ printf "fuzz %s: %d runs in %d s, %d runs a minute\n", name, $2, $5, $2 * 60 / ($5 > 0 ? $5 : 1) }'
  else
    echo "fuzz $name: FAILED, see build-fuzz/fuzz_$name.log and build-fuzz/artifacts/" >&2
    tail -n 40 "build-fuzz/fuzz_$name.log" >&2
    return 1
  fi
}
status=0
set -- chunk files program_source midi_file midi_stream png
while [ $# -gt 0 ]; do
  run "$1" & first=$!
  second=""
  if [ $# -gt 1 ]; then run "$2" & second=$!; fi
  wait $first || status=1
  if [ -n "$second" ]; then wait $second || status=1; fi
  shift; [ $# -gt 0 ] && shift
done
[ $status -eq 0 ] && echo "all fuzz targets ran clean for ${seconds} s each"
exit $status
