#!/bin/sh
# The editor as a Windows host shows it: cross-builds Tarlix_2.dll and the small editor host
# (scripts/build-windows.sh), opens the editor under wine on a private X server and writes
# docs/editor-windows.png, beside the Linux build's docs/editor.png.
set -eu
cd "$(dirname "$0")/.."
win=${TARLIX_WIN_BUILD:-build-win}
./scripts/build-windows.sh --target tarlix2 editor-shot-win >/dev/null
case "$win" in /*) prefix="$win/wine" ;; *) prefix="$PWD/$win/wine" ;; esac
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  ./scripts/wine-run.sh "$prefix" "$win/bin/editor-shot-win.exe" "$win/plugin/Tarlix_2.dll" \
  docs/editor-windows.png
echo "wrote docs/editor-windows.png"
