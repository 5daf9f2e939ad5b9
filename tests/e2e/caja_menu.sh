#!/usr/bin/env bash
# Caja's own context menu, with caja-actions reading the installed package's FileManager-Actions
# entry: "Pathnab" opens the window on exactly the selected path.
set -euo pipefail
dpkg-query -W -f='${Status}' caja-actions 2>/dev/null | grep -q 'install ok installed' ||
  { echo "caja-actions is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"

# Caja draws no desktop of its own here: its window would be the first of its class.
caja_window() { exec caja --no-desktop "$@"; }

open_context_menu() {
  start_file_manager caja_window caja "$(dirname "$1")"
  expect_selected "$1"
  keys Menu
}

# caja-actions gathers the actions in a submenu of their own, just above "Properties".
choose_pathnab() { keys Up Up Right Return; }

for item in "${awkward_items[@]}"; do expect_pathnab_from_menu "$item"; done
