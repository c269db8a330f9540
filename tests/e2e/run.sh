#!/usr/bin/env bash
# Runs the end-to-end tests on a private X server and Wine server, and ends
# both afterwards. The Windows build must exist (scripts/build.sh win32, or
# win64 on a machine that runs no 32-bit code or with KZ_FORCE_WIN64=1).
#
#   tests/e2e/run.sh [ctest arguments]         every e2e test through ctest
#   tests/e2e/run.sh --driver monkey --seed 42 --steps 2000   one group, from the driver
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
source scripts/wine-env.sh
kz_choose_build
build=$root/build/$KZ_BUILD
kz_wine_session "$KZ_BUILD"
if [ "${1:-}" = "--driver" ]; then
  shift
  scenario=$1
  shift
  "$KZ_WINE" "$build/tests/e2e/kzdriver.exe" "$scenario" --exe "$build/shell/KudomatZub.exe" \
    --probe "$build/tests/e2e/kzprobe.dll" --art "$root/resources/art" "$@"
else
  ctest --test-dir "$build" --output-on-failure -R '^e2e_' "$@"
fi
