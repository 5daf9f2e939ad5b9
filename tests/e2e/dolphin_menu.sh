#!/usr/bin/env bash
# Dolphin's own context menu, with the installed package's KIO service menu: "Pathnab" opens
# the window on exactly the selected path.
set -euo pipefail
source "$(dirname "$0")/tools/require_packages.sh"
require_packages dolphin gir1.2-atspi-2.0 at-spi2-core
source "$(dirname "$0")/tools/file_manager_session.sh"

open_context_menu() {
  start_file_manager dolphin dolphin "$(dirname "$1")"
  expect_selected "$1"
  keys Menu
  expect_popup_menu dolphin
}

# "Pathnab" is found by what it shows, the focus events of the menu naming each item in turn:
# Dolphin 25.04 puts "Move to New Folder…" between it and "Properties", where Dolphin 22.12 had it
# just above the last item. Qt reports its menus' focus to the accessibility bus only where asked to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
listen_to_bus() { listen_to_menu_focus; }
# A menu that did not move, or had no "Pathnab", gets no Return, and the round is tried again.
choose_pathnab() {
  choose_menu_item Pathnab || echo "no \"Pathnab\" chosen; the menu's focus went to: ${menu_seen[*]:-nothing}"
}

source "$(dirname "$0")/tools/dolphin_items.sh"

for item in "${dolphin_items[@]}"; do expect_pathnab_from_menu "$item"; done
