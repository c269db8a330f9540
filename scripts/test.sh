#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, short fuzz runs,
# static checks of both Windows builds, then the end-to-end tests of the real
# program under Wine on a private X server: the shipped 32-bit program where
# this machine runs 32-bit code, else the 64-bit build. Every process started
# here is ended on the way out.
source "$(dirname "$0")/common.sh"

scripts/deps.sh

echo "== native build and unit tests"
scripts/build.sh native
ctest --test-dir build/native --output-on-failure

echo "== fuzzing (short runs)"
scripts/build.sh fuzz
ctest --test-dir build/fuzz --output-on-failure

echo "== Windows builds (32-bit, shipped; 64-bit)"
scripts/build.sh win32
scripts/build.sh win64
ctest --test-dir build/win32 --output-on-failure -R '^pe_'
ctest --test-dir build/win64 --output-on-failure -R '^pe_'

echo "== the release, signed with a throwaway certificate and unsigned"
tests/release/sign_test.sh

source scripts/wine-env.sh
kz_choose_build
main=$KZ_BUILD
echo "== end-to-end tests of build/$main/shell/KudomatZub.exe: $KZ_WHY"
kz_wine_session "$main" "${KZ_WINEPREFIX:-}"
ctest --test-dir "build/$main" --output-on-failure -E '^pe_'
if [ "$main" = win32 ]; then
  echo "== smoke test of the 64-bit build, which this machine can run too"
  wineserver -k >/dev/null 2>&1 || true
  kz_wine_session win64
  ctest --test-dir build/win64 --output-on-failure -R '^e2e_(smoke|kzub_matches_native)$'
fi
scripts/web-test.sh
