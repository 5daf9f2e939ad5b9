# Sourced by the file-manager scripts: the installed package, a private Xvfb with openbox, and
# items with awkward names. The script defines open_context_menu ITEM (start the file manager on
# the item's folder with start_file_manager, select the item with expect_selected, open its
# context menu from the keyboard) and choose_pathnab ITEM (the keys that pick "Pathnab" in that
# menu), then calls expect_pathnab_from_menu for each of $awkward_items.
work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/file_manager_parts.sh"
start_program openbox --sm-disable >"$work/wm.log" 2>&1
xdotool mousemove 300 200

keys() {
  local key
  for key in "$@"; do xdotool key "$key"; sleep 0.3; done
}

# Waits up to 10 s for a popup menu of the window class to be shown: keys sent before it
# is mapped go to the view behind it.
expect_popup_menu() {
  local w
  for _ in $(seq 100); do
    for w in $(xdotool search --onlyvisible --class "$1"); do
      xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_POPUP_MENU && return 0
    done
    sleep 0.1
  done
  fail "no context menu from $1"
}

# Starts the file manager (its command and window class) on the folder, on a bus of its own;
# true when its window appeared within SECONDS (the fourth argument), which then goes to $win.
# A script that listens to the bus from the program's start defines listen_to_bus, called first.
launch_file_manager() {
  start_bus
  ! declare -F listen_to_bus >/dev/null || listen_to_bus
  start_program "$1" "$3" 2>>"$work/$1.log"
  file_manager_pid=$pid
  win=$(timeout "$4" xdotool search --sync --onlyvisible --pid "$pid" --class "$2" | head -n1)
}

# Starts the file manager (its command and window class) on the folder, on a bus of its own,
# and focuses its window, which goes to $win.
start_file_manager() {
  launch_file_manager "$@" 20 || fail "no $1 window"
  xdotool windowactivate --sync "$win"
}

# start_file_manager for a file manager that at times hangs in its own start-up and never
# shows a window: after 15 s without one it is ended and started once more, logged.
start_file_manager_restarting() {
  launch_file_manager "$@" 15 && { xdotool windowactivate --sync "$win"; return; }
  echo "restarting: $1 showed no window in 15 s"
  close_file_manager
  start_file_manager "$@"
}

# "Pathnab" from the file manager's menu on the item passes expect_pathnab_copying. When no
# Pathnab window appears the menu keys went astray (a menu still building, a key taken by the
# popup's opening), and the round is tried once more; a wrong path or clipboard never is.
expect_pathnab_from_menu() {
  local item=$1 attempt
  for attempt in 1 2; do
    open_context_menu "$item"
    choose_pathnab "$item"
    window_named '^Tallwick - Pathnab$' >/dev/null && break
    [ "$attempt" -eq 1 ] || fail "no Pathnab window for '$item'"
    echo "retrying: no Pathnab window for '$item' after the menu; windows: $(visible_window_names)"
    close_file_manager
  done
  expect_pathnab_copying "$item"
  close_file_manager
  pass "'$item' went from the context menu to Pathnab and the clipboard unchanged"
}

visible_window_names() {
  local w
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    printf '[%s] ' "$(xdotool getwindowname "$w")"
  done
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
