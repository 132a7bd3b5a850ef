#!/usr/bin/env bash
# How many frames per second a headless replay runs: with no output, with the trace, and with
# PNG frames (every frame, and every 10th). The replay is the bot's whole game (five bosses and
# the staff roll, tests/data/bot-game.replay). Prints the median of RUNS runs of each.
# usage: scripts/bench-headless.sh [BINARY] [RUNS]     (default build/release/munyope, 5 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/munyope}
runs=${2:-5}
replay=${REPLAY:-tests/data/bot-game.replay}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
frames=$(awk '$2 == "end" {print $1}' "$replay")

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {  # ARGS... : the median frames per second over the runs
  for _ in $(seq "$runs"); do
    rm -rf "$tmp/png" "$tmp/t.jsonl"
    local t0 t1
    t0=$(date +%s%N)
    "$bin" --headless --replay "$replay" "$@" >/dev/null
    t1=$(date +%s%N)
    echo "$frames $t0 $t1" | awk '{printf "%.0f\n", $1 / (($3 - $2) / 1e9)}'
  done | median
}

echo "$bin: $replay, $frames frames; median of $runs runs (whole process, start-up included)"
echo "no output:                $(measure) frames/s"
echo "--trace FILE:             $(measure --trace "$tmp/t.jsonl") frames/s"
echo "--frames DIR:             $(measure --frames "$tmp/png") frames/s"
echo "--frames --frame-every 10: $(measure --frames "$tmp/png" --frame-every 10) frames/s"
