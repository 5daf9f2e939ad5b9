#!/usr/bin/env bash
# The real Pathnab under Xvfb with a bad window size in the real store: whatever Height and
# Width hold, the window is mapped within the screen and no smaller than its menu bar and one
# row, it stays small in memory, and Escape and File > Exit end it.
# PEAK_RSS_TABLE=FILE appends "case peak-RSS-kB" lines to FILE.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT
file="$work/a.txt"
echo content > "$file"
largest_rss_kb=300000

# The program's first run makes the store with its Height and Width rows.
start_program "$bin" "$file"
win=$(window_named '^Tallwick - Pathnab$') || fail "no main window"
keys_to "$win" alt+f x
wait_for_return "$pid"

#   store_size TYPE SQL-BLOB   both values get that registry type and those bytes
store_size() {
  sqlite3 "$store" "UPDATE key_values SET type = $1, data = $2 WHERE name IN ('Height', 'Width')"
}

text_blob() { echo "CAST('$1' AS BLOB) || X'00'"; }

# "width height" of the window itself.
size_of() {
  xwininfo -id "$1" | awk '/^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print w, h}'
}

#   check_usable CASE CLOSE-KEYS...
check_usable() {
  local what=$1 w h peak before; shift
  before=$(md5sum < "$store")
  start_program "$bin" "$file"
  win=$(window_named '^Tallwick - Pathnab$') || fail "$what: no visible main window"
  read -r w h <<< "$(size_of "$win")"
  [ "$w" -ge 100 ] && [ "$h" -ge 40 ] || fail "$what: window only $w x $h"
  [ "$w" -le 1024 ] && [ "$h" -le 768 ] || fail "$what: window $w x $h, larger than the screen"
  peak=$(awk '/^VmHWM/ {print $2}' "/proc/$(xdotool getwindowpid "$win")/status")
  [ -z "${PEAK_RSS_TABLE:-}" ] || echo "$what ${peak}kB ${w}x$h" >> "$PEAK_RSS_TABLE"
  [ "$peak" -le "$largest_rss_kb" ] || fail "$what: peak RSS $peak kB"
  keys_to "$win" "$@"
  wait_for_return "$pid"
  [ "$status" -eq 0 ] || fail "$what: exit status $status"
  if [ "$1" = Escape ]; then
    [ "$(md5sum < "$store")" = "$before" ] || fail "$what: Escape changed the store"
  else
    [[ $(stored_size) =~ ^[0-9]+x[0-9]+$ ]] || fail "$what: File > Exit stored $(stored_size)"
  fi
  pass "$what: a $w x $h window (peak RSS $peak kB), closed by $*"
}

# CASE;TYPE;DATA;CLOSES (split by /): the sizes large enough to cost memory are closed both ways.
cases=(
  "zero;1;$(text_blob 0);Escape"
  "negative;1;$(text_blob -3000);alt+f x"
  "letters;1;$(text_blob abc);Escape"
  "empty text;1;$(text_blob '');alt+f x"
  "byte array;3;X'FF1000';Escape"
  "2147483647;1;$(text_blob 2147483647);Escape/alt+f x"
  "50 MB of digits;1;CAST(printf('%.*c', 50000000, '7') AS BLOB) || X'00';Escape/alt+f x"
)
for entry in "${cases[@]}"; do
  IFS=';' read -r what type blob closes <<< "$entry"
  IFS=/ read -ra close_keys <<< "$closes"
  for close in "${close_keys[@]}"; do
    store_size "$type" "$blob"
    # shellcheck disable=SC2086
    check_usable "$what" $close
  done
done

# A size stored from a clamped window restores the same window.
store_size 1 "$(text_blob 0)"
check_usable "zero again" alt+f x
first=$(stored_size)
check_usable "the stored minimum" alt+f x
[ "$(stored_size)" = "$first" ] || fail "the minimum stored as $first, then as $(stored_size)"
pass "the stored minimum $first stays the same"
