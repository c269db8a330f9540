# Wine and Xvfb helpers for the run and test scripts; source it.
#
#   kz_choose_build               win32 where this machine runs 32-bit programs,
#                                 else win64 (sets KZ_BUILD and KZ_WHY)
#   kz_use_build win32|win64      select that build's Wine loader ($KZ_WINE)
#   kz_wine_prefix DIR [desktop]  make (once) and select a prefix
#   kz_xvfb_start [WxH]           start a private 24-bit X server (1024x768), set DISPLAY
#   kz_wineserver_start           a persistent, warmed wine server
#   kz_wine_session BUILD         all three for BUILD (X server once), ended on exit
#   kz_wine_dpi_session BUILD DPI BASE   the same at DPI, on an X server of its own
#                                 (1600x1200), in the prefix BASE-dpiDPI
#   kz_wine_stop                  end the wine server and the X server
#
# KZ_FORCE_WIN64=1 takes the 64-bit path on a machine that could run both.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

KZ_XVFB_PID=""

kz_use_build() {
  KZ_BUILD=$1
  case "$1" in
    win32)
      export WINEARCH=win32
      unset WINELOADER
      KZ_WINE=wine ;;
    win64)
      # Debian's wine wrapper takes the 32-bit loader whenever it is
      # installed, so the 64-bit one is called by name.
      export WINEARCH=win64
      export WINELOADER=/usr/lib/wine/wine64
      KZ_WINE=$WINELOADER ;;
  esac
}

# The one place that decides whether this machine runs 32-bit programs: a
# kernel without 32-bit emulation cannot start Wine's 32-bit loader.
kz_choose_build() {
  if [ -n "${KZ_FORCE_WIN64:-}" ]; then
    KZ_WHY="KZ_FORCE_WIN64 is set" KZ_BUILD=win64
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    KZ_BUILD=win32 KZ_WHY="this machine runs 32-bit programs"
  else
    KZ_BUILD=win64 KZ_WHY="this machine runs no 32-bit programs (the 32-bit Wine loader does not start)"
  fi
  kz_use_build "$KZ_BUILD"
}

kz_wine_prefix() {
  local dir="$1" desktop="${2:-}"
  export WINEPREFIX="$dir"
  if [ -f "$dir/system.reg" ]; then return 0; fi
  echo "wine: creating prefix $dir"
  mkdir -p "$dir"
  "$KZ_WINE" wineboot -i >/dev/null 2>&1 || true
  # A crash ends the program instead of waiting behind an invisible dialog.
  "$KZ_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  if [ -n "$desktop" ]; then
    # A virtual desktop: Wine draws caption and menu bar itself, so screen
    # shots are true, and closing a window does not wait.
    "$KZ_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$KZ_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  fi
  mkdir -p "$dir/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/*.ttf "$dir/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
}

kz_xvfb_start() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  KZ_XVFB_PID=$!
  local number=""
  read -r -t 30 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "xvfb: the X server did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}

kz_wineserver_start() {
  wineserver -p || true  # one may already run for this prefix
  "$KZ_WINE" cmd /c exit >/dev/null 2>&1 || true
}

kz_wine_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "$KZ_XVFB_PID" ]; then
    kill "$KZ_XVFB_PID" >/dev/null 2>&1 || true
    wait "$KZ_XVFB_PID" 2>/dev/null || true
    KZ_XVFB_PID=""
  fi
}

# The X server (started once), BUILD's own prefix under build/ and a warmed
# wine server; all of them end when the script does.
kz_wine_session() {
  kz_use_build "$1"
  trap kz_wine_stop EXIT
  if [ -z "$KZ_XVFB_PID" ]; then kz_xvfb_start; fi
  kz_wine_prefix "${2:-$PWD/build/wine-$1}" desktop
  kz_wineserver_start
}

# A session at another DPI, which the wine server reads from the prefix when
# it starts; the screen is large enough for 200%.
kz_wine_dpi_session() {
  kz_use_build "$1"
  trap kz_wine_stop EXIT
  kz_xvfb_start 1600x1200
  kz_wine_prefix "$3-dpi$2" desktop
  wineserver -k >/dev/null 2>&1 || true
  "$KZ_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
  "$KZ_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1600x1200 /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  kz_wineserver_start
}
