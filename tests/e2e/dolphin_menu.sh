#!/usr/bin/env bash
# Dolphin's own context menu, with the installed package's KIO service menu: "Pathnab" opens
# the window on exactly the selected path.
set -euo pipefail
command -v dolphin >/dev/null || { echo "dolphin is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"

open_context_menu() {
  start_file_manager dolphin dolphin "$(dirname "$1")"
  expect_selected "$1"
  keys Menu
  expect_popup_menu dolphin
}

# "Pathnab" sits just above "Properties", the last item, once the submenu of KDE's activity
# manager (kio-extras, where installed) is hidden: Up from an open menu goes to the last item.
mkdir -p "$XDG_CONFIG_HOME"
printf '[Show]\nkactivitymanagerd_fileitem_linking_plugin=false\n' > "$XDG_CONFIG_HOME/kservicemenurc"
choose_pathnab() { keys Up Up Return; }

# Dolphin reads file names as UTF-8 and hands on U+FFFD for bytes that are not, so it cannot
# name such a file to any program; those names are left out, and a newline gets a name of its own.
items=("$work/items/5/"$'two\nlines.txt')
mkdir -p "$(dirname "${items[0]}")"
echo content > "${items[0]}"
for item in "${awkward_items[@]}"; do
  iconv -f UTF-8 -t UTF-8 <<< "$item" >/dev/null 2>&1 && items+=("$item")
done

for item in "${items[@]}"; do expect_pathnab_from_menu "$item"; done
