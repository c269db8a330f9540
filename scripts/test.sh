#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, short fuzz runs,
# then the end-to-end tests of the real KudomatZub.exe under Wine on a
# private X server. Every process started here is ended on the way out.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
# The builds run their own make; the outer one's flags are not theirs.
unset MAKEFLAGS MFLAGS MAKELEVEL

scripts/deps.sh

echo "== native build and unit tests"
scripts/build.sh native
ctest --test-dir build/native --output-on-failure

echo "== fuzzing (short runs)"
scripts/build.sh fuzz
ctest --test-dir build/fuzz --output-on-failure

echo "== Windows build"
scripts/build.sh win32

echo "== end-to-end tests under Wine"
source scripts/wine-env.sh
trap kz_wine_stop EXIT
kz_xvfb_start
kz_wine_prefix "${KZ_WINEPREFIX:-$root/build/wine}" desktop
kz_wineserver_start
ctest --test-dir build/win32 --output-on-failure
scripts/web-test.sh
