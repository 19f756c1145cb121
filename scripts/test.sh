#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test (the
# sanitizer and fuzz runs first, so the main test summary closes the output).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
# The program's target alone (as scripts/run.sh builds it) must make
# everything the program loads: installed into an empty prefix, it is whole.
cmake --build build --target kevra8r
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake -DBUILD_DIR=build -DPREFIX="$prefix" -P tests/install/install_whole.cmake
rm -rf "$prefix"
cmake --build build
# Every test again under AddressSanitizer and UBSan, then the short fuzz runs.
cmake -S . -B build-asan -G Ninja -DRP_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
bash scripts/fuzz.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
