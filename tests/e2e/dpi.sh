#!/usr/bin/env bash
# Runs one end-to-end group at a DPI, in a prefix of its own beside the
# session's, on an X server (large enough for 200%) and wine server of its own.
#   dpi.sh win32|win64 DPI kzdriver.exe ARGUMENTS...
source "$(dirname "$0")/../../scripts/common.sh"
source scripts/wine-env.sh
build=$1 dpi=$2
shift 2
kz_wine_dpi_session "$build" "$dpi" "${WINEPREFIX:?run it through tests/e2e/run.sh or make test}"
"$KZ_WINE" "$@"
