#!/usr/bin/env bash
# The cost of one fill of the path list for a local file: pathnab-forms run RUNS times, with no
# SMB server on this computer and with a loopback smbd serving shares.
#   bash bench/fill_cost.sh [BIN_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
runs=${2:-50}
source "$root/tests/e2e/tools/loopback_smbd.sh"

work=$(mktemp -d /tmp/pathnab-bench-XXXXXX)
trap 'smbd_stop; rm -rf "$work"' EXIT
mkdir -p "$work/local"
echo local >"$work/local/file.txt"

# Mean wall time of one run in milliseconds.
mean_ms() {
  local start end i
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do
    "$bin/pathnab-forms" -- "$1" </dev/null >/dev/null 2>&1
  done
  end=$(date +%s%N)
  awk -v ns=$((end - start)) -v n="$runs" 'BEGIN { printf "%.2f", ns / n / 1e6 }'
}

report() { printf '%-48s %8s ms\n' "$1" "$2"; }

echo "pathnab-forms, mean of $runs runs"
report "local file, no SMB server" "$(mean_ms "$work/local/file.txt")"
smbd_start "$work"
echo shared >"$work/shares/docs/file.txt"
report "local file outside every share, smbd running" "$(mean_ms "$work/local/file.txt")"
report "file in a share, smbd running" "$(mean_ms "$work/shares/docs/file.txt")"
