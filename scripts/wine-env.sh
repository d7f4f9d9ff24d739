# Sourced: a Wine environment for Brantelle, with a display.
# BRANTELLE_WINEPREFIX names the prefix (default build/wineprefix); a template
# prefix is initialised once and copied, so a fresh prefix costs a second.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
export WINEPREFIX="${BRANTELLE_WINEPREFIX:-$root/build/wineprefix}"

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
  local tpl="$root/build/wine-template"
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
