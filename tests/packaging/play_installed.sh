#!/usr/bin/env bash
# Plays an installed game on a virtual X screen of 1280 x 1024 (the game shown twice its
# size) with the pointer and keys of the X test extension.
#   play_installed.sh <program> start-only          the title shows, then the game is closed
#   play_installed.sh <program> new-game-and-save   a new chief founds a village and saves it
# The first decision of a new chief is drawn at random; a chief the village turns away goes
# back to the title and the next one tries again, each with a name of his own.
set -euo pipefail

program=$1
what=$2

if [ "${3:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$what" --inside
fi

data=$(realpath "$(dirname "$program")/../share/games/fjordheim")
shots="${TMPDIR:-/tmp}"

fail() {
  echo "installed game: $*" >&2
  import -window root "$shots/fjordheim_installed_failure.png" 2>/dev/null || true
  exit 1
}

# The screen pixel that shows game pixel (x, y) at factor 2 below a band of 32 rows.
screen_x() { echo $((2 * $1 + 1)); }
screen_y() { echo $((2 * $1 + 33)); }

colour_at() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -1; }
picture_colour() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -1; }
visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
named_window() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
no_window() { ! named_window "$1"; }
more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }
fewer_windows_than() { [ "$(visible_windows)" -lt "$1" ]; }
white_at() { [ "$(colour_at "$1" "$2")" = "#FFFFFF" ]; }
colour_is() { [ "$(colour_at "$1" "$2")" = "$3" ]; }

# "x y width height" of the visible window of that name.
window_box() {
  xdotool search --onlyvisible --name "$1" getwindowgeometry 2>/dev/null |
    awk '/Position:/ { split($2, p, ","); x = p[1]; y = p[2] } /Geometry:/ { split($2, g, "x"); print x, y, g[1], g[2]; exit }'
}
# Clicks the point (px, py) of a window laid out at design size dw x dh.
click_in() {
  local box x y w h
  box=$(window_box "$1")
  [ -n "$box" ] || fail "no window $1 to click in"
  read -r x y w h <<<"$box"
  xdotool mousemove $((x + $2 * w / $4)) $((y + $3 * h / $5)) click 1
}

# Waits up to 30 s (a machine busy building) for a condition given as a command.
wait_until() {
  local what=$1
  shift
  for _ in $(seq 150); do
    if "$@"; then return 0; fi
    sleep 0.2
  done
  fail "$what"
}

# A point of land number 97 (the first land) of the map of the North, 273 x 300 zone bytes:
# the middle one of its pixels in reading order, which lies inside the land.
land_point() {
  od -An -v -tu1 -w1 "$data/Bilder/norden.map" |
    awk '$1 == 97 { hits[n++] = NR - 1 } END { if (n == 0) exit 1; i = hits[int(n / 2)]; print i % 273, int(i / 273) }'
}

"$program" >/dev/null 2>&1 &
game=$!
trap 'kill "$game" 2>/dev/null || true' EXIT
wait_until "the title never showed" named_window '^Fjordheim$'
sleep 0.5

if [ "$what" = start-only ]; then
  kill "$game"
  wait "$game" 2>/dev/null || true
  trap - EXIT
  echo "installed game: the title showed"
  exit 0
fi

# One point of the screen tells the village (its panel beside the buttons) from the title.
panel=$(picture_colour "$data/Bilder/panel.bmp" 3 415)
title=$(picture_colour "$data/Bilder/Intropic.bmp" 566 415)
[ -n "$panel" ] && [ -n "$title" ] && [ "$panel" != "$title" ] || fail "cannot tell the village from the title"
village_or_title() {
  local colour
  colour=$(colour_at "$(screen_x 566)" "$(screen_y 415)")
  [ "$colour" = "$panel" ] || [ "$colour" = "$title" ]
}
read -r land_x land_y <<<"$(land_point)" || fail "the map of the North has no first land"
shown=$(visible_windows)

in_game=0
# Two in three are turned away: 24 chiefs all turned away happen once in 16,000 runs.
for letter in {a..x}; do
  name="Astrid$letter"
  xdotool mousemove "$(screen_x 300)" "$(screen_y 240)" click 1
  wait_until "a click on the title opened no start dialog" more_windows_than "$shown"
  xdotool key Return
  wait_until "Enter did not close the start dialog" fewer_windows_than "$((shown + 1))"
  wait_until "the story did not begin" white_at "$(screen_x 20)" "$(screen_y 20)"
  xdotool mousemove "$(screen_x 300)" "$(screen_y 300)" click 1
  sleep 0.5
  xdotool click 1
  wait_until "the story did not lead to the chief's window" named_window '^Høvding$'
  sleep 0.3
  xdotool type --delay 20 "$name"
  xdotool key Return
  sleep 0.5
  # The face page: its OK button; then the map, where the first land is chosen.
  click_in '^Høvding$' 136 303 273 347
  sleep 0.5
  click_in '^Høvding$' "$land_x" "$land_y" 273 347
  wait_until "the map did not close the chief's window" no_window '^Høvding$'
  wait_until "no first decision was asked" named_window '^Din første beslutning$'
  sleep 0.3
  click_in '^Din første beslutning$' 186 66 467 203
  wait_until "the first decision did not close" no_window '^Din første beslutning$'
  sleep 0.5
  # The village's answer: a click on it founds the village, or goes back to the title.
  xdotool mousemove "$(screen_x 300)" "$(screen_y 200)" click 1
  wait_until "the village's answer led neither to the village nor to the title" village_or_title
  if colour_is "$(screen_x 566)" "$(screen_y 415)" "$panel"; then
    in_game=1
    break
  fi
  sleep 0.5
done
[ "$in_game" = 1 ] || fail "no chief was accepted by the village"

# The file button opens the archive; its save button opens the file box with the chief's
# name chosen.
xdotool mousemove "$(screen_x 606)" "$(screen_y 456)" click 1
wait_until "the file button did not open the archive" named_window '^Arkiv$'
sleep 0.3
click_in '^Arkiv$' 44 34 226 62
wait_until "the save button opened no file box" named_window '^Lagre spillet$'
sleep 0.5
xdotool key Return
wait_until "the file box did not close" no_window '^Lagre spillet$'
sleep 1
kill "$game"
wait "$game" 2>/dev/null || true
trap - EXIT
echo "installed game: a new chief founded a village and saved it"
