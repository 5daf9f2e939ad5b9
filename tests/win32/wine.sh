#!/usr/bin/env bash
# Runs a Windows test program under Wine in the build's own prefix (never ~/.wine).
#   wine.sh PREFIX PROGRAM.exe ARGS...
# The prefix is booted once and its wineserver kept for a while, so that each program starts
# in a tenth of a second; every Wine process gets no terminal and none of the caller's pipes
# but the program's own output.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine wineboot --init </dev/null >/dev/null 2>&1
  fi
  wineserver -p60 </dev/null >/dev/null 2>&1 || true
) 9>"$WINEPREFIX.lock"
exec wine "$@" </dev/null
