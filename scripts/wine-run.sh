#!/usr/bin/env bash
# Runs a Windows program under Wine in Brantelle's prefix (used by CTest).
source "$(dirname "$0")/wine-env.sh" || exit 1
brantelle_display
brantelle_prefix
exec wine "$@"
