#!/usr/bin/env bash
# The real Pathnab under Xvfb with a real X clipboard manager (xfce4-clipman, which saves the text
# when the clipboard changes owner, ignores the request to save it, and takes the clipboard once
# its owner has gone, offering all but one of the saved targets): after a click the command
# returns, Pathnab hands the text over and ends by itself, and the text stays pasteable.
set -euo pipefail
# xfce4-clipman 1.6.6 (Debian 13) ends at once without a session bus: a bus of our own.
if [ -z "${PATHNAB_CLIPMAN_BUS:-}" ]; then
  PATHNAB_CLIPMAN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
bin=${PATHNAB_BIN:?}/pathnab
probe=${PATHNAB_BIN:?}/selection_owner
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
trap 'kill "$manager_pid" 2>/dev/null || true; stop_session; rm -rf "$work"' EXIT

xfce4-clipman >"$work/clipman.log" 2>&1 &
manager_pid=$!
for _ in $(seq 100); do "$probe" CLIPBOARD_MANAGER && break; sleep 0.1; done
"$probe" CLIPBOARD_MANAGER || fail "the clipboard manager did not start: $(cat "$work/clipman.log")"

file="$work/日本語 – ünïcode 📄.txt"
echo content > "$file"
xdotool mousemove 400 300
copy_full_path "$file"
programs_gone 15 || fail "Pathnab still runs although a clipboard manager could take the text"
pass "with a clipboard manager Pathnab hands the text over and ends by itself"

expect_clipboard "$file"
pass "the clipboard manager serves the copied path byte for byte"
