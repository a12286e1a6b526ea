#!/usr/bin/env bash
# Checks the classroom market server's package as a school's technician meets it: it holds the
# server, its manual page, its service and the options the service reads, and none of the
# game's pictures or sounds; it is unpacked beside the game into the fresh root; the service
# passes systemd's own check; and the server starts from the service's command line, with the
# options of the shipped file, as an unprivileged user that owns nothing, and takes a
# connection.
#   market_package_test.sh <package> <root to unpack into> <work folder>
set -euo pipefail

deb=$1
root=$2
work=$3

fail() {
  echo "market package test: $*" >&2
  exit 1
}

info=$(dpkg-deb --info "$deb")
grep -q '^ Package: fjordheim-market$' <<<"$info" || fail "the package is not named fjordheim-market"
grep -q '^ Depends:.*libqt6network6' <<<"$info" || fail "the dependencies were not computed from the server: $info"
! grep -Eq 'libqt6(widgets|gui|multimedia)6|qt6-qpa-plugins|fonts-' <<<"$info" ||
  fail "the server's package pulls in what only a desktop needs: $info"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles | grep -qx /etc/default/fjordheim-market ||
  fail "the service's options are not a configuration file of the package"
contents=$(dpkg-deb --contents "$deb")
! grep -Eq '\.(bmp|wav|htm)$' <<<"$contents" || fail "the server's package carries the game's data set"

dpkg-deb -x "$deb" "$root"
unit="$root/usr/lib/systemd/system/fjordheim-market.service"
for file in usr/games/fjordheim-market usr/share/man/man6/fjordheim-market.6.gz etc/default/fjordheim-market \
  usr/share/doc/fjordheim-market/copyright usr/share/doc/fjordheim-market/changelog.gz; do
  [ -e "$root/$file" ] || fail "$file is missing from the package"
done
[ -e "$unit" ] || fail "the service is missing from the package"

echo "market package test: systemd-analyze verify"
# The root holds only the two packages: systemd's own targets and the manual-page reader are
# not in it, so the check keeps to the service itself (its manual page is checked above).
verify_out=$(timeout 60 systemd-analyze verify --man=no --recursive-errors=no --root="$root" fjordheim-market.service 2>&1) ||
  { echo "$verify_out"; fail "systemd finds fault with the service"; }
[ -z "$verify_out" ] || { echo "$verify_out"; fail "systemd warns about the service"; }
for setting in DynamicUser=yes NoNewPrivileges=yes ProtectSystem=strict PrivateTmp=yes Restart=on-failure \
  EnvironmentFile=-/etc/default/fjordheim-market; do
  grep -qx "$setting" "$unit" || fail "the service lacks $setting"
done
grep -q '^RestrictAddressFamilies=AF_INET AF_INET6$' "$unit" || fail "the service may use more than the internet's families"
! grep -q '^WantedBy=graphical' "$unit" || fail "the service waits for a display"

echo "market package test: the server started as the service starts it"
# The service's command line, with its variables from the shipped options; the port is the
# one thing changed, to a free one of the system's choice, so that the test never meets
# another server.
exec_start=$(sed -n 's/^ExecStart=//p' "$unit")
[ -n "$exec_start" ] || fail "the service has no ExecStart"
command_line=$(
  set -a
  # shellcheck disable=SC1091
  . "$root/etc/default/fjordheim-market"
  MARKET_PORT=0
  eval "printf '%s\n' $exec_start"
)
mapfile -t argv <<<"$command_line"
[ "${argv[0]}" = /usr/games/fjordheim-market ] || fail "the service starts ${argv[0]}, not the packaged server"
argv[0]="$root/usr/games/fjordheim-market"

runner=()
if [ "$(id -u)" -eq 0 ]; then
  # A user that owns nothing on this machine, as systemd gives the service one.
  runner=(setpriv --reuid=61874 --regid=61874 --clear-groups)
fi
log="$work/market-service.log"
(cd / && exec env -i PATH=/usr/bin:/bin timeout 30 "${runner[@]}" "${argv[@]}") >"$log" 2>&1 &
server=$!
stop() { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; }
trap stop EXIT
port=
for _ in $(seq 100); do
  port=$(sed -n 's/.*the market is open on port \([0-9]*\)\..*/\1/p' "$log")
  [ -n "$port" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
[ -n "$port" ] || { cat "$log"; fail "the server did not open the market"; }
exec 3<>"/dev/tcp/127.0.0.1/$port" || fail "the server opened port $port but takes no connection"
exec 3>&-
echo "market package test: the service is sound and its server takes connections on port $port"
