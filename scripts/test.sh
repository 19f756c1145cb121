#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
if [ -x scripts/fuzz.sh ]; then bash scripts/fuzz.sh; fi
