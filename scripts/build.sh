#!/usr/bin/env bash
# Configures and builds one of the builds: native, win32 or fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
case "$1" in
  native)
    cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/native -j"$jobs" ;;
  win32)
    cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DKZ_NATIVE_KZUB="$PWD/build/native/tools/kzub/kzub" \
      -DKZ_NATIVE_PANELSHOT="$PWD/build/native/tools/panelshot/kz_panelshot" >/dev/null
    cmake --build build/win32 -j"$jobs" ;;
  fuzz)
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKZ_FUZZ=ON >/dev/null
    cmake --build build/fuzz -j"$jobs" ;;
  *) echo "usage: build.sh native|win32|fuzz" >&2; exit 2 ;;
esac
