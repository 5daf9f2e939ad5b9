#!/usr/bin/env bash
# Dolphin's own context menu, with the installed package's KIO service menu: "Pathnab" opens
# the window on exactly the selected path.
set -euo pipefail
for package in dolphin gir1.2-atspi-2.0 at-spi2-core; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    { echo "$package is not installed"; exit 77; }
done
source "$(dirname "$0")/tools/file_manager_session.sh"

open_context_menu() {
  start_file_manager dolphin dolphin "$(dirname "$1")"
  expect_selected "$1"
  keys Menu
  expect_popup_menu dolphin
}

# Qt offers its widgets on the accessibility bus only when asked to (or to a screen reader).
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# "Pathnab" is found by its name: Dolphin 25.04 puts "Move to New Folder…" between it and
# "Properties", where Dolphin 22.12 had it just above the last item.
choose_pathnab() { choose_pathnab_by_name "$1"; }

# Dolphin reads file names as UTF-8 and hands on U+FFFD for bytes that are not, so it cannot
# name such a file to any program; those names are left out, and a newline gets a name of its own.
items=("$work/items/5/"$'two\nlines.txt')
mkdir -p "$(dirname "${items[0]}")"
echo content > "${items[0]}"
for item in "${awkward_items[@]}"; do
  iconv -f UTF-8 -t UTF-8 <<< "$item" >/dev/null 2>&1 && items+=("$item")
done

for item in "${items[@]}"; do expect_pathnab_from_menu "$item"; done
