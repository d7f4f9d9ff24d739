#!/usr/bin/env bash
# Sets up, builds and runs Brantelle.exe under Wine. Arguments go to the program.
# The build run is the one this machine can execute (scripts/wine-env.sh): the
# 32-bit one where 32-bit programs run, else the 64-bit one.
# Without a display, Xvfb and a Wine virtual desktop are started so that the
# window and the notification area exist (and can be captured with
# `DISPLAY=:97 import -window root shot.png`).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
source scripts/wine-env.sh
echo "Brantelle: $BRANTELLE_WINE_ARCH build ($BRANTELLE_ARCH_WHY)" >&2
had_display=${DISPLAY:-}
brantelle_display
brantelle_prefix
if [ -z "$had_display" ]; then
  exec wine explorer /desktop=Brantelle,1024x740 "$BRANTELLE_BUILD/Brantelle.exe" "$@"
fi
exec wine "$BRANTELLE_BUILD/Brantelle.exe" "$@"
