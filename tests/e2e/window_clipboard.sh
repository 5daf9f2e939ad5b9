#!/usr/bin/env bash
# The real Pathnab under Xvfb: a clicked row stays on the clipboard, byte for byte, after the
# command has returned, until another program takes the clipboard; the window size is stored
# on the ordinary close only; no argument shows the About box; no display is a clear error.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT
store=$XDG_CONFIG_HOME/pathnab/registry.db

stored_size() {  # the Height and Width values as "name type text" lines
  sqlite3 "$store" "SELECT name, type, replace(CAST(data AS TEXT), char(0), '') FROM key_values
                    WHERE name IN ('Height', 'Width') ORDER BY name"
}

mkdir -p "$work/files"
file="$work/files/Résumé – naïve ü file.txt"
echo content > "$file"
backslashed="$work/files/back\\slash.txt"
echo content > "$backslashed"

# A click on "Full Path" copies the path; the command returns; the store holds the size.
xdotool mousemove 400 300
copy_full_path "$file"
expect_clipboard "$file"
pass "the clicked path stays pasteable after the command returned"
[ "$(stored_size)" = "$(printf 'Height|1|2535\nWidth|1|7695')" ] || fail "stored size: $(stored_size)"
pass "Height and Width stored as text"

# Another program takes the clipboard: nothing of Pathnab remains.
echo taken | xclip -selection clipboard
programs_gone || fail "a Pathnab process remains after another program took the clipboard"
pass "nothing remains once another program owns the clipboard"

# The C++ and C# syntax doubles the backslash; the File Name row is the second.
start_program "$bin" "$backslashed"
win=$(window_named '^Tallwick - Pathnab$') || fail "no main window"
remember_children
keys_to "$win" alt+s c
click_row "$win" 1
wait_for_return "$pid"
[ "$(xclip -o -selection clipboard)" = "${backslashed//\\/\\\\}" ] || fail "C++ syntax: $(xclip -o -selection clipboard)"
pass "the C++ and C# syntax copies the doubled backslash"
echo taken | xclip -selection clipboard
programs_gone || fail "a Pathnab process remains"

# Escape ends at once: the store is untouched and nothing remains.
before=$(md5sum < "$store")
start_program "$bin" "$file"
win=$(window_named '^Tallwick - Pathnab$') || fail "no main window"
remember_children
keys_to "$win" Escape
wait_for_return "$pid"
[ "$status" -eq 0 ] || fail "exit status $status after Escape"
[ "$(md5sum < "$store")" = "$before" ] || fail "Escape changed the store"
programs_gone || fail "a Pathnab process remains after Escape"
[ "$(xclip -o -selection clipboard)" = taken ] || fail "Escape changed the clipboard"
pass "Escape leaves the store, the clipboard and no process"

# File > Exit saves the size and leaves nothing behind.
rm -rf "$XDG_CONFIG_HOME"
start_program "$bin" "$file"
win=$(window_named '^Tallwick - Pathnab$') || fail "no main window"
remember_children
keys_to "$win" alt+f x
wait_for_return "$pid"
[ -n "$(stored_size)" ] || fail "File > Exit stored no size"
programs_gone || fail "a Pathnab process remains after File > Exit"
pass "File > Exit stores the size and leaves no process"

# No argument: only the About box; after OK the program ends and nothing is stored.
rm -rf "$XDG_CONFIG_HOME"
start_program "$bin"
about=$(window_named '^About Pathnab') || fail "no About box"
remember_children
xdotool search --onlyvisible --name '^Tallwick - Pathnab$' >/dev/null && fail "the main window was shown"
keys_to "$about" Return
wait_for_return "$pid"
[ "$status" -eq 0 ] || fail "exit status $status after the About box"
[ ! -e "$store" ] || fail "the store was written without an argument"
programs_gone || fail "a Pathnab process remains after the About box"
pass "no argument: the About box, then the end, nothing stored"

# No display server: one line on standard error, status 1.
for display in unset ":$((RANDOM % 1000 + 3000))"; do
  status=0
  if [ "$display" = unset ]; then
    env -u DISPLAY -u WAYLAND_DISPLAY "$bin" "$file" 2> "$work/stderr" || status=$?
  else
    env -u WAYLAND_DISPLAY DISPLAY="$display" "$bin" "$file" 2> "$work/stderr" || status=$?
  fi
  [ "$status" -eq 1 ] || fail "no display ($display): status $status"
  [ "$(wc -l < "$work/stderr")" -eq 1 ] || fail "no display ($display): stderr was: $(cat "$work/stderr")"
done
pass "no display: status 1 and one line: $(cat "$work/stderr")"
