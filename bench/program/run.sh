#!/usr/bin/env bash
# Builds the Windows program and prints its figures under Wine on a private
# X server; everything started here is ended on the way out.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/wine-env.sh
kz_choose_build
build=build/$KZ_BUILD
scripts/build.sh "$KZ_BUILD" >/dev/null
kz_wine_session "$KZ_BUILD"
"$KZ_WINE" "$build/bench/program/kzbench.exe" speed --exe "$PWD/$build/shell/KudomatZub.exe" \
  --minimal "$PWD/$build/bench/program/kzminimal.exe"
