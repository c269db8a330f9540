#!/usr/bin/env bash
# Builds Kudomat Zub and starts it under Wine on the user's display: the
# shipped 32-bit program where this machine runs 32-bit code, else the
# 64-bit build of the same sources.
source "$(dirname "$0")/common.sh"
if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
make run: there is no display (DISPLAY is not set), so the window has nowhere to show.
Run it from a desktop session, over ssh -X, or on a virtual screen:
    xvfb-run -a -s "-screen 0 1024x768x24" make run
MSG
  exit 1
fi
scripts/deps.sh
scripts/build.sh native
source scripts/wine-env.sh
kz_choose_build
scripts/build.sh "$KZ_BUILD"
echo "make run: starting build/$KZ_BUILD/shell/KudomatZub.exe ($KZ_WHY)"
kz_wine_prefix "$PWD/build/wine-run-$KZ_BUILD"
exec "$KZ_WINE" "build/$KZ_BUILD/shell/KudomatZub.exe"
