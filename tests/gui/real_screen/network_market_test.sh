#!/usr/bin/env bash
# Two chiefs meet at the network market: the real market server on a port of the system's
# choosing and two real games on one virtual X screen, each with a home of its own, played
# with the player's mouse and keys through the window system. Both go to "Nettmarkedet" and
# see each other on the market, one invites, the other says yes, they exchange a line, and
# one trade is proposed and accepted. Each store, read from games saved before and after,
# must have changed by exactly what lay on the table.
#   network_market_test.sh <program> <saved-goods reader> <market server> <screenshot folder>
set -euo pipefail

program=$(realpath "$1")
saved_goods=$(realpath "$2")
server_program=$(realpath "$3")
shots=$4

if [ "${5:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$saved_goods" "$server_program" "$shots" --inside
fi

what="network market"
data=$(dirname "$program")
mkdir -p "$shots"
rm -f "$shots/network_market_failure.png"
work=$(mktemp -d)
# shellcheck source=tests/gui/real_screen/real_screen.sh
source "$(dirname "$0")/real_screen.sh"

started=()
stop_all() {
  local process
  for process in "${started[@]}"; do kill "$process" 2>/dev/null || true; done
  for process in "${started[@]}"; do wait "$process" 2>/dev/null || true; done
}
trap 'stop_all; rm -rf "$work"' EXIT
# A test stopped from outside (its time ran out) still ends what it started.
trap 'exit 1' TERM INT HUP

"$server_program" --listen 127.0.0.1 --port 0 >"$work/server.out" 2>&1 &
started+=($!)
market_port() { sed -n 's/.*the market is open on port \([0-9]*\)\..*/\1/p' "$work/server.out"; }
port_known() { [ -n "$(market_port)" ]; }
wait_until "the market server did not open" port_known
port=$(market_port)

# Puts the hands on a game: its windows come to the front in their own order, and the keys
# go to the one on top (there is no window manager to do either). Nothing is looked at
# before the game's window is the one under the pointer and has drawn itself: two looks a
# moment apart agree.
hands_on() {
  local window
  playing=$1
  for window in $(windows_of_game); do xdotool windowraise "$window"; done
  window=$(windows_of_game | tail -1)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  wait_until "the game did not come to the front" in_front
  wait_until "the game did not draw itself" settled
}
in_front() {
  local window
  xdotool mousemove 1279 1023
  window=$(xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p')
  [ "$(xdotool getwindowpid "$window" 2>/dev/null)" = "$playing" ]
}

# A row of the list of people on the market, as its fingerprint: a name written in it
# looks the same in either game.
market_row() { game_area 306 $((177 + 15 * $1)) 150 13; }
black_row=$(head -c $((300 * 26 * 3)) /dev/zero | md5sum)
row_filled() { [ "$(market_row "$1")" != "$black_row" ]; }

# A new village, saved as it was founded, goes to the network market, where its chief's
# name comes first: its row is left in `own_row`.
visit_network_market() {
  local home=$1 name=$2
  start_game "$home"
  started+=("$playing")
  found_village "$name"
  save_game before
  click_game 605 340
  wait_until "the trade button opened no choice of markets" named_window '^Velg marked'
  wait_until "the choice of markets did not get the keys" has_keys '^Velg marked'
  network=$(window_area '^Velg marked' 8 72 219 14 235 197)
  click_in '^Velg marked' 60 79 235 197
  wait_until "a click did not choose the network market" window_area_is_not '^Velg marked' 8 72 219 14 235 197 "$network"
  click_in '^Velg marked' 64 173 235 197
  wait_until "the choice of markets did not close" no_window '^Velg marked'
  wait_until "$name did not come onto the market" row_filled 0
  wait_until "$name's name was not drawn" settled 306 177 150 13
  own_row=$(market_row 0)
}

for home in first second; do
  make_home "$work/$home" "[Market]" "LISTENPORT=0" "[Market3]" "PORT=$port"
done
visit_network_market "$work/first" Astrid
first=$playing
first_chief=$chief
first_row=$own_row
visit_network_market "$work/second" Sigurd
second=$playing
second_chief=$chief
second_row=$own_row
[ "$first_chief" != "$second_chief" ] || fail "both chiefs have one name"

# Each sees two people on the market: himself and the other, by the other's own row.
[ "$first_row" != "$second_row" ] || fail "the two names look alike"
sees() { [ "$(market_row 0)" = "$1" ] || [ "$(market_row 1)" = "$1" ]; }
wait_until "the second chief does not see the first" sees "$first_row"
shot real_network_second_page
hands_on "$first"
wait_until "the first chief does not see the second" sees "$second_row"
shot real_network_first_page

# The first invites the other, and waits in the window "Internet" for the answer.
other_row=0
if [ "$(market_row 0)" = "$first_row" ]; then other_row=1; fi
click_game 340 $((184 + 15 * other_row))
click_game 304 396
wait_until "the invitation shows no window to wait in" named_window '^Internet'
shot real_network_waiting

# The other is asked, and says yes with Enter.
hands_on "$second"
wait_until "the invitation did not reach the other chief" named_window '^Spør'
shot real_network_invitation
hands_on "$second"
xdotool key Return
wait_until "the question did not close" no_window '^Spør'
table=$(picture_colour "$data/Bilder/Trade.bmp" 250 345)
wait_until "the second chief's trading page did not open" colour_is 250 345 "$table"

# A line written in one game is said in the other's bubble, and the answer comes back.
bubble() { game_area 420 10 200 140; }
say_line() {
  local text=$1 listener=$2 speaker=$playing heard
  hands_on "$listener"
  wait_until "the trading page did not open" colour_is 250 345 "$table"
  heard=$(bubble)
  hands_on "$speaker"
  click_game 100 438
  xdotool type --delay 20 "$text"
  xdotool key Return
  hands_on "$listener"
  wait_until "the line \"$text\" was not said in the other game" area_is_not 420 10 200 140 "$heard"
}
say_line "Hei, vil du bytte?" "$first"
shot real_network_line_heard
say_line "Ja, gjerne!" "$second"

# The first lays one unit of his own and one of the other's on the table, of two kinds, and
# proposes the exchange.
hands_on "$first"
read -r -a theirs <<<"$(grid_counts "$merchant_grid_top")"
read -r -a mine <<<"$(grid_counts "$village_grid_top")"
given=-1
taken=-1
for kind in 0 1 2 3 4 5; do
  if [ "$given" -lt 0 ] && [ "${mine[$((2 * kind))]}" -gt 0 ]; then given=$kind; fi
done
for kind in 0 1 2 3 4 5; do
  if [ "$taken" -lt 0 ] && [ "$kind" != "$given" ] && [ "${theirs[$((2 * kind))]}" -gt 0 ]; then taken=$kind; fi
done
if [ "$given" -lt 0 ] || [ "$taken" -lt 0 ]; then fail "no two kinds to exchange in ${mine[*]} and ${theirs[*]}"; fi
lay_on_table "$merchant_grid_top" "$taken" 1 380 300
lay_on_table "$village_grid_top" "$given" 1 380 355
shot real_network_units_on_table
click_game 385 354

# The other sees the proposal and accepts it.
hands_on "$second"
wait_until "the proposal did not reach the other chief" colour_is_not 270 350 "$table"
shot real_network_proposal
click_game 263 354
wait_until "the proposal was not taken" colour_is 270 350 "$table"

# The other stops trading and leaves the market; the first is told, and leaves too.
first_windows=$(playing=$first visible_windows)
click_game 601 441
wait_until "the second chief's trading page did not close" colour_is_not 250 345 "$table"
click_game 568 447
wait_until "the second chief did not leave the market" colour_is 566 415 "$panel"
# One trade a year, at any market: the trade button is gone from the panel.
panel_under_trade=$(picture_colour "$data/Bilder/panel.bmp" 42 340)
colour_is 605 340 "$panel_under_trade" || fail "the second chief's trade button is still there after the trade"
save_game after
hands_on "$first"
wait_until "the first chief was not told that the other left" more_windows_than "$first_windows"
hands_on "$first"
xdotool key Return
wait_until "the first chief's trading page did not close" colour_is_not 250 345 "$table"
click_game 568 447
wait_until "the first chief did not leave the market" colour_is 566 415 "$panel"
colour_is 605 340 "$panel_under_trade" || fail "the first chief's trade button is still there after the trade"
save_game after

goods() { "$saved_goods" "$work/$1/local/Game/$2.tun" || fail "the $1 game saved $2 the market cannot be read"; }
read -r -a first_before <<<"$(goods first before)"
read -r -a second_before <<<"$(goods second before)"
first_after=$(goods first after)
second_after=$(goods second after)
first_expected=("${first_before[@]}")
second_expected=("${second_before[@]}")
first_expected[given]=$((first_expected[given] - 1))
first_expected[taken]=$((first_expected[taken] + 1))
second_expected[given]=$((second_expected[given] + 1))
second_expected[taken]=$((second_expected[taken] - 1))
[ "$first_after" = "${first_expected[*]}" ] ||
  fail "the first store went from ${first_before[*]} to $first_after, not ${first_expected[*]}"
[ "$second_after" = "${second_expected[*]}" ] ||
  fail "the second store went from ${second_before[*]} to $second_after, not ${second_expected[*]}"
echo "network market: $first_chief and $second_chief traded one unit each; stores now $first_after and $second_after"
