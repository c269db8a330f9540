#!/usr/bin/env bash
# Takes the README's picture of the web page in headless Chromium, served on
# 127.0.0.1; the server and the browser are ended afterwards.
source "$(dirname "$0")/common.sh"
out=${1:-docs/web.png}
scripts/deps.sh web
scripts/build.sh web >/dev/null
profile=$(mktemp -d)
python3 web/serve.py build/web 8719 >/dev/null 2>&1 &
server=$!
trap 'kill $server; rm -rf "$profile"' EXIT
sleep 1
mkdir -p "$(dirname "$out")"
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$profile" --hide-scrollbars --window-size=1280,800 \
  --virtual-time-budget=3000 --screenshot="$PWD/$out" http://127.0.0.1:8719/ >/dev/null 2>&1
echo "screenshot: $out"
