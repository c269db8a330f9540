#!/usr/bin/env bash
# Makes the release: dist/KudomatZub-<version>.zip holding both Windows
# programs, kzub.exe, the help page and the read-me, and dist/SHA256SUMS
# beside it. The same commit gives the same zip in any folder: the programs
# carry no time stamps or folder names, and the zip's entries have a fixed
# order, time and attributes. Their time is SOURCE_DATE_EPOCH, by default
# the time of the last commit.
#
# Given a code-signing certificate, the three programs are signed
# (Authenticode, SHA-256) and time-stamped, so that Windows can name their
# maker; without one they ship unsigned, and the zip stays reproducible.
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
if [ ${#signing[@]} -eq 0 ]; then
  echo "dist: no certificate given (KZ_SIGN_CERT and KZ_SIGN_KEY, or KZ_SIGN_PKCS12): the programs are not signed"
else
  [ -z "${KZ_SIGN_PASS_FILE:-}" ] || signing+=(-readpass "$KZ_SIGN_PASS_FILE")
  [ -z "$timestamp" ] || signing+=(-ts "$timestamp")
  for exe in KudomatZub.exe KudomatZub64.exe kzub.exe; do
    if ! osslsigncode sign "${signing[@]}" -h sha256 -n "Kudomat Zub" \
        -in "$release/$exe" -out "$release/$exe.signed" >"$release/sign.log" 2>&1; then
      cat "$release/sign.log" >&2
      echo "dist: signing $exe failed${timestamp:+ (can $timestamp be reached? KZ_SIGN_TIMESTAMP= signs without a time stamp)}" >&2
      exit 1
    fi
    mv "$release/$exe.signed" "$release/$exe"
  done
  rm -f "$release/sign.log"
  echo "dist: signed KudomatZub.exe, KudomatZub64.exe and kzub.exe, $([ -n "$timestamp" ] && echo "time-stamped by $timestamp" || echo "without a time stamp")"
fi

zip=KudomatZub-$version.zip
mkdir -p dist
rm -f "dist/$zip" dist/SHA256SUMS
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
(cd dist && sha256sum "$zip" >SHA256SUMS)
echo "dist: dist/$zip ($(stat -c %s "dist/$zip") bytes)"
cat dist/SHA256SUMS
