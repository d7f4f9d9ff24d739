# Sourced: a Wine environment for Brantelle, with a display.
#
# The Wine layers run the build that this machine can execute: the i686 tree
# under 32-bit Wine where 32-bit programs run, otherwise the x86_64 tree under
# 64-bit Wine. BRANTELLE_WINE_ARCH=win32|win64 forces a choice. After sourcing,
# BRANTELLE_BUILD is the chosen build folder and BRANTELLE_ARCH_WHY says why.
#
# The loader is named explicitly (a `wine` on PATH in build/wine-bin-ARCH):
# where wine32 is installed but cannot execute, /usr/bin/wine would pick it.
# BRANTELLE_WINEPREFIX names the prefix (default build/wineprefix-ARCH); a
# template prefix per architecture is initialised once and copied, so a fresh
# prefix costs a second.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

brantelle_choose_arch() {
  if [ -n "${BRANTELLE_WINE_ARCH:-}" ]; then
    case "$BRANTELLE_WINE_ARCH" in
      win32|win64) ;;
      *) echo "Wine layers: BRANTELLE_WINE_ARCH must be win32 or win64, not '$BRANTELLE_WINE_ARCH'" >&2; return 1 ;;
    esac
    BRANTELLE_ARCH_WHY="forced by BRANTELLE_WINE_ARCH"
    if [ "$BRANTELLE_WINE_ARCH" = win32 ] && ! "$root/scripts/can-run-32bit.sh"; then
      echo "Wine layers: win32 build forced, but this machine cannot execute 32-bit programs (Exec format error)" >&2
      return 1
    fi
  elif "$root/scripts/can-run-32bit.sh"; then
    BRANTELLE_WINE_ARCH=win32 BRANTELLE_ARCH_WHY="this machine executes 32-bit programs"
  else
    BRANTELLE_WINE_ARCH=win64 BRANTELLE_ARCH_WHY="this machine cannot execute 32-bit programs"
  fi
  local loader=/usr/lib/wine/wine
  [ "$BRANTELLE_WINE_ARCH" = win64 ] && loader=/usr/lib/wine/wine64
  if [ ! -x "$loader" ]; then
    echo "Wine layers: $loader is missing (run scripts/setup.sh)" >&2
    return 1
  fi
  local bin="$root/build/wine-bin-$BRANTELLE_WINE_ARCH" tool
  mkdir -p "$bin"
  printf '#!/bin/sh\nexec %s "$@"\n' "$loader" > "$bin/wine"
  for tool in winepath wineboot; do
    printf '#!/bin/sh\nexec %s %s.exe "$@"\n' "$loader" "$tool" > "$bin/$tool"
  done
  chmod +x "$bin"/*
  case ":$PATH:" in *":$bin:"*) ;; *) PATH="$bin:$PATH" ;; esac
  export PATH BRANTELLE_WINE_ARCH BRANTELLE_ARCH_WHY
  export WINELOADER="$loader" WINEARCH="$BRANTELLE_WINE_ARCH"
  export BRANTELLE_BUILD="$root/build/$BRANTELLE_WINE_ARCH"
  export WINEPREFIX="${BRANTELLE_WINEPREFIX:-$root/build/wineprefix-$BRANTELLE_WINE_ARCH}"
}
brantelle_choose_arch || return 1 2>/dev/null || exit 1

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

brantelle_display() {
  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    export DISPLAY=:${BRANTELLE_DISPLAY_NUM:-97}
    if ! xdpyinfo >/dev/null 2>&1; then
      # A server killed earlier may have left its lock behind.
      local n=${DISPLAY#:} lock
      lock=/tmp/.X${n}-lock
      if [ -f "$lock" ] && ! kill -0 "$(tr -d ' ' < "$lock")" 2>/dev/null; then
        rm -f "$lock" "/tmp/.X11-unix/X${n}"
      fi
      Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    fi
  fi
}

brantelle_template() {
  local tpl="$root/build/wine-template-$BRANTELLE_WINE_ARCH"
  if [ ! -f "$tpl/.ready" ]; then
    rm -rf "$tpl"
    WINEPREFIX="$tpl" wineboot --init >/dev/null 2>&1 || true
    WINEPREFIX="$tpl" wineserver -w
    touch "$tpl/.ready"
  fi
  echo "$tpl"
}

# A fresh prefix for one test run, copied from the template.
brantelle_fresh_prefix() {
  local tpl; tpl=$(brantelle_template)
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  cp -a "$tpl" "$WINEPREFIX"
}

# A prefix that is kept between interactive runs.
brantelle_prefix() {
  [ -d "$WINEPREFIX/drive_c" ] || brantelle_fresh_prefix
}
