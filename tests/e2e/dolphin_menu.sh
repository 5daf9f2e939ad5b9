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

source "$(dirname "$0")/tools/dolphin_items.sh"

for item in "${dolphin_items[@]}"; do expect_pathnab_from_menu "$item"; done
