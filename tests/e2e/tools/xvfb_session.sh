# Sourced: starts a private Xvfb on a free display number (no window manager) and points
# DISPLAY at it; XDG_CONFIG_HOME becomes a fresh folder, where Pathnab keeps $store.
# Needs $work (a temporary folder); $xvfb_screen may give Xvfb other screen options than one
# 1024x768 screen at 96 DPI. Call stop_session when done.
source "$(dirname "${BASH_SOURCE[0]}")/processes.sh"
exec 3> "$work/displayfd"
read -ra screen_options <<< "${xvfb_screen:--screen 0 1024x768x24}"
Xvfb -displayfd 3 -noreset "${screen_options[@]}" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
# Xvfb writes its display number once it takes connections; a loaded machine may take seconds.
for _ in $(seq 600); do [ -s "$work/displayfd" ] && break; sleep 0.05; done
[ -s "$work/displayfd" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/displayfd")"
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
store=$XDG_CONFIG_HOME/pathnab/registry.db
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

stop_session() {
  local p
  for p in "${launched[@]}"; do kill "$p" 2>/dev/null || true; done
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}

# The id of the visible window whose name matches the pattern, waiting up to 20 s or as many
# seconds as a second argument gives.
window_named() {
  timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" | head -n1
}

# The stored window size as "HEIGHTxWIDTH".
stored_size() {
  sqlite3 "$store" "SELECT replace(CAST(data AS TEXT), char(0), '') FROM key_values
                    WHERE name IN ('Height', 'Width') ORDER BY name" | paste -sd x
}

paste_clipboard() { xclip -o -selection clipboard; }

# The clipboard as the type given (a MIME type), nothing when it is not offered in 5 s.
paste_clipboard_as() { timeout 5 xclip -o -selection clipboard -t "$1" 2>/dev/null; }

# Types keys into the window, focused first (there is no window manager to focus it).
keys_to() {
  local win=$1; shift
  xdotool windowfocus --sync "$win"
  for key in "$@"; do xdotool key "$key"; sleep 0.3; done
}

# Clicks the row (counted from 1) of the window, with the pointer moved inside it first.
click_row() {
  xdotool mousemove --sync --window "$1" $(row_point "$2") click 1
}

# Starts Pathnab ($bin) with the arguments (the path), clicks its first row (the full path) and
# waits for the command to return with status 0.
copy_full_path() {
  start_program "$bin" "$@"
  win=$(window_named '^Tallwick - Pathnab$') || fail "no main window"
  remember_children
  click_row "$win" 1
  wait_for_return "$pid"
  [ "$status" -eq 0 ] || fail "exit status $status after a copy"
}
