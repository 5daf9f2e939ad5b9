#!/usr/bin/env bash
# pathnab-forms.exe under Wine: it runs alone (a missing DLL shows only as exit code 53) and
# prints the rows of awkward names byte for byte, as on Linux.
#   forms_exe.sh PREFIX BIN_DIR SOURCE_DIR
set -euo pipefail
prefix=$1 bin=$2 source=$3
wine_run() { bash "$source/tests/win32/wine.sh" "$prefix" "$@"; }

alone=$(mktemp -d)
folder=$prefix/drive_c/pathnab-e2e
trap 'rm -rf "$alone" "$folder"' EXIT
cp "$bin/pathnab-forms.exe" "$alone/"
status=0
wine_run "$alone/pathnab-forms.exe" --version >/dev/null || status=$?
[ "$status" -eq 0 ] || { echo "pathnab-forms.exe alone exits with $status (53: a DLL is missing)"; exit 1; }

mkdir -p "$folder"
fail=0
for name in "plain.txt" "two  spaces.txt" "amp&caret^percent%.txt" "Données 日本語.txt" \
            "semi;colon,comma.txt" "#hash's (1).txt" "~tilde.longextension" ".dotfile"; do
  : >"$folder/$name"
  got=$(wine_run "$alone/pathnab-forms.exe" "C:\\pathnab-e2e\\$name" 2>/dev/null | head -2 | od -An -c)
  want=$(printf 'Full Path\tC:\\pathnab-e2e\\%s\nFile Name\t%s\n' "$name" "$name" | od -An -c)
  if [ "$got" != "$want" ]; then
    echo "rows of '$name' differ:"; echo "got:  $got"; echo "want: $want"; fail=1
  fi
done
[ $fail -eq 0 ] && echo "pathnab-forms.exe runs alone; rows byte for byte"
exit $fail
