#!/usr/bin/env bash
# Signs a Windows program in place with Authenticode when PATHNAB_SIGNING_CERT (PEM certificate
# chain) and PATHNAB_SIGNING_KEY (PEM private key) name the signer, timestamped by
# PATHNAB_TIMESTAMP_URL when that is set; without them it leaves the file unsigned and says so.
#   sign.sh FILE [NAME]      NAME: what to call the file in the message (its own name by default)
set -euo pipefail
file=$1
name=${2:-$(basename "$file")}
if [ -z "${PATHNAB_SIGNING_CERT:-}" ] || [ -z "${PATHNAB_SIGNING_KEY:-}" ]; then
  echo "sign.sh: $name left unsigned (PATHNAB_SIGNING_CERT and PATHNAB_SIGNING_KEY not set)"
  exit 0
fi
timestamp=()
[ -z "${PATHNAB_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$PATHNAB_TIMESTAMP_URL")
rm -f "$file.signed"
osslsigncode sign -certs "$PATHNAB_SIGNING_CERT" -key "$PATHNAB_SIGNING_KEY" -h sha256 \
  -n Pathnab -i https://www.tallwick.example/ "${timestamp[@]}" -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
echo "sign.sh: $name signed"
