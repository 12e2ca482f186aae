#!/usr/bin/env bash
# Builds kestro and runs every test.
#   --sanitize  builds with AddressSanitizer and UndefinedBehaviorSanitizer into
#               a folder of its own and runs the same suite.
#   --werror    fails the build on any compiler warning.
#   --shuffle   then runs both test programs again, three times each in a
#               random order, so that no test leans on another's leftovers.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
flags=()
shuffle=0
for arg in "$@"; do
  case "$arg" in
    --sanitize)
      build=build-sanitize
      flags+=(-DKESTRO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
      export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
      ;;
    --werror) flags+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON) ;;
    --shuffle) shuffle=1 ;;
    *) echo "usage: $0 [--sanitize] [--werror] [--shuffle]" >&2; exit 2 ;;
  esac
done

bash scripts/deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" -j2 --output-on-failure
if [ "$shuffle" = 1 ]; then
  for t in core_tests ui_tests; do
    [ -x "$build/$t" ] || continue
    "$build/$t" --gtest_shuffle --gtest_repeat=3 --gtest_brief=1
  done
fi
