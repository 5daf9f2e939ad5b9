# Sourced by the session scripts: the processes a test starts, waiting for them, and results.
# Needs $work (a temporary folder).

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

# Every process of the session ($XDG_RUNTIME_DIR), the ones its buses or programs started included.
session_pids() {
  grep -lzx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3
}

# Ends the processes: TERM, up to 5 s to go, then KILL (a program stuck in its start-up may
# ignore TERM, and keep the package lock).
stop_processes() {
  local p
  kill "$@" 2>/dev/null || true
  for _ in $(seq 50); do
    for p in "$@"; do running "$p" && { sleep 0.1; continue 2; }; done
    break
  done
  for p in "$@"; do
    running "$p" && kill -KILL "$p" 2>/dev/null
    wait "$p" 2>/dev/null || true
  done
}

running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $state != Z* ]]
}

# True when every started process has ended within SECONDS (5 by default).
programs_gone() {
  local p
  for _ in $(seq $((${1:-5} * 10))); do
    for p in "${launched[@]}"; do running "$p" && { sleep 0.1; continue 2; }; done
    return 0
  done
  return 1
}

# The point, inside Pathnab's window, "X Y", where a click hits the row (counted from 1).
row_point() {
  local row_height=17 menu_height=21
  echo 120 $((menu_height + row_height * ($1 - 1) + 8))
}

# The point "X Y" on the screen where a click hits the middle of the list row captioned CAPTION
# in the window of process PID, whose frame the compositor shows at FRAME ("x y width height").
# The row's place inside the window comes from the window itself, over the accessibility bus.
# A frame drawn around the window's own area (Qt's title bar on Wayland) is as wide left, right
# and below, and takes the rest of its height above; a frame without one is the area itself.
row_on_screen() {
  local pid=$1 caption=$2 frame_x frame_y frame_width frame_height x y width height border
  read -r frame_x frame_y frame_width frame_height <<< "$3"
  read -r x y width height < <("$(dirname "${BASH_SOURCE[0]}")/list_row_place.py" "$pid" "$caption") ||
    return 1
  border=$(((frame_width - width) / 2))
  echo $((frame_x + border + x)) $((frame_y + frame_height - height - border + y))
}

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# Waits up to 20 s for the command (pid) to return; its status goes to $status.
wait_for_return() {
  for _ in $(seq 200); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$1" 2>/dev/null && fail "the command did not return"
  status=0
  wait "$1" || status=$?
}

# Fails unless the clipboard holds TEXT, byte for byte (read by the session's paste_clipboard).
expect_clipboard() {
  printf '%s' "$1" > "$work/expected"
  paste_clipboard > "$work/pasted" || true
  cmp -s "$work/expected" "$work/pasted" || fail "pasted '$(cat "$work/pasted")', expected '$1'"
}
