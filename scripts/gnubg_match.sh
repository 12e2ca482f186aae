#!/usr/bin/env bash
# Optional benchmark, never part of the tests: the Expert against GNU
# Backgammon's 0-ply evaluation (no noise), cubeless money games on shared
# dice, seats swapped in pairs; prints the Expert's points per game with the
# 95 % interval from the pair means as it goes. GNU Backgammon is only the
# opponent here; kestro does not depend on it.
#   scripts/gnubg_match.sh [pairs] [seed] [kestro-engine]   (default 500 1 build/kestro-engine)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
gnubg="$(command -v gnubg || echo /usr/games/gnubg)"
if [ ! -x "$gnubg" ]; then
  echo "gnubg_match: GNU Backgammon is not installed (apt-get install gnubg); nothing measured" >&2
  exit 3
fi
engine="$(realpath "${3:-$top/build/kestro-engine}")"
[ -x "$engine" ] || { echo "gnubg_match: $engine is missing: build kestro-engine first" >&2; exit 2; }
KESTRO_ENGINE="$engine" MATCH_PAIRS="${1:-500}" MATCH_SEED="${2:-1}" \
  "$gnubg" -q -t -p "$top/tools/gnubg_match/match.py" 2>&1 | grep --line-buffered -v -E "^(GNU Backgammon|Copyright|This program|$)"
