# Sourced: starts a private Xvfb on a free display number (no window manager) and points
# DISPLAY at it; XDG_CONFIG_HOME becomes a fresh folder. Needs $work (a temporary folder).
# Call stop_xvfb when done.
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

stop_xvfb() { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }

# The id of the visible window whose name matches the pattern, waiting up to 20 s.
window_named() {
  timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n1
}
