#!/usr/bin/env bash
# Builds the web page and serves it on 127.0.0.1 (port KZ_PORT, 8000 by
# default) until interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."
unset MAKEFLAGS MFLAGS MAKELEVEL
scripts/deps.sh web
scripts/build.sh web
port=${KZ_PORT:-8000}
echo "Kudomat Zub: http://127.0.0.1:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
