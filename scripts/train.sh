#!/usr/bin/env bash
# Trains the Expert's networks by self-play and puts the result in
# data/expert.weights (rebuild to play it). The built-in weights were made in
# two runs. The first taught networks of the per-point inputs alone from
# scratch for 1,070,000 games: `scripts/train.sh` of commit d5ec230 rebuilds
# them bit for bit, and they are data/expert.weights of commit 6f59bcb. The
# second, this script, starts from those at game 1,070,000 with the features
# added at no weight and goes on to 2,100,000 games (weights of the same kind
# as the built-in ones, not the same bits: see the README). An hour on one core:
# run it in the background. It saves as it goes; run it again with the same
# folder to go on where it stopped.
#   scripts/train.sh [folder]    checkpoints and train.log (default ./train-run)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
dir="$(mkdir -p "${1:-train-run}" && cd "${1:-train-run}" && pwd)"

bash "$top/scripts/deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja >/dev/null
cmake --build "$top/build" -j2 --target kestro-train

cd "$dir"
if [ ! -f expert.weights.state ]; then
  git -C "$top" show 6f59bcb:data/expert.weights >expert.weights
  echo "games 1070000" >expert.weights.state
fi
nice "$top/build/kestro-train" --out expert.weights --seed 2 --games 2100000 \
  --rate-start 0.0567 --rate-end 0.01 --rate-games 3000000 \
  --save-every 10000 --check-every 100000 --check-games 1000 | tee -a train.log
cp expert.weights "$top/data/expert.weights"
echo "data/expert.weights updated; rebuild to play it"
