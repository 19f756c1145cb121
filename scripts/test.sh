#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test (the short
# fuzz runs first, so the test summary closes the output).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
if [ -x scripts/fuzz.sh ] || [ -f scripts/fuzz.sh ]; then bash scripts/fuzz.sh; fi
ctest --test-dir build --output-on-failure -j "$(nproc)"
