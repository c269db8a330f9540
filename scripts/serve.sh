#!/usr/bin/env bash
# Builds the web page and serves it on 127.0.0.1 (port KZ_PORT, 8000 by
# default) until interrupted, with its compressed copies (web/serve.py).
source "$(dirname "$0")/common.sh"
scripts/deps.sh web
scripts/build.sh web
exec python3 web/serve.py build/web "${KZ_PORT:-8000}"
