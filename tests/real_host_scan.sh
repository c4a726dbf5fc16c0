#!/bin/sh
# A real Linux VST2 host reads the built library: Ardour's plug-in scanner must report our
# identity and I/O. Exit 77 (skipped) when the scanner is not available.
set -u
plugin="$1"
root="$(cd "$(dirname "$0")/.." && pwd)"
lib="$root/.cache/ardour/usr/lib/ardour7"
[ -x "$lib/ardour-vst-scanner" ] || { echo "Ardour's scanner is not available"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$plugin" "$work/Tarlix_2.so"
HOME="$work" LD_LIBRARY_PATH="$lib" "$lib/ardour-vst-scanner" -f "$work/Tarlix_2.so" >"$work/out.txt" 2>&1
status=$?
cat "$work/out.txt"
[ $status -eq 0 ] || { echo "scanner failed with $status"; exit 1; }
cache="$(find "$work/.cache" -name '*.v2i' | head -n 1)"
[ -n "$cache" ] || { echo "no cache file written"; exit 1; }
for expect in 'name="Tarlix_2_Demo"' 'creator="QuillwaveAudio"' 'category="Instrument"' \
  'n_inputs="2"' 'n_outputs="2"' 'n_midi_inputs="1"' 'is_instrument="1"' \
  'can_process_replace="1"' "id=\"$((0x54725832))\""; do
  grep -q "$expect" "$cache" || { echo "missing $expect in $cache"; cat "$cache"; exit 1; }
done
echo "Ardour's scanner reports the plug-in as expected"
