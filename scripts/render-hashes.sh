#!/bin/sh
# Prints a SHA-256 of the audio of the demo song's render and of every factory program's
# audition phrase, rendered through the built library. Two builds whose lists are equal sound
# bit-identically. Only the samples are hashed: the WAV header carries a time stamp.
#   scripts/render-hashes.sh [BUILD_DIR]   (default: build; the tools must be built there)
set -eu
cd "$(dirname "$0")/.."
build="${1:-build}"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$build/bin/tarlix-render" examples/demo.mid "$out/demo.wav" >/dev/null
"$build/bin/tarlix-audition" --plugin "$build/plugin/Tarlix_2.so" "$out/phrases" >/dev/null
cd "$out"
for f in demo.wav phrases/*.wav; do
  data=$(grep -obUa data "$f" | head -n 1 | cut -d: -f1)
  printf '%s  %s\n' "$(tail -c +"$((data + 9))" "$f" | sha256sum | cut -d' ' -f1)" "$f"
done
