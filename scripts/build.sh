#!/usr/bin/env bash
# Configures and builds one of the builds: native, win32 (the shipped 32-bit
# program), win64 (the same sources as a 64-bit Windows program), fuzz or
# web (the page, built to WebAssembly into build/web).
source "$(dirname "$0")/common.sh"
jobs=$(nproc)
windows() {  # folder, toolchain file
  # A toolchain is read only when a folder is first configured; given again,
  # cmake warns that it went unused.
  local toolchain=()
  [ -f "build/$1/CMakeCache.txt" ] || toolchain=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/$2")
  cmake -S . -B "build/$1" -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" \
    -DKZ_NATIVE_KZUB="$PWD/build/native/tools/kzub/kzub" >/dev/null
  cmake --build "build/$1" -j"$jobs"
}
case "$1" in
  native)
    cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/native -j"$jobs" ;;
  win32) windows win32 mingw-i686.cmake ;;
  win64) windows win64 mingw-x86_64.cmake ;;
  fuzz)
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKZ_FUZZ=ON >/dev/null
    cmake --build build/fuzz -j"$jobs" ;;
  web)
    # emcc's optimizer needs Debian's acorn, which a Node.js from elsewhere
    # does not look for.
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    emcmake cmake -S . -B build/emscripten -DCMAKE_BUILD_TYPE=Release \
      -DKZ_WEB_OUT="$PWD/build/web" >/dev/null
    cmake --build build/emscripten -j"$jobs" ;;
  *) echo "usage: build.sh native|win32|win64|fuzz|web" >&2; exit 2 ;;
esac
