#!/usr/bin/env bash
# PNGs of Pathnab's windows under Xvfb: the main window in the normal and in the C++ and C#
# syntax, and the About box. The file lies in a share of a loopback Samba server, so the UNC
# rows show a UNC path (when port 445 is taken, the shots go on without one).
# Usage: screenshots.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)/pathnab
mkdir -p "$2"
out=$(cd "$2" && pwd)
work=$(mktemp -d)
source "$(dirname "$0")/xvfb_session.sh"
source "$(dirname "$0")/loopback_smbd.sh"
trap 'stop_session; smbd_stop; rm -rf "$work"' EXIT

shoot() {  # window id, file name
  sleep 0.5
  import -window "$1" "$out/$2"
  echo "$out/$2"
}

smbd_start "$work" || echo "screenshots: no Samba server; the UNC rows will say so" >&2
mkdir -p "$work/shares/docs/Annual report"
file="$work/shares/docs/Annual report/Résumé 2024.final.txt"
echo content > "$file"

xdotool mousemove 500 400
start_program "$bin" "$file"
win=$(window_named '^Tallwick - Pathnab$')
shoot "$win" main-normal.png
xdotool windowfocus --sync "$win"
xdotool key alt+s
sleep 0.3
shoot "$(xdotool search --onlyvisible --class pathnab | tail -n1)" syntax-menu.png || true
xdotool key c
shoot "$win" main-cpp.png
xdotool key alt+h
sleep 0.3
xdotool key a
about=$(window_named '^About Pathnab')
shoot "$about" about.png
xdotool windowfocus --sync "$about"
xdotool key Return
sleep 0.3
xdotool windowfocus --sync "$win"
xdotool key Escape
