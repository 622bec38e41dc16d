#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for SECONDS (default 30), from
# its seed corpus in fuzz/corpus/<target> plus what earlier runs found (build-fuzz/corpus/<target>).
# A crash, a leak, undefined behaviour, a slow input or a memory blow-up fails the run; the input is
# kept in build-fuzz/findings/. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
# clang and its fuzzing runtime; the rest comes with scripts/setup.sh.
bash scripts/install-packages.sh clang libclang-rt-dev
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-O1 -g" -DZOVI_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target zovi_fuzzers -j "$(nproc)"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(ls fuzz/corpus))
fi
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-fuzz/findings
failed=0
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds} s"
  if ! build-fuzz/bin/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$target"- \
      "$corpus" fuzz/corpus/"$target" >build-fuzz/fuzz_"$target".log 2>&1; then
    failed=1
    echo "fuzz_$target FAILED:"
    tail -n 60 build-fuzz/fuzz_"$target".log
  fi
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' build-fuzz/fuzz_"$target".log || true
done
exit $failed
