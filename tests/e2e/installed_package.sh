#!/usr/bin/env bash
# Builds the .deb, installs it with apt, checks the installed programs, entries and man pages,
# runs lintian, and removes it again: no file of the package may be left behind.
set -euo pipefail
source "$(dirname "$0")/tools/package_install.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

build_package
mapfile -t files < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}')
[ ${#files[@]} -gt 0 ] || fail "the package holds no file"
for f in "${files[@]}"; do [ ! -e "$f" ] || fail "$f exists before the install"; done
# Folders the package brings that were not there before must go with it.
mapfile -t new_folders < <(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ {print substr($6, 2)}' |
  while read -r d; do [ -e "$d" ] || echo "$d"; done)

trap remove_package EXIT
install_package
[ "$(command -v pathnab-forms)" = /usr/bin/pathnab-forms ] || fail "pathnab-forms is not on PATH"
work=$(mktemp -d)
name="$work/a b \$(touch x) \`y\` é.txt"
touch "$name"
[ "$(pathnab-forms -- "$name" | head -1)" = "Full Path	$name" ] || fail "the installed pathnab-forms prints the wrong path"
rm -r "$work"
for page in pathnab pathnab-forms pathnab-thunar-action; do
  man -w "$page" >/dev/null || fail "no man page $page"
done
dpkg-query -W -f='${Depends}\n${Recommends}\n' pathnab

desktop-file-validate /usr/share/applications/pathnab.desktop || fail "the Open With entry is invalid"
# The service-menu and action formats extend the desktop-entry format with their own type and
# keys; everything else the validator says about them must be clean.
own_format='"Service" while this key is only valid for type "Application"|"Action" for key "Type"|keys extending the format should start with "X-"'
for entry in /usr/share/kio/servicemenus/pathnab.desktop /usr/share/file-manager/actions/pathnab.desktop; do
  if desktop-file-validate "$entry" 2>&1 | grep -Ev "$own_format" | grep .; then fail "$entry is invalid"; fi
done
python3 -c 'import ast, sys; ast.parse(open(sys.argv[1]).read())' /usr/share/nautilus-python/extensions/pathnab.py

lintian_output=$(lintian --tag-display-limit 0 "$deb" || true)
echo "$lintian_output"
if grep -q '^E:' <<<"$lintian_output"; then fail "lintian reports errors"; fi

remove_package
trap - EXIT
for f in "${files[@]}" "${new_folders[@]}"; do [ ! -e "$f" ] || fail "$f is left after removal"; done
echo "installed package: ok (${#files[@]} files and ${#new_folders[@]} new folders installed and removed)"
