#!/usr/bin/env bash
# Trains the Expert's networks by self-play from scratch, with the seed and
# settings the built-in weights were trained with, and puts the result in
# data/expert.weights (rebuild to play it). The built-in weights were made by
# the trainer of commit d5ec230; run this script from that commit to rebuild
# them bit for bit (later trainers judge bear-offs exactly and round
# differently, and so end at other weights of the same kind). Hours of work on two cores: run it
# in the background. It saves as it goes; run it again with the same folder
# to go on where it stopped.
#   scripts/train.sh [folder]    checkpoints and train.log (default ./train-run)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
dir="$(mkdir -p "${1:-train-run}" && cd "${1:-train-run}" && pwd)"

bash "$top/scripts/deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja >/dev/null
cmake --build "$top/build" -j2 --target kestro-train

cd "$dir"
nice "$top/build/kestro-train" --out expert.weights --seed 1 --games 1070000 \
  --hidden 128 --race-hidden 64 --rate-start 0.1 --rate-end 0.02 --rate-games 1500000 \
  --save-every 10000 --check-every 100000 --check-games 1000 | tee -a train.log
cp expert.weights "$top/data/expert.weights"
echo "data/expert.weights updated; rebuild to play it"
