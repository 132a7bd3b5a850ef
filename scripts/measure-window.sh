#!/usr/bin/env bash
# CPU time and peak memory of the game in a window at scale 2 under Xvfb, over 30 s of play.
# usage: scripts/measure-window.sh [BINARY] [SECONDS]
set -euo pipefail
bin=${1:-build/release/munyope}
secs=${2:-30}
if [ -z "${MEASURE_INSIDE_XVFB:-}" ]; then
  MEASURE_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$bin" "$secs"
fi
"$bin" --scale 2 &
pid=$!
for _ in $(seq 100); do
  wid=$(xdotool search --name 'EPISODE 1' 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
xdotool key --window "$wid" space
ticks=$(getconf CLK_TCK)
start=$(awk '{print $14 + $15}' /proc/$pid/stat)
end_at=$((SECONDS + secs))
# Keep the hero busy: up and down, firing.
while [ $SECONDS -lt $end_at ] && kill -0 $pid 2>/dev/null; do
  xdotool keydown --window "$wid" Up z; sleep 0.4; xdotool keyup --window "$wid" Up z
  xdotool keydown --window "$wid" Down z; sleep 0.4; xdotool keyup --window "$wid" Down z
  xdotool key --window "$wid" Return  # answers a game-over box, or starts the next game
done
used=$(awk '{print $14 + $15}' /proc/$pid/stat)
peak=$(awk '/VmHWM/{print $2}' /proc/$pid/status)
kill -TERM $pid
wait $pid || true
awk -v u="$((used - start))" -v t="$ticks" -v s="$secs" -v p="$peak" \
  'BEGIN { printf "CPU %.2f s over %d s of play; peak resident memory %.1f MB\n", u / t, s, p / 1024 }'
