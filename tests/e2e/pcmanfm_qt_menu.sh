#!/usr/bin/env bash
# PCManFM-Qt's own context menu, with the installed package's FileManager-Actions entry:
# "Pathnab" opens the window on exactly the selected path.
set -euo pipefail
command -v pcmanfm-qt >/dev/null || { echo "pcmanfm-qt is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"

# PCManFM-Qt opens the folder it is given from a nested event loop that waits for a file-info
# job; when the job ends before that loop runs (a busy machine), the end is missed and it waits
# for good, without a window and deaf to TERM. Such a start is retried once.
open_context_menu() {
  start_file_manager_restarting pcmanfm-qt pcmanfm-qt "$(dirname "$1")"
  expect_selected "$1"
  keys Menu
}

# The actions come above "Compress" and "Properties", the menu's last two items.
choose_pathnab() { keys Up Up Up Return; }

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
