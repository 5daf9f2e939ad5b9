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

# Ends the file manager started last ($file_manager_pid), what it started and its bus.
close_file_manager() {
  stop_processes "$file_manager_pid" $(bus_pids) "$bus_pid"
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
