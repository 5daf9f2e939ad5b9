#!/usr/bin/env bash
# The real Pathnab under Xvfb on one 2048x768 screen split into two monitors side by side, the
# left one primary: the window is placed by the primary monitor alone, so a pointer on the
# right monitor puts it at the primary's right edge.
# PLACEMENT_TABLE=FILE appends "monitors pointer expected got" lines to FILE.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
xvfb_screen="-screen 0 2048x768x24"
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
source "$(dirname "$0")/tools/window_geometry.sh"
trap 'stop_session; rm -rf "$work"' EXIT
screen_w=1024 screen_h=768
file="$work/a.txt"
echo content > "$file"

xrandr --setmonitor primary-left 1024/271x768/203+0+0 screen >/dev/null
xrandr --setmonitor right 1024/271x768/203+1024+0 none >/dev/null
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 2" ] || fail "no two monitors: $(xrandr --listmonitors)"

measure_menu_height 512 384
positions=("512 384" "1030 5" "1500 400" "2040 760" "1024 767")
for at in "${positions[@]}"; do
  # shellcheck disable=SC2086
  check_placement "two monitors" $at
  close_with_escape
done
pass "two monitors: placed on the primary one at ${#positions[@]} pointer positions, four of them on the other"
