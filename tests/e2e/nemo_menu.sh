#!/usr/bin/env bash
# Nemo's own context menu, with the installed package's Nemo action: "Pathnab" opens the
# window on exactly the selected path.
set -euo pipefail
command -v nemo >/dev/null || { echo "nemo is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"

open_context_menu() {
  start_file_manager nemo nemo "$(dirname "$1")"
  expect_selected "$1"
  keys Menu
}

# The actions come right after the "Open" items: two for a file, four for a folder.
choose_pathnab() {
  if [ -d "$1" ]; then keys Down Down Down Down Down Return; else keys Down Down Down Return; fi
}

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
