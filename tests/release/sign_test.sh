#!/usr/bin/env bash
# With a throwaway self-signed certificate `make dist` signs each program (not
# time-stamped: no server can be counted on); without one it gives the same zip.
set -euo pipefail
cd "$(dirname "$0")/../.."
unset MAKEFLAGS MFLAGS MAKELEVEL
work=$(mktemp -d /tmp/kz-sign.XXXXXX)
trap 'rm -rf "$work"' EXIT
dist() {  # quiet but for what it says of signing, unless it fails
  scripts/dist.sh >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
  grep '^dist: .*signed' "$work/log"
  sha256sum dist/KudomatZub-*.zip | cut -d' ' -f1 >"$work/hash"
}
dist
before=$(cat "$work/hash")
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Kudomat Zub test" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
KZ_SIGN_CERT=$work/cert.pem KZ_SIGN_KEY=$work/key.pem KZ_SIGN_TIMESTAMP= dist
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' dist/KudomatZub-*.zip "$work"
for exe in KudomatZub.exe KudomatZub64.exe kzub.exe; do
  osslsigncode verify -CAfile "$work/cert.pem" -in "$work/$exe" >"$work/verify" 2>&1 ||
    { cat "$work/verify" >&2; echo "sign_test: $exe carries no valid signature" >&2; exit 1; }
done
dist
[ "$(cat "$work/hash")" = "$before" ] || { echo "sign_test: unsigned again, the zip differs" >&2; exit 1; }
echo "sign_test: each program signed; unsigned, the zip is the same as before ($before)"
