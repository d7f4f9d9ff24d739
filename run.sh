#!/usr/bin/env bash
# Sets up, builds and runs Brantelle.exe under Wine. Arguments go to the program.
# Without a display, Xvfb and a Wine virtual desktop are started so that the
# window and the notification area exist (and can be captured with
# `DISPLAY=:97 import -window root shot.png`).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
source scripts/wine-env.sh
had_display=${DISPLAY:-}
brantelle_display
brantelle_prefix
if [ -z "$had_display" ]; then
  exec wine explorer /desktop=Brantelle,1024x740 build/win32/Brantelle.exe "$@"
fi
exec wine build/win32/Brantelle.exe "$@"
