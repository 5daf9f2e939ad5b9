#!/usr/bin/env bash
# Start-up benchmark under Xvfb: milliseconds from starting a program to its top-level window
# being mapped (median and spread of RUNS runs) for Pathnab on a real file, a minimal Qt window
# with a two-column list of 8 rows, xmessage and zenity --list with the same 8 rows; then
# Pathnab's peak resident memory. Usage: bench/startup.sh BIN_DIR   (RUNS=21 by default)
set -euo pipefail
bin=$(cd "$1" && pwd)
runs=${RUNS:-21}
work=$(mktemp -d)
# The suite's own Xvfb start: it waits until the server takes connections, or fails saying so.
xvfb_screen="-screen 0 1280x1024x24"
source "$(dirname "$0")/../tests/e2e/tools/xvfb_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT

target="$work/bench file.txt"
echo "some text" > "$target"
rows=()
for i in 1 2 3 4 5 6 7 8; do rows+=("Form $i" "/tmp/file $i.txt"); done

time_once() {  # label, command...
  local label=$1; shift
  "$bin/map_timer" "$@" >> "$work/$label" 2> "$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
}

# One run of each program per round, so that the machine's drift over the benchmark (other load,
# CPU frequency) weighs on all four alike; the first round only warms the caches.
run_round() {
  time_once pathnab "$bin/pathnab" "$target"
  time_once minimal_qt "$bin/minimal_qt"
  time_once xmessage xmessage "Pathnab benchmark"
  time_once zenity zenity --list --column=Type --column=Text "${rows[@]}"
}
run_round
rm -f "$work"/{pathnab,minimal_qt,xmessage,zenity}
for _ in $(seq "$runs"); do run_round; done

# Peak memory: the largest VmHWM among Pathnab's processes while its window is up.
"$bin/pathnab" "$target" &
pathnab_pid=$!
window=$(xdotool search --sync --name "Tallwick - Pathnab" | head -n1)
sleep 0.5
peak_kb=0
for pid in $pathnab_pid $(pgrep -P "$pathnab_pid" || true); do
  kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  [ "${kb:-0}" -gt "$peak_kb" ] && peak_kb=$kb
done
xdotool windowfocus --sync "$window" key Escape
wait "$pathnab_pid" || true

python3 - "$work" "$runs" "$peak_kb" <<'PY'
import statistics, sys
work, runs, peak_kb = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
def load(name):
    return [float(x) for x in open(f"{work}/{name}").read().split()]
names = ["pathnab", "minimal_qt", "xmessage", "zenity"]
figures = {}
print(f"time to window mapped, ms ({runs} runs each, Xvfb, no window manager)")
print(f"{'program':<12}{'median':>9}{'q1':>9}{'q3':>9}{'min':>9}{'max':>9}")
for name in names:
    v = sorted(load(name))
    q = statistics.quantiles(v, n=4)
    figures[name] = statistics.median(v)
    print(f"{name:<12}{figures[name]:9.1f}{q[0]:9.1f}{q[2]:9.1f}{v[0]:9.1f}{v[-1]:9.1f}")
r_qt = figures["pathnab"] / figures["minimal_qt"]
r_zen = figures["pathnab"] / figures["zenity"]
mb = peak_kb / 1024
print()
print(f"pathnab / minimal_qt  {r_qt:5.2f}  (target <= 1.10)  {'ok' if r_qt <= 1.10 else 'MISSED'}")
print(f"pathnab / zenity      {r_zen:5.2f}  (target <= 0.20)  {'ok' if r_zen <= 0.20 else 'MISSED'}")
print(f"pathnab / xmessage    {figures['pathnab'] / figures['xmessage']:5.2f}  (the X11 floor)")
print(f"pathnab peak resident memory  {mb:.1f} MB  (target <= 25 MB)  {'ok' if mb <= 25 else 'MISSED'}")
PY
