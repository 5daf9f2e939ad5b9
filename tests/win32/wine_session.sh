# Sourced: Xvfb with openbox and the build's Wine prefix, set up for Pathnab's windows.
# Needs $prefix, $bin, $source and $work; defines $folder/$folder_unix (a folder on C: that is
# removed at the end) and $path (a file in it named with blanks and non-ASCII/CJK characters).
# Call start_wine_session, and stop_wine_session when done; rects, click_full_path, ended and
# expect_clipboard_text work on the main window $win and the program $pid.
source "$source/tests/e2e/tools/xvfb_session.sh"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
folder_unix="$prefix/drive_c/pathnab window"
folder='C:\pathnab window'
name='Données longname 日本.txt'
path="$folder\\$name"
settings='HKCU\Software\Tallwick\Pathnab'
wm_pid=

# The first call boots the prefix and leaves its wineserver running; later calls use it.
bash "$source/tests/win32/wine.sh" "$prefix" "$bin/wine_companion.exe" --rows none >/dev/null 2>&1 || true
wine_run() { wine "$@" </dev/null; }
quiet() { "$@" >/dev/null 2>&1; }
# A program's output through a file: a pipe would stay open as long as Wine's session runs.
output_of() {
  "$@" >"$work/output" 2>/dev/null || return 1
  tr -d '\r' <"$work/output"
}

# Starts a Windows program in the background; its pid goes to $pid.
launch() {
  wine_run "$@" >>"$work/wine.log" 2>&1 &
  pid=$!
  launched+=("$pid")
}

# No stored settings; Tahoma in the prefix and a CJK face for the faces Wine links to it (else
# CJK draws as boxes); the test file.
prepare_prefix() {
  quiet wine_run reg delete "$settings" /f || true
  mkdir -p "$prefix/drive_c/windows/Fonts" "$folder_unix"
  cp /usr/share/wine/fonts/tahoma*.ttf "$prefix/drive_c/windows/Fonts/"
  for face in "MS UI Gothic" SimSun PMingLiU Gulim; do
    quiet wine_run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
      /d "WenQuanYi Micro Hei" /f
  done
  : >"$folder_unix/$name"
}

start_openbox() {
  openbox --sm-disable >"$work/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.1
  done
  fail "openbox did not start"
}

# Keys to the window, made the active one first (the manager may still be busy with another).
press() {
  for _ in $(seq 25); do
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && break
    sleep 0.2
  done
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] || fail "window $1 cannot be activated"
  shift
  for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.3; done
}

# Waits SECONDS (20 by default) for it.
main_window() {
  win=$(window_named '^Tallwick - Pathnab$' "${1:-20}") || fail "no main window"
}

# pathnab.exe with the pointer at X Y; the path's words as separate arguments, which Wine joins
# with single blanks into exactly the path's command line. The pointer is put there through
# Windows too: Wine 10 learns where the X pointer is only from its moves over Wine's own
# windows, and until then its GetCursorPos answers the screen's centre.
open_window() {
  xdotool mousemove "$1" "$2"
  quiet wine_run "$bin/wine_companion.exe" --cursor "$1" "$2"
  local words
  read -r -a words <<<"$path"
  launch "$bin/pathnab.exe" "${words[@]}"
  main_window
}

# "left top width height clientLeft clientTop clientWidth clientHeight", from Windows itself.
rects() { output_of wine_run "$bin/wine_companion.exe" --rects "Tallwick - Pathnab"; }

# Clicks row 1 (Full Path): the window's X client is the menu bar and the client area.
click_full_path() {
  local client_top window_top
  client_top=$(rects | cut -d' ' -f6)
  window_top=$(xwininfo -id "$win" | awk '/Absolute upper-left Y/ {print $NF}')
  xdotool mousemove --window "$win" 40 $((client_top - window_top + 8)) click 1
}

ended() {
  wait_for_return "$pid"
  [ "$status" -eq 0 ] || fail "exit status $status"
}

# xclip waits for the owner's answer without end: an owner that never answers fails the check.
expect_clipboard_text() {
  local got
  got=$(timeout 10 xclip -o -selection clipboard 2>/dev/null) || true
  [ "$got" = "$1" ] || fail "clipboard holds '$got', expected '$1'"
}

stop_wine_session() {
  wine "$bin/wine_companion.exe" --end </dev/null >/dev/null 2>&1 || true
  [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null
  stop_session
  rm -rf "$folder_unix"
}

start_wine_session() {
  prepare_prefix
  start_openbox
}
