# shellcheck shell=bash disable=SC2034,SC2154  # the settings named below come from the test
# The player's hands on the real program, for the tests that drive it on a virtual X screen
# of 1280 x 1024 (the game shown twice its size below a band of 32 rows) with the pointer
# and keys of the X test extension. Sourced by a test after it set:
#   what     the test's name in its messages
#   shots    the folder its screenshots are kept in
#   data     the data set the build made (the game folder)
#   program  the game's program
#   work     a folder of its own, removed at the end (for the trading page's grids)
# and, where a step may take longer than 15 s, `wait_tries` (fifths of a second).
# A test may run several games at once; `playing` holds the process of the one the hands
# are on, and every window search keeps to its windows.

playing=""

fail() {
  echo "$what: $*" >&2
  import -window root "$shots/${what// /_}_failure.png" 2>/dev/null || true
  exit 1
}

# The screen pixel that shows game pixel (x, y).
screen_x() { echo $((2 * $1 + 1)); }
screen_y() { echo $((2 * $1 + 33)); }

colour_at() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -1; }
game_colour() { colour_at "$(screen_x "$1")" "$(screen_y "$2")"; }
picture_colour() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -1; }
# A fingerprint of what the screen shows in a rectangle of game pixels.
game_area() { import -window root -crop "$((2 * $3))x$((2 * $4))+$(screen_x "$1")+$(screen_y "$2")" rgb:- 2>/dev/null | md5sum; }

windows_of_game() { xdotool search --all --onlyvisible --pid "$playing" --name "${1:-}" 2>/dev/null; }
visible_windows() { windows_of_game | wc -l; }
named_window() { windows_of_game "$1" >/dev/null; }
no_window() { ! named_window "$1"; }
more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }
fewer_windows_than() { [ "$(visible_windows)" -lt "$1" ]; }
white_at() { [ "$(colour_at "$1" "$2")" = "#FFFFFF" ]; }
colour_is() { [ "$(game_colour "$1" "$2")" = "$3" ]; }
colour_is_not() { [ "$(game_colour "$1" "$2")" != "$3" ]; }
area_is_not() { [ "$(game_area "$1" "$2" "$3" "$4")" != "$5" ]; }
# Two looks a moment apart at a rectangle of game pixels (the whole game when none is
# given) agree: what was asked for has been drawn.
settled() {
  local look
  look=$(game_area "${1:-0}" "${2:-0}" "${3:-640}" "${4:-480}")
  sleep 0.2
  [ "$(game_area "${1:-0}" "${2:-0}" "${3:-640}" "${4:-480}")" = "$look" ]
}

# Waits for a condition given as a command: up to 15 s, or a fifth of a second for each of
# the test's own `wait_tries`.
wait_until() {
  local why=$1
  shift
  for _ in $(seq "${wait_tries:-75}"); do
    if "$@"; then return 0; fi
    sleep 0.2
  done
  fail "$why"
}

# "x y width height" of the game's visible window of that name.
window_box() {
  windows_of_game "$1" | head -1 | xargs -r -I{} xdotool getwindowgeometry {} 2>/dev/null |
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
click_game() { xdotool mousemove "$(screen_x "$1")" "$(screen_y "$2")" click 1; }
shift_click_game() { xdotool mousemove "$(screen_x "$1")" "$(screen_y "$2")" keydown shift click 1 keyup shift; }
# Presses at one game pixel, moves there in eight steps and lets go: a drag by hand.
drag_game() {
  local step
  xdotool mousemove "$(screen_x "$1")" "$(screen_y "$2")" mousedown 1
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove "$(screen_x $(($1 + ($3 - $1) * step / 8)))" "$(screen_y $(($2 + ($4 - $2) * step / 8)))"
  done
  xdotool mouseup 1
}
shot() { import -window root "$shots/$1.png"; }
# A fingerprint of the rectangle (px, py, pw, ph) of a window laid out at design size dw x dh.
window_area() {
  local box x y w h
  box=$(window_box "$1")
  [ -n "$box" ] || return 1
  read -r x y w h <<<"$box"
  import -window root -crop "$(($4 * w / $6))x$(($5 * h / $7))+$((x + $2 * w / $6))+$((y + $3 * h / $7))" rgb:- | md5sum
}
window_area_is_not() { [ "$(window_area "$1" "$2" "$3" "$4" "$5" "$6" "$7")" != "$8" ]; }

# The game's own home: the program as installed beside the data set the build made, and the
# player's config and data folders, whose settings are laid over the data set's. Further
# settings lines may follow the folder.
make_home() {
  local home=$1
  shift
  mkdir -p "$home/games" "$home/share/games" "$home/config/fjordheim" "$home/data" "$home/local"
  ln "$program" "$home/games/fjordheim" 2>/dev/null || cp "$program" "$home/games/fjordheim"
  ln -s "$data" "$home/share/games/fjordheim"
  # The village's bookmark page and saved games stay in the test's folder, not in the build.
  printf '%s\n' "[Tunstad]" "LOCALPATH=$home/local/" "$@" >"$home/config/fjordheim/tunstad.ini"
}

# Starts the game of a home and puts the hands on it (`playing`).
start_game() {
  (cd "$1/games" && XDG_CONFIG_HOME="$1/config" XDG_DATA_HOME="$1/data" exec ./fjordheim >"$1/game.log" 2>&1) &
  playing=$!
  wait_until "the title never showed" named_window '^Fjordheim$'
}

# The window of that name has the keys.
has_keys() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(windows_of_game "$1" | head -1)" ]; }
window_width() { window_box "$1" | awk '{ print $3 }'; }
narrower_than() { local width; width=$(window_width "$1"); [ -n "$width" ] && [ "$width" -lt "$2" ]; }
# The point (px, py) of a window laid out at design size dw x dh shows that colour.
window_colour_is() {
  local box x y w h
  box=$(window_box "$1")
  [ -n "$box" ] || return 1
  read -r x y w h <<<"$box"
  [ "$(colour_at $((x + $2 * w / $4)) $((y + $3 * h / $5)))" = "$6" ]
}
colour_is_one_of() {
  local colour
  colour=$(game_colour "$1" "$2")
  [ "$colour" = "$3" ] || [ "$colour" = "$4" ]
}

# A point of land number 97 (the first land) of the map of the North, 273 x 300 zone bytes:
# the middle one of its pixels in reading order, which lies inside the land.
land_point() {
  od -An -v -tu1 -w1 "$data/Bilder/norden.map" |
    awk '$1 == 97 { hits[n++] = NR - 1 } END { if (n == 0) exit 1; i = hits[int(n / 2)]; print i % 273, int(i / 273) }'
}

# From the title to the village: a new game whose chief takes the name given, then a letter
# for each try. The first decision is drawn at random and answered with its first answer; a
# chief the village turns away goes back to the title and the next one tries again. Two in
# three are turned away: 24 chiefs all turned away happen once in 16,000 runs. The name the
# village took is left in `chief`; `panel` holds the colour that tells the village.
found_village() {
  local letter shown land_x land_y title land accepted refused story name_page
  panel=$(picture_colour "$data/Bilder/panel.bmp" 3 415)
  title=$(picture_colour "$data/Bilder/Intropic.bmp" 566 415)
  accepted=$(picture_colour "$data/Bilder/Accepted.bmp" 30 300)
  refused=$(picture_colour "$data/Bilder/Notaccep.bmp" 30 300)
  if [ -z "$panel" ] || [ -z "$title" ] || [ "$panel" = "$title" ] || [ "$accepted" = "$refused" ]; then
    fail "cannot tell the village from the title, or the village's answers apart"
  fi
  read -r land_x land_y <<<"$(land_point)" || fail "the map of the North has no first land"
  land=$(picture_colour "$data/Bilder/norden.bmp" "$land_x" "$land_y")
  wait_until "the title was not drawn" colour_is 566 415 "$title"
  shown=$(visible_windows)
  for letter in {a..x}; do
    chief="$1$letter"
    click_game 300 240
    wait_until "a click on the title opened no start dialog" more_windows_than "$shown"
    xdotool key Return
    wait_until "Enter did not close the start dialog" fewer_windows_than "$((shown + 1))"
    # The story, in the white text box at the top left: two clicks lead to the chief's window.
    wait_until "the story did not begin" white_at "$(screen_x 20)" "$(screen_y 20)"
    story=$(game_area 20 20 300 40)
    click_game 300 300
    wait_until "a click did not turn the story on" area_is_not 20 20 300 40 "$story"
    xdotool click 1
    wait_until "the story did not lead to the chief's window" named_window '^Høvding$'
    wait_until "the chief's window did not get the keys" has_keys '^Høvding$'
    name_page=$(window_width '^Høvding$')
    xdotool type --delay 20 "$chief"
    xdotool key Return
    # The face page, narrower than the name page: its OK button; then the map, where the
    # first land is chosen.
    wait_until "the name typed did not lead to the face page" narrower_than '^Høvding$' "$name_page"
    click_in '^Høvding$' 136 303 273 347
    wait_until "the map was not shown" window_colour_is '^Høvding$' "$land_x" "$land_y" 273 347 "$land"
    click_in '^Høvding$' "$land_x" "$land_y" 273 347
    wait_until "the map did not close the chief's window" no_window '^Høvding$'
    wait_until "no first decision was asked" named_window '^Din første beslutning$'
    wait_until "the first decision did not get the keys" has_keys '^Din første beslutning$'
    click_in '^Din første beslutning$' 186 66 467 203
    wait_until "the first decision did not close" no_window '^Din første beslutning$'
    # The village's answer: a click on it founds the village, or goes back to the title.
    wait_until "the village did not answer" colour_is_one_of 30 300 "$accepted" "$refused"
    if colour_is 30 300 "$accepted"; then
      click_game 300 200
      wait_until "the village was not founded" colour_is 566 415 "$panel"
      return 0
    fi
    echo "$what: the village turned $chief away"
    click_game 300 200
    wait_until "the village's answer did not lead back to the title" colour_is 566 415 "$title"
  done
  fail "no chief was accepted by the village"
}

# Saves the game through the file button, the archive's save button and the file box, under
# the name typed (without ".tun"); the message that it was saved is closed with Enter.
save_game() {
  local shown
  shown=$(visible_windows)
  click_game 606 456
  wait_until "the file button did not open the archive" named_window '^Arkiv$'
  wait_until "the archive did not get the keys" has_keys '^Arkiv$'
  click_in '^Arkiv$' 44 34 226 62
  wait_until "the save button opened no file box" named_window '^Lagre spillet$'
  wait_until "the file box did not get the keys" has_keys '^Lagre spillet$'
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  wait_until "the file box did not close" no_window '^Lagre spillet$'
  wait_until "no message said the game was saved" more_windows_than "$shown"
  xdotool key Return
  wait_until "the message that the game was saved did not close" fewer_windows_than "$((shown + 1))"
}

# The trading page: each side's goods lie in a grid of cells, a row per kind; a cell holds a
# unit or, where the side wants more than it has, a red dot.
merchant_grid_top=32
village_grid_top=229
grid_left=18

# A side's grid as six "units dots" pairs in kind order. Each cell's picture is compared
# with the page's own picture (the rows its name may cover left out): a unit's picture
# changes more than 60 of its pixels, a red dot fewer.
grid_counts() {
  local top=$1
  import -window root -crop "384x324+$(screen_x "$grid_left")+$(screen_y "$top")" png:- | convert png:- +repage -sample 192x162 "$work/grid.png"
  convert "$data/Bilder/Trade.bmp" -crop "192x162+$grid_left+$top" +repage "$work/page.png"
  compare -fuzz 0 "$work/grid.png" "$work/page.png" -compose src -highlight-color white -lowlight-color black \
    "$work/changed.png" 2>/dev/null || true
  convert "$work/changed.png" -depth 8 txt:- | awk '
    NR > 1 && /#FFFFFF/ {
      split($1, p, "[,:]"); x = p[1]; y = p[2]
      if (x % 24 < 20 && y % 27 >= 4 && y % 27 < 20) changed[int(y / 27), int(x / 24)]++
    }
    END {
      for (kind = 0; kind < 6; kind++) {
        units = 0; dots = 0
        for (n = 0; n < 8; n++) {
          c = changed[kind, n]
          if (c > 60) units++; else if (c > 8) dots++
        }
        printf "%s%d %d", (kind ? " " : ""), units, dots
      }
      printf "\n"
    }'
}
# The middle of the n-th unit of a kind in a side's grid.
cell_x() { echo $((grid_left + 24 * $1 + 10)); }
cell_y() { echo $(($1 + 27 * $2 + 10)); }
# Lays the first units of a kind in a side's grid on the table at (x, y) with the mouse:
# the first is clicked, the others added with Shift, and the last dragged, taking them along.
# They must then be gone from the grid (a full row may hide more units than it shows).
lay_on_table() {
  local top=$1 kind=$2 count=$3 shown n
  shown=$(grid_units "$top" "$kind")
  click_game "$(cell_x 0)" "$(cell_y "$top" "$kind")"
  for ((n = 1; n < count; n++)); do shift_click_game "$(cell_x "$n")" "$(cell_y "$top" "$kind")"; done
  drag_game "$(cell_x $((count - 1)))" "$(cell_y "$top" "$kind")" "$4" "$5"
  if [ "$shown" -lt 8 ]; then
    wait_until "the units dragged did not leave their side" grid_units_are "$top" "$kind" $((shown - count))
  else
    wait_until "the units dragged were not drawn on the table" settled
  fi
}
# The units of one kind in a side's grid.
grid_units() { local counts; read -r -a counts <<<"$(grid_counts "$1")"; echo "${counts[$((2 * $2))]}"; }
grid_units_are() { [ "$(grid_units "$1" "$2")" = "$3" ]; }
