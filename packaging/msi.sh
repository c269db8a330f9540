#!/usr/bin/env bash
# Builds the installer from the programs as shipped:
#   packaging/msi.sh RELEASE FOLDER OUT.msi EPOCH HELP_LINK
# RELEASE is the release's version (2003.0), FOLDER holds KudomatZub.exe and
# kzub.exe, EPOCH (seconds) is the time the package carries, HELP_LINK the
# address Apps & features shows. The same inputs give the same bytes.
#
# Windows Installer's ProductVersion stops at 255.255.65535, and Wine compares
# packed versions (8.8.16 bits) by their signed difference, so a first field
# of 128 or more misorders. Release Y.N[.P] is installer version
# (Y-2000).N.P: 2003.0 is 3.0.0, 2003.1 is 3.1.0, 2004.0 is 4.0.0; that sorts
# as the releases do up to 2127.255.65535.
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: packaging/msi.sh RELEASE FOLDER OUT.msi EPOCH HELP_LINK" >&2; exit 2; }
release=$1 files=$2 out=$3 epoch=$4 help=$5
here=$(cd "$(dirname "$0")" && pwd)

IFS=. read -r year minor patch rest <<<"$release"
if ! [[ $year =~ ^[0-9]+$ && $minor =~ ^[0-9]+$ && ${patch:-0} =~ ^[0-9]+$ && -z $rest ]] ||
   [ "$year" -lt 2000 ] || [ "$year" -gt 2127 ] || [ "$minor" -gt 255 ] || [ "${patch:-0}" -gt 65535 ]; then
  echo "msi: release $release has no installer version: Y.N or Y.N.P with Y 2000..2127, N <= 255, P <= 65535" >&2
  exit 1
fi
msiversion=$((year - 2000)).$((10#$minor)).$((10#${patch:-0}))
mapping="installer version $msiversion is release $release: (first field - 2000).second.third"

stage=$(mktemp -d /tmp/kz-msi.XXXXXX)
trap 'rm -rf "$stage"' EXIT
cp "$files/KudomatZub.exe" "$files/kzub.exe" "$stage/"
# One icon with both of the program's pictures, 32 and 16 pixels.
python3 - "$stage/KudomatZub.ico" "$here/../resources/art/app32.ico" "$here/../resources/art/app16.ico" <<'PY'
import struct, sys
out, images = sys.argv[1], []
for path in sys.argv[2:]:
    data = open(path, "rb").read()
    _, _, count = struct.unpack_from("<HHH", data)
    for i in range(count):
        entry = data[6 + 16 * i: 22 + 16 * i]
        size, offset = struct.unpack_from("<II", entry, 8)
        images.append((entry[:8], data[offset:offset + size]))
offset = 6 + 16 * len(images)
head, body = struct.pack("<HHH", 0, 1, len(images)), b""
for entry, image in images:
    head += entry + struct.pack("<II", len(image), offset + len(body))
    body += image
open(out, "wb").write(head + body)
PY
# The cabinet keeps each file's time; the summary, the time of the run.
touch -d "@$epoch" "$stage"/*
when=$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
uuid() { python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID("F2F90AD6-49C1-4696-8954-E94C86A2BC68"), sys.argv[1])).upper())' "$1"; }
product=$(uuid "product $release")
# A package code names one package's bytes: the release and what it holds.
package=$(uuid "package $release $(cat "$here/KudomatZub.wxs" "$stage"/* | sha256sum | cut -d' ' -f1) $help")

# wixl reads the files named in the .wxs from the folder it runs in.
(cd "$stage" && TZ=UTC faketime -f "$when" wixl -a x86 -o out.msi \
  -D ProductCode="$product" -D MsiVersion="$msiversion" -D Release="$release" \
  -D Mapping="$mapping" -D HelpLink="$help" "$here/KudomatZub.wxs")
msibuild "$stage/out.msi" -s "Kudomat Zub $release" "Zub workshop" "Intel;1033" "{$package}"
# kzub's folder at the end of the user's PATH, taken off again on uninstall.
msibuild "$stage/out.msi" -q "CREATE TABLE \`Environment\` (\`Environment\` CHAR(72) NOT NULL,
  \`Name\` CHAR(255) NOT NULL LOCALIZABLE, \`Value\` CHAR(255) LOCALIZABLE,
  \`Component_\` CHAR(72) NOT NULL PRIMARY KEY \`Environment\`)" \
  -q "INSERT INTO \`Environment\` (\`Environment\`, \`Name\`, \`Value\`, \`Component_\`)
  VALUES ('UserPath', '=-PATH', '[~];[INSTALLDIR]', 'Programs')" \
  -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Sequence\`) VALUES ('RemoveEnvironmentStrings', 3300)" \
  -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Sequence\`) VALUES ('WriteEnvironmentStrings', 5200)"
mv "$stage/out.msi" "$out"
