#!/usr/bin/env bash
# Drives the whole window with random input for the given minutes (default
# 10): one run in ./build and one built with AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-sanitize, side by side, each going on
# from seed to seed.
#   --sanitized-only  skips the plain run.
#   --seed N          starts from seed N (default: from the clock).
# A failure names its seed and step and shows the last steps; the line
# "replay: ..." gives the variables that repeat it.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=10
plain=1
seed=$(( $(date +%s) % 100000 ))
while [ $# -gt 0 ]; do
  case "$1" in
    --sanitized-only) plain=0 ;;
    --seed) seed="$2"; shift ;;
    [0-9]*) minutes="$1" ;;
    *) echo "usage: $0 [minutes] [--sanitized-only] [--seed N]" >&2; exit 2 ;;
  esac
  shift
done

bash scripts/deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

builds=(build-sanitize)
[ "$plain" = 1 ] && builds+=(build)
for build in "${builds[@]}"; do
  flags=()
  [ "$build" = build-sanitize ] && flags=(-DKESTRO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
  cmake --build "$build" -j2 --target ui_tests
done

pids=()
for build in "${builds[@]}"; do
  echo "== soak in $build for $minutes min from seed $seed"
  KESTRO_MONKEY_SEED="$seed" KESTRO_MONKEY_STEPS=1000 KESTRO_MONKEY_SECONDS=$((minutes * 60)) \
    "$build/ui_tests" --gtest_filter='MonkeyTest.RandomInput*' >"$build/soak.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!pids[@]}"; do
  build="${builds[$i]}"
  if wait "${pids[$i]}"; then
    grep '^monkey:' "$build/soak.log"
  else
    status=1
    grep -v 'This plugin does not support' "$build/soak.log" | tail -n 60
    echo "soak in $build failed; the whole log is $build/soak.log"
  fi
done
exit "$status"
