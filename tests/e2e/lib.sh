# Sourced by the end-to-end scripts after scripts/wine-env.sh: the probe that
# drives Brantelle.exe from outside, and the Wine sessions around it.

# probe COMMAND...: its output without CRs, and its exit status (not tr's)
probe() { wine "$BRANTELLE_BUILD/probe.exe" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
# -w: the next start must not meet a server still shutting down (a start then
# found the old instance and handed over to it).
quit_all() { probe exit >/dev/null; sleep 0.5; wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1; sleep 0.3; }

# open_by_strip cpu|vmem: clicks that window's strip on the main window and
# waits for the window; prints the last wait's answer ("open count=1" when shown)
open_by_strip() {
  local out
  probe "$1-open-strip" >/dev/null
  out=$(probe "$1-wait" open 8000)
  if [ "$out" != "open count=1" ]; then  # a click on a strip not yet placed goes nowhere
    probe "$1-open-strip" >/dev/null
    out=$(probe "$1-wait" open 20000)
  fi
  echo "$out"
}

# win98_prefix PATH: a fresh prefix there, made current, in which Wine reports
# Windows 98; its "system.ini" holds no swap file and a cache of 2 to 16 MB.
win98_prefix() {
  export WINEPREFIX="$1"
  rm -rf "$WINEPREFIX"
  cp -a "$(brantelle_template)" "$WINEPREFIX"
  wine reg add 'HKCU\Software\Wine' /v Version /d win98 /f >/dev/null 2>&1
  printf '[386Enh]\r\nPaging=off\r\n[vcache]\r\nMinFileCache=2048\r\nMaxFileCache=16384\r\n' \
    > "$WINEPREFIX/drive_c/windows/system.ini"
}
