#!/usr/bin/env bash
# Installs what the build and the tests need, once: a second run finds
# everything present and installs nothing. `deps.sh web` installs what the
# web page's build, its browser tests and its bench need instead: Debian's
# packages, then the npm packages pinned in package-lock.json.
set -euo pipefail

if [ "${1:-}" = web ]; then
  need=(emscripten node-acorn nodejs chromium python3)
  # Debian's nodejs comes without npm; other builds of Node.js bring their own.
  command -v npm >/dev/null || need+=(npm)
else
  need=(cmake g++ make googletest libgtest-dev libgmock-dev libbenchmark-dev
        clang libclang-rt-14-dev g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
        wine wine32:i386 wine64 fonts-wine xvfb xauth imagemagick python3
        osslsigncode openssl wixl msitools faketime python3-yaml)
fi

# The npm packages, installed again only when the lock file has changed.
npm_packages() {
  [ "${1:-}" = web ] || return 0
  local dir
  dir="$(dirname "$0")/.."
  cmp -s "$dir/package-lock.json" "$dir/node_modules/.kz-installed-lock" 2>/dev/null && return 0
  echo "deps: npm ci"
  (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error >/dev/null &&
    cp package-lock.json node_modules/.kz-installed-lock)
}

missing=()
for p in "${need[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && { npm_packages "${1:-}"; exit 0; }

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi

echo "deps: installing ${missing[*]}"
if [ "${1:-}" != web ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
npm_packages "${1:-}"
