# The start every script here shares; source it first:
#   source "$(dirname "$0")/common.sh"
# Stops at the first failing command, works from the repository's root, and
# drops the outer make's flags: the builds run their own make.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
unset MAKEFLAGS MFLAGS MAKELEVEL
