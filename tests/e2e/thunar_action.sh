#!/usr/bin/env bash
# The Thunar action command keeps the user's own actions byte for byte: add twice, then remove.
set -euo pipefail
command=$PATHNAB_SOURCE/packaging/thunar/pathnab-thunar-action
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/system
uca=$XDG_CONFIG_HOME/Thunar/uca.xml
mkdir -p "$(dirname "$uca")" "$XDG_CONFIG_DIRS/Thunar"
fail() { echo "FAIL: $*" >&2; exit 1; }

# The user's file: odd spacing, a CRLF line and no final newline must all survive.
printf '<?xml version="1.0" encoding="UTF-8"?>\n<actions>\n<action>\n\t<icon>utilities-terminal</icon>\n\t<name>Open Terminal Here</name>\n\t<unique-id>1-1</unique-id>\n\t<command>exo-open --working-directory %%f --launch TerminalEmulator</command>\r\n\t<patterns>*</patterns>\n\t<directories/>\n</action>\n  <action><name>Mine</name><unique-id>2</unique-id><command>true</command><patterns>*</patterns></action>\n</actions>' > "$uca"
cp "$uca" "$work/original"

python3 "$command" add
cmp -s "$uca" "$work/original" && fail "add changed nothing"
grep -q '<command>pathnab %f</command>' "$uca" || fail "no Pathnab action after add"
python3 -c 'import sys, xml.dom.minidom as m; m.parse(sys.argv[1])' "$uca" || fail "add left invalid XML"
cp "$uca" "$work/once"
python3 "$command" add
cmp "$uca" "$work/once" || fail "a second add changed the file"
python3 "$command" remove
cmp "$uca" "$work/original" || fail "remove did not give back the user's file byte for byte"
python3 "$command" remove
cmp "$uca" "$work/original" || fail "a second remove changed the file"

# A user file that holds just the system's defaults is the user's own: remove keeps it.
cp "$work/original" "$XDG_CONFIG_DIRS/Thunar/uca.xml"
python3 "$command" remove
cmp "$uca" "$work/original" || fail "remove changed a user file without the action"

# Without a user file, add starts from the system's default actions and keeps them; remove
# takes the file away again, so Thunar reads the system's defaults as before.
rm "$uca"
python3 "$command" add
grep -q 'Open Terminal Here' "$uca" || fail "the system's default actions were dropped"
python3 "$command" remove
[ ! -e "$uca" ] || fail "remove after a fresh add left a copy of the system's defaults"
rm "$XDG_CONFIG_DIRS/Thunar/uca.xml"
python3 "$command" add
python3 "$command" remove
[ ! -e "$uca" ] || fail "remove after a fresh add without system defaults left a file"

printf 'no closing element' > "$uca"
if python3 "$command" add 2>/dev/null; then fail "a file without </actions> was accepted"; fi
[ "$(cat "$uca")" = "no closing element" ] || fail "a refused add changed the file"
if python3 "$command" bogus 2>/dev/null; then fail "an unknown command was accepted"; fi
echo "thunar action: ok"
