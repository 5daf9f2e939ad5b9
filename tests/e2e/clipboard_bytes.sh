#!/usr/bin/env bash
# The real Pathnab under Xvfb: a file name that is not UTF-8 reaches the clipboard byte for byte
# through every target that carries bytes (text/plain, UTF8_STRING); STRING and TEXT are Latin-1,
# so they hold what Latin-1 can show of the text; text/plain;charset=utf-8 is offered only for
# text that is UTF-8, and then holds it exactly.
set -euo pipefail
bin=${PATHNAB_BIN:?}/pathnab
work=$(mktemp -d)
source "$(dirname "$0")/tools/xvfb_session.sh"
trap 'stop_session; rm -rf "$work"' EXIT

# The Latin-1 view of the text: invalid UTF-8 and characters beyond Latin-1 become "?", one for
# each UTF-16 unit (Qt converts from UTF-16).
latin1_of() {
  python3 -c 'import sys
text = sys.argv[1].encode("utf-8", "surrogateescape").decode("utf-8", "replace")
sys.stdout.buffer.write(b"".join(c.encode("latin-1") if ord(c) < 256 else b"?" * (len(c.encode("utf-16-le")) // 2)
                                 for c in text))' "$1"
}

targets_offered() { xclip -o -selection clipboard -t TARGETS | LC_ALL=C sort | tr '\n' ' '; }

# Fails unless the clipboard's TARGET holds exactly the bytes of the file $work/expected.
expect_target() {
  xclip -o -selection clipboard -t "$1" > "$work/pasted" || fail "no $1 on the clipboard"
  cmp -s "$work/expected" "$work/pasted" \
    || fail "$1 holds $(od -An -c "$work/pasted" | tr -s ' '), expected $(od -An -c "$work/expected" | tr -s ' ')"
}

mkdir -p "$work/files"
xdotool mousemove 400 300
common_targets="MULTIPLE SAVE_TARGETS STRING TARGETS TEXT TIMESTAMP UTF8_STRING text/plain "

# Latin-1 é (not UTF-8), a lone 0xff, a UTF-8 é and characters beyond Latin-1.
foreign=$work/files/$'caf\xe9 \xff-\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac.txt'
echo content > "$foreign"
copy_full_path "$foreign"
[ "$(targets_offered)" = "$common_targets" ] || fail "targets for a non-UTF-8 name: $(targets_offered)"
printf '%s' "$foreign" > "$work/expected"
for target in text/plain UTF8_STRING; do expect_target "$target"; done
latin1_of "$foreign" > "$work/expected"
for target in STRING TEXT; do expect_target "$target"; done
pass "a non-UTF-8 name: text/plain and UTF8_STRING exact, STRING and TEXT its Latin-1 view"

utf8=$work/files/"Résumé 日本 📄.txt"
echo content > "$utf8"
copy_full_path "$utf8"
[ "$(targets_offered)" = "MULTIPLE SAVE_TARGETS STRING TARGETS TEXT TIMESTAMP UTF8_STRING text/plain text/plain;charset=utf-8 " ] \
  || fail "targets for a UTF-8 name: $(targets_offered)"
printf '%s' "$utf8" > "$work/expected"
for target in text/plain UTF8_STRING 'text/plain;charset=utf-8'; do expect_target "$target"; done
latin1_of "$utf8" > "$work/expected"
for target in STRING TEXT; do expect_target "$target"; done
pass "a UTF-8 name: text/plain, UTF8_STRING and text/plain;charset=utf-8 exact, STRING and TEXT Latin-1"

echo taken | xclip -selection clipboard
programs_gone || fail "a Pathnab process remains after another program took the clipboard"
pass "nothing remains once another program owns the clipboard"
