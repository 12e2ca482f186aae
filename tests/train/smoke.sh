#!/usr/bin/env bash
# A seconds-long training run that stops, goes on from its checkpoint, and
# leaves weights the program accepts.
set -euo pipefail
train="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
"$train" --out "$dir/w" --games 60 --save-every 30 --check-every 60 --check-games 4 --hidden 8 --race-hidden 4 \
  | grep -q "against Good at 0-ply: [-+]"
grep -qx "games 60" "$dir/w.state"
"$train" --out "$dir/w" --games 90 --save-every 30 --check-every 0 | grep -q "going on from game 60"
grep -qx "games 90" "$dir/w.state"
! "$train" --out "$dir/w" --hidden 0 2>/dev/null
