#!/usr/bin/env bash
# Plays the first steps of the real program on a virtual X screen of 1280 x 1024, where
# the game is shown twice its size, with the pointer and keys of the X test extension, as
# a player's mouse and keyboard reach it: a click on the title opens the start dialog,
# Enter chooses a new game, a click on the story goes on, the name typed into the chief's
# window reaches it, and the face and the land chosen lead to the first decision. The
# offscreen tests hand their events to the widgets; this one goes the whole way through the
# window system. It plays in Bokmål, Nynorsk and English, each chosen by the desktop's
# language, and finds the chief's window and the first decision under their names in that
# language; a screenshot of each first decision is kept.
#   first_steps_test.sh <program> <screenshot folder>
set -euo pipefail

program=$(realpath "$1")
shots=$2

if [ "${3:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$shots" --inside
fi

what="first steps"
data=$(dirname "$program")
mkdir -p "$shots"
work=$(mktemp -d)
# shellcheck source=tests/gui/real_screen/real_screen.sh
source "$(dirname "$0")/real_screen.sh"

game=""
trap 'if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
trap 'exit 1' TERM INT HUP

read -r land_x land_y <<<"$(land_point)" || fail "the map of the North has no first land"
land=$(picture_colour "$data/Bilder/norden.bmp" "$land_x" "$land_y")

# The language, the chief's window and the first decision's window as that language names them.
for run in "nb|Høvding|Din første beslutning" "nn|Høvding|Den første avgjerda di" "en|Chief|Your first decision"; do
  IFS='|' read -r language chief first <<<"$run"
  what="first steps ($language)"
  make_home "$work/$language"
  LANGUAGE=$language start_game "$work/$language"
  game=$playing
  sleep 0.5
  shown=$(visible_windows)

  # The title picture: a click on it opens the start dialog.
  click_game 300 240
  wait_until "a click on the title opened no start dialog" more_windows_than "$shown"

  # Enter takes the default choice, a new game: the dialog closes and the story begins in
  # the white text box at the top left.
  xdotool key Return
  wait_until "Enter did not close the start dialog" fewer_windows_than "$((shown + 1))"
  wait_until "the story did not begin" white_at "$(screen_x 20)" "$(screen_y 20)"

  # Two clicks on the story lead to the chief's window, which takes the name typed.
  story=$(game_area 20 20 300 40)
  click_game 300 300
  wait_until "a click did not turn the story on" area_is_not 20 20 300 40 "$story"
  xdotool click 1
  wait_until "the story did not lead to the chief's window \"$chief\"" named_window "^$chief\$"
  wait_until "the chief's window did not get the keys" has_keys "^$chief\$"
  name_page=$(window_width "^$chief\$")
  xdotool type --delay 20 "Astrid"
  xdotool key Return
  # The name page is wider than the face page that follows it once a name was given; the
  # face page's OK leads to the map, where the first land is chosen.
  wait_until "the name typed did not reach the chief's window" narrower_than "^$chief\$" "$name_page"
  click_in "^$chief\$" 136 303 273 347
  wait_until "the map was not shown" window_colour_is "^$chief\$" "$land_x" "$land_y" 273 347 "$land"
  click_in "^$chief\$" "$land_x" "$land_y" 273 347
  wait_until "the map did not close the chief's window" no_window "^$chief\$"
  wait_until "no first decision \"$first\" was asked" named_window "^$first\$"
  sleep 0.3
  shot "first_decision_$language"

  kill "$game"
  wait "$game" 2>/dev/null || true
  game=""
done
echo "first steps: title, start dialog, story, the chief's window and the first decision answered in Bokmål, Nynorsk and English"
