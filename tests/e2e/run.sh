#!/usr/bin/env bash
# The end-to-end tests on a private X server and wine server, ended afterwards,
# against the Windows build (scripts/build.sh win32, or win64: KZ_FORCE_WIN64=1).
#   tests/e2e/run.sh [ctest arguments]         every e2e test through ctest
#   tests/e2e/run.sh --driver monkey --seed 42 --steps 2000   one group, from the driver
source "$(dirname "$0")/../../scripts/common.sh"
root=$PWD
source scripts/wine-env.sh
kz_choose_build
build=$root/build/$KZ_BUILD
kz_wine_session "$KZ_BUILD"
if [ "${1:-}" = "--driver" ]; then
  shift
  "$KZ_WINE" "$build/tests/e2e/kzdriver.exe" "$@" --exe "$build/shell/KudomatZub.exe" \
    --probe "$build/tests/e2e/kzprobe.dll" --art "$root/resources/art"
else
  ctest --test-dir "$build" --output-on-failure -R '^e2e_' "$@"
fi
