#!/usr/bin/env bash
# The real Pathnab under Xvfb: a close request (WM_DELETE_WINDOW, what a close box sends) that
# arrives in the moment the window is mapped closes it in the ordinary way, every time, also
# while ten other Pathnab windows are open, and under openbox when the manager is asked to
# close it, as its close box does.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
close_on_map=${PATHNAB_BIN:?}/close_on_map
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
source "$(dirname "$0")/tools/window_managers.sh"
trap '[ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null; stop_session; rm -rf "$work"' EXIT
tries=50
file="$work/a.txt"
echo content > "$file"

# Runs Pathnab TRIES times, each closed by a request sent when its window is mapped; the
# options go to close_on_map.
close_at_once() {
  local try ready count=$1; shift
  for try in $(seq "$count"); do
    rm -rf "$XDG_CONFIG_HOME/pathnab"
    coproc closer { exec "$close_on_map" "$@" 'Tallwick - Pathnab'; }
    read -r ready <&"${closer[0]}"
    [ "$ready" = ready ] || fail "close_on_map did not start"
    start_program "$bin" "$file"
    wait "$closer_PID" || fail "try $try: no window was mapped"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "try $try: the window was still open 5 s after the close request"
    wait "$pid" || fail "try $try: exit status $?"
    [ -n "$(stored_size)" ] || fail "try $try: closed without storing the size"
  done
}

close_at_once "$tries"
pass "$tries close requests at mapping, each closed the window and stored its size"

for n in $(seq 10); do start_program "$bin" "$work/other $n"; done
open_windows() { xdotool search --onlyvisible --name '^Tallwick - Pathnab$' | wc -l; }
for _ in $(seq 300); do [ "$(open_windows)" -eq 10 ] && break; sleep 0.1; done
others=$(open_windows)
[ "$others" -ge 5 ] || fail "only $others of the ten other windows opened"
close_at_once "$tries"
pass "$tries more with $others other windows open"
[ "$(open_windows)" -ge "$others" ] || fail "of the $others other windows, $(open_windows) stayed open"
for p in "${launched[@]}"; do kill "$p" 2>/dev/null || true; done

start_manager openbox
close_at_once 10 --by-manager
pass "10 more under openbox, each closed by the manager as by its close box"
