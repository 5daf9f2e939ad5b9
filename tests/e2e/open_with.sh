#!/usr/bin/env bash
# The installed "Open With" entry through GIO, the launcher GTK file managers use: each path
# arrives as one exact argument, several paths start one window each, and the entry is no
# file type's default application.
set -euo pipefail
command -v gio >/dev/null || { echo "gio is not installed"; exit 77; }
source "$(dirname "$0")/tools/file_manager_session.sh"
entry=/usr/share/applications/pathnab.desktop
[ -f "$entry" ] || fail "the package has no $entry"

for item in "${awkward_items[@]}"; do
  gio launch "$entry" "$item" || fail "gio launch failed for '$item'"
  expect_pathnab_copying "$item"
  pass "'$item' went from gio launch to Pathnab and the clipboard unchanged"
done

# The entry takes one path (%f): for two files GIO starts it twice, once with each.
gio launch "$entry" "${awkward_items[0]}" "${awkward_items[3]}"
for _ in $(seq 100); do
  [ "$(xdotool search --onlyvisible --name '^Tallwick - Pathnab$' | wc -l)" -ge 2 ] && break
  sleep 0.2
done
for win in $(xdotool search --onlyvisible --name '^Tallwick - Pathnab$'); do
  tail -z -n +2 "/proc/$(xdotool getwindowpid "$win")/cmdline"
done | sort -z > "$work/arguments"
printf '%s\0' "${awkward_items[0]}" "${awkward_items[3]}" | sort -z > "$work/expected_arguments"
cmp -s "$work/expected_arguments" "$work/arguments" ||
  fail "two files started Pathnab with '$(tr '\0' '|' < "$work/arguments")'"
pass "two files opened two Pathnab windows, one path each"

# A double click on a file of unknown type or on a folder must not start Pathnab.
for type in application/octet-stream inode/directory text/plain application/x-zerosize; do
  gio mime "$type" | grep '^Default application' | grep -q 'pathnab\.desktop' &&
    fail "Pathnab is the default application for $type"
  pass "Pathnab is not the default application for $type"
done
