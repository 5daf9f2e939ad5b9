#!/usr/bin/env bash
# Thunar's own context menu, with the installed package and the action that
# pathnab-thunar-action adds: "Pathnab" opens the window on exactly the selected path.
set -euo pipefail
command -v thunar >/dev/null || { echo "thunar is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"
pathnab-thunar-action add

open_context_menu() {
  start_program thunar "$1" 2>>"$work/thunar.log"
  thunar_pid=$pid
  win=$(timeout 20 xdotool search --sync --onlyvisible --class Thunar | head -n1) || fail "no Thunar window"
  xdotool windowactivate --sync "$win"
  sleep 1
  keys ctrl+a Menu
}

# "Pathnab" is the custom actions' place, just above "Properties...".
choose_pathnab() { keys Up Up Return; }

close_file_manager() {
  kill "$thunar_pid"
  wait "$thunar_pid" 2>/dev/null || true
}

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
