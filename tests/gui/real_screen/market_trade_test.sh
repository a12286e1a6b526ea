#!/usr/bin/env bash
# A chief trades at Kaupang in the real program, with the player's mouse and keys through
# the window system: the trade button opens the choice of markets, the first merchant is
# invited, units are dragged to the table, the proposal is declined and the merchant's
# counter-offer taken. The village's store is read from games saved through the file box
# before and after, and must have changed by exactly what lay on the table.
#   market_trade_test.sh <program> <saved-goods reader> <screenshot folder>
set -euo pipefail

program=$(realpath "$1")
saved_goods=$(realpath "$2")
shots=$3

if [ "${4:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$saved_goods" "$shots" --inside
fi

what="market trade"
data=$(dirname "$program")
mkdir -p "$shots"
rm -f "$shots/market_trade_failure.png"
work=$(mktemp -d)
# shellcheck source=tests/gui/real_screen/real_screen.sh
source "$(dirname "$0")/real_screen.sh"

game=""
trap 'if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
# A test stopped from outside (its time ran out) still ends what it started.
trap 'exit 1' TERM INT HUP

make_home "$work/home" "[Market]" "LISTENPORT=0"
start_game "$work/home"
game=$playing
found_village Ingrid

# The village's store before the market, as saved.
save_game before
before=$("$saved_goods" "$work/home/local/Game/before.tun") || fail "the game saved before the market cannot be read"

# The status window's page of goods ("Handel"): kept as a picture, and its fingerprint left
# in `status_page`. The window opens at the page it showed last; the goods page is known by
# its headings ("Behov", "Overskudd"), seen the first time it was turned to.
goods_headings=""
goods_page_shown() { [ "$(window_area '^Slik ligger det an' 245 38 150 16 453 291)" = "$goods_headings" ]; }
status_goods() {
  local first_page
  click_game 90 22
  wait_until "the status button opened no status window" named_window '^Slik ligger det an'
  wait_until "the status window did not get the keys" has_keys '^Slik ligger det an'
  first_page=$(window_area '^Slik ligger det an' 240 40 200 200 453 291)
  click_in '^Slik ligger det an' 344 24 453 291
  if [ -z "$goods_headings" ]; then
    wait_until "the status window did not turn to its goods" \
      window_area_is_not '^Slik ligger det an' 240 40 200 200 453 291 "$first_page"
    wait_until "the status window's goods were not drawn" settled
    goods_headings=$(window_area '^Slik ligger det an' 245 38 150 16 453 291)
  else
    wait_until "the status window did not turn to its goods" goods_page_shown
  fi
  shot "$1"
  status_page=$(window_area '^Slik ligger det an' 240 40 200 200 453 291)
  click_in '^Slik ligger det an' 340 264 453 291
  wait_until "the status window did not close" no_window '^Slik ligger det an'
}
status_goods real_market_status_before
status_before=$status_page

# The trade button lies on the panel: before the year's trade its picture shows there.
panel_under_trade=$(picture_colour "$data/Bilder/panel.bmp" 42 340)
colour_is_not 605 340 "$panel_under_trade" || fail "the trade button is not shown in a new game's autumn"

shown=$(visible_windows)
click_game 605 340
wait_until "the trade button opened no choice of markets" named_window '^Velg marked'
wait_until "the choice of markets did not get the keys" has_keys '^Velg marked'
kaupang=$(window_area '^Velg marked' 8 44 219 14 235 197)
click_in '^Velg marked' 60 51 235 197
wait_until "a click did not choose Kaupang" window_area_is_not '^Velg marked' 8 44 219 14 235 197 "$kaupang"
shot real_market_choice
click_in '^Velg marked' 64 173 235 197
wait_until "the choice of markets did not close" no_window '^Velg marked'

# The market page: the list of people on the market fills with the merchants and the chief.
black_row=$(head -c $((300 * 26 * 3)) /dev/zero | md5sum)
wait_until "nobody came to the market" area_is_not 306 192 150 13 "$black_row"
# The merchant chosen shows his face beside the list.
hint=$(game_area 138 162 156 196)
click_game 340 184
wait_until "the merchant chosen showed no face" area_is_not 138 162 156 196 "$hint"
wait_until "the merchant's face was not drawn" settled 138 162 156 196
shot real_market_page
click_game 304 396

# The trading page, once the merchant took the invitation: its table shows the page's own
# picture where the buttons are not.
table=$(picture_colour "$data/Bilder/Trade.bmp" 250 345)
wait_until "the merchant did not take the invitation" colour_is 250 345 "$table"
wait_until "the trading page was not drawn" settled
read -r -a merchant_start <<<"$(grid_counts "$merchant_grid_top")"
read -r -a village_start <<<"$(grid_counts "$village_grid_top")"
read -r -a stored <<<"$before"

# Two units of the merchant's fullest kind, against one unit of a kind he does not lack and
# the village holds. Losing two spare units weighs more than one more unit of a kind he
# has enough of, so he declines, and raises the proposal until he would take it himself.
spare=-1
offered=-1
most=1
for kind in 0 1 2 3 4 5; do
  units=${merchant_start[$((2 * kind))]}
  dots=${merchant_start[$((2 * kind + 1))]}
  [ "${village_start[$((2 * kind))]}" = "$(( stored[kind] < 8 ? stored[kind] : 8 ))" ] ||
    fail "the trading page shows other goods of the village than it saved: ${village_start[*]} for $before"
  if [ "$dots" = 0 ] && [ "$units" -gt "$most" ]; then
    spare=$kind
    most=$units
  fi
done
for kind in 0 1 2 3 4 5; do
  if [ "$kind" != "$spare" ] && [ "${merchant_start[$((2 * kind + 1))]}" = 0 ] && [ "${stored[$kind]}" -gt 0 ]; then
    offered=$kind
    break
  fi
done
if [ "$spare" -lt 0 ] || [ "$offered" -lt 0 ]; then fail "no kinds to trade in ${merchant_start[*]} and $before"; fi

lay_on_table "$merchant_grid_top" "$spare" 2 380 300
# The drop lands on the propose button, which lies on the table.
lay_on_table "$village_grid_top" "$offered" 1 380 355
shot real_market_units_on_table

# Propose; the merchant declines and comes back with a counter-offer to accept or decline.
click_game 385 354
wait_until "no counter-offer came" colour_is_not 270 350 "$table"
wait_until "the counter-offer was not drawn" settled
shot real_market_counter_offer
read -r -a merchant_offer <<<"$(grid_counts "$merchant_grid_top")"
read -r -a village_offer <<<"$(grid_counts "$village_grid_top")"
click_game 263 354
wait_until "the counter-offer was not taken" colour_is 270 350 "$table"
wait_until "the trade was not drawn" settled
shot real_market_after_trade
read -r -a village_traded <<<"$(grid_counts "$village_grid_top")"

# Stop trading with him, leave the market: the village again, without the trade button.
click_game 601 441
wait_until "the trading page did not close" colour_is_not 250 345 "$table"
click_game 568 447
wait_until "the market did not close" colour_is 566 415 "$panel"
colour_is 605 340 "$panel_under_trade" || fail "the trade button is still there after the year's trade"
status_goods real_market_status_after
[ "$status_page" != "$status_before" ] || fail "the status window shows the same goods after the trade"
save_game after
after=$("$saved_goods" "$work/home/local/Game/after.tun") || fail "the game saved after the market cannot be read"
read -r -a traded <<<"$after"

# What lay on the table when the counter-offer was taken: the units missing from each side.
expected=()
for kind in 0 1 2 3 4 5; do
  given=$((village_start[2 * kind] - village_offer[2 * kind]))
  got=$((merchant_start[2 * kind] - merchant_offer[2 * kind]))
  expected+=($((stored[kind] - given + got)))
done
[ "${expected[*]}" = "$after" ] ||
  fail "the store went from $before to $after, but the table held a trade giving ${expected[*]}"
[ "$after" != "$before" ] || fail "the store did not change"
for kind in 0 1 2 3 4 5; do
  [ "${village_traded[$((2 * kind))]}" = "$(( traded[kind] < 8 ? traded[kind] : 8 ))" ] ||
    fail "the trading page showed ${village_traded[*]} after the trade, but the game saved $after"
done

kill "$game"
wait "$game" 2>/dev/null || true
game=""
echo "market trade: the store went from $before to $after, as the table showed"
