#!/bin/sh
# Writes the built module graph (docs/signal-flow.dot) and its picture (docs/signal-flow.svg).
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
if ! command -v dot >/dev/null 2>&1; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends graphviz >/dev/null
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tarlix-render
mkdir -p docs
build/bin/tarlix-render --graph docs/signal-flow.dot >/dev/null
dot -Tsvg docs/signal-flow.dot -o docs/signal-flow.svg
echo docs/signal-flow.svg
