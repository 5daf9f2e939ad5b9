# Sourced: starts a private headless KWin (Wayland, with XWayland, one virtual 1024x768 screen)
# and points WAYLAND_DISPLAY and DISPLAY at it, as a Plasma session would; XDG_CONFIG_HOME
# becomes a fresh folder. Input goes in through KWin's fake-input protocol ($PATHNAB_BIN/fake_input,
# one connection for the whole session); the windows' state comes out of a KWin script.
# Needs $work (a temporary folder). Call stop_session when done.
source "$(dirname "${BASH_SOURCE[0]}")/processes.sh"
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE

kwin_dir=$work/kwin
mkdir "$kwin_dir"
# /usr/bin/kwin_wayland carries a file capability (to raise its priority) that a container may
# not grant: its start then fails with "Operation not permitted". A copy carries none, and KWin
# needs nothing it gives; the copy keeps the name, which KWin reads its own settings by.
cp /usr/bin/kwin_wayland "$kwin_dir/kwin_wayland"
# XWayland's sockets go there; Xvfb makes the folder, KWin only expects it.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
# KWin's own session bus: its scripting interface is reached through it.
{ read -r kwin_bus; read -r kwin_bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
# KWin starts this once its Wayland socket and XWayland are up, with the session's environment.
printf '#!/bin/sh\nenv > "%s.new" && mv "%s.new" "%s"\n' "$kwin_dir/env" "$kwin_dir/env" "$kwin_dir/env" \
  > "$kwin_dir/ready"
chmod +x "$kwin_dir/ready"
# QPainter compositing: OpenGL would be Mesa's software rasteriser, far dearer on a busy machine.
# Without permission checks any client may bind the fake-input and scripting interfaces.
KWIN_COMPOSE=Q KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 DBUS_SESSION_BUS_ADDRESS=$kwin_bus \
  "$kwin_dir/kwin_wayland" --virtual --width 1024 --height 768 --socket pathnab-kwin --xwayland \
  "$kwin_dir/ready" >"$work/kwin.log" 2>&1 &
kwin_pid=$!
session_helpers=()

stop_session() {
  local p
  for p in "${launched[@]}" "${session_helpers[@]}"; do kill "$p" 2>/dev/null || true; done
  kill "$kwin_pid" "$kwin_bus_pid" 2>/dev/null || true
  wait "$kwin_pid" 2>/dev/null || true
}

for _ in $(seq 300); do [ -s "$kwin_dir/env" ] && break; running "$kwin_pid" || break; sleep 0.1; done
[ -s "$kwin_dir/env" ] || { echo "KWin did not start:" >&2; cat "$work/kwin.log" >&2; exit 1; }
export WAYLAND_DISPLAY=pathnab-kwin
export DISPLAY=$(sed -n 's/^DISPLAY=//p' "$kwin_dir/env")

coproc kwin_input { "$PATHNAB_BIN/fake_input"; }
session_helpers+=("$kwin_input_PID")
input_to_kwin=${kwin_input[1]}
input_from_kwin=${kwin_input[0]}

# Sends one step to fake_input (see fake_input.cpp) and waits until KWin has taken it.
input_step() {
  local answer=""
  echo "$*" >&"$input_to_kwin"
  read -r -t 20 answer <&"$input_from_kwin" || true
  [ "$answer" = ok ] || fail "KWin took no input '$*': $answer"
}

# A left click at X Y.
click_at() { input_step move "$1" "$2"; input_step click 272; }

# Linux key codes of the keys the tests press, by their X names.
declare -A key_codes=([Escape]=1 [Return]=28 [ctrl]=29 [a]=30 [c]=46 [Menu]=127 [Up]=103 [Down]=108)

# Presses each key, or chord of keys joined by "+" (ctrl+c), in turn.
keys() {
  local key name codes
  for key in "$@"; do
    codes=()
    for name in ${key//+/ }; do
      [ -n "${key_codes[$name]:-}" ] || fail "no key code for '$name'"
      codes+=("${key_codes[$name]}")
    done
    input_step key "${codes[@]}"
    sleep 0.3
  done
}

# One line per window KWin manages: "active" or "other", the frame's x, y, width and height,
# the client's pid and the caption. Written by a KWin script into KWin's log.
# Each run has a name of its own (it is often called in a subshell, so no counter would do).
kwin_windows() {
  local name="pathnab_state_${BASHPID}_$(date +%s%N)" id
  # KWin 6 names windows what KWin 5 called clients: windowList and activeWindow.
  cat > "$kwin_dir/$name.js" <<EOF
const windows = workspace.windowList ? workspace.windowList() : workspace.clientList();
const active = workspace.windowList ? workspace.activeWindow : workspace.activeClient;
for (const window of windows) {
  const frame = window.frameGeometry;
  print("$name " + (window === active ? "active " : "other ") + frame.x + " " +
        frame.y + " " + frame.width + " " + frame.height + " " + window.pid + " " + window.caption);
}
print("$name end");
EOF
  id=$(kwin_call /Scripting org.kde.kwin.Scripting.loadScript "string:$kwin_dir/$name.js" "string:$name" |
       sed -n 's/^ *int32 //p')
  [ -n "$id" ] || fail "KWin did not load a script: $(tail -n 5 "$work/kwin.log")"
  # Starts the scripts loaded and not yet running, this one alone: the script's own object is
  # at another path in KWin 6.
  kwin_call /Scripting org.kde.kwin.Scripting.start >/dev/null
  for _ in $(seq 100); do grep -q "^js: $name end$" "$work/kwin.log" && break; sleep 0.05; done
  kwin_call /Scripting org.kde.kwin.Scripting.unloadScript "string:$name" >/dev/null
  sed -n "s/^js: $name \(active\|other\) /\1 /p" "$work/kwin.log"
}

kwin_call() {
  local path=$1 method=$2
  shift 2
  dbus-send --bus="$kwin_bus" --print-reply --dest=org.kde.KWin "$path" "$method" "$@"
}

# The captions on lines of kwin_windows read from standard input.
captions() { sed 's/^[a-z]* [-0-9]* [-0-9]* [0-9]* [0-9]* [0-9]* //'; }

# Waits up to 20 s until the active window, the one with the keyboard, passes the test (a
# command, given the window's line of kwin_windows last); the line goes to $active_window.
wait_for_active() {
  for _ in $(seq 100); do
    active_window=$(kwin_windows | grep '^active ' || true)
    [ -n "$active_window" ] && "$@" "$active_window" && return 0
    sleep 0.2
  done
  return 1
}

# Tests for wait_for_active: the window has exactly this caption; it belongs to this process.
captioned() { [ "$(captions <<< "$2")" = "$1" ]; }
owned_by() { [ "$(cut -d' ' -f6 <<< "$2")" = "$1" ]; }

# Clicks the middle of the row captioned CAPTION in Pathnab's window, given by its line of
# kwin_windows.
click_row() {
  local point
  point=$(row_on_screen "$(cut -d' ' -f6 <<< "$1")" "$2" "$(cut -d' ' -f2-5 <<< "$1")") ||
    fail "no row '$2' in Pathnab's window over the accessibility bus"
  click_at $point
}

# True while a window with exactly this caption is on the screen.
window_shown() { kwin_windows | captions | grep -qxF "$1"; }

paste_clipboard() { wl-paste --no-newline; }

# The clipboard as the type given (a MIME type), nothing when it is not offered in 5 s.
paste_clipboard_as() { timeout 5 wl-paste --no-newline --type "$1" 2>/dev/null; }

# Another program takes the clipboard with TEXT and keeps serving it until the session ends.
take_clipboard() {
  wl-copy --foreground "$1" &
  session_helpers+=($!)
}
