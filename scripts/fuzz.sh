#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz (every
# source with coverage, under AddressSanitizer and UBSan) and runs each for
# a bounded time (FUZZ_SECONDS per target, default 25) on a copy of its seed
# corpus fuzz/corpus/<target>. Fails when a target crashes or finds a fault.
#
# A longer run, by hand: FUZZ_SECONDS=600 bash scripts/fuzz.sh
# One target only: FUZZ_TARGETS=engine_fuzz bash scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-25}"

# Optimised, with debug information for the crash reports' stacks.
cmake -S . -B build-fuzz -G Ninja -DRP_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
targets="${FUZZ_TARGETS:-$(sed -n 's/^ *rp_fuzz_target( *\([A-Za-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt)}"
if [ -z "$targets" ]; then
  echo "fuzz: no targets" >&2
  exit 0
fi
# shellcheck disable=SC2086
cmake --build build-fuzz --target $targets

artifacts="build-fuzz/artifacts"
mkdir -p "$artifacts"
status=0
for t in $targets; do
  work=$(mktemp -d)
  if [ -d "fuzz/corpus/$t" ]; then cp -R "fuzz/corpus/$t/." "$work/"; fi
  rm -f "$artifacts/$t-"*
  echo "fuzz: $t for ${seconds}s"
  if ! "build-fuzz/bin/$t" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$artifacts/$t-" "$work" 2>"build-fuzz/$t.log"; then
    echo "fuzz: $t FAILED; see build-fuzz/$t.log and $artifacts/" >&2
    tail -n 40 "build-fuzz/$t.log" >&2
    status=1
  else
    # Coverage (edges) and executions per second at the end of the run.
    grep -E '^#[0-9]+[[:space:]]+DONE' "build-fuzz/$t.log" | sed 's/^/  /' || true
  fi
  rm -rf "$work"
done
exit $status
