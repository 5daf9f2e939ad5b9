set -u
bin=${PATHNAB_BIN:?}/pathnab
probe=${PATHNAB_BIN:?}/selection_owner
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
trap 'kill "$manager_pid" 2>/dev/null || true; stop_session; rm -rf "$work"' EXIT
xfce4-clipman >"$work/clipman.log" 2>&1 &
manager_pid=$!
for _ in $(seq 100); do "$probe" CLIPBOARD_MANAGER && break; sleep 0.1; done
file="$work/abc.txt"; echo content > "$file"
xdotool mousemove 400 300
start_program "$bin" "$file"
win=$(window_named '^Tallwick - Pathnab$') || fail "no main window"
remember_children
click_row "$win" 1
wait_for_return "$pid"
programs_gone 15 || echo STILL; for i in 0 0.3 1 3; do sleep $i; echo "t+$i owner=$($probe CLIPBOARD; echo $?) targets=$(xclip -o -selection clipboard -t TARGETS 2>&1 | tr "\n" " ") text=$(xclip -o -selection clipboard 2>&1)"; done
cat $work/clipman.log | grep -v GApplication
