# Sourced after xvfb_session.sh: starts and stops a window manager on the session's display.
# xfwm4 needs a session bus for its settings daemon (run the script under dbus-run-session).
# The caller's EXIT trap should kill $wm_pid when it is set.
wm_pid=

start_manager() {
  case $1 in
    none) return ;;
    openbox) openbox --sm-disable >"$work/wm.log" 2>&1 & ;;
    xfwm4) xfwm4 --compositor=off --sm-client-disable >"$work/wm.log" 2>&1 & ;;
  esac
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.1
  done
  fail "$1 did not start: $(cat "$work/wm.log")"
}

stop_manager() {
  [ -n "$wm_pid" ] || return 0
  kill "$wm_pid"; wait "$wm_pid" 2>/dev/null || true
  wm_pid=
  xprop -root -remove _NET_SUPPORTING_WM_CHECK
}
