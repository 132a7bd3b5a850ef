#!/usr/bin/env bash
# Starts the real program in a window (under an Xvfb of its own), finds it by its caption, checks the client
# size at scale 1, presses a key, takes screenshots and closes it.
# usage: window_e2e.sh BINARY OUTDIR
set -euo pipefail
bin=$(realpath "$1")
out=$2
mkdir -p "$out"
cd "$out"
pid=""
fail() { echo "FAIL: $*" >&2; [ -n "$pid" ] && kill "$pid" 2>/dev/null; exit 1; }
source "$(dirname "$0")/xvfb.sh"

"$bin" --scale 1 &
pid=$!
wid=$(window)

[ "$(xdotool getwindowname "$wid")" = "むにょぺ  EPISODE 1　ver1.00" ] || fail "caption is '$(xdotool getwindowname "$wid")'"
size=$(xwininfo -id "$wid" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w"x"h}')
[ "$size" = "392x286" ] || fail "client area is $size, not 392x286"

sleep 0.3
import -window "$wid" title.png
xdotool key --window "$wid" z
sleep 0.5
import -window "$wid" after-key.png
changed=$(compare -metric AE title.png after-key.png null: 2>&1 || true)
[ "${changed%% *}" -gt 1000 ] 2>/dev/null || fail "the key changed only '$changed' pixels"

kill -TERM "$pid"  # SDL turns it into the same quit as the close box
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after closing"
echo "window end-to-end: ok ($out)"
