#!/usr/bin/env bash
# Signing with a throw-away certificate authority and code-signing certificate made here: the
# programs, the uninstaller and the installer are signed by packaging/win32/sign.sh (the
# uninstaller and the installer from inside makensis, as the build does), every signature
# verifies against that authority, and a changed byte breaks it; without a signer the file is
# left as it was, and the script says so.
#   signing.sh SOURCE_DIR STAGED_DIR MAKENSIS VERSION
set -euo pipefail
source=$1 staged=$2 makensis=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sign=$source/packaging/win32/sign.sh
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$work"
quiet() { "$@" >/dev/null 2>&1; }
quiet openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 -subj "/CN=Pathnab Test CA" \
  -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign
quiet openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr -subj "/CN=Tallwick Test Signer"
printf '%s\n' basicConstraints=CA:FALSE keyUsage=critical,digitalSignature extendedKeyUsage=codeSigning >signer.ext
quiet openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile signer.ext -out signer.pem
cat signer.pem ca.pem >chain.pem

cp "$staged/pathnab.exe" "$staged/pathnab-forms.exe" .
cp pathnab.exe unsigned.exe
message=$(env -u PATHNAB_SIGNING_CERT -u PATHNAB_SIGNING_KEY "$sign" unsigned.exe)
cmp -s unsigned.exe "$staged/pathnab.exe" || fail "without a signer the file changed"
grep -q 'left unsigned' <<<"$message" || fail "without a signer it does not say so: $message"
echo "ok: without a signer: $message"

export PATHNAB_SIGNING_CERT=$work/chain.pem PATHNAB_SIGNING_KEY=$work/signer.key
"$sign" pathnab.exe >/dev/null
"$sign" pathnab-forms.exe >/dev/null
# makensis names the uninstaller it writes after no rule of ours: keep what it gave to sign.
cat >keep.sh <<KEEP
#!/usr/bin/env bash
set -e
"$sign" "\$@"
[ "\$1" -ef "$work/setup.exe" ] || cp "\$1" "$work/uninstall.exe"
KEEP
chmod +x keep.sh
"$makensis" -V2 -DVERSION="$version" -DBIN_DIR="$work" -DSIGN="$work/keep.sh" -DOUTFILE="$work/setup.exe" \
  "$source/packaging/win32/pathnab.nsi" >makensis.log 2>&1 || { cat makensis.log; fail "makensis failed"; }
[ -f uninstall.exe ] || fail "the uninstaller was not handed to the signing command"

for file in pathnab.exe pathnab-forms.exe uninstall.exe setup.exe; do
  osslsigncode verify -CAfile ca.pem -in "$file" >"$file.verify" 2>&1 || { cat "$file.verify"; fail "$file does not verify"; }
  grep -q 'Signature verification: ok' "$file.verify" || { cat "$file.verify"; fail "$file: no verified signature"; }
  grep -q 'Tallwick Test Signer' "$file.verify" || fail "$file: not signed by the test signer"
  echo "ok: $file signed by the test signer, verified against the test authority"
done

# One byte of the code changed after signing (each of its bits flipped, as a fixed value may be the
# byte already there): the digest no longer matches.
cp pathnab.exe changed.exe
byte=$(od -An -tu1 -j4096 -N1 pathnab.exe | tr -d ' ')
printf "\\x$(printf '%02x' $((byte ^ 0xff)))" | dd of=changed.exe bs=1 seek=4096 conv=notrunc status=none
cmp -s changed.exe pathnab.exe && fail "the byte was not changed"
if osslsigncode verify -CAfile ca.pem -in changed.exe >changed.verify 2>&1; then
  cat changed.verify
  fail "a changed byte still verifies"
fi
echo "ok: a changed byte breaks the signature"
