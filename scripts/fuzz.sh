#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang's libFuzzer into
# ./build-fuzz and runs each for the given seconds (default 30), one after
# another, starting from the files in tests/fixtures/ that the program wrote.
# Fails on the first finding; libFuzzer leaves the input as crash-* in
# build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

bash scripts/deps.sh
cmake -S . -B build-fuzz -G Ninja -DKESTRO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2

# A file each fuzzer writes goes to memory when it can, not to the disk.
[ -w /dev/shm ] && export TMPDIR=/dev/shm

declare -A seeds=(
  [position_file]='*.pos'
  [position_text]='positions.txt'
  [stats_file]='kestro32.scr'
  [scheme_file]='kestro32.clr'
  [profile]='kestro.ini'
  [kept_games]='kestro32.gms'
  [kept_reviews]='kestro32.rvw'
)
mkdir -p build-fuzz/findings
for target in position_file position_text stats_file scheme_file profile kept_games kept_reviews; do
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  # shellcheck disable=SC2086  # the pattern is meant to expand
  cp tests/fixtures/${seeds[$target]} "$corpus/"
  echo "== fuzz_$target for ${seconds}s"
  "build-fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/findings/ "$corpus" 2>"build-fuzz/fuzz_$target.log" ||
    { tail -n 60 "build-fuzz/fuzz_$target.log"; echo "fuzz_$target: finding, see build-fuzz/findings/"; exit 1; }
  grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "build-fuzz/fuzz_$target.log" | tail -n 2
done
