#!/bin/sh
# Pictures of the editor as a Linux host shows it: builds the library and the editor host
# tool, starts a private X server (Xvfb, no TCP), opens the editor in a window of its own and
# writes docs/editor.png plus one picture per modulation page and panel, the MIDI-learn
# dialog open after a controller moved (with its controller menu), and the window at 150 and
# 200 % (docs/editor-150.png, docs/editor-200.png).
# Usage: scripts/screenshots.sh [build folder, default build]
set -eu
cd "$(dirname "$0")/.."
build="${1:-build}"
./scripts/setup.sh
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target editor_shot tarlix2
mkdir -p docs
fifo="$(mktemp -u)"
mkfifo "$fifo"
Xvfb -displayfd 3 -nolisten tcp -screen 0 2048x1536x24 -dpi 96 -noreset 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$fifo"' EXIT INT TERM
read -r display <"$fifo"
DISPLAY=":$display" "$build/bin/editor_shot" --plugin "$build/plugin/Tarlix_2.so" --out docs
DISPLAY=":$display" "$build/bin/editor_shot" --plugin "$build/plugin/Tarlix_2.so" --measure
