#!/usr/bin/env bash
# The real Pathnab under Xvfb: arguments that look like the toolkit's own options are the
# user's path like any other: the window opens on them and the click copies that path.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT

mkdir -p "$work/files"
cd "$work/files"
xdotool mousemove 400 300
# Each line is one command line, split into arguments at the spaces as a shell would.
while read -r -a arguments; do
  name="${arguments[*]}"
  echo content > "$name"
  copy_full_path "${arguments[@]}"
  expect_clipboard "$name"
  echo taken | xclip -selection clipboard
  programs_gone || fail "a Pathnab process remains after '$name'"
  pass "'$name' is shown and copied as a path"
done <<'LIST'
-platform offscreen
-reverse
--help
-style=x
-qwindowgeometry 10x10+0+0
-display :99
LIST
