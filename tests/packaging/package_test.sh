#!/usr/bin/env bash
# Builds the Debian packages, checks them with lintian, unpacks them into a folder of their own
# and plays the installed game there as a pupil of a school would meet it: on a virtual X screen,
# with a fresh home and a game folder nobody may write into. A new game is started and saved;
# the saved game and the chief's page must be in the home's data folder, and a second home
# on the same installation starts with folders of its own. The market server's package is
# checked as a school's technician would meet it: its service passes systemd's check, and the
# server starts from the service's own command line as an unprivileged user of its own.
#   package_test.sh <build folder> <with market server: 0 or 1>
# Run as root (as on CI), the game itself runs as the user nobody, for whom the unpacked
# installation is as read-only as an installed one is for a pupil.
set -euo pipefail

build=$(realpath "$1")
with_market=$2
here=$(dirname "$(realpath "$0")")

work=$(mktemp -d "${TMPDIR:-/tmp}/fjordheim_package_XXXXXX")
chmod 755 "$work"
cleanup() {
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "package test: $*" >&2
  exit 1
}

echo "package test: building the package"
# gzip rather than the package's xz: the same files in a tenth of the time.
timeout 600 cpack -G DEB -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/package/fjordheim_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no fjordheim_*.deb was made"
echo "package test: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

market_deb=
if [ "$with_market" = 1 ]; then
  market_deb=$(ls "$work"/package/fjordheim-market_*.deb 2>/dev/null | head -1)
  [ -n "$market_deb" ] || fail "no fjordheim-market_*.deb was made"
  echo "package test: $(basename "$market_deb"), $(du -k "$market_deb" | cut -f1) KiB"
fi

echo "package test: lintian"
for package in "$deb" $market_deb; do
  lintian_out=$(timeout 300 lintian --fail-on error,warning "$package" 2>&1) ||
    { echo "$lintian_out"; fail "lintian found errors or warnings in $(basename "$package")"; }
  [ -z "$lintian_out" ] || echo "$lintian_out"
done

info=$(dpkg-deb --info "$deb")
grep -q '^ Package: fjordheim$' <<<"$info" || fail "the package is not named fjordheim"
grep -q '^ Section: games$' <<<"$info" || fail "the package is not in the section games"
grep -q '^ Depends:.*libqt6widgets6' <<<"$info" || fail "the dependencies were not computed from the program: $info"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles | grep -qx /etc/fjordheim/tunstad.ini ||
  fail "the settings file is not a configuration file of the package"

! grep -q 'fjordheim-market' <<<"$info" || fail "the game's package asks for the market server: $info"

root="$work/root"
dpkg-deb -x "$deb" "$root"
data="$root/usr/share/games/fjordheim"
for file in usr/games/fjordheim usr/share/applications/fjordheim.desktop \
  usr/share/icons/hicolor/48x48/apps/fjordheim.png usr/share/icons/hicolor/scalable/apps/fjordheim.svg \
  usr/share/man/man6/fjordheim.6.gz usr/share/doc/fjordheim/copyright etc/fjordheim/tunstad.ini \
  usr/share/doc/fjordheim/fjordheim-laererveiledning.pdf \
  usr/share/games/fjordheim/Bilder/Intropic.bmp usr/share/games/fjordheim/Bilder/ListImgs/komini.bmp \
  usr/share/games/fjordheim/Sound/Boo.wav usr/share/games/fjordheim/Data/advice.txt \
  usr/share/games/fjordheim/Data/template.htm usr/share/games/fjordheim/Html/index.htm; do
  [ -e "$root/$file" ] || fail "$file is missing from the package"
done
[ -x "$root/usr/games/fjordheim" ] || fail "the game is not executable"
# A new installation starts with an empty score list: nothing a test or a developer played
# may travel with the package.
earned=$(find "$root" -iname '*.tpl' -o -iname '*.tun')
[ -z "$earned" ] || fail "the package ships a score list or saved game nobody earned here: $earned"
[ "$(readlink "$data/tunstad.ini")" = /etc/fjordheim/tunstad.ini ] ||
  fail "the data set's settings file does not lead to the one under /etc"
[ ! -e "$root/usr/games/fjordheim-market" ] || fail "the game's package carries the market server"
metainfo="$root/usr/share/metainfo/org.example.fjordheim.metainfo.xml"
[ -e "$metainfo" ] || fail "the software centres' metadata is missing from the package"
appstream_out=$(timeout 60 appstreamcli validate --no-net "$metainfo" 2>&1) ||
  { echo "$appstream_out"; fail "the software centres' metadata is not valid"; }
if [ "$with_market" = 1 ]; then
  "$here/market_package_test.sh" "$market_deb" "$root" "$work" || fail "the market server's package failed"
fi
# The copyright file is machine-readable and gives each licence it names its text: the
# program's GPL and the data set's CC BY-SA.
copyright="$root/usr/share/doc/fjordheim/copyright"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
for licence in GPL-3+ CC-BY-SA-4.0; do
  grep -qx "License: $licence" "$copyright" || fail "the copyright file gives no text for $licence"
done
grep -q '^Categories=Game;Education;' "$root/usr/share/applications/fjordheim.desktop" ||
  fail "the menu entry is not among the games and education"
grep -q '^Comment\[nb\]=' "$root/usr/share/applications/fjordheim.desktop" || fail "the menu entry has no Norwegian comment"

# The installation read-only, the homes the player's own. The player is given only what lies
# in the test's folder: his hands (the scripts that play) are copied there, his temporary
# files and screenshots stay there, and he starts in it, for the checkout may lie where he
# cannot enter (a clone in /root).
mkdir -p "$work/home1" "$work/home2" "$work/tmp" "$work/hands/packaging" "$work/hands/gui/real_screen"
cp "$here/play_installed.sh" "$work/hands/packaging/"
cp "$here/../gui/real_screen/real_screen.sh" "$work/hands/gui/real_screen/"
chmod -R a+rX "$work/hands"
chmod -R a-w "$root"
runner=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$work/home1" "$work/home2" "$work/tmp"
  runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  "${runner[@]}" test -x "$work/hands/packaging/play_installed.sh" ||
    fail "the user nobody cannot reach the test's folder $work; give TMPDIR a folder every user may enter"
fi
# A failed play leaves its screenshot where the caller keeps temporary files.
keep_failure_shots() { cp "$work"/tmp/*_failure.png "${TMPDIR:-/tmp}/" 2>/dev/null || true; }
play() {
  (cd "$work" && HOME="$1" TMPDIR="$work/tmp" timeout "$2" "${runner[@]}" \
    env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_RUNTIME_DIR HOME="$1" TMPDIR="$work/tmp" \
    "$work/hands/packaging/play_installed.sh" "$root/usr/games/fjordheim" "$3") || { keep_failure_shots; return 1; }
}

echo "package test: playing the installed game in a fresh home"
play "$work/home1" 300 new-game-and-save ||
  fail "the installed game could not start a new game and save"
own="$work/home1/.local/share/fjordheim"
ls "$own"/Game/*.tun >/dev/null 2>&1 || fail "no saved game in the home's data folder: $(ls -R "$own" 2>&1)"
ls "$own"/Bookm/*.htm >/dev/null 2>&1 || fail "no chief's page in the home's data folder"
[ -e "$own/Bookm/../Bilder/Intropic.bmp" ] || fail "the chief's page does not reach the pictures of the data set"
[ -d "$own/Game" ] || fail "the score list's folder was not made in the home"
[ ! -e "$own/Game/nothing.tpl" ] || fail "a fresh home has a score list before any game ended"
[ ! -e "$data/Game" ] && [ ! -e "$data/Bookm" ] || fail "the game wrote into the installation"

echo "package test: a second home on the same installation"
play "$work/home2" 60 start-only ||
  fail "the installed game did not start in a second home"
[ -d "$work/home2/.local/share/fjordheim/Game" ] || fail "the second home has no folder of its own"
if ls "$work"/home2/.local/share/fjordheim/Game/*.tun >/dev/null 2>&1; then
  fail "the second home sees the first one's saved game"
fi
echo "package test: the package is clean, the installed game plays and saves in each home"
