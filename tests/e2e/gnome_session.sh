#!/usr/bin/env bash
# Pathnab in a real GNOME Shell session on Wayland, started from GNOME Files' context menu with
# the installed package's extension: its window has the keyboard at once, Enter copies exactly
# the path, a click on another row copies that row, Escape closes it; after ten copies in a row
# no Pathnab process is left once another program has copied.
set -euo pipefail
source "$(dirname "$0")/tools/require_packages.sh"
require_packages gnome-shell xwayland nautilus python3-nautilus gir1.2-atspi-2.0 wl-clipboard
tools=$(dirname "$0")/tools
work=$(mktemp -d)
source "$tools/processes.sh"
source "$tools/package_install.sh"
end_test() {
  ! declare -F stop_session >/dev/null || stop_session
  remove_package
  rm -rf "$work"
}
trap end_test EXIT
build_package
install_package
source "$tools/gnome_session.sh"
source "$tools/awkward_items.sh"
title='Tallwick - Pathnab'

# The names of the menu items that get the focus, one a line, from the accessibility bus.
focus_log=$work/menu_focus
"$tools/menu_focus_events.py" > "$focus_log" 2>>"$work/menu_focus.log" &
session_helpers+=($!)
for _ in $(seq 100); do [ -s "$focus_log" ] && break; sleep 0.1; done

# Starts GNOME Files on the folder and waits for its window to have the keyboard. It draws with
# Cairo: OpenGL is only Mesa's software rasteriser here, slow on a loaded machine. Qt shows
# its windows on the accessibility bus only where asked to: the rows of the Pathnab it starts
# are read there.
start_nautilus() {
  start_program env GSK_RENDERER=cairo QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 nautilus "$1" 2>>"$work/nautilus.log"
  nautilus_pid=$pid
  wait_focused "$(basename "$1")" || fail "no GNOME Files window for $1 (focus: '$(focused_title)')"
}

# The local paths the clipboard holds as copied files, each ended by a NUL.
copied_paths() {
  paste_clipboard -t text/uri-list 2>/dev/null | "$tools"/uri_list_paths.py
}

# Selects all of the view and copies it until the clipboard holds exactly the item: then the
# folder is listed, the view has the keyboard and the item is the selection. A new window has
# the keyboard in its path bar, so each round clicks into the view's empty part first.
select_item() {
  local x y
  printf '%s\0' "$1" > "$work/expected_selection"
  for _ in $(seq 20); do
    read -r x y _ <<< "$(window_rect "$(basename "$(dirname "$1")")")"
    click_at $((x + 600)) $((y + 400))
    keys Control_L+a Control_L+c
    copied_paths | cmp -s "$work/expected_selection" - && return 0
    sleep 0.5
  done
  fail "GNOME Files did not select '$1' (the clipboard has '$(copied_paths | tr '\0' '|')')"
}

# Waits up to 10 s for a menu item other than the last one seen to get the focus; its name goes
# to $menu_item.
next_menu_item() {
  local seen=$1
  for _ in $(seq 100); do
    [ "$(wc -l < "$focus_log")" -gt "$seen" ] && { menu_item=$(tail -n1 "$focus_log"); return 0; }
    sleep 0.1
  done
  return 1
}

# Opens the item's context menu from the keyboard and steps up through it until "Pathnab" has
# the focus, then chooses it: its place in the menu does not matter. Each step waits for the
# focus to move, so no key goes to a menu still busy with the one before. False when the menu
# did not show or move.
choose_pathnab_from_menu() {
  local seen
  seen=$(wc -l < "$focus_log")
  keys Menu
  next_menu_item "$seen" || return 1
  for _ in $(seq 20); do
    [ "$menu_item" != Pathnab ] || { keys Return; return 0; }
    seen=$(wc -l < "$focus_log")
    keys Up
    next_menu_item "$seen" || return 1
  done
  fail "no \"Pathnab\" in the context menu of '$1'"
}

# GNOME Files on the item's folder, the item selected, "Pathnab" from its context menu: a
# Pathnab window has the keyboard, started with the item as its one argument, byte for byte.
# Its pid goes to $pathnab_pid. A menu that did not show or move is tried once more, logged.
open_pathnab_from_menu() {
  local item=$1 attempt
  for attempt in 1 2; do
    start_nautilus "$(dirname "$item")"
    select_item "$item"
    choose_pathnab_from_menu "$item" && break
    [ "$attempt" -eq 1 ] || fail "the context menu of '$item' did not show or move"
    echo "retrying: the context menu of '$item' did not show or move"
    stop_processes "$nautilus_pid"
  done
  wait_focused "$title" || fail "Pathnab's window does not have the keyboard (focus: '$(focused_title)')"
  pathnab_pid=$(shell_eval "global.display.focus_window.get_pid()")
  printf '%s\0' "$item" > "$work/expected_arguments"
  tail -z -n +2 "/proc/$pathnab_pid/cmdline" > "$work/arguments"
  cmp -s "$work/expected_arguments" "$work/arguments" ||
    fail "Pathnab was started with '$(tr '\0' '|' < "$work/arguments")', expected '$item'"
}

# Clicks the middle of the row captioned CAPTION in Pathnab's window (titled TITLE).
click_row() {
  local point
  point=$(row_on_screen "$pathnab_pid" "$2" "$(window_rect "$1")") ||
    fail "no row '$2' in Pathnab's window over the accessibility bus"
  click_at $point
}

# Ends the round: the window is gone, GNOME Files is ended, nothing ran the name as a command.
close_round() {
  wait_closed "$title" || fail "Pathnab's window stayed open"
  stop_processes "$nautilus_pid"
  [ ! -e "$HOME/pwned" ] || fail "a shell ran the name '$1'"
}

for item in "${awkward_items[@]}"; do
  open_pathnab_from_menu "$item"
  keys Return
  close_round "$item"
  expect_clipboard "$item"
  pass "'$item': Enter right after \"Pathnab\" in GNOME Files copied the path unchanged"
done

item=${awkward_items[1]}
open_pathnab_from_menu "$item"
keys Escape
close_round "$item"
for _ in $(seq 50); do running "$pathnab_pid" || break; sleep 0.1; done
! running "$pathnab_pid" || fail "Pathnab still runs after Escape"
pass "Escape closes the window at once"

open_pathnab_from_menu "$item"
click_row "$title" "File Name"
close_round "$item"
expect_clipboard "$(basename "$item")"
pass "a click on the File Name row copied the file's name"

# Pathnab started straight in the session: ten copies with Enter, then another program copies.
session_pathnab_count() {
  local p count=0
  for p in $(session_pids); do [ "$(cat "/proc/$p/comm" 2>/dev/null)" != pathnab ] || count=$((count + 1)); done
  echo "$count"
}
file=${awkward_items[0]}
for _ in $(seq 10); do
  start_program "${PATHNAB_BIN:?}/pathnab" "$file"
  wait_focused "$title" || fail "no Pathnab window with the keyboard (focus: '$(focused_title)')"
  remember_children
  keys Return
  wait_for_return "$pid"
  [ "$status" -eq 0 ] || fail "exit status $status after a copy"
  expect_clipboard "$file"
done
pass "ten copies in a row, each on the clipboard; $(session_pathnab_count) Pathnab processes run"
take_clipboard taken
for _ in $(seq 50); do [ "$(session_pathnab_count)" -eq 0 ] && break; sleep 0.1; done
[ "$(session_pathnab_count)" -eq 0 ] ||
  fail "$(session_pathnab_count) Pathnab processes remain after another program copied"
expect_clipboard taken
pass "no Pathnab process remains once another program has copied"
