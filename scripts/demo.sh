#!/bin/sh
# Sets up, builds, and renders the bundled demo song to demo.wav.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tarlix2 tarlix-render
./build/bin/tarlix-render examples/demo.mid demo.wav
echo "$(pwd)/demo.wav"
