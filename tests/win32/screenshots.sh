#!/usr/bin/env bash
# PNGs of pathnab.exe's windows under Wine on Xvfb with openbox: the main window in the normal
# and in the C++ and C# syntax, and the About box.
#   screenshots.sh PREFIX BIN_DIR OUT_DIR SOURCE_DIR
set -euo pipefail
prefix=$1 bin=$2 source=$4
mkdir -p "$3"
out=$(cd "$3" && pwd)
work=$(mktemp -d)
source "$source/tests/win32/wine_session.sh"
trap 'stop_wine_session; rm -rf "$work"' EXIT
start_wine_session

shoot() {  # window id, file name
  sleep 0.5
  import -window "$1" "$out/$2"
  echo "$out/$2"
}

open_window 500 400
shoot "$win" windows-main-normal.png
press "$win" alt+s c
shoot "$win" windows-main-cpp.png
press "$win" alt+h a
about=$(window_named '^About Pathnab')
shoot "$about" windows-about.png
press "$about" Return
press "$win" Escape
