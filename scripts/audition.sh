#!/bin/sh
# Sets up, builds and auditions the factory bank: one WAV per program in build/audition/, the
# contact sheet docs/bank-audition.png and the loudness table docs/bank-audition.md.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target tarlix-audition
build/bin/tarlix-audition --docs docs build/audition >/dev/null
echo "docs/bank-audition.md, docs/bank-audition.png, build/audition/"
