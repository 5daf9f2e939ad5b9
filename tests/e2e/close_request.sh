#!/usr/bin/env bash
# The real Pathnab under Xvfb: a close request (WM_DELETE_WINDOW, what a close box sends) that
# arrives in the moment the window is mapped closes it in the ordinary way, every time, also
# while ten other Pathnab windows are open.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
close_on_map=${PATHNAB_BIN:?}/close_on_map
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT
tries=50
file="$work/a.txt"
echo content > "$file"

# Runs Pathnab TRIES times, each closed by a request sent when its window is mapped.
close_at_once() {
  local try ready
  for try in $(seq "$tries"); do
    rm -rf "$XDG_CONFIG_HOME/pathnab"
    coproc closer { exec "$close_on_map" 'Tallwick - Pathnab'; }
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

close_at_once
pass "$tries close requests at mapping, each closed the window and stored its size"

for n in $(seq 10); do start_program "$bin" "$work/other $n"; done
open_windows() { xdotool search --onlyvisible --name '^Tallwick - Pathnab$' | wc -l; }
for _ in $(seq 100); do [ "$(open_windows)" -eq 10 ] && break; sleep 0.1; done
[ "$(open_windows)" -eq 10 ] || fail "$(open_windows) of the ten other windows opened"
close_at_once
pass "$tries more with ten other windows open"
[ "$(open_windows)" -eq 10 ] || fail "the other windows closed too"
