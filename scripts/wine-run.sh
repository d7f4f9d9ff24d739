#!/usr/bin/env bash
# Runs a Windows program under Wine in Brantelle's prefix (used by CTest).
source "$(dirname "$0")/wine-env.sh"
brantelle_display
brantelle_prefix
exec wine "$@"
