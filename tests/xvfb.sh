# Sourced by the window tests: starts an Xvfb of the test's own (it picks a free display number
# itself, so parallel runs never race for one), exports DISPLAY and stops it on exit; `window`
# waits for the game's window.
# Needs a function `fail` and the current folder to be the test's output folder.
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null' EXIT
exec 3> display.txt
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 2>xvfb.log &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do
  [ -s display.txt ] && break
  sleep 0.1
done
[ -s display.txt ] || fail "Xvfb did not start: $(cat xvfb.log)"
export DISPLAY=":$(head -n 1 display.txt)"

window() {  # waits for the game's window, gives it the keyboard, prints its id
  local wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --name 'EPISODE 1' 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || fail "no window with the game's caption"
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  echo "$wid"
}
