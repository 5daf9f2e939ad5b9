#!/usr/bin/env bash
# GNOME Files' own context menu, with the installed package's nautilus-python extension:
# "Pathnab" opens the window on exactly the selected path.
set -euo pipefail
source "$(dirname "$0")/tools/require_packages.sh"
require_packages nautilus python3-nautilus gir1.2-atspi-2.0
tools=$(dirname "$0")/tools
source "$tools/file_manager_session.sh"
# Nautilus shows no folder's contents without the gvfs daemon.
unset GIO_USE_VFS GIO_USE_VOLUME_MONITOR
# GTK 4 draws with OpenGL, which Xvfb gives only through Mesa's software rasteriser: on a loaded
# machine its "Loading..." spinner alone kept the folder from ever being listed. Cairo is cheap.
export GSK_RENDERER=cairo

# A new window has the keyboard in its path bar; a click into the view's empty part moves it.
focus_view() { xdotool mousemove --sync --window "$win" 600 400 click 1; }

open_context_menu() {
  start_file_manager nautilus org.gnome.Nautilus "$(dirname "$1")"
  expect_selected "$1"
  xdotool key Menu
}

# True once the menu, a window of its own, is on the screen (up to 10 s).
menu_shown() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --pid "$file_manager_pid" --class org.gnome.Nautilus | grep -qvx "$win" && return 0
    sleep 0.1
  done
  return 1
}

# Steps up through the menu until "Pathnab" has the focus (read through the accessibility bus),
# then chooses it: its place in the menu does not matter. Each step waits for the focus to move,
# so no key is sent to a menu still busy with the one before. A menu that does not show or move
# gets no Return, and the round is tried again.
choose_pathnab() {
  local focused=""
  menu_shown || return 0
  for _ in $(seq 20); do
    xdotool key Up
    focused=$("$tools/focused_menu_item.py" "$focused") || return 0
    [ "$focused" != Pathnab ] || { xdotool key Return; return 0; }
  done
  fail "no \"Pathnab\" in the context menu of '$1'"
}

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
