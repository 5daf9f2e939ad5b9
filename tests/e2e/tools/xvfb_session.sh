# Sourced: starts a private Xvfb on a free display number (no window manager) and points
# DISPLAY at it; XDG_CONFIG_HOME becomes a fresh folder. Needs $work (a temporary folder).
# Call stop_session when done.
exec 3> "$work/displayfd"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.05; done
[ -s "$work/displayfd" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/displayfd")"
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Every process a test started, the program's background part included.
launched=()

# Starts a program in the background; its pid goes to $pid.
start_program() {
  "$@" &
  pid=$!
  launched+=("$pid")
}

# Remembers the children of $pid (the part of Pathnab that may stay behind).
remember_children() {
  local child
  for child in $(pgrep -P "$pid" || true); do launched+=("$child"); done
}

running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $state != Z* ]]
}

# True when every started process has ended within 5 s.
programs_gone() {
  local p
  for _ in $(seq 50); do
    for p in "${launched[@]}"; do running "$p" && continue 2; done
    return 0
  done
  return 1
}

stop_session() {
  local p
  for p in "${launched[@]}"; do kill "$p" 2>/dev/null || true; done
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}

# The id of the visible window whose name matches the pattern, waiting up to 20 s.
window_named() {
  timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n1
}
