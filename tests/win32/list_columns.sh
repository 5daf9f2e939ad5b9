#!/usr/bin/env bash
# pathnab.exe's list at the default window size under Wine on Xvfb with openbox, at 96 and at
# 144 DPI, on a path whose eight rows all fit their columns: the caption column is as wide as
# the control needs for its longest caption, the text column fills the rest of the list, and no
# horizontal scroll bar is shown (read through the API). A screenshot of each is left in
# OUT_DIR for a look.
#   list_columns.sh PREFIX BIN_DIR SOURCE_DIR OUT_DIR
set -euo pipefail
prefix=$1 bin=$2 source=$3 out=$4
work=$(mktemp -d)
source "$source/tests/win32/wine_session.sh"
desktop='HKCU\Control Panel\Desktop'
cleanup() {
  stop_wine_session
  wine reg delete "$desktop" /v LogPixels /f </dev/null >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
start_wine_session
mkdir -p "$out"

for dpi in 96 144; do
  quiet wine_run reg add "$desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f
  open_window 300 300
  [ "$(output_of wine_run "$bin/wine_companion.exe" --rows "Tallwick - Pathnab")" = 8 ] || fail "$dpi DPI: not 8 rows"
  read -r hscroll vscroll caption text client captions \
    <<<"$(output_of wine_run "$bin/wine_companion.exe" --columns "Tallwick - Pathnab")" || fail "$dpi DPI: no list"
  import -window "$win" "$out/windows-list-$dpi-dpi.png"
  [ "$hscroll" = 0 ] || fail "$dpi DPI: a horizontal scroll bar (columns $caption + $text, client $client)"
  [ "$caption" -ge "$captions" ] || fail "$dpi DPI: caption column $caption, its captions need $captions"
  [ $((caption + text)) -le "$client" ] && [ $((caption + text)) -ge $((client - 1)) ] ||
    fail "$dpi DPI: columns $caption + $text do not fill the client width $client"
  press "$win" Escape
  ended
  pass "$dpi DPI: 8 rows, caption column $caption px (needs $captions), text $text px of $client, no horizontal scroll bar (vertical: $vscroll)"
done
