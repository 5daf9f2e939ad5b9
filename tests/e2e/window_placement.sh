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
wm_pid=
trap '[ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null; stop_session; rm -rf "$work"' EXIT
screen_w=1024 screen_h=768
file="$work/a file.txt"
echo content > "$file"

# "x y width height" of the window itself (inside the frame), in root coordinates.
geometry_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                           /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}

# "left right top bottom" of the frame the manager put around the window; zeros without one.
frame_of() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ,)
  echo "${extents:-0 0 0 0}"
}

# Where the window's own top-left belongs for a pointer at X Y: the outer rectangle is the
# window grown by its frame; its client area (below the menu bar) starts at the pointer's
# height and a sixth of its width left of the pointer; then it is kept on the screen.
expected_corner() {
  local x=$1 y=$2 w=$3 h=$4 l=$5 r=$6 t=$7 b=$8 menu=$9
  awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v l="$l" -v r="$r" -v t="$t" -v b="$b" -v m="$menu" \
      -v sw="$screen_w" -v sh="$screen_h" 'BEGIN {
    ow = w + l + r; oh = h + t + b
    top = y - (oh - (h - m)); left = x - (ow - w) - w / 6
    if (oh + top > sh) top = sh - oh
    if (ow + left > sw) left = sw - ow
    if (left < 0) left = 0
    if (top < 0) top = 0
    printf "%d %d\n", left + l + 0.5, top + t + 0.5 }'
}

near() { local d=$(($1 - $2)); [ "${d#-}" -le 1 ]; }

# Opens Pathnab with the pointer at X Y and checks the window's corner at first sight and once
# it has settled; leaves the window open in $win.
check_placement() {
  local manager=$1 x=$2 y=$3 first settled frame gx gy gw gh ex ey
  xdotool mousemove "$x" "$y"
  start_program "$bin" "$file"
  win=$(window_named '^Tallwick - Pathnab$') || fail "$manager: no main window"
  first=$(geometry_of "$win")
  sleep 1
  settled=$(geometry_of "$win")
  frame=$(frame_of "$win")
  [ "$first" = "$settled" ] || fail "$manager, pointer $x,$y: moved from $first to $settled"
  read -r gx gy gw gh <<< "$settled"
  # shellcheck disable=SC2086
  read -r ex ey <<< "$(expected_corner "$x" "$y" "$gw" "$gh" $frame "$menu_height")"
  [ -z "${PLACEMENT_TABLE:-}" ] || echo "$manager $x,$y $ex,$ey $gx,$gy (frame $frame)" >> "$PLACEMENT_TABLE"
  near "$gx" "$ex" && near "$gy" "$ey" ||
    fail "$manager, pointer $x,$y: window at $gx,$gy, expected $ex,$ey (frame $frame)"
}

close_with_escape() {
  xdotool windowactivate --sync "$win" key Escape 2>/dev/null || keys_to "$win" Escape
  wait_for_return "$pid"
}

start_manager() {
  case $1 in
    none) return ;;
    openbox) openbox --sm-disable >"$work/wm.log" 2>&1 & ;;
    xfwm4) xfwm4 --compositor=off --sm-client-disable >"$work/wm.log" 2>&1 & ;;
  esac
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.1
  done
  fail "$1 did not start: $(cat "$work/wm.log")"
}

stop_manager() {
  [ -n "$wm_pid" ] || return 0
  kill "$wm_pid"; wait "$wm_pid" 2>/dev/null || true
  wm_pid=
  xprop -root -remove _NET_SUPPORTING_WM_CHECK
}

# The menu bar's height, from the window without a frame: its client area starts at the pointer.
xdotool mousemove 512 384
start_program "$bin" "$file"
win=$(window_named '^Tallwick - Pathnab$') || fail "no main window"
read -r _ wy _ <<< "$(geometry_of "$win")"
menu_height=$((384 - wy))
[ "$menu_height" -gt 10 ] && [ "$menu_height" -lt 60 ] || fail "menu bar $menu_height px high"
close_with_escape

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
