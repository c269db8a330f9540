#!/usr/bin/env bash
# Builds the web page and the native tools it is checked against, serves the
# page on 127.0.0.1 as `make serve` does and runs the browser tests in
# headless Chromium. The server and the browser are ended on the way out.
source "$(dirname "$0")/common.sh"
scripts/deps.sh
scripts/deps.sh web
scripts/build.sh native
scripts/build.sh web

echo "== browser tests"
python3 web/serve.py build/web 0 \
  node --test-reporter=tap tests/web/page_test.mjs {url} "$PWD" "$PWD/build/native"
