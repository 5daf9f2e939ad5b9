#!/usr/bin/env bash
# The real Pathnab under a headless Wayland compositor (sway): it opens and lists; a row chosen
# with the keyboard stays on the clipboard after the command has returned, until another program
# takes the clipboard; Enter at once copies each awkward name's path byte for byte; ten copies in
# a row leave no process once another program has copied; Escape leaves the clipboard as it was
# and no process behind.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
work=$(mktemp -d)
source "$(dirname "$0")/tools/sway_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT

mkdir -p "$work/files"
name="Wäyland 日本 – file 📄.txt"
echo content > "$work/files/$name"

# The File Name row is the second: Down from the first row, then Enter (Select).
start_program "$bin" "$work/files/$name"
wait_focused 'Tallwick - Pathnab' || fail "no main window under Wayland: $(cat "$work/sway.log")"
remember_children
type_keys_until_returned "$pid" Down Return
wait_for_return "$pid"
[ "$status" -eq 0 ] || fail "exit status $status after a copy"
expect_clipboard "$name"
pass "under Wayland the chosen row stays pasteable after the command returned"

take_clipboard taken
programs_gone || fail "a Pathnab process remains after another program took the clipboard"
expect_clipboard taken
pass "nothing remains once another program owns the clipboard"

# Starts Pathnab on the path and presses the keys until it has returned.
copy_with_keys() {
  start_program "$bin" "$1"
  wait_focused 'Tallwick - Pathnab' || fail "no main window under Wayland for '$1'"
  remember_children
  shift
  type_keys_until_returned "$pid" "$@"
  wait_for_return "$pid"
}

source "$(dirname "$0")/tools/awkward_items.sh"
for item in "${awkward_items[@]}"; do
  copy_with_keys "$item" Return
  expect_clipboard "$item"
done
pass "Enter right after the window opens copies the full path, byte for byte, for ${#awkward_items[@]} awkward names"

for round in $(seq 10); do
  copy_with_keys "$work/files/$name" Return
  [ "$status" -eq 0 ] || fail "exit status $status after copy $round"
done
expect_clipboard "$work/files/$name"
take_clipboard taken
programs_gone || fail "Pathnab processes remain after ten copies and another program's copy: $(pgrep -x pathnab | tr '\n' ' ')"
pass "ten copies in a row, then another program's copy: no Pathnab process left"

start_program "$bin" "$work/files/$name"
wait_focused 'Tallwick - Pathnab' || fail "no main window under Wayland"
remember_children
type_keys_until_returned "$pid" Escape
wait_for_return "$pid"
[ "$status" -eq 0 ] || fail "exit status $status after Escape"
programs_gone || fail "a Pathnab process remains after Escape"
expect_clipboard taken
pass "Escape leaves the clipboard and no process"
