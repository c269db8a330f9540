#!/usr/bin/env bash
# Checks that the release is reproducible: runs `make dist` twice for the
# current commit, in two folders of different names and depths under /tmp,
# and compares the hashes of the zips, of the installers and of the
# manifests. Also checks that neither folder's name is inside any program.
# Exit status 0 when each pair is identical.
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse HEAD)
export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
work=$(mktemp -d /tmp/kz-reproduce.XXXXXX)
trap 'rm -rf "$work"' EXIT
echo "commit $commit"
folders=("$work/a" "$work/second/build-here")
for n in 0 1; do
  folder=${folders[$n]}
  mkdir -p "$folder"
  git archive "$commit" | tar -x -C "$folder"
  if ! (cd "$folder" && nice -n 10 make dist) >"$work/log" 2>&1; then
    cat "$work/log" >&2
    exit 1
  fi
  for exe in "$folder"/build/dist/win32/shell/KudomatZub.exe "$folder"/build/dist/win64/shell/KudomatZub.exe \
             "$folder"/build/dist/win32/tools/kzub/kzub.exe; do
    if strings -a "$exe" | grep -F "$work"; then
      echo "reproduce-dist: a build folder is named inside $exe" >&2
      exit 1
    fi
  done
  echo "built in ${folder#"$work"/}:"
  (cd "$folder/dist" && find . -type f | LC_ALL=C sort | xargs sha256sum) | tee "$work/sums-$n"
done
if ! cmp -s "$work/sums-0" "$work/sums-1"; then
  echo "reproduce-dist: the two releases differ" >&2
  exit 1
fi
echo "reproduce-dist: identical"
