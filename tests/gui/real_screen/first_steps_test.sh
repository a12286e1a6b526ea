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

what="first steps"
shots="${TMPDIR:-/tmp}"
# shellcheck source=tests/gui/real_screen/real_screen.sh
source "$(dirname "$0")/real_screen.sh"

cd "$(dirname "$program")"
"$program" >/dev/null 2>&1 &
game=$!
playing=$game
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
name_page=$(window_width '^Høvding$')
xdotool type --delay 20 "Astrid"
xdotool key Return
# The name page is wider than the face page that follows it once a name was given.
wait_until "the name typed did not reach the chief's window" narrower_than '^Høvding$' "$name_page"
kill "$game"
wait "$game" 2>/dev/null || true
trap - EXIT
echo "first steps: title, start dialog, story and the chief's window all answered"
