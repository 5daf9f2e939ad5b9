# Sourced after xvfb_session.sh: where Pathnab's window is and where the placement rule puts it.
# Needs $bin, $file, and $screen_w and $screen_h, the primary screen's size in pixels.

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

# The menu bar's height into $menu_height, from a window without a frame opened with the
# pointer at X Y (inside the primary screen, away from its edges): its client area starts there.
measure_menu_height() {
  local wy
  xdotool mousemove "$1" "$2"
  start_program "$bin" "$file"
  win=$(window_named '^Tallwick - Pathnab$') || fail "no main window"
  read -r _ wy _ <<< "$(geometry_of "$win")"
  menu_height=$(($2 - wy))
  [ "$menu_height" -gt 10 ] && [ "$menu_height" -lt 80 ] || fail "menu bar $menu_height px high"
  close_with_escape
}
