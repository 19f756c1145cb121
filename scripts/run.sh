#!/usr/bin/env bash
# Sets up a fresh machine, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build --target kevra8r
exec build/bin/kevra8r "$@"
