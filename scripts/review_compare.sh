#!/usr/bin/env bash
# Optional measurement, never part of the tests: kestro's game review set
# beside an independent analysis program's. Plays cubeless self-play games
# (the computer at one level, the human's side by the move suggestion at
# another), reviews them with kestro-engine, exports them as a match text,
# has GNU Backgammon analyse that at its quick setting (0-ply), and prints
# both per-game error rates with their correlation and mean difference.
# GNU Backgammon only measures here; kestro does not depend on it.
#   scripts/review_compare.sh [games] [seed] [level] [human level] [kestro-engine]
#   (default 50 1 2 2 build/kestro-engine)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
gnubg="$(command -v gnubg || echo /usr/games/gnubg)"
if [ ! -x "$gnubg" ]; then
  echo "review_compare: GNU Backgammon is not installed (apt-get install gnubg); nothing compared"
  exit 0
fi
engine="$(realpath "${5:-$top/build/kestro-engine}")"
[ -x "$engine" ] || { echo "review_compare: $engine is missing: build kestro-engine first" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$engine" review --games "${1:-50}" --seed "${2:-1}" --level "${3:-2}" --human "${4:-2}" \
  --export "$work/games.mat" >"$work/review.txt"
tail -n 2 "$work/review.txt"
KESTRO_MAT="$work/games.mat" KESTRO_REVIEW="$work/review.txt" \
  "$gnubg" -q -t -p "$top/tools/gnubg_review/analyse.py" 2>&1 | sed -n '/^game  decisions/,$p'
