#!/usr/bin/env bash
# With a throwaway self-signed certificate `make dist` signs each program and
# the installer (not time-stamped: no server can be counted on); without one
# it gives the same zip and installer.
set -euo pipefail
cd "$(dirname "$0")/../.."
unset MAKEFLAGS MFLAGS MAKELEVEL
work=$(mktemp -d /tmp/kz-sign.XXXXXX)
trap 'rm -rf "$work"' EXIT
dist() {  # quiet but for what it says of signing, unless it fails
  scripts/dist.sh >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
  grep '^dist: .*signed' "$work/log"
  cat dist/SHA256SUMS >"$work/hash"
}
dist
before=$(cat "$work/hash")
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Kudomat Zub test" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
KZ_SIGN_CERT=$work/cert.pem KZ_SIGN_KEY=$work/key.pem KZ_SIGN_TIMESTAMP= dist
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' dist/KudomatZub-*.zip "$work"
cp dist/KudomatZub-*.msi "$work/KudomatZub.msi"
for file in KudomatZub.exe KudomatZub64.exe kzub.exe KudomatZub.msi; do
  osslsigncode verify -CAfile "$work/cert.pem" -in "$work/$file" >"$work/verify" 2>&1 ||
    { cat "$work/verify" >&2; echo "sign_test: $file carries no valid signature" >&2; exit 1; }
done
dist
[ "$(cat "$work/hash")" = "$before" ] || { echo "sign_test: unsigned again, the release differs" >&2; exit 1; }
echo "sign_test: each program and the installer signed; unsigned, the zip and installer are the same as before:"
echo "$before"
