#!/usr/bin/env bash
# Records a session played in a window (under Xvfb, keys sent with xdotool, a game over and its
# box included), then plays the recording back headless and in a window: all three trace the
# same. A recording killed outright still plays back up to where it was. Starts its own Xvfb.
# usage: record_replay_e2e.sh BINARY OUTDIR
set -euo pipefail
bin=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
cd "$out"
pid=""
fail() {
  echo "FAIL: $*" >&2
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -s game-stderr.txt ] && echo "the game said: $(cat game-stderr.txt)" >&2
  exit 1
}
source "$(dirname "$0")/xvfb.sh"

# Waits up to 20 s for PATTERN in the window's trace (written out every frame in a window).
wait_for() {
  for _ in $(seq 200); do
    grep -q "$1" window.jsonl 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the window's trace never showed $1"
}

# Play: start, fly about and fire, then stand still until the shots end the game; close the
# box with Return, start again, fire, and close the window.
"$bin" --scale 1 --record rec.replay --trace window.jsonl 2>game-stderr.txt &
pid=$!
wid=$(window)
for _ in $(seq 10); do  # a key sent before the window takes the keyboard may be lost
  xdotool key --window "$wid" space
  sleep 0.3
  grep -q '"event":"tick2"' window.jsonl && break
done
wait_for '"event":"tick1"'
xdotool keydown --window "$wid" Right
sleep 0.3
xdotool keyup --window "$wid" Right
xdotool key --window "$wid" z
xdotool keydown --window "$wid" Down
sleep 0.2
xdotool keyup --window "$wid" Down
xdotool key --window "$wid" z
# Standing still, the enemies' shots end the game: the box opens, the clock stands still and
# the trace stops growing.
last=-1
for _ in $(seq 100); do
  sleep 0.4
  size=$(wc -c < window.jsonl)
  [ "$size" -eq "$last" ] && break
  last=$size
done
[ "$size" -eq "$last" ] || fail "no game over within 40 s"
xdotool key --window "$wid" Return
wait_for msgbox
xdotool key --window "$wid" Up
wait_for '"event":"keydown","code":38'
sleep 0.3
xdotool key --window "$wid" z
sleep 0.3
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "exit status $status after closing the window"

tail -n 1 rec.replay | grep -qE '^[0-9]+ end$' || fail "the recording has no end line"
[ "$(grep -c '^seed ' rec.replay)" -ge 2 ] || fail "no game over in the recording (one seed only)"
grep -q '"msgbox":\[\["SCORE' window.jsonl || fail "no game-over box in the window's trace"
grep -q '"event":"keydown","code":38' window.jsonl || fail "the Up key never reached the game"

"$bin" --headless --replay rec.replay --trace headless.jsonl || fail "headless replay failed"
cmp window.jsonl headless.jsonl || fail "the headless replay traces differently from the window"

# Watching it in a window: the same, at the highest speed; it ends by itself.
timeout 60 "$bin" --scale 1 --hz 1000 --replay rec.replay --trace watched.jsonl ||
  fail "watching the replay in a window failed"
cmp window.jsonl watched.jsonl || fail "watching the replay traces differently"

# A session killed outright: what it recorded plays back to that point.
"$bin" --scale 1 --record killed.replay &
pid=$!
wid=$(window)
xdotool key --window "$wid" space
sleep 0.6
xdotool key --window "$wid" z
sleep 0.3
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
pid=""
grep -q ' end$' killed.replay && fail "a killed session wrote an end line"
"$bin" --headless --replay killed.replay --trace killed.jsonl || fail "the killed session does not play back"
[ "$(grep -c ' down ' killed.replay)" -eq "$(grep -c '"event":"keydown"' killed.jsonl)" ] ||
  fail "the killed session's keys do not all play back"
echo "record and replay end-to-end: ok ($out)"
