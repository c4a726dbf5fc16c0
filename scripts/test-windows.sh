#!/bin/sh
# The Windows stage of the tests: cross-builds Tarlix_2.dll with mingw-w64, runs the unit tests,
# the host tests and the editor's window tests under wine, then renders the demo song and a phrase of every factory
# program through the Linux build and through the Windows build with one small C host and
# compares them sample by sample. Skipped, with a message, where mingw-w64 or wine is missing.
# Expects the Linux build in build/ (scripts/test.sh makes it first). The renders must be
# bit-identical; TARLIX_RENDER_LIMIT_DB=-120 would accept differences up to -120 dBFS instead.
set -eu
cd "$(dirname "$0")/.."
started=$(date +%s)
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || ! command -v wine >/dev/null 2>&1; then
  echo "test-windows: SKIPPED: mingw-w64 or wine could not be installed on this machine" >&2
  exit 0
fi
win=${TARLIX_WIN_BUILD:-build-win}
linux=${TARLIX_LINUX_BUILD:-build}
jobs=$(nproc 2>/dev/null || echo 2)

./scripts/build-windows.sh >/dev/null
# The editor's window test needs an X server for wine: a private Xvfb (never the user's
# screen); without one that test skips itself.
if command -v xvfb-run >/dev/null 2>&1; then
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    ctest --test-dir "$win" --output-on-failure -j "$jobs"
else
  ctest --test-dir "$win" --output-on-failure -j "$jobs"
fi

# The DLL needs only system DLLs (no MinGW run-time DLL beside it) and exports only the entry.
dll="$win/plugin/Tarlix_2.dll"
imports=$(x86_64-w64-mingw32-objdump -p "$dll" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')
exports=$(x86_64-w64-mingw32-objdump -p "$dll" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] //p' | LC_ALL=C sort | tr '\n' ' ')
echo "Tarlix_2.dll imports: $imports; exports: $exports"
case "$imports" in *lib*.dll* | *LIB*.dll*)
  echo "test-windows: Tarlix_2.dll needs a run-time DLL: $imports" >&2
  exit 1 ;;
esac
[ "$exports" = "VSTPluginMain main " ] || {
  echo "test-windows: Tarlix_2.dll exports $exports, not only VSTPluginMain and main" >&2
  exit 1
}

# The same renders through both builds.
cmake --build "$linux" -j "$jobs" --target tarlix2 vst-render-host >/dev/null
renders="$win/renders"
rm -rf "$renders" && mkdir -p "$renders/linux" "$renders/windows"
"$linux/bin/vst-render-host" render "$linux/plugin/Tarlix_2.so" examples/demo.mid "$renders/linux"
case "$win" in /*) prefix="$win/wine" ;; *) prefix="$PWD/$win/wine" ;; esac
./scripts/wine-run.sh "$prefix" "$win/bin/vst-render-host.exe" render \
  "$win/plugin/Tarlix_2.dll" examples/demo.mid "$renders/windows"
"$linux/bin/vst-render-host" compare "$renders/linux" "$renders/windows" >"$renders/comparison.txt" || true
tail -n 1 "$renders/comparison.txt"
limit=${TARLIX_RENDER_LIMIT_DB:-identical}
awk -v limit="$limit" '
  / differs: / { for (i = 1; i <= NF; ++i) if ($i == "difference") db = $(i + 1) + 0;
                 print "  " $0; if (limit == "identical" || db > limit + 0) bad = 1 }
  $2 == "missing" || $2 == "lengths" { print "  " $0; bad = 1 }
  END { exit bad }' "$renders/comparison.txt" || {
  echo "test-windows: the Windows renders differ from the Linux renders (accepted: $limit)" >&2
  exit 1
}
echo "test-windows: passed in $(($(date +%s) - started)) s (unit and host tests under wine, renders compared)"
