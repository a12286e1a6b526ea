#!/usr/bin/env bash
# Plays the first steps of the real program on a virtual X screen of 1280 x 1024, where
# the game is shown twice its size, with the pointer and keys of the X test extension, as
# a player's mouse and keyboard reach it: a click on the title opens the start dialog,
# Enter chooses a new game, a click on the story goes on, and the name typed into the
# chief's window reaches it. The offscreen tests hand their events to the widgets; this
# one goes the whole way through the window system.
#   first_steps_test.sh <program>
set -euo pipefail

program=$(realpath "$1")

if [ "${2:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" --inside
fi

fail() {
  echo "first steps: $*" >&2
  import -window root "${TMPDIR:-/tmp}/fjordheim_first_steps_failure.png" 2>/dev/null || true
  exit 1
}

# The screen pixel that shows game pixel (x, y) at factor 2 below a band of 32 rows.
screen_x() { echo $((2 * $1 + 1)); }
screen_y() { echo $((2 * $1 + 33)); }

colour_at() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -1; }

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }

# Waits up to 15 s for a condition given as a command.
wait_until() {
  local what=$1
  shift
  for _ in $(seq 75); do
    if "$@"; then return 0; fi
    sleep 0.2
  done
  fail "$what"
}

more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }
fewer_windows_than() { [ "$(visible_windows)" -lt "$1" ]; }
white_at() { [ "$(colour_at "$1" "$2")" = "#FFFFFF" ]; }
named_window() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
chief_window_width() {
  xdotool search --onlyvisible --name '^Høvding$' getwindowgeometry 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p' | head -1
}
# The name page is wider than the face page that follows it once a name was given.
on_face_page() { local width; width=$(chief_window_width); [ -n "$width" ] && [ "$width" -lt "$1" ]; }

cd "$(dirname "$program")"
"$program" >/dev/null 2>&1 &
game=$!
trap 'kill "$game" 2>/dev/null || true' EXIT

wait_until "the title never showed" named_window '^Fjordheim$'
sleep 0.5
shown=$(visible_windows)

# The title picture: a click anywhere on it opens the start dialog.
xdotool mousemove "$(screen_x 300)" "$(screen_y 240)" click 1
wait_until "a click on the title opened no start dialog" more_windows_than "$shown"

# Enter takes the default choice, a new game: the dialog closes and the story begins in
# the white text box at the top left.
xdotool key Return
wait_until "Enter did not close the start dialog" fewer_windows_than "$((shown + 1))"
wait_until "the story did not begin" white_at "$(screen_x 20)" "$(screen_y 20)"

# Two clicks on the story lead to the chief's window, which takes the name typed.
xdotool mousemove "$(screen_x 300)" "$(screen_y 300)" click 1
sleep 0.5
xdotool click 1
wait_until "the story did not lead to the chief's window" named_window '^Høvding$'
sleep 0.3
name_page=$(chief_window_width)
xdotool type --delay 20 "Astrid"
xdotool key Return
wait_until "the name typed did not reach the chief's window" on_face_page "$name_page"
kill "$game"
wait "$game" 2>/dev/null || true
trap - EXIT
echo "first steps: title, start dialog, story and the chief's window all answered"
