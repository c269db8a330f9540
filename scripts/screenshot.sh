#!/usr/bin/env bash
# Takes the README's picture of the window: starts Kudomat Zub under Wine on
# a private X server (Wine's virtual desktop draws the caption and the menu
# bar), presses Zub once, and crops the window out of a screen shot.
#   scripts/screenshot.sh [OUT [DPI]]   docs/screenshot.png at 96 DPI by default;
#                                       another DPI in a prefix of its own
source "$(dirname "$0")/common.sh"
out=${1:-docs/screenshot.png} dpi=${2:-96}
scripts/deps.sh
scripts/build.sh native >/dev/null
source scripts/wine-env.sh
kz_choose_build
scripts/build.sh "$KZ_BUILD" >/dev/null
if [ "$dpi" = 96 ]; then
  kz_wine_session "$KZ_BUILD"
else
  kz_wine_dpi_session "$KZ_BUILD" "$dpi" "$PWD/build/wine-$KZ_BUILD"
fi
# The bench tool starts the program, sets a state, presses Zub and holds still.
work=$(mktemp -d)
trap 'rm -rf "$work"; kz_wine_stop' EXIT
"$KZ_WINE" "build/$KZ_BUILD/bench/program/kzbench.exe" pose \
  --exe "$PWD/build/$KZ_BUILD/shell/KudomatZub.exe" >"$work/log" 2>&1 &
driver=$!
for _ in $(seq 100); do grep -q posed "$work/log" && break; sleep 0.1; done
sleep 0.5
import -window root "$work/screen.png"
wait "$driver" || true
# The window is all that differs from the empty desktop's colour, whatever
# size the DPI gives it.
mkdir -p "$(dirname "$out")"
convert "$work/screen.png" -trim +repage "$out"
echo "screenshot: $out, $(identify -format '%w x %h' "$out") at $dpi DPI"
