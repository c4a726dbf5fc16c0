#!/bin/sh
# Installs the Debian packages the build, the tools and the tests need, when missing.
set -eu
PKGS="cmake ninja-build g++ pkg-config libsndfile1-dev libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev libglibmm-2.4-1v5 libebur128-dev libpng-dev xvfb xauth libx11-dev libxtst-dev libcairo2-dev libdbus-1-dev libfreetype-dev fonts-liberation2 xdotool imagemagick"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "setup: installing$missing" >&2
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

# The Windows stage (scripts/test-windows.sh): mingw-w64 to cross-build the DLL, wine to run it
# and its tests, GoogleTest's source to build it for Windows. Optional: when these cannot be
# installed the stage is skipped with a message.
WIN_PKGS="g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 googletest"
win_missing=""
for p in $WIN_PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || win_missing="$win_missing $p"
done
if [ -n "$win_missing" ]; then
  echo "setup: installing$win_missing (the Windows stage)" >&2
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq >/dev/null 2>&1 || true
  if ! $SUDO apt-get install -y -qq --no-install-recommends $win_missing >/dev/null 2>&1; then
    echo "setup: the Windows stage's packages could not be installed; it will be skipped" >&2
  fi
fi

# A peer instrument for the speed comparison (build/bench/tarlix_peer): Debian's amsynth, whose
# VST 2 build it loads through the same dlopen host. Optional: without it the peer run measures
# only this instrument.
if ! dpkg-query -W -f='${Status}' amsynth 2>/dev/null | grep -q "install ok installed"; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  if ! $SUDO apt-get install -y -qq --no-install-recommends amsynth >/dev/null 2>&1; then
    echo "setup: amsynth could not be installed; the peer benchmark will measure Tarlix_2 alone" >&2
  fi
fi

# A real host's plug-in scanner for the conformance tests: Ardour's VST2 scanner, unpacked from
# the Debian package into .cache/ (the whole application is not installed). Best effort: the
# test is skipped when it cannot be had.
scanner=".cache/ardour/usr/lib/ardour7/ardour-vst-scanner"
if [ ! -x "$scanner" ]; then
  mkdir -p .cache/ardour
  if (cd .cache && apt-get download ardour >/dev/null 2>&1); then
    dpkg -x .cache/ardour_*.deb .cache/ardour && rm -f .cache/ardour_*.deb
  else
    echo "setup: Ardour's VST2 scanner could not be fetched; its test will be skipped" >&2
  fi
fi
