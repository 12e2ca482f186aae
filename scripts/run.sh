#!/usr/bin/env bash
# Builds kestro and starts the game in the current directory, where it keeps
# kestro.ini, kestro32.clr and kestro32.scr.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"

bash "$top/scripts/deps.sh"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

cmake -S "$top" -B "$top/build" -G Ninja >/dev/null
# The game and the small engine tool the README's commands use; the tests and
# the trainer wait for scripts/test.sh.
cmake --build "$top/build" -j2 --target kestro kestro-engine
exec "$top/build/kestro"
