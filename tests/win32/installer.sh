#!/usr/bin/env bash
# The installer under Wine: a silent install puts the programs, the Explorer verb for files and
# folders (offered for a single selected item) and the uninstall entry in place; the verb's
# command, run by the shell as Explorer runs it, hands the program awkward paths as its whole
# argument string, exactly; the installed pathnab.exe, started by the verb on such a path, opens
# its window on Xvfb and a click on Full Path leaves exactly that path on the clipboard; the
# uninstall entry has Pathnab's icon, its size and link; an install into another folder leaves
# one copy, registered there, and the next install keeps to that folder; a silent uninstall
# takes everything of ours away but the user's settings.
#   installer.sh PREFIX BUILD_DIR SOURCE_DIR
set -euo pipefail
prefix=$1 build=$2 source=$3
bin=$build/bin

setups=("$build"/pathnab-setup-*.exe)
[ -f "${setups[0]}" ] || { echo "no installer in $build"; exit 1; }
work_win='C:\pathnab-installer-test'
work=$prefix/drive_c/pathnab-installer-test
classes='HKEY_CURRENT_USER\Software\Classes'
uninstall_key='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pathnab'
settings_key='HKEY_CURRENT_USER\Software\Tallwick\Pathnab'
fail=0
failed() { echo "$*"; fail=1; }

# The key as reg.exe exports it, in UTF-8 (reg.exe writes UTF-16); empty when there is no key.
exported() {
  rm -f "$work/key.reg"
  wine_run reg export "$1" "$work_win\\key.reg" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r'
}
has_line() { grep -qxF -- "$2" <<<"$1" || failed "$3: no line $2 in: $1"; }
# A value's text as reg.exe exports it: backslashes and quotes escaped.
reg_text() { sed -e 's/\\/\\\\/g' -e 's/"/\\"/g' <<<"$1"; }

cleanup() {
  stop_wine_session
  for key in "$classes\\*\\shell\\Pathnab" "$classes\\Directory\\shell\\Pathnab" "$uninstall_key" "$settings_key"; do
    wine_run reg delete "$key" /f >/dev/null 2>&1 || true
  done
  rm -rf "$work" "${install_dir:-/nonexistent}" "${first_dir:-/nonexistent}"
}
rm -rf "$work" && mkdir -p "$work"
source "$source/tests/win32/wine_session.sh"
trap cleanup EXIT
start_wine_session
wine_run reg add "$settings_key" /v Height /d 3000 /f >/dev/null

status=0
wine_run "${setups[0]}" /S >/dev/null 2>&1 || status=$?
[ "$status" -eq 0 ] || { echo "silent install exits with $status"; exit 1; }

local_app_data=$(wine_run cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
install_win="$local_app_data\\Programs\\Pathnab"
install_dir=$(wine_run winepath -u "$install_win" 2>/dev/null)
for file in pathnab.exe pathnab-forms.exe uninstall.exe; do
  [ -f "$install_dir/$file" ] || failed "not installed: $install_win\\$file"
done

program="\"$install_win\\pathnab.exe\""
for class in '*' Directory; do
  verb=$(exported "$classes\\$class\\shell\\Pathnab")
  has_line "$verb" '@="Pathnab"' "verb of $class"
  has_line "$verb" '"MultiSelectModel"="Single"' "verb of $class"
  has_line "$verb" "\"Icon\"=\"$(reg_text "$program,0")\"" "verb of $class"
  has_line "$verb" "@=\"$(reg_text "$program %1")\"" "verb of $class"
done
entry=$(exported "$uninstall_key")
has_line "$entry" '"DisplayName"="Pathnab"' "uninstall entry"
has_line "$entry" "\"UninstallString\"=\"$(reg_text "\"$install_win\\uninstall.exe\"")\"" "uninstall entry"
has_line "$entry" "\"DisplayIcon\"=\"$(reg_text "$install_win\\pathnab.exe,0")\"" "uninstall entry"
has_line "$entry" '"URLInfoAbout"="https://www.tallwick.example/"' "uninstall entry"
size=$(sed -n 's/^"EstimatedSize"=dword:\([0-9a-f]*\)$/\1/p' <<<"$entry")
[ -n "$size" ] && [ $((16#$size)) -gt 100 ] || failed "uninstall entry: no EstimatedSize in KB: '$size'"

# Explorer's chain with the installed program: the verb's command on the path, the window at the
# pointer, a click on Full Path; a companion keeps Wine's clipboard alive for xclip.
chosen="$work_win\\Données & co 日本.txt"
: >"$work/${chosen##*\\}"
launch "$bin/wine_companion.exe" --hold
xdotool mousemove 300 300
launch "$bin/verb_probe.exe" --run '*' "$chosen"
# It may be the first window of a new prefix, which can take long to appear on a busy machine.
main_window 90
click_full_path
ended
expect_clipboard_text "$chosen"
pass "the installed pathnab.exe, started by the verb, copies the clicked Full Path exactly"

# The verb's command runs on each path as Explorer expands it; a probe standing in for pathnab.exe
# writes down the argument string it received.
cp "$build/bin/verb_probe.exe" "$work/"
cp "$build/bin/verb_probe.exe" "$install_dir/pathnab.exe"
export PATHNAB_PROBE_OUT="$work_win\\received"
mkdir -p "$work/a folder & more"
for name in "plain.txt" "two  spaces.txt" "amp&caret^percent%.txt" "%PATH% and %1.txt" "Données 日本語.txt" \
            "semi;colon,comma (1).txt" "a folder & more"; do
  class='*'
  if [ -d "$work/$name" ]; then class=Directory; else : >"$work/$name"; fi
  rm -f "$work/received"
  code=0
  wine_run "$work/verb_probe.exe" --run "$class" "$work_win\\$name" >/dev/null 2>&1 || code=$?
  want="$work_win\\$name"
  if [ "$code" -ne 0 ] || [ "$(cat "$work/received" 2>/dev/null)" != "$want" ]; then
    failed "verb on '$name' (exit $code) delivered: $(cat "$work/received" 2>/dev/null) instead of: $want"
  fi
done

# Installed again into another folder: the first copy goes, the entry names the new one; the next
# install, with no folder given, finds it there.
first_dir=$install_dir
install_win="$work_win\\elsewhere"
install_dir="$work/elsewhere"
wine_run "${setups[0]}" /S "/D=$install_win" >/dev/null 2>&1 || failed "install into $install_win failed"
wine_run "${setups[0]}" /S >/dev/null 2>&1 || failed "install again, no folder given, failed"
[ ! -e "$first_dir" ] || failed "the first copy stayed: $(ls -A "$first_dir")"
for file in pathnab.exe pathnab-forms.exe uninstall.exe; do
  [ -f "$install_dir/$file" ] || failed "not installed: $install_win\\$file"
done
entry=$(exported "$uninstall_key")
has_line "$entry" "\"InstallLocation\"=\"$(reg_text "$install_win")\"" "entry after another folder"
has_line "$entry" "\"UninstallString\"=\"$(reg_text "\"$install_win\\uninstall.exe\"")\"" "entry after another folder"
has_line "$(exported "$classes\\*\\shell\\Pathnab\\command")" "@=\"$(reg_text "\"$install_win\\pathnab.exe\" %1")\"" \
  "verb after another folder"

# The uninstaller copies itself away, starts the copy and returns at once: wait for the copy.
wine_run "$install_dir/uninstall.exe" /S >/dev/null 2>&1 || failed "silent uninstall failed"
for _ in $(seq 60); do
  [ -e "$install_dir" ] || break
  sleep 0.5
done
[ ! -e "$install_dir" ] || failed "left after uninstall: $(ls -A "$install_dir")"
for key in "$classes\\*\\shell\\Pathnab" "$classes\\Directory\\shell\\Pathnab" "$uninstall_key"; do
  [ -z "$(exported "$key")" ] || failed "left after uninstall: $key"
done
has_line "$(exported "$settings_key")" '"Height"="3000"' "settings after uninstall"

[ $fail -eq 0 ] && echo "installed, the verb delivers every path exactly, one copy after an install elsewhere," \
  "uninstalled all but the settings"
exit $fail
