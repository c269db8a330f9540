#!/usr/bin/env bash
# Checks that the release is reproducible: runs `make dist` twice for the
# current commit, in two folders of different names and depths under /tmp,
# and compares the zips' SHA-256 hashes. Also checks that neither folder's
# name is inside any program. Exit status 0 when the zips are identical.
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse HEAD)
export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
work=$(mktemp -d /tmp/kz-reproduce.XXXXXX)
trap 'rm -rf "$work"' EXIT
echo "commit $commit"
hashes=()
for folder in "$work/a" "$work/second/build-here"; do
  mkdir -p "$folder"
  git archive "$commit" | tar -x -C "$folder"
  if ! (cd "$folder" && nice -n 10 make dist) >"$work/log" 2>&1; then
    cat "$work/log" >&2
    exit 1
  fi
  zip=$(ls "$folder"/dist/KudomatZub-*.zip)
  for exe in "$folder"/build/dist/win32/shell/KudomatZub.exe "$folder"/build/dist/win64/shell/KudomatZub.exe \
             "$folder"/build/dist/win32/tools/kzub/kzub.exe; do
    if strings -a "$exe" | grep -F "$work"; then
      echo "reproduce-dist: a build folder is named inside $exe" >&2
      exit 1
    fi
  done
  hash=$(sha256sum "$zip" | cut -d' ' -f1)
  hashes+=("$hash")
  echo "$hash  $(basename "$zip")  $(stat -c %s "$zip") bytes  built in ${folder#"$work"/}"
done
if [ "${hashes[0]}" != "${hashes[1]}" ]; then
  echo "reproduce-dist: the two zips differ" >&2
  exit 1
fi
echo "reproduce-dist: identical"
