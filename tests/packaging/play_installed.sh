#!/usr/bin/env bash
# Plays an installed game on a virtual X screen of 1280 x 1024 (the game shown twice its
# size) with the pointer and keys of the X test extension.
#   play_installed.sh <program> start-only          the title shows, then the game is closed
#   play_installed.sh <program> new-game-and-save   a new chief founds a village and saves it
# The first decision of a new chief is drawn at random; a chief the village turns away goes
# back to the title and the next one tries again, each with a name of his own.
set -euo pipefail

program=$1
mode=$2

if [ "${3:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$mode" --inside
fi

what="installed game"
data=$(realpath "$(dirname "$program")/../share/games/fjordheim")
shots="${TMPDIR:-/tmp}"
# A machine busy building the package gets 30 s for each step.
wait_tries=150
# shellcheck source=tests/gui/real_screen/real_screen.sh
source "$(dirname "$0")/../gui/real_screen/real_screen.sh"

"$program" >/dev/null 2>&1 &
game=$!
playing=$game
trap 'kill "$game" 2>/dev/null || true' EXIT
wait_until "the title never showed" named_window '^Fjordheim$'

if [ "$mode" = new-game-and-save ]; then
  found_village Astrid
  save_game "$chief"
fi
kill "$game"
wait "$game" 2>/dev/null || true
trap - EXIT
if [ "$mode" = start-only ]; then
  echo "installed game: the title showed"
else
  echo "installed game: a new chief founded a village and saved it"
fi
