#!/usr/bin/env bash
# The real Pathnab under Xvfb with a real X clipboard manager (xfce4-clipman): after a click the
# command returns, Pathnab hands the text over and ends by itself, and the text stays pasteable.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
probe=${PATHNAB_BIN:?}/selection_owner
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
trap 'kill "$manager_pid" 2>/dev/null || true; stop_session; rm -rf "$work"' EXIT

xfce4-clipman >"$work/clipman.log" 2>&1 &
manager_pid=$!
for _ in $(seq 100); do "$probe" CLIPBOARD_MANAGER && break; sleep 0.1; done
"$probe" CLIPBOARD_MANAGER || fail "the clipboard manager did not start: $(cat "$work/clipman.log")"

# The test partner first: a working manager gives back the last text once its owner has gone.
# Where it cannot (xfce4-clipman here loses its history when its settings service is missing),
# there is nothing to hand over to, and the test says so instead of blaming Pathnab.
printf 'manager check' | xclip -selection clipboard -loops 1 &
for _ in $(seq 50); do paste_clipboard >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
if [ "$(paste_clipboard 2>/dev/null)" != "manager check" ]; then
  echo "SKIP: xfce4-clipman does not keep the clipboard's text on this machine"
  exit 77
fi

file="$work/日本語 – ünïcode 📄.txt"
echo content > "$file"
xdotool mousemove 400 300
copy_full_path "$file"
programs_gone 15 || fail "Pathnab still runs although a clipboard manager could take the text"
pass "with a clipboard manager Pathnab hands the text over and ends by itself"

expect_clipboard "$file"
pass "the clipboard manager serves the copied path byte for byte"
