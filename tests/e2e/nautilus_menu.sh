#!/usr/bin/env bash
# GNOME Files' own context menu, with the installed package's nautilus-python extension:
# "Pathnab" opens the window on exactly the selected path.
set -euo pipefail
for package in nautilus python3-nautilus gir1.2-atspi-2.0; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    { echo "$package is not installed"; exit 77; }
done
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

# A menu that does not show gets no keys, and the round is tried again.
choose_pathnab() { menu_shown && choose_pathnab_by_name "$1"; }

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
