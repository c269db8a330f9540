#!/usr/bin/env bash
# Runs the end-to-end tests on a private X server and Wine server, and ends
# both afterwards. The Windows build must exist (scripts/build.sh win32, or
# win64 on a machine that runs no 32-bit code or with KZ_FORCE_WIN64=1).
#
#   tests/e2e/run.sh                      every e2e test through ctest
#   tests/e2e/run.sh -R 'e2e_(drag|copy)' ctest arguments pass through
#   tests/e2e/run.sh --driver monkey --seed 42 --actions 5000
#                                         one scenario group straight from the driver
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
source scripts/wine-env.sh
kz_choose_build
build=$root/build/$KZ_BUILD
trap kz_wine_stop EXIT
kz_xvfb_start
kz_wine_prefix "$root/build/wine-$KZ_BUILD" desktop
kz_wineserver_start
if [ "${1:-}" = "--driver" ]; then
  shift
  scenario=$1
  shift
  "$KZ_WINE" "$build/tests/e2e/kzdriver.exe" "$scenario" --exe "$build/shell/KudomatZub.exe" \
    --kzub "$build/tools/kzub/kzub.exe" --minimal "$build/tests/e2e/kzminimal.exe" \
    --pictures "$build/tests/e2e/pictures" --states "$root/tests/e2e/picture_states.txt" \
    --out "$build/tests/e2e" "$@"
else
  ctest --test-dir "$build" --output-on-failure -R '^e2e_' "$@"
fi
