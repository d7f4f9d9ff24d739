#!/usr/bin/env bash
# Saves a picture of each of Brantelle's windows into docs/pictures, taken from
# the real program under Wine on Xvfb. Run on demand when a window changes
# (after scripts/build.sh); not part of ./test.sh. Ends non-zero, naming the
# view, when a window does not appear.
#
# The windows live on a Wine virtual desktop the size of the screen: unlike a
# bare X server it draws the captions and frames, and a task bar whose
# notification area holds the tray icon.
set -u
root="$(cd "$(dirname "$0")/../.." && pwd)"
unset DISPLAY  # always Xvfb (display :BRANTELLE_DISPLAY_NUM), whatever screen this runs on
source "$root/scripts/wine-env.sh" || exit 1
source "$root/tests/e2e/lib.sh"
brantelle_display
export WINEPREFIX="$WINEPREFIX-pictures"
exe="$BRANTELLE_BUILD/Brantelle.exe"
out="$root/docs/pictures"
screen="$BRANTELLE_BUILD/pictures-screen.png"
mkdir -p "$out"
[ -f "$exe" ] && [ -f "$BRANTELLE_BUILD/probe.exe" ] || { echo "pictures: build first (scripts/build.sh)" >&2; exit 1; }

fail() { echo "pictures: $1" >&2; quit_all; exit 1; }

# virtual_desktop: every program of the current prefix on one desktop as large
# as the screen. Wine draws the caption buttons with Marlett, which it finds
# only among the prefix's fonts.
virtual_desktop() {
  local size
  size=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null ||
    echo "pictures: no marlett.ttf (fonts-wine): caption buttons will show letters" >&2
  wineserver -k >/dev/null 2>&1
  sleep 0.3
}

# shoot NAME GEOMETRY [CONVERT-OPTION...]: that rectangle of the screen as NAME.png, 8-bit palette
shoot() {
  local name=$1 geom=$2
  shift 2
  [[ $geom =~ ^[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+$ ]] || fail "$name: the window has no place on the screen ($geom)"
  import -window root "$screen" 2>/dev/null &&
    convert "$screen" -crop "$geom" +repage "$@" -strip PNG8:"$out/$name.png" ||
    fail "$name: the screen could not be captured"
  echo "  $name.png $(identify -format '%wx%h' "$out/$name.png") $(stat -c %s "$out/$name.png") bytes"
}

# window NAME [TITLE]: the form with that title (the main window without one)
window() {
  sleep 0.5  # a window just opened or switched paints once more
  shoot "$1" "$(probe window-rect ${2:+"$2"})"
}

# gone TITLE: waits until no form with that title shows
gone() {
  for _ in $(seq 40); do probe window-rect "$1" >/dev/null || return 0; sleep 0.25; done
  fail "\"$1\" did not close"
}

start() {
  wine reg delete 'HKCU\SOFTWARE\Corvantis' /f >/dev/null 2>&1
  wine "$exe" /W >/dev/null 2>&1 &
  probe wait-state normal 20000 >/dev/null || fail "main window: /W did not show it"
  sleep 3  # the gauges draw a few seconds of their curves, the tray icon its number
}

echo "pictures: $BRANTELLE_WINE_ARCH build into $out"
brantelle_fresh_prefix
virtual_desktop
start
window main-window

# The icon sits at the right end of the task bar; enlarged so its number reads.
read -r w h x y < <(probe taskbar-rect | tr 'x+' '  ')
[ -n "${y:-}" ] || fail "tray icon: no task bar on the virtual desktop"
shoot tray-icon "40x$h+$((x + w - 40))+$y" -filter point -resize 400%
[ "$(convert "$out/tray-icon.png" -format %k info:)" -gt 2 ] || fail "tray icon: the notification area is empty"

probe click Settings >/dev/null
probe wait-window "Brantelle Settings" 10000 >/dev/null || fail "settings dialog did not appear"
window settings-program "Brantelle Settings"
probe click-at "Brantelle Settings" SysTabControl32 90 10 >/dev/null
window settings-memory "Brantelle Settings"
probe click-at "Brantelle Settings" SysTabControl32 180 10 >/dev/null
window settings-misc "Brantelle Settings"
probe close-window "Brantelle Settings" >/dev/null
gone "Brantelle Settings"

probe menu-keys right right right down down down enter >/dev/null  # Sensors, Color settings
probe wait-window "Sensors Settings" 10000 >/dev/null || fail "colour window (Sensors, Color settings) did not appear"
window sensors-settings "Sensors Settings"
probe close-window "Sensors Settings" >/dev/null
gone "Sensors Settings"

[ "$(open_by_strip cpu)" = "open count=1" ] || fail "processor window did not appear"
window processor-identification "Processor Detection Toolkit"
[ "$(probe cpu-tab 150)" = "list=shown" ] || fail "processor window: its feature tab did not show"
window processor-features "Processor Detection Toolkit"
probe cpu-ok >/dev/null
probe cpu-wait none 10000 >/dev/null || fail "processor window did not close"

probe go-watch 16 30000 >/dev/null || fail "result report: the freeing run did not run"
probe report-wait open 10000 >/dev/null || fail "result report did not appear"
window result-report "Brantelle Result Report"
probe report-click Close >/dev/null
probe report-wait none 10000 >/dev/null || fail "result report did not close"
quit_all

# The swap file and cache window belongs to Windows 98, and reads its system.ini.
win98_prefix "$WINEPREFIX-win98"
virtual_desktop
start
[ "$(open_by_strip vmem)" = "open count=1" ] || fail "swap file and cache window did not appear"
window swap-file "Virtual Memory Settings"
[ "$(probe vmem-tab 150 "manually specify virtual cache parameters")" = shown ] ||
  fail "swap file and cache window: its cache tab did not show"
window disk-cache "Virtual Memory Settings"
probe vmem-close >/dev/null
quit_all
echo "pictures: done"
