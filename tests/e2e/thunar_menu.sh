#!/usr/bin/env bash
# Thunar's own context menu, with the installed package and the action that
# pathnab-thunar-action adds: "Pathnab" opens the window on exactly the selected path.
set -euo pipefail
command -v thunar >/dev/null || { echo "thunar is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"
pathnab-thunar-action add

open_context_menu() {
  start_file_manager thunar Thunar "$(dirname "$1")"
  expect_selected "$1"
  keys Menu
}

# "Pathnab" is the custom actions' place, just above "Properties...".
choose_pathnab() { keys Up Up Return; }

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
