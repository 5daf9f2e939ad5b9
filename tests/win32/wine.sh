#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix (never ~/.wine).
#   wine.sh PREFIX PROGRAM.exe ARGS...
#   wine.sh PREFIX --boot        only makes the prefix and starts its server and session
#   wine.sh PREFIX --stop        ends the prefix's wineserver and everything it runs
# The first call of a run starts one wineserver that lingers between programs, and boots the
# prefix's session (services.exe, plugplay, ...) detached from every pipe: started by a test
# instead, those background processes would keep its output open until the server ends, and
# whoever reads that output would wait for them. Later calls then start in a tenth of a second.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Long enough to bridge the gaps between tests, short enough that a run that was cut off
# leaves nothing behind for long.
linger=120

if [ "${1:-}" = --stop ]; then
  wineserver -k </dev/null >/dev/null 2>&1 || true
  exit 0
fi

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  # Exit code 0: no server was running for this prefix, this one is new and needs its session.
  # The lock's descriptor is closed for them: the server and the session outlive this call
  # and would hold the lock for as long as they run.
  if wineserver -p$linger </dev/null >/dev/null 2>&1 9>&-; then
    if [ -f "$WINEPREFIX/system.reg" ]; then boot=(); else boot=(--init); fi
    wine wineboot "${boot[@]}" </dev/null >/dev/null 2>&1 9>&- ||
      { status=$?; echo "wine.sh: wineboot ${boot[*]} failed with status $status" >&2; exit "$status"; }
  fi
) 9>"$WINEPREFIX.lock"
[ "${1:-}" = --boot ] && exit 0
# A program that fails before it prints anything (Wine's own messages are off) still says how.
status=0
wine "$@" </dev/null || status=$?
[ "$status" -eq 0 ] || echo "wine.sh: $(basename "$1") ended with status $status" >&2
exit "$status"
