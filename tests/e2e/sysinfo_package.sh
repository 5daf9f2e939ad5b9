#!/usr/bin/env bash
# The installed package's System Information stand-in under Xvfb, run by an ordinary user (root
# would read the root-owned store however it was opened): the About box's "System Info" starts
# hardinfo2 (Debian 13) or hardinfo (Debian 12), both registered in the package's /etc/xdg
# store, and the box stays open; a store naming a program that is not there gives the
# unavailable message. Purging takes the store away.
set -euo pipefail
source "$(dirname "$0")/tools/package_install.sh"
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
machine_store=/etc/xdg/pathnab/registry.db
trap 'stop_session; remove_package; rm -rf "$work"' EXIT
[ "$(id -u)" -eq 0 ] || { echo "skipped: needs root to install the package and to change user"; exit 77; }
# The program the registration leads to here: the first of the two that is installed.
sysinfo_program=$(command -v hardinfo2 || command -v hardinfo) || fail "neither hardinfo2 nor hardinfo is installed"
sysinfo_name=$(basename "$sysinfo_program")

# A user id no account has, with a home and a runtime folder of its own.
user_id=61000
while getent passwd "$user_id" >/dev/null || getent group "$user_id" >/dev/null; do user_id=$((user_id + 1)); done
user_home=$work/home
mkdir -p "$user_home/runtime"
chmod 700 "$user_home/runtime"
chown -R "$user_id:$user_id" "$user_home"
chmod 755 "$work"
as_user=(setpriv --reuid="$user_id" --regid="$user_id" --clear-groups --reset-env
  env DISPLAY="$DISPLAY" HOME="$user_home" XDG_RUNTIME_DIR="$user_home/runtime")

build_package
dpkg-deb -I "$deb" conffiles | grep -qx "$machine_store" || fail "$machine_store is not a conffile"
install_package
[ "$(stat -c '%U %a' "$machine_store")" = "root 644" ] || fail "store: $(stat -c '%U %a' "$machine_store")"
store_sum=$(sha256sum < "$machine_store")

# Presses System Info in the About box of a Pathnab started with no argument by the user,
# with the environment given (XDG_CONFIG_DIRS).
press_sys_info() {
  start_program "${as_user[@]}" "$@" /usr/bin/pathnab
  about=$(window_named '^About Pathnab') || fail "no About box"
  keys_to "$about" alt+s
}

# Closes the About box; the program must end with status 0.
close_about() {
  keys_to "$about" Return
  wait_for_return "$pid"
  [ "$status" -eq 0 ] || fail "exit status $status after the About box"
}

# Xubuntu's order: a desktop folder without a store first, the package's folder second.
press_sys_info XDG_CONFIG_DIRS=/etc/xdg/xdg-xubuntu:/etc/xdg
sysinfo=$(timeout 60 xdotool search --sync --onlyvisible --class hardinfo | head -n1) ||
  fail "no $sysinfo_name window after System Info"
pgrep -u "$user_id" -x "$sysinfo_name" >/dev/null || fail "$sysinfo_name does not run as the user"
xdotool search --onlyvisible --name '^About Pathnab' >/dev/null || fail "the About box closed"
pass "System Info starts the registered $sysinfo_program as the user ($(xdotool getwindowname "$sysinfo")); the About box stays"
close_about
# Nothing of the user's outlives this case (hardinfo may start helpers of its own), so that
# whatever runs as the user in the next one was started there.
pkill -KILL -u "$user_id" || true
for _ in $(seq 50); do pgrep -u "$user_id" >/dev/null || break; sleep 0.1; done
pgrep -u "$user_id" >/dev/null && fail "the user's programs did not end: $(pgrep -a -u "$user_id")"
[ "$(sha256sum < "$machine_store")" = "$store_sum" ] || fail "the machine-wide store was changed"

# A registered program that is not there: the message, and the box stays usable.
mkdir -p "$work/system/pathnab"
"$PATHNAB_BIN/pathnab-sysinfo-store" "$work/system/pathnab/registry.db" "$work/gone/hardinfo"
chmod -R a+rX "$work/system"
press_sys_info XDG_CONFIG_DIRS="$work/system"
message=$(window_named '^Pathnab$') || fail "no message after System Info with no program"
keys_to "$message" Return
xdotool search --onlyvisible --name '^About Pathnab' >/dev/null || fail "the About box closed"
others=$(pgrep -a -u "$user_id" | grep -vx '[0-9]* /usr/bin/pathnab' || true)
[ -z "$others" ] || fail "a program was started beside Pathnab: $others"
pass "a registered program that is missing gives the message; the About box stays"
close_about

remove_package
for gone in "$machine_store" "$(dirname "$machine_store")"; do
  [ ! -e "$gone" ] || fail "$gone is left after purging the package"
done
pass "purging the package removes the machine-wide store"
