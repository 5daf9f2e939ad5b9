#!/usr/bin/env bash
# The real Pathnab under Xvfb without a window manager, under openbox and under xfwm4: the
# window opens where the placement rule puts it by its real frame, at once (the position first
# seen is the final one), and the stored size does not drift over ten starts.
# PLACEMENT_TABLE=FILE appends "manager pointer expected got" lines to FILE.
set -euo pipefail
# xfwm4 reads its settings from xfconfd, which D-Bus starts on demand: a session bus of our own.
if [ -z "${PATHNAB_WM_BUS:-}" ]; then
  PATHNAB_WM_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
bin=${PATHNAB_BIN:?}/pathnab
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
source "$(dirname "$0")/tools/window_geometry.sh"
source "$(dirname "$0")/tools/window_managers.sh"
trap '[ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null; stop_session; rm -rf "$work"' EXIT
screen_w=1024 screen_h=768
file="$work/a file.txt"
echo content > "$file"

measure_menu_height 512 384

positions=("512 384" "5 5" "1018 5" "5 762" "1018 762" "1023 300")
for manager in none openbox xfwm4; do
  start_manager "$manager"
  for at in "${positions[@]}"; do
    # shellcheck disable=SC2086
    check_placement "$manager" $at
    close_with_escape
  done
  pass "$manager: placed by the real frame at ${#positions[@]} pointer positions, no move after showing"
  if [ "$manager" != none ]; then
    rm -rf "$XDG_CONFIG_HOME/pathnab"
    sizes=()
    for _ in $(seq 10); do
      check_placement "$manager" 400 300
      xdotool windowactivate --sync "$win" key alt+f
      sleep 0.3
      xdotool key x
      wait_for_return "$pid"
      sizes+=("$(stored_size)")
    done
    [ "$(printf '%s\n' "${sizes[@]}" | sort -u)" = 2535x7695 ] || fail "$manager: stored sizes ${sizes[*]}"
    pass "$manager: ten starts in a row store 2535 x 7695 every time"
  fi
  stop_manager
done
