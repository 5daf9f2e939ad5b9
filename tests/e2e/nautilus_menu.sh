#!/usr/bin/env bash
# GNOME Files' own context menu, with the installed package's nautilus-python extension:
# "Pathnab" opens the window on exactly the selected path.
set -euo pipefail
dpkg-query -W -f='${Status}' python3-nautilus 2>/dev/null | grep -q 'install ok installed' ||
  { echo "nautilus or python3-nautilus is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"
# Nautilus shows no folder's contents without the gvfs daemon.
unset GIO_USE_VFS GIO_USE_VOLUME_MONITOR

open_context_menu() {
  start_file_manager nautilus nautilus "$1"
  sleep 3
  # A click on the view's empty part gives it the keyboard focus.
  xdotool mousemove --sync --window "$win" 600 400 click 1
  sleep 0.5
  keys ctrl+a Menu
  sleep 1
}

# The extensions' items come just above "Properties", the menu's last item; the first key
# after End is taken up by the popover itself.
choose_pathnab() { keys End Up Up Return; }

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
