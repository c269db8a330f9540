#!/usr/bin/env bash
# Makes the release: dist/KudomatZub-<version>.zip holding both Windows
# programs, kzub.exe, the help page and the read-me; the installer
# dist/KudomatZub-<version>.msi (packaging/msi.sh); dist/SHA256SUMS of both;
# and the winget and Scoop manifests for them (dist/winget, dist/scoop),
# which name the files at KZ_RELEASE_URL/<version>/. The same commit gives
# the same zip and installer in any folder: the programs carry no time stamps
# or folder names, and the zip's entries have a fixed order, time and
# attributes. Their time is SOURCE_DATE_EPOCH, by default the time of the
# last commit.
#
# Given a code-signing certificate, the three programs and the installer are
# signed (Authenticode, SHA-256) and time-stamped, so that Windows can name
# their maker; without one they ship unsigned, and the release stays reproducible.
#   KZ_SIGN_CERT, KZ_SIGN_KEY   the certificate (chain) and its private key, or
#   KZ_SIGN_PKCS12              both in one PKCS#12 file;
#   KZ_SIGN_PASS_FILE           a file holding the key's password, if it has one;
#   KZ_SIGN_TIMESTAMP           an RFC 3161 time-stamp server (set but empty: none).
set -euo pipefail
cd "$(dirname "$0")/.."
# The builds run their own make; the outer one's flags are not theirs.
unset MAKEFLAGS MFLAGS MAKELEVEL
version=$(sed -n 's/^project(KudomatZub VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "dist: no project VERSION in CMakeLists.txt" >&2; exit 1; }
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}
[ -n "$epoch" ] || { echo "dist: not a git checkout: set SOURCE_DATE_EPOCH" >&2; exit 1; }

signing=()
if [ -n "${KZ_SIGN_PKCS12:-}" ]; then
  signing=(-pkcs12 "$KZ_SIGN_PKCS12")
elif [ -n "${KZ_SIGN_CERT:-}" ] && [ -n "${KZ_SIGN_KEY:-}" ]; then
  signing=(-certs "$KZ_SIGN_CERT" -key "$KZ_SIGN_KEY")
elif [ -n "${KZ_SIGN_CERT:-}${KZ_SIGN_KEY:-}" ]; then
  echo "dist: KZ_SIGN_CERT and KZ_SIGN_KEY go together: set both, or KZ_SIGN_PKCS12" >&2
  exit 1
fi
timestamp=${KZ_SIGN_TIMESTAMP-http://timestamp.digicert.com}
# Where the release's files are published, one folder per version below it.
url=${KZ_RELEASE_URL:-https://example.org/kudomat-zub/releases}
url=${url%/}

build() {  # folder under build/dist, toolchain file, targets
  local folder=build/dist/$1 toolchain=()
  # Read at the first configuration only; given again, cmake warns it went unused.
  [ -f "$folder/CMakeCache.txt" ] || toolchain=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/$2")
  shift 2
  cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" >/dev/null
  cmake --build "$folder" -j"$(nproc)" --target "$@"
}
build win32 mingw-i686.cmake KudomatZub kzub
build win64 mingw-x86_64.cmake KudomatZub

# The programs as shipped: copies, so that signing leaves the builds as they are.
release=build/dist/release
rm -rf "$release"
mkdir -p "$release"
cp build/dist/win32/shell/KudomatZub.exe "$release/KudomatZub.exe"
cp build/dist/win64/shell/KudomatZub.exe "$release/KudomatZub64.exe"
cp build/dist/win32/tools/kzub/kzub.exe "$release/kzub.exe"
sign() {  # file: signed in place
  if ! osslsigncode sign "${signing[@]}" -h sha256 -n "Kudomat Zub" \
      -in "$1" -out "$1.signed" >"$release/sign.log" 2>&1; then
    cat "$release/sign.log" >&2
    echo "dist: signing $(basename "$1") failed${timestamp:+ (can $timestamp be reached? KZ_SIGN_TIMESTAMP= signs without a time stamp)}" >&2
    exit 1
  fi
  mv "$1.signed" "$1"
  rm -f "$release/sign.log"
}
if [ ${#signing[@]} -eq 0 ]; then
  echo "dist: no certificate given (KZ_SIGN_CERT and KZ_SIGN_KEY, or KZ_SIGN_PKCS12): the programs and the installer are not signed"
else
  [ -z "${KZ_SIGN_PASS_FILE:-}" ] || signing+=(-readpass "$KZ_SIGN_PASS_FILE")
  [ -z "$timestamp" ] || signing+=(-ts "$timestamp")
  for exe in KudomatZub.exe KudomatZub64.exe kzub.exe; do sign "$release/$exe"; done
fi

zip=KudomatZub-$version.zip msi=KudomatZub-$version.msi
mkdir -p dist
rm -rf "dist/$zip" "dist/$msi" dist/SHA256SUMS dist/winget dist/scoop
# Entries in this order; the texts get Windows line ends.
python3 - "dist/$zip" "$epoch" \
  KudomatZub.exe="$release/KudomatZub.exe" \
  KudomatZub64.exe="$release/KudomatZub64.exe" \
  kzub.exe="$release/kzub.exe" \
  Kudomat_help.htm=build/dist/win32/shell/Kudomat_help.htm \
  ReadMe.txt=build/dist/win32/shell/ReadMe.txt <<'PY'
import os, sys, time, zipfile
out, epoch, entries = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
when = time.gmtime(max(epoch, 315532800))[:6]  # zip times begin in 1980
with zipfile.ZipFile(out + ".part", "w") as z:
    for entry in entries:
        name, path = entry.split("=", 1)
        with open(path, "rb") as f:
            data = f.read()
        if not name.endswith(".exe"):
            data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
        info = zipfile.ZipInfo(name, when)
        info.create_system = 0     # made on MS-DOS: no Unix owner or modes
        info.external_attr = 0x20  # the archive attribute, as Windows sets it
        info.compress_type = zipfile.ZIP_DEFLATED
        z.writestr(info, data, compresslevel=9)
os.replace(out + ".part", out)
PY

packaging/msi.sh "$version" "$release" "dist/$msi.part" "$epoch" "$url/"
if [ ${#signing[@]} -ne 0 ]; then
  sign "dist/$msi.part"
  echo "dist: signed KudomatZub.exe, KudomatZub64.exe, kzub.exe and $msi, $([ -n "$timestamp" ] && echo "time-stamped by $timestamp" || echo "without a time stamp")"
fi
mv "dist/$msi.part" "dist/$msi"
(cd dist && sha256sum "$zip" "$msi" >SHA256SUMS)

# The manifests, from what the installer's tables and the hashes say.
property() { msiinfo export "dist/$msi" Property | tr -d '\r' | awk -F'\t' -v p="$1" '$1 == p { print $2 }'; }
winget=dist/winget/manifests/z/ZubWorkshop/KudomatZub/$version
mkdir -p "$winget" dist/scoop
python3 - packaging "$winget" dist/scoop \
  VERSION="$version" MSI_VERSION="$(property ProductVersion)" PRODUCT_NAME="$(property ProductName)" \
  PRODUCT_CODE="$(property ProductCode)" UPGRADE_CODE="$(property UpgradeCode)" \
  PUBLISHER="$(property Manufacturer)" RELEASE_URL="$url" \
  MSI_URL="$url/$version/$msi" MSI_SHA256="$(sha256sum "dist/$msi" | cut -d' ' -f1 | tr a-f A-F)" \
  ZIP_URL="$url/$version/$zip" ZIP_SHA256="$(sha256sum "dist/$zip" | cut -d' ' -f1)" <<'PY'
import os, re, sys
source, winget, scoop, pairs = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
values = dict(pair.split("=", 1) for pair in pairs)
for folder, out in (("winget", winget), ("scoop", scoop)):
    for name in sorted(os.listdir(os.path.join(source, folder))):
        text = open(os.path.join(source, folder, name), encoding="utf-8").read()
        for key, value in values.items():
            text = text.replace("@" + key + "@", value)
        if re.search("@[A-Z_0-9]+@", text):
            sys.exit("dist: a placeholder is left in " + name)
        open(os.path.join(out, name), "w", encoding="utf-8", newline="\n").write(text)
PY

echo "dist: dist/$zip ($(stat -c %s "dist/$zip") bytes), dist/$msi ($(stat -c %s "dist/$msi") bytes)"
echo "dist: manifests in $winget and dist/scoop, for files at $url/$version/"
[ -n "${KZ_RELEASE_URL:-}" ] || echo "dist: KZ_RELEASE_URL is not set: the manifests name $url, an address for trials only"
cat dist/SHA256SUMS
