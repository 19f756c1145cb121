#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz and runs
# each for a bounded time (FUZZ_SECONDS, default 30) on a copy of its seed
# corpus fuzz/corpus/<target>. Fails when a target crashes or finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"

cmake -S . -B build-fuzz -G Ninja -DRP_FUZZ=ON -DBUILD_TESTING=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
targets=$(sed -n 's/^ *rp_fuzz_target( *\([A-Za-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt)
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
  scratch=$(mktemp -d -p "$(test -w /dev/shm && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
  if [ -d "fuzz/corpus/$t" ]; then cp -R "fuzz/corpus/$t/." "$work/"; fi
  rm -f "$artifacts/$t-"*
  echo "fuzz: $t for ${seconds}s"
  if ! RP_FUZZ_TMP="$scratch" "build-fuzz/bin/$t" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$artifacts/$t-" "$work" 2>"build-fuzz/$t.log"; then
    echo "fuzz: $t FAILED; see build-fuzz/$t.log and $artifacts/" >&2
    tail -n 40 "build-fuzz/$t.log" >&2
    status=1
  else
    grep -E '^stat::number_of_executed_units' "build-fuzz/$t.log" || true
  fi
  rm -rf "$work" "$scratch"
done
exit $status
