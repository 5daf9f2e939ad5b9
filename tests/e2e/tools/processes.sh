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
