#!/usr/bin/env bash
# The real Pathnab under a headless Wayland compositor (sway): it opens and lists; a row chosen
# with the keyboard stays on the clipboard after the command has returned, until another program
# takes the clipboard; Escape leaves the clipboard as it was and no process behind.
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

start_program "$bin" "$work/files/$name"
wait_focused 'Tallwick - Pathnab' || fail "no main window under Wayland"
remember_children
type_keys_until_returned "$pid" Escape
wait_for_return "$pid"
[ "$status" -eq 0 ] || fail "exit status $status after Escape"
programs_gone || fail "a Pathnab process remains after Escape"
expect_clipboard taken
pass "Escape leaves the clipboard and no process"
