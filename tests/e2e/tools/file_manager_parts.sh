# Sourced after a session script (xvfb_session.sh, kwin_session.sh), which gives stop_session,
# keys and paste_clipboard_as: the installed package, the file manager's processes and bus, and
# items with awkward names in $awkward_items. Needs $work (a temporary folder).
source "$(dirname "${BASH_SOURCE[0]}")/package_install.sh"
trap end_file_manager_session EXIT

end_file_manager_session() {
  stop_session
  stop_processes $(session_pids)
  remove_package
  rm -rf "$work"
}

# A session bus of its own for each file-manager start, so that no instance still ending can
# take over the request of a single-instance file manager.
start_bus() {
  { read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS
  launched+=("$bus_pid")
}

# The processes on the current bus: the file manager, what it started, the services the bus
# started for it.
bus_pids() {
  grep -lzx "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3
}

# Ends the file manager started last ($file_manager_pid), what it started and its bus, with
# the menu's listener, if one was started on that bus.
close_file_manager() {
  stop_processes "$file_manager_pid" $(bus_pids) "$bus_pid"
  exec 7<&-
  unset AT_SPI_BUS_ADDRESS
}

# Listens to the menu items that get the keyboard focus in the programs of the current bus
# (menu_focus_events.py); what each shows comes in on descriptor 7. Called before the file
# manager starts: a listener that came later, while the program's accessibility bridge was still
# connecting, was once told nothing. Both are given this bus's accessibility bus by its address,
# so that neither takes the one an X server's root window still names from an earlier bus.
listen_to_menu_focus() {
  local address answer
  address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress) || fail "no accessibility bus"
  export AT_SPI_BUS_ADDRESS=${address//[[:space:]]/}
  mkfifo "$work/menu_events"
  "$(dirname "${BASH_SOURCE[0]}")/menu_focus_events.py" > "$work/menu_events" &
  exec 7< "$work/menu_events"
  rm "$work/menu_events"
  read -r -t 20 answer <&7 && [ "$answer" = ready ] || fail "no listener on the accessibility bus"
}

# Steps up through the open menu until the item showing TEXT has the focus, then chooses it with
# Return: its place in the menu, which differs between a program's releases, does not matter.
# Each step waits up to 10 s for the focus to move, so no key meets a menu still busy with the
# one before. False when the menu did not move or has no such item; the items seen are then in
# $menu_seen.
choose_menu_item() {
  local focused=""
  menu_seen=()
  for _ in $(seq 25); do
    keys Up
    read -r -t 10 focused <&7 || return 1
    menu_seen+=("$focused")
    [ "$focused" != "$1" ] || { keys Return; return 0; }
  done
  return 1
}

# The local paths the clipboard holds as copied files, each ended by a NUL.
copied_paths() {
  paste_clipboard_as text/uri-list | "$(dirname "${BASH_SOURCE[0]}")"/uri_list_paths.py
}

# Selects all of the file manager's view and copies it until the clipboard holds exactly the
# item: then the folder is listed, the view has the keyboard and the item is the selection.
# A script whose file manager does not give its view the keyboard by itself defines focus_view,
# called before each round's keys.
expect_selected() {
  printf '%s\0' "$1" > "$work/expected_selection"
  for _ in $(seq 20); do
    ! declare -F focus_view >/dev/null || focus_view
    keys ctrl+a ctrl+c
    copied_paths | cmp -s "$work/expected_selection" - && return 0
    sleep 0.5
  done
  fail "the file manager did not select '$1' (the clipboard has '$(copied_paths | tr '\0' '|')')"
}

build_package
install_package
export HOME=$work/home
mkdir -p "$HOME"
# GIO's local back end only: no gvfs daemon or FUSE mount is started for the session.
export GIO_USE_VFS=local GIO_USE_VOLUME_MONITOR=unix GVFS_DISABLE_FUSE=1 NO_AT_BRIDGE=1

source "$(dirname "${BASH_SOURCE[0]}")/awkward_items.sh"
