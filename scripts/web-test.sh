#!/usr/bin/env bash
# Builds the web page and the native tools it is checked against, serves the
# page on 127.0.0.1 and runs the browser tests in headless Chromium. The
# server and the browser are ended on the way out.
set -euo pipefail
cd "$(dirname "$0")/.."
unset MAKEFLAGS MFLAGS MAKELEVEL
scripts/deps.sh
scripts/deps.sh web
scripts/build.sh native
scripts/build.sh web

echo "== browser tests"
echo "page size: $(cat build/web/index.html build/web/*.js build/web/*.wasm | wc -c) bytes (.html + .js + .wasm)"
log=$(mktemp)
python3 -u -m http.server 0 --bind 127.0.0.1 --directory build/web >"$log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 100); do
  port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$log")
  [ -n "$port" ] && break
  sleep 0.1
done
node tests/web/page_test.mjs "http://127.0.0.1:$port/" "$PWD" "$PWD/build/native"
