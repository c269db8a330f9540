#!/usr/bin/env bash
# Takes the README's picture of the window: starts Kudomat Zub under Wine on
# a private X server (Wine's virtual desktop draws the caption and the menu
# bar), presses Zub once, and crops the window out of a screen shot.
source "$(dirname "$0")/common.sh"
out=${1:-docs/screenshot.png}
scripts/deps.sh
scripts/build.sh native >/dev/null
source scripts/wine-env.sh
kz_choose_build
scripts/build.sh "$KZ_BUILD" >/dev/null
kz_wine_session "$KZ_BUILD"
# The bench tool starts the program, sets a state, presses Zub and holds still.
log=$(mktemp)
"$KZ_WINE" "build/$KZ_BUILD/bench/program/kzbench.exe" pose \
  --exe "$PWD/build/$KZ_BUILD/shell/KudomatZub.exe" >"$log" 2>&1 &
driver=$!
for _ in $(seq 100); do grep -q posed "$log" && break; sleep 0.1; done
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window root -crop 620x270+100+100 +repage "$out"
wait "$driver" || true
rm -f "$log"
echo "screenshot: $out"
