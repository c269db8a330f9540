#!/usr/bin/env bash
# Runs one end-to-end group at a DPI, in a prefix of its own beside the
# session's, on an X server (large enough for 200%) and wine server of its own.
#   dpi.sh win32|win64 DPI kzdriver.exe ARGUMENTS...
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
build=$1 dpi=$2
shift 2
kz_use_build "$build"
base=${WINEPREFIX:?run it through tests/e2e/run.sh or make test}
trap kz_wine_stop EXIT
kz_xvfb_start 1600x1200
kz_wine_prefix "$base-dpi$dpi" desktop
wineserver -k >/dev/null 2>&1 || true
"$KZ_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
"$KZ_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1600x1200 /f >/dev/null 2>&1
# Both are read when the wine server starts.
wineserver -k >/dev/null 2>&1 || true
kz_wineserver_start
"$KZ_WINE" "$@"
