#!/usr/bin/env bash
# Starts the program on the X server of the session (xvfb-run gives each run
# its own), answers the start-up dialogs with Return as a user would, leaves
# the program by the Exit command of its first menu or by closing its main
# window, and checks that the program ends with status 0. Every wait is
# bounded, so a program that hangs fails the test instead of holding it.
#
#   leave_program.sh <program> <x11_close_window> exit|close [argument]
set -u
program=$1
closer=$2
way=$3
argument=${4-}

export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

if [ -n "$argument" ]; then
  "$program" "$argument" &
else
  "$program" &
fi
pid=$!
trap 'kill -9 $pid 2>/dev/null' EXIT

# The first visible window whose title matches, waiting at most $2 seconds.
# A search ends with an X error when a window it walks closes under it (the
# About box going away as the main window comes up), so it is asked again
# until the time is out rather than taken as the answer.
find_window() {
  local deadline=$((SECONDS + $2)) w
  while [ $SECONDS -lt $deadline ]; do
    kill -0 $pid 2>/dev/null || fail "the program ended before a window \"$1\" came up"
    w=$(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return; }
    sleep 0.2
  done
}

# Return in the window with this title, as the user presses it there.
answer() {
  local w
  w=$(find_window "$1" 90)
  [ -n "$w" ] || fail "no window \"$1\" came up"
  xdotool windowfocus --sync "$w" key Return || fail "could not press Return in \"$1\""
}

# Start-up: Languages (only without an argument), About, then the main
# window and the display advice of a screen other than 1024 pixels at 16 bits.
[ -z "$argument" ] && answer '^    Velmarin$'
answer 'Velmarin ATLAS'
main=$(find_window '^Velmarin$' 90)
[ -n "$main" ] || fail "the main window did not come up"
answer 'Precaution'
sleep 1
kill -0 $pid 2>/dev/null || fail "the program ended before it was left"

case $way in
exit)
  # The first menu's first item is Exit in every language.
  xdotool windowfocus --sync "$main" mousemove --window "$main" 15 10 click 1 || fail "no click on the menu"
  sleep 1
  xdotool key Down Return || fail "could not choose Exit"
  ;;
close)
  "$closer" "$main" || fail "could not close the main window"
  ;;
*) fail "unknown way out: $way" ;;
esac

for _ in $(seq 300); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "the program is still running 30 s after $way"
wait $pid
status=$?
trap - EXIT
[ $status -eq 0 ] || fail "the program ended with status $status after $way"
echo "ended with status 0 after $way${argument:+ ($argument)}"
