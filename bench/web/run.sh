#!/usr/bin/env bash
# The web page's figures: bytes per file (raw, gzip, brotli), the panel's
# time on screen from a cold start against a trivial canvas page (nine pairs
# of loads, on a slow link and unthrottled), and Lighthouse's scores on
# desktop and mobile. KZ_TRACE=FILE also saves the performance trace of one
# slow cold load (open it in Chromium's DevTools, Performance panel). The
# page is served as `make serve` serves it; server and browser end with it.
set -euo pipefail
cd "$(dirname "$0")/../.."
unset MAKEFLAGS MFLAGS MAKELEVEL
scripts/deps.sh web
scripts/build.sh web >/dev/null

echo "== web page"
# The yardstick page is served beside the page for the length of the run.
cp bench/web/trivial.html build/web/bench-trivial.html
cp bench/web/trivial.js build/web/bench-trivial.js
trap 'rm -f build/web/bench-trivial.*' EXIT
python3 web/serve.py build/web 0 node bench/web/page_bench.mjs {url} build/web
