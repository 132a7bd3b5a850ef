#!/usr/bin/env bash
# How many frames per second a headless replay runs: with no output, with the trace, and with
# PNG frames written for every frame. Prints the median of RUNS runs of each.
# usage: scripts/bench-headless.sh [BINARY] [RUNS]     (default build/release/munyope, 7 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/munyope}
runs=${2:-7}
replay=tests/data/random-keys.replay
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The long session as it is, and its first 1000 frames for the PNG runs.
long=$(awk '$2 == "end" {print $1}' "$replay")
short=1000
{ grep -v ' end$' "$replay"; echo "$short end"; } > "$tmp/short.replay"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {  # FRAMES ARGS... : prints the median frames per second
  local frames=$1
  shift
  for _ in $(seq "$runs"); do
    rm -rf "$tmp/png"
    local t0 t1
    t0=$(date +%s%N)
    "$bin" --headless "$@" >/dev/null
    t1=$(date +%s%N)
    echo "$frames $t0 $t1" | awk '{printf "%.0f\n", $1 / (($3 - $2) / 1e9)}'
  done | median
}

echo "$bin, median of $runs runs"
echo "no output:            $(measure "$long" --replay "$replay") frames/s ($long frames)"
echo "--trace to a file:    $(measure "$long" --replay "$replay" --trace "$tmp/t.jsonl") frames/s ($long frames)"
echo "--frames (every one): $(measure "$short" --replay "$tmp/short.replay" --frames "$tmp/png") frames/s ($short frames)"
