#!/bin/sh
# Cross-builds the plug-in for 64-bit Windows: build-win/plugin/Tarlix_2.dll, with the bank
# tool, the unit tests and the host tests (which run under wine: scripts/test-windows.sh).
# Needs mingw-w64 and wine (scripts/setup.sh installs them when it can). The editor's art is
# drawn by the Linux build (build/, or $TARLIX_LINUX_BUILD), which is configured if missing.
set -eu
cd "$(dirname "$0")/.."
dir=${TARLIX_WIN_BUILD:-build-win}
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || ! command -v wine >/dev/null 2>&1; then
  echo "build-windows: mingw-w64 or wine is not installed (scripts/setup.sh installs them)" >&2
  exit 77
fi
jobs=$(nproc 2>/dev/null || echo 2)
linux=${TARLIX_LINUX_BUILD:-build}
[ -f "$linux/CMakeCache.txt" ] || cmake -S . -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$linux" -j "$jobs" --target art_pack >/dev/null
case "$linux" in /*) pack="$linux/resources/Art.pack" ;; *) pack="$PWD/$linux/resources/Art.pack" ;; esac
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release --no-warn-unused-cli \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DTARLIX_ART_PACK="$pack" >/dev/null
cmake --build "$dir" -j "$jobs" "$@"
echo "$dir/plugin/Tarlix_2.dll"
