#!/usr/bin/env bash
# Dolphin's own context menu, with the installed package's KIO service menu: "Pathnab" opens
# the window on exactly the selected path.
set -euo pipefail
command -v dolphin >/dev/null || { echo "dolphin is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"

open_context_menu() {
  start_file_manager dolphin dolphin "$1"
  sleep 1
  keys ctrl+a Menu
}

# The service menu sits at the top level, just above "Activities" and "Properties".
choose_pathnab() { keys Up Up Up Return; }

# Dolphin reads file names as UTF-8 and hands on U+FFFD for bytes that are not, so it cannot
# name such a file to any program; those names are left out, and a newline gets a name of its own.
items=("$work/items/5/"$'two\nlines.txt')
mkdir -p "$(dirname "${items[0]}")"
echo content > "${items[0]}"
for item in "${awkward_items[@]}"; do
  iconv -f UTF-8 -t UTF-8 <<< "$item" >/dev/null 2>&1 && items+=("$item")
done

for item in "${items[@]}"; do expect_pathnab_from_menu "$item"; done
