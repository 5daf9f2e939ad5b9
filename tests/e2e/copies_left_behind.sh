#!/usr/bin/env bash
# The real Pathnab under Xvfb: after several copies in a row only the newest Pathnab stays to
# serve the clipboard, and none once another program has taken it.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT
copies=${PATHNAB_COPIES:-5}

# How many of the started processes still run, after giving the ending ones a moment.
still_running() {
  sleep 1
  local p count=0
  for p in "${launched[@]}"; do running "$p" && count=$((count + 1)); done
  echo "$count"
}

file="$work/some file.txt"
echo content > "$file"
xdotool mousemove 400 300
for _ in $(seq "$copies"); do
  copy_full_path "$file"
  expect_clipboard "$file"
done
remaining=$(still_running)
[ "$remaining" -le 1 ] || fail "$remaining Pathnab processes remain after $copies copies"
pass "$remaining Pathnab process serves the clipboard after $copies copies"

echo taken | xclip -selection clipboard
programs_gone || fail "$(still_running) Pathnab processes remain after another program took the clipboard"
pass "no Pathnab process remains once another program owns the clipboard"
