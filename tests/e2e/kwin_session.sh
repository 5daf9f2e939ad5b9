#!/usr/bin/env bash
# Pathnab in KDE Plasma's compositor (KWin, Wayland, headless), started from Dolphin's own
# context menu with the installed package's service menu: Enter at once copies the full path, a
# click copies another row, Escape closes the window; then ten copies in a row of Pathnab
# started in the session directly, and no Pathnab process is left once another program copies;
# forced onto XWayland, the window keeps its size.
set -euo pipefail
source "$(dirname "$0")/tools/require_packages.sh"
require_packages kwin-wayland qtwayland5 dolphin gir1.2-atspi-2.0 wl-clipboard
tools=$(dirname "$0")/tools
work=$(mktemp -d)
source "$tools/kwin_session.sh"
source "$tools/file_manager_parts.sh"
# Qt reports its menus' focus to the accessibility bus only where asked to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

pathnab_caption='Tallwick - Pathnab'

# The Pathnab processes of the session, started by Dolphin or by the test.
pathnab_pids() {
  local p
  for p in $(session_pids); do [ "$(cat "/proc/$p/comm" 2>/dev/null)" != pathnab ] || echo "$p"; done
}

# True when no Pathnab process of the session is left within 5 s.
no_pathnab_left() {
  for _ in $(seq 50); do [ -z "$(pathnab_pids)" ] && return 0; sleep 0.1; done
  return 1
}

# Dolphin on the item's folder, on a bus of its own whose menu focus is listened to, with its
# window active and the item selected.
start_dolphin() {
  start_bus
  listen_to_menu_focus
  # Dolphin, and the Pathnab it starts, find the listener's accessibility bus through their
  # session bus: Qt 6.4, given its address in AT_SPI_BUS_ADDRESS, shows no window there, and
  # Pathnab's rows are read there.
  start_program env -u AT_SPI_BUS_ADDRESS dolphin "$(dirname "$1")" 2>>"$work/dolphin.log"
  file_manager_pid=$pid
  wait_for_active owned_by "$file_manager_pid" || fail "no active Dolphin window"
  expect_selected "$1"
}

# Dolphin, the item's context menu, "Pathnab": its window becomes the active one, in a process
# started with the item as its one argument, byte for byte; the window's line goes to
# $active_window, the process to $pathnab_pid. A menu that did not move is tried once more.
pathnab_from_menu() {
  local item=$1 attempt
  for attempt in 1 2; do
    start_dolphin "$item"
    keys Menu
    choose_menu_item Pathnab && break
    [ "$attempt" -eq 1 ] || fail "\"Pathnab\" could not be chosen from the context menu of '$item'"
    echo "retrying: the context menu of '$item' did not show or move; focused: ${menu_seen[*]:-none}"
    close_file_manager
  done
  wait_for_active captioned "$pathnab_caption" || fail "no active Pathnab window for '$item'"
  pathnab_pid=$(cut -d' ' -f6 <<< "$active_window")
  printf '%s\0' "$item" > "$work/expected_arguments"
  tail -z -n +2 "/proc/$pathnab_pid/cmdline" > "$work/arguments"
  cmp -s "$work/expected_arguments" "$work/arguments" ||
    fail "Pathnab was started with '$(tr '\0' '|' < "$work/arguments")', expected '$item'"
}

# True when Pathnab's window has gone within SECONDS.
pathnab_closed() {
  for _ in $(seq $(($1 * 5))); do window_shown "$pathnab_caption" || return 0; sleep 0.2; done
  return 1
}

# Presses the keys in Pathnab's active window until it closes, at most 5 times: under load, once
# in some ten starts without a start-up token, KWin has made the window active but the keys
# sent then are lost. Each repetition is logged; a window that stays fails.
keys_until_closed() {
  for _ in $(seq 5); do
    keys "$@"
    pathnab_closed 3 && return 0
    echo "retrying: the Pathnab window stayed after $*; windows: $(kwin_windows | paste -sd '|')"
    window_shown "$pathnab_caption" || return 0
    wait_for_active captioned "$pathnab_caption" || fail "the Pathnab window lost the keyboard"
  done
  fail "the Pathnab window stayed after $*"
}

# The clipboard holds exactly TEXT, and no Pathnab process is left once another program copies.
expect_copied() {
  expect_clipboard "$1"
  [ ! -e "$HOME/pwned" ] || fail "a shell ran the name '$1'"
  take_clipboard taken
  no_pathnab_left || fail "Pathnab processes $(pathnab_pids | paste -sd ' ') remain after another program copied"
}

source "$tools/dolphin_items.sh"

for item in "${dolphin_items[@]}"; do
  pathnab_from_menu "$item"
  keys Return
  pathnab_closed 10 || fail "the Pathnab window stayed after Enter"
  expect_copied "$item"
  close_file_manager
  pass "'$item' went from Dolphin's menu to Pathnab, and Enter at once put it on the clipboard"
done

item=${dolphin_items[1]}
pathnab_from_menu "$item"
click_row "$active_window" "File Name"
pathnab_closed 10 || fail "the Pathnab window stayed after a click on the File Name row: $active_window"
expect_copied "${item##*/}"
close_file_manager
pass "a click on the File Name row copied the file name"

pathnab_from_menu "$item"
keys Escape
pathnab_closed 10 || fail "the Pathnab window stayed after Escape"
no_pathnab_left || fail "a Pathnab process remains after Escape"
copied_paths | cmp -s "$work/expected_selection" - || fail "Escape changed the clipboard"
close_file_manager
pass "the window had the keyboard at once: Escape closed it and left the clipboard as Dolphin's copy"

# Each window comes up at the size the one before kept: the size a copy stores is the frame's,
# where Qt 6.8 once stored its own area's, and the window lost its frame's size at each copy.
for round in $(seq 10); do
  start_program pathnab "$item"
  wait_for_active captioned "$pathnab_caption" || fail "no active Pathnab window in round $round"
  size=$(cut -d' ' -f4-5 <<< "$active_window")
  [ "$round" -eq 1 ] || [ "$size" = "$first_size" ] ||
    fail "the window came up at $size after $((round - 1)) copies, at $first_size before them"
  first_size=${first_size:-$size}
  keys_until_closed Return
  expect_clipboard "$item"
done
take_clipboard taken
no_pathnab_left || fail "Pathnab processes $(pathnab_pids | paste -sd ' ') remain after ten copies and another program's"
pass "ten copies in a row, each window at the first one's size ($first_size), then another program's: no Pathnab process is left"

# Forced onto XWayland, the window keeps its size: the margins Qt reported from KWin's first 1x1
# frame around it, taken for the frame, once grew it to the screen's width in half the starts.
for round in $(seq 4); do
  start_program env XDG_CONFIG_HOME="$work/xwayland$round" QT_QPA_PLATFORM=xcb pathnab "$item"
  wait_for_active captioned "$pathnab_caption" || fail "no active Pathnab window under XWayland"
  sleep 1.5
  read -r _ _ _ width height _ <<< "$(kwin_windows | grep -F " $pathnab_caption" | head -n1)"
  [ "$width" -lt 1024 ] || fail "under XWayland the window came up ${width}x$height, as wide as the screen"
  keys_until_closed Escape
done
pass "under XWayland the window kept its size in 4 starts"
