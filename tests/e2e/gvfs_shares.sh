#!/usr/bin/env bash
# UNC paths of files that GVFS shows through FUSE: shares of a real Samba server on loopback,
# mounted with gio by a gvfsd of a private D-Bus session, and an archive mount that is no share.
set -euo pipefail
if [ -z "${PATHNAB_GVFS_SESSION:-}" ]; then
  PATHNAB_GVFS_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$PATHNAB_SOURCE/tests/e2e/tools/loopback_smbd.sh"
source "$PATHNAB_SOURCE/tests/e2e/tools/forms_checks.sh"

work=$(mktemp -d /tmp/pathnab-e2e-gvfs-XXXXXX)
export XDG_RUNTIME_DIR=$work/run GVFS_REMOTE_VOLUME_MONITOR_IGNORE=1
fuse_root=$XDG_RUNTIME_DIR/gvfs
gvfsd_pid=
stop_all() {
  if grep -qF " $fuse_root " /proc/self/mountinfo; then fusermount3 -u "$fuse_root" || true; fi
  [ -n "$gvfsd_pid" ] && kill "$gvfsd_pid" 2>/dev/null || true
  smbd_stop
  rm -rf "$work"
}
trap stop_all EXIT

team_share="Team Déjà"
smbd_extra_shares="[$team_share]
  path = $work/shares/team
  guest ok = yes
  read only = yes"
mkdir -p "$work/shares/team/Sub Dir" "$work/plain/smb-share:server=127.0.0.1,share=docs"
smbd_start "$work"
echo "in docs" >"$work/shares/docs/sub/a.txt"
echo "in team" >"$work/shares/team/Sub Dir/Ä b.txt"
echo "plain" >"$work/plain/smb-share:server=127.0.0.1,share=docs/a.txt"
mkdir -p "$work/packed" && echo "packed" >"$work/packed/a.txt"
tar -C "$work/packed" -cf "$work/packed.tar" a.txt

mkdir -m 700 -p "$XDG_RUNTIME_DIR"
/usr/libexec/gvfsd >"$work/gvfsd.log" 2>&1 &
gvfsd_pid=$!
for _ in $(seq 1 100); do
  grep -qF " $fuse_root " /proc/self/mountinfo && break
  sleep 0.1
done

# The file URI of path as the archive backend takes it, escaped once more inside archive://.
archive_uri() {
  local file_uri="file://$1"
  file_uri=${file_uri//%/%25} && file_uri=${file_uri//:/%3A} && file_uri=${file_uri//\//%2F}
  echo "archive://$file_uri"
}

for uri in "smb://127.0.0.1/docs" "smb://127.0.0.1/Team%20D%C3%A9j%C3%A0" "$(archive_uri "$work/packed.tar")"; do
  timeout 30 gio mount -a "$uri" </dev/null >>"$work/gio.log" 2>&1 || { echo "FAIL gio mount $uri: $(cat "$work/gio.log")" >&2; exit 1; }
done
echo "mounted: $(ls "$fuse_root" | tr '\n' ' ')"

not_shared="(The file is not located on a shared device)"
errors=$work/forms.err

# The row called label that pathnab-forms prints for path.
row_of() {
  timeout 30 "$PATHNAB_BIN/pathnab-forms" -- "$2" </dev/null 2>"$errors" | awk -F'\t' -v label="$1" '$1 == label { print $2 }'
}

expect_row() {
  pass_or_fail "$1 of $2" "$(row_of "$1" "$2")" "$3"
}

docs=$fuse_root/smb-share:server=127.0.0.1,share=docs
team=$fuse_root/smb-share:server=127.0.0.1,share=team%20déjà  # GVFS names shares in lower case
archive=$(ls -d "$fuse_root"/archive:* 2>/dev/null | head -1)

expect_row UNC "$docs/sub/a.txt" '\\127.0.0.1\docs\sub\a.txt'
expect_row "UNC URL" "$docs/sub/a.txt" 'file:////127.0.0.1/docs/sub/a.txt'
expect_row UNC "$docs" '\\127.0.0.1\docs'
expect_row UNC "$team/Sub Dir/Ä b.txt" '\\127.0.0.1\team déjà\Sub Dir\Ä b.txt'
expect_row "UNC URL" "$team/Sub Dir/Ä b.txt" 'file:////127.0.0.1/team déjà/Sub Dir/Ä b.txt'
expect_row UNC "$fuse_root" "$not_shared"
if [ -f "$archive/a.txt" ]; then
  expect_row UNC "$archive/a.txt" "$not_shared"
else
  echo "FAIL the archive mount shows no a.txt under $fuse_root" >&2
  failures=$((failures + 1))
fi
expect_row UNC "$work/plain/smb-share:server=127.0.0.1,share=docs/a.txt" "$not_shared"

# The UNC path leads to the same file: the server hands out its contents under that share.
unc=$(row_of UNC "$team/Sub Dir/Ä b.txt")
share_and_rest=${unc#\\\\127.0.0.1\\}
fetched=$(smbclient "//127.0.0.1/${share_and_rest%%\\*}" -N -c "get \"${share_and_rest#*\\}\" -" 2>/dev/null | head -1 || true)
: >"$errors"
pass_or_fail "smbclient reads $unc" "$fetched" "in team"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
