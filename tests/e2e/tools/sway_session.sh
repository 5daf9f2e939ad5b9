# Sourced: starts a private headless Wayland compositor (sway, no outputs but a virtual one, no
# X server) and points WAYLAND_DISPLAY at it; XDG_CONFIG_HOME becomes a fresh folder. A virtual
# keyboard stays attached, so that windows get keyboard focus. Needs $work (a temporary
# folder). Call stop_session when done.
source "$(dirname "${BASH_SOURCE[0]}")/processes.sh"
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
sway_runtime="$work/sway-runtime"
mkdir -m 700 "$sway_runtime"

# sway refuses to run as root; there it runs as nobody, and root still reaches its sockets.
sway_as=()
if [ "$(id -u)" -eq 0 ]; then
  sway_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 711 "$work"
  chown nobody "$sway_runtime"
fi
printf 'xwayland disable\noutput HEADLESS-1 resolution 1024x768\n' > "$sway_runtime/sway.conf"
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman HOME="$sway_runtime" \
  XDG_RUNTIME_DIR="$sway_runtime" "${sway_as[@]}" sway -c "$sway_runtime/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!
session_helpers=()

sway_socket() { compgen -G "$sway_runtime/$1" | head -n1; }
for _ in $(seq 100); do [ -n "$(sway_socket 'sway-ipc.*.sock')" ] && break; sleep 0.05; done
[ -n "$(sway_socket 'sway-ipc.*.sock')" ] || { echo "sway did not start:" >&2; cat "$work/sway.log" >&2; exit 1; }
export SWAYSOCK=$(sway_socket 'sway-ipc.*.sock')
export WAYLAND_DISPLAY=$(sway_socket 'wayland-[0-9]')  # a full path: clients keep their own runtime folder

wtype -s 3600000 &
session_helpers+=($!)
for _ in $(seq 100); do swaymsg -t get_inputs | grep -q '"type": "keyboard"' && break; sleep 0.05; done

stop_session() {
  local p
  for p in "${launched[@]}" "${session_helpers[@]}"; do kill "$p" 2>/dev/null || true; done
  kill "$sway_pid" 2>/dev/null || true
  wait "$sway_pid" 2>/dev/null || true
}

# Waits up to 20 s until the window named NAME has the keyboard focus.
wait_focused() {
  for _ in $(seq 200); do
    swaymsg -t get_tree | python3 -c '
import json, sys
def focused(node):
    return (node.get("focused") and node.get("name") == sys.argv[1]) or any(
        focused(child) for child in node.get("nodes", []) + node.get("floating_nodes", []))
sys.exit(0 if focused(json.load(sys.stdin)) else 1)' "$1" && return 0
    sleep 0.1
  done
  return 1
}

# Types KEYS into the focused window until the command (pid) returns, at most 10 times: keys
# typed while the toolkit is still taking over the keyboard focus can get lost, and only ever
# from the start of a sequence.
type_keys_until_returned() {
  local command=$1 args=() key
  shift
  for key in "$@"; do args+=(-k "$key"); done
  for _ in $(seq 10); do
    wtype "${args[@]}"
    for _ in $(seq 10); do kill -0 "$command" 2>/dev/null || return 0; sleep 0.1; done
  done
}

paste_clipboard() { wl-paste --no-newline; }

# Another program takes the clipboard with TEXT and keeps serving it until the session ends.
take_clipboard() {
  wl-copy --foreground "$1" &
  session_helpers+=($!)
}
