# Sourced by the file-manager scripts: the installed package, a private Xvfb with openbox and a
# session bus, and items with awkward names. The script defines open_context_menu FOLDER (start
# the file manager there with start_file_manager, select the folder's one item, open its context
# menu from the keyboard) and choose_pathnab ITEM (the keys that pick "Pathnab" in that menu), then
# calls expect_pathnab_from_menu for each of $awkward_items.
work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/package_install.sh"
trap end_file_manager_session EXIT

# Every process of the session, the ones the bus or the file manager started included.
session_pids() {
  grep -lzx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3
}

end_file_manager_session() {
  stop_session
  local p
  for p in $(session_pids); do kill "$p" 2>/dev/null || true; done
  remove_package
  rm -rf "$work"
}

build_package
install_package
export HOME=$work/home
mkdir -p "$HOME"
# GIO's local back end only: no gvfs daemon or FUSE mount is started for the session.
export GIO_USE_VFS=local GIO_USE_VOLUME_MONITOR=unix GVFS_DISABLE_FUSE=1 NO_AT_BRIDGE=1
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS
launched+=("$bus_pid")
openbox --sm-disable >"$work/wm.log" 2>&1 &
launched+=($!)
xdotool mousemove 300 200

# A shell that re-parsed any of these would create $HOME/pwned (the names hold no slash).
awkward_items=(
  "$work/items/1/"$'-$(cd;touch pwned) "double" \'single\'  two  spaces.txt'
  "$work/items/2/"$'`cd;touch pwned` $HOME ${PATH} R\xc3\xa9sum\xc3\xa9 \xc3\xbc.txt'
  "$work/items/3/"$'two\nlines \xff\xfe not UTF-8.txt'
  "$work/items/4/"$'-a folder; $(cd;touch pwned) & more'
)
for item in "${awkward_items[@]}"; do
  mkdir -p "$(dirname "$item")"
  case $item in *.txt) echo content > "$item" ;; *) mkdir "$item" ;; esac
done

keys() {
  local key
  for key in "$@"; do xdotool key "$key"; sleep 0.3; done
}

# Starts the file manager (its command and window class) on the folder and focuses its window,
# which goes to $win.
start_file_manager() {
  start_program "$1" "$3" 2>>"$work/$1.log"
  file_manager_pid=$pid
  win=$(timeout 20 xdotool search --sync --onlyvisible --class "$2" | head -n1) || fail "no $1 window"
  xdotool windowactivate --sync "$win"
}

# A single-instance file manager started while the bus still holds the ended one's name would
# hand its folder to that one and quit, hence the pause.
close_file_manager() {
  kill "$file_manager_pid"
  wait "$file_manager_pid" 2>/dev/null || true
  sleep 1
}

# "Pathnab" from the file manager's menu on the item passes expect_pathnab_copying.
expect_pathnab_from_menu() {
  local item=$1
  open_context_menu "$(dirname "$item")"
  choose_pathnab "$item"
  expect_pathnab_copying "$item"
  close_file_manager
  pass "'$item' went from the context menu to Pathnab and the clipboard unchanged"
}

# A Pathnab window appears, started with the item as its one argument, byte for byte; a click
# on Full Path copies it; nothing ran the name as a command.
expect_pathnab_copying() {
  local item=$1 win pathnab_pid
  win=$(window_named '^Tallwick - Pathnab$') || fail "no Pathnab window for '$item'"
  pathnab_pid=$(xdotool getwindowpid "$win")
  printf '%s\0' "$item" > "$work/expected_arguments"
  tail -z -n +2 "/proc/$pathnab_pid/cmdline" > "$work/arguments"
  cmp -s "$work/expected_arguments" "$work/arguments" ||
    fail "Pathnab was started with '$(tr '\0' '|' < "$work/arguments")', expected '$item'"
  click_row "$win" 1
  for _ in $(seq 100); do xdotool search --onlyvisible --name '^Tallwick - Pathnab$' >/dev/null || break; sleep 0.1; done
  expect_clipboard "$item"
  [ ! -e "$HOME/pwned" ] || fail "a shell ran the name '$item'"
  echo taken | xclip -selection clipboard
}
