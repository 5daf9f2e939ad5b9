#!/usr/bin/env bash
# PCManFM-Qt's own context menu, with the installed package's FileManager-Actions entry:
# "Pathnab" opens the window on exactly the selected path.
set -euo pipefail
command -v pcmanfm-qt >/dev/null || { echo "pcmanfm-qt is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"

open_context_menu() {
  start_file_manager pcmanfm-qt pcmanfm-qt "$1"
  sleep 1
  keys ctrl+a Menu
}

# The actions come above "Compress" and "Properties", the menu's last two items.
choose_pathnab() { keys Up Up Up Return; }

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
