#!/usr/bin/env bash
# PCManFM-Qt's own context menu, with the installed package's FileManager-Actions entry:
# "Pathnab" opens the window on exactly the selected path.
set -euo pipefail
command -v pcmanfm-qt >/dev/null || { echo "pcmanfm-qt is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"

open_context_menu() {
  start_program pcmanfm-qt "$1" 2>>"$work/pcmanfm-qt.log"
  file_manager_pid=$pid
  win=$(timeout 20 xdotool search --sync --onlyvisible --class pcmanfm-qt | head -n1) ||
    fail "no PCManFM-Qt window"
  xdotool windowactivate --sync "$win"
  sleep 1
  keys ctrl+a Menu
}

# The actions come above "Compress" and "Properties", the menu's last two items.
choose_pathnab() { keys Up Up Up Return; }

close_file_manager() {
  kill "$file_manager_pid"
  wait "$file_manager_pid" 2>/dev/null || true
}

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
