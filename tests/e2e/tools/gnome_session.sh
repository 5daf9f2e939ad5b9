# Sourced: starts a private headless GNOME Shell (Wayland, one virtual 1024x768 monitor,
# XWayland) on a session bus of its own and an empty system bus of its own, and gives the script
# the environment of that desktop session (WAYLAND_DISPLAY, DISPLAY, XDG_SESSION_TYPE=wayland).
# HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR become fresh folders. Input goes in, and state comes
# out, through the shell's own JavaScript (shell_eval). Needs $work (a temporary folder).
# Call stop_session when done.
source "$(dirname "${BASH_SOURCE[0]}")/processes.sh"
shell_eval=$(dirname "${BASH_SOURCE[0]}")/shell_eval.py
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM GIO_USE_VFS GIO_USE_VOLUME_MONITOR GVFS_DISABLE_FUSE
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
session_helpers=()

# Starts a bus daemon with the session bus's rules; its address goes to the variable named.
start_bus_daemon() {
  local address bus
  { read -r address; read -r bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  session_helpers+=("$bus")
  printf -v "$1" '%s' "$address"
  export "${1?}"
}

shell_eval() { "$shell_eval" "$1"; }

# True once the shell answers, has started up and shows the desktop rather than the Overview,
# which it opens with. Notifications stay in the tray: a banner ("Screen Lock disabled") came
# down over the windows' top rows, where the test clicks.
shell_ready() {
  [ "$(shell_eval '
    Main.overview.hide();
    Main.messageTray.bannerBlocked = true;
    String(!Main.layoutManager._startingUp && !Main.overview.visible)' 2>/dev/null)" = true ]
}

shell_failed() { echo "gnome-shell $1:" >&2; cat "$work/gnome-shell.log" >&2; exit 1; }

start_shell() {
  # The shell exits at once without a system bus; an empty one is enough, and keeps it away
  # from the machine's logind, accounts and network services.
  start_bus_daemon DBUS_SYSTEM_BUS_ADDRESS
  start_bus_daemon DBUS_SESSION_BUS_ADDRESS
  # XWayland's sockets go there; mutter does not make the folder, and a fresh /tmp has none.
  [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
  # --unsafe-mode opens org.gnome.Shell.Eval, through which the test drives and reads the shell.
  gnome-shell --wayland --headless --virtual-monitor 1024x768 --unsafe-mode \
    --wayland-display=wayland-gnome >"$work/gnome-shell.log" 2>&1 &
  shell_pid=$!
  # GNOME Shell 48 on a busy machine took more than half a minute to start up: the wait is for
  # it to be ready, or to end, with two minutes at most for a shell that hangs.
  local deadline=$((SECONDS + 120))
  until shell_ready; do
    running "$shell_pid" || shell_failed ended
    [ "$SECONDS" -lt "$deadline" ] || shell_failed "did not start in two minutes"
    sleep 0.2
  done
  # Made now, before any window: the first key of a keyboard made later went nowhere.
  shell_input ''
  export WAYLAND_DISPLAY=wayland-gnome
  # XWayland's display and the key to it, as the shell gives them to the programs it starts.
  export DISPLAY XAUTHORITY
  DISPLAY=$(shell_eval 'imports.gi.GLib.getenv("DISPLAY") ?? ""')
  XAUTHORITY=$(shell_eval 'imports.gi.GLib.getenv("XAUTHORITY") ?? ""')
}

# Input through Clutter's virtual devices, made once and kept in the shell's global object.
shell_input() {
  shell_eval "
    const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib;
    const seat = Clutter.get_default_backend().get_default_seat();
    global.testPointer ??= seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
    global.testKeyboard ??= seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
    const now = () => GLib.get_monotonic_time();
    $1;
    ''" >/dev/null
}

# Moves the pointer to X Y.
pointer_to() {
  shell_input "global.testPointer.notify_absolute_motion(now(), $1, $2)"
}

# Moves the pointer to X Y and clicks the first button there.
click_at() {
  shell_input "
    global.testPointer.notify_absolute_motion(now(), $1, $2);
    global.testPointer.notify_button(now(), Clutter.BUTTON_PRIMARY, Clutter.ButtonState.PRESSED);
    global.testPointer.notify_button(now(), Clutter.BUTTON_PRIMARY, Clutter.ButtonState.RELEASED)"
}

# Presses and releases each key given as Clutter's key name (Return, Menu, Up) or as a
# combination (Control_L+a), to the window with the keyboard focus.
keys() {
  local key
  for key in "$@"; do
    shell_input "
      const names = '$key'.split('+');
      for (const name of names)
        global.testKeyboard.notify_keyval(now(), Clutter['KEY_' + name], Clutter.KeyState.PRESSED);
      for (const name of names.reverse())
        global.testKeyboard.notify_keyval(now(), Clutter['KEY_' + name], Clutter.KeyState.RELEASED)"
  done
}

# The title of the window that has the keyboard focus; empty when none has.
focused_title() {
  shell_eval 'global.display.focus_window?.get_title() ?? ""'
}

# Waits up to 20 s until the window titled TITLE has the keyboard focus.
wait_focused() {
  for _ in $(seq 100); do
    [ "$(focused_title)" = "$1" ] && return 0
    sleep 0.2
  done
  return 1
}

# "x y width height" of the window titled TITLE, its frame as the shell sees it; empty when
# there is no such window.
window_rect() {
  shell_eval "
    const w = global.get_window_actors().map(a => a.meta_window).find(w => w.get_title() === '$1');
    const r = w?.get_frame_rect();
    r ? [r.x, r.y, r.width, r.height].join(' ') : ''"
}

# True when a window titled TITLE is shown.
window_shown() { [ -n "$(window_rect "$1")" ]; }

# Waits up to 20 s until no window titled TITLE is shown.
wait_closed() {
  for _ in $(seq 100); do
    window_shown "$1" || return 0
    sleep 0.2
  done
  return 1
}

# The clipboard's text, or with -t TYPE its data of that type.
paste_clipboard() { timeout 5 wl-paste --no-newline "$@"; }

# Another program takes the clipboard with TEXT and keeps serving it until the session ends.
take_clipboard() {
  wl-copy --foreground "$1" 2>/dev/null &
  session_helpers+=($!)
}

stop_session() {
  # The gvfs daemon the shell started mounts its FUSE file system in the runtime folder.
  fusermount3 -u -z "$XDG_RUNTIME_DIR/gvfs" 2>/dev/null || true
  stop_processes "${launched[@]}" "$shell_pid"
  stop_processes $(session_pids) "${session_helpers[@]}"
}

start_shell
