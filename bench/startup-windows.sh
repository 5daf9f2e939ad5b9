#!/usr/bin/env bash
# Windows start-up benchmark under Wine on Xvfb (no window manager, the build's prefix, its
# wineserver kept warm): milliseconds from starting a program to its top-level window being
# mapped, RUNS interleaved rounds of pathnab.exe on a real file and of minimal_win32.exe (the
# same controls: a top-level window, a report-style ListView of 8 rows, two buttons); their
# medians and ratio, the stripped pathnab.exe's size and both programs' peak resident memory.
#   bench/startup-windows.sh WINDOWS_BIN_DIR MAP_TIMER PREFIX STRIP   (RUNS=15 by default)
set -euo pipefail
bin=$(cd "$1" && pwd)
map_timer=$(realpath "$2") prefix=$(realpath -m "$3") strip=$4
runs=${RUNS:-15}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
xvfb_screen="-screen 0 1280x1024x24"
source "$root/tests/e2e/tools/xvfb_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
bash "$root/tests/win32/wine.sh" "$prefix" --boot

mkdir -p "$prefix/drive_c/pathnab bench"
: >"$prefix/drive_c/pathnab bench/bench file.txt"
target='C:\pathnab bench\bench file.txt'

time_once() {  # label, program, arguments...
  local label=$1; shift
  "$map_timer" wine "$@" </dev/null >>"$work/$label" 2>"$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
}
# pathnab.exe stores its size only at an ordinary close; map_timer ends it, so nothing is stored.
run_round() {
  time_once pathnab "$bin/pathnab.exe" "$target"
  time_once minimal_win32 "$bin/minimal_win32.exe"
}
run_round
rm -f "$work"/{pathnab,minimal_win32}
for _ in $(seq "$runs"); do run_round; done

# Peak memory: the largest VmHWM among the processes running the program once its window is up.
peak_kb() {  # window title, program, arguments...
  local title=$1 kb=0 value
  shift
  MAP_TIMER_HOLD_MS=1500 "$map_timer" wine "$@" </dev/null >/dev/null 2>&1 &
  local timer=$!
  timeout 30 xdotool search --sync --name "$title" >/dev/null 2>&1 || true
  for pid in $(pgrep -f -- "$(basename "$1")" || true); do
    value=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    [ "${value:-0}" -gt "$kb" ] && kb=$value
  done
  wait "$timer" || true
  echo "$kb"
}
pathnab_kb=$(peak_kb "Tallwick - Pathnab" "$bin/pathnab.exe" "$target")
minimal_kb=$(peak_kb "Minimal Win32" "$bin/minimal_win32.exe")
"$strip" -o "$work/pathnab.exe" "$bin/pathnab.exe"
size=$(stat -c %s "$work/pathnab.exe")
rm -rf "$prefix/drive_c/pathnab bench"

python3 - "$work" "$runs" "$pathnab_kb" "$minimal_kb" "$size" <<'PY'
import statistics, sys
work, runs = sys.argv[1], int(sys.argv[2])
pathnab_kb, minimal_kb, size = (int(x) for x in sys.argv[3:6])
figures = {}
print(f"time to window mapped under Wine, ms ({runs} interleaved rounds, Xvfb, no window manager, warm prefix)")
print(f"{'program':<15}{'median':>9}{'q1':>9}{'q3':>9}{'min':>9}{'max':>9}")
for name in ["pathnab", "minimal_win32"]:
    v = sorted(float(x) for x in open(f"{work}/{name}").read().split())
    q = statistics.quantiles(v, n=4)
    figures[name] = statistics.median(v)
    print(f"{name:<15}{figures[name]:9.1f}{q[0]:9.1f}{q[2]:9.1f}{v[0]:9.1f}{v[-1]:9.1f}")
ratio = figures["pathnab"] / figures["minimal_win32"]
print()
print(f"pathnab / minimal_win32  {ratio:5.2f}  (target <= 1.10)  {'ok' if ratio <= 1.10 else 'MISSED'}")
print(f"stripped pathnab.exe     {size / 1024:.0f} KB  (target < 512 KB)  {'ok' if size < 512 * 1024 else 'MISSED'}")
print(f"peak resident memory     pathnab {pathnab_kb / 1024:.1f} MB, minimal_win32 {minimal_kb / 1024:.1f} MB")
PY
