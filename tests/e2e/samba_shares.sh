#!/usr/bin/env bash
# UNC paths through the shares of a real Samba server on loopback, then with no server running.
set -euo pipefail
source "$PATHNAB_SOURCE/tests/e2e/tools/loopback_smbd.sh"
source "$PATHNAB_SOURCE/tests/e2e/tools/forms_checks.sh"

work=$(mktemp -d /tmp/pathnab-e2e-smbd-XXXXXX)
trap 'pkill -CONT -f -- "--configfile=$work/smb.conf" || true; smbd_stop; rm -rf "$work"' EXIT
smbd_start "$work"

shares=$work/shares
mkdir -p "$shares/docs/sub" "$shares/docsold"
echo "in docs" >"$shares/docs/a.txt"
echo "in sub" >"$shares/docs/sub/a.txt"
echo "not shared" >"$shares/docsold/a.txt"
echo "outside" >"$work/outside.txt"
echo "spooled" >"$work/spool/job.txt"

# The name Samba's configuration gives this computer; the program asks the same library.
name=$(testparm -s --parameter-name='netbios name' 2>/dev/null)
not_shared="(The file is not located on a shared device)"

# The UNC row of path; what the program writes to standard error goes to $errors.
errors=$work/forms.err
unc_of() {
  timeout "${time_limit:-30}" "$PATHNAB_BIN/pathnab-forms" -- "$1" </dev/null 2>"$errors" | awk -F'\t' '$1 == "UNC" { print $2 }'
}

expect_unc() {
  pass_or_fail "$1" "$(unc_of "$1")" "$2"
}

echo "== with smbd serving (computer name $name)"
expect_unc "$shares/docs/a.txt" "\\\\$name\\docs\\a.txt"
expect_unc "$shares/docs/sub/a.txt" "\\\\$name\\docs\\sub\\a.txt"
expect_unc "$shares/docs" "\\\\$name\\docs"
expect_unc "$shares/docsold/a.txt" "$not_shared"
expect_unc "$work/outside.txt" "$not_shared"          # below IPC$'s folder, which never matches
expect_unc "$work/spool/job.txt" "$not_shared"        # the printer share's folder

# The UNC path leads to the file: the server hands out its contents under that share and rest.
unc=$(unc_of "$shares/docs/sub/a.txt" || true)
share_and_rest=${unc#\\\\$name\\}
: >"$errors"
fetched=$(smbclient "//127.0.0.1/${share_and_rest%%\\*}" -N -c "get \"${share_and_rest#*\\}\" -" 2>/dev/null | head -1 || true)
pass_or_fail "smbclient reads $unc" "$fetched" "in sub"

# A server that takes connections but does not answer (here: stopped) is given up on after a
# few seconds, well before Samba's own 20-second timeout would end the wait.
echo "== with smbd stopped"
pkill -STOP -f -- "--configfile=$smbd_config"
time_limit=15 expect_unc "$shares/docs/a.txt" "$not_shared"
pkill -CONT -f -- "--configfile=$smbd_config"

smbd_stop
echo "== with no server"
expect_unc "$shares/docs/a.txt" "$not_shared"
expect_unc "$shares/docs/sub/a.txt" "$not_shared"
expect_unc "$shares/docs" "$not_shared"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
