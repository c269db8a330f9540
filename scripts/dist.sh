#!/usr/bin/env bash
# Makes the release: dist/KudomatZub-<version>.zip holding both Windows
# programs, kzub.exe, the help page and the read-me, and dist/SHA256SUMS
# beside it. The same commit gives the same zip in any folder: the programs
# carry no time stamps or folder names, and the zip's entries have a fixed
# order, time and attributes. Their time is SOURCE_DATE_EPOCH, by default
# the time of the last commit.
set -euo pipefail
cd "$(dirname "$0")/.."
# The builds run their own make; the outer one's flags are not theirs.
unset MAKEFLAGS MFLAGS MAKELEVEL
version=$(sed -n 's/^project(KudomatZub VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "dist: no project VERSION in CMakeLists.txt" >&2; exit 1; }
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}
[ -n "$epoch" ] || { echo "dist: not a git checkout: set SOURCE_DATE_EPOCH" >&2; exit 1; }

build() {  # folder under build/dist, toolchain file, targets
  local folder=build/dist/$1 toolchain=$2
  shift 2
  cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain" >/dev/null
  cmake --build "$folder" -j"$(nproc)" --target "$@"
}
build win32 mingw-i686.cmake KudomatZub kzub
build win64 mingw-x86_64.cmake KudomatZub

zip=KudomatZub-$version.zip
mkdir -p dist
rm -f "dist/$zip" dist/SHA256SUMS
# Entries in this order; the texts get Windows line ends.
python3 - "dist/$zip" "$epoch" \
  KudomatZub.exe=build/dist/win32/shell/KudomatZub.exe \
  KudomatZub64.exe=build/dist/win64/shell/KudomatZub.exe \
  kzub.exe=build/dist/win32/tools/kzub/kzub.exe \
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
