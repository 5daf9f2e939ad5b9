#!/usr/bin/env bash
# The real Pathnab under Xvfb on a 192-DPI screen, the toolkit scaled by 2 as a desktop does
# for such a screen: the window has the same size in inches as at 96 DPI, it is placed by the
# same rule, and ten starts in a row store the same twips.
# PLACEMENT_TABLE=FILE appends "dpi pointer expected got" lines to FILE.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
xvfb_screen="-screen 0 2048x1536x24 -dpi 192"
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
source "$(dirname "$0")/tools/window_geometry.sh"
trap 'stop_session; rm -rf "$work"' EXIT
export QT_SCALE_FACTOR=2
screen_w=2048 screen_h=1536
file="$work/a.txt"
echo content > "$file"

# The default size, 2535 x 7695 twips, is 1.76 x 5.34 inches: 338 x 1026 pixels at 192 DPI.
measure_menu_height 1024 768
for at in "1024 768" "2040 1530" "10 10"; do
  # shellcheck disable=SC2086
  check_placement "192 dpi" $at
  read -r _ _ w h <<< "$(geometry_of "$win")"
  near "$w" 1026 && near "$h" 338 || fail "192 dpi: window $w x $h pixels, expected 1026 x 338"
  close_with_escape
done
pass "192 dpi: a 1026 x 338 pixel window (5.34 x 1.76 inches), placed by the rule at 3 pointer positions"

sizes=()
for _ in $(seq 10); do
  start_program "$bin" "$file"
  win=$(window_named '^Tallwick - Pathnab$') || fail "no main window"
  keys_to "$win" alt+f x
  wait_for_return "$pid"
  sizes+=("$(stored_size)")
done
[ "$(printf '%s\n' "${sizes[@]}" | sort -u)" = 2535x7695 ] || fail "192 dpi: stored sizes ${sizes[*]}"
pass "192 dpi: ten starts in a row store 2535 x 7695 every time"
