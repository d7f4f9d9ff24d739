#!/usr/bin/env bash
# Installs what building and testing Brantelle needs, from Debian's packages.
# Quick when everything is already there.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in cmake make g++ g++-mingw-w64-i686 wine wine32:i386 xvfb googletest \
           fonts-dejavu-core fonts-liberation imagemagick x11-utils python3; do
  have "$pkg" || need+=("$pkg")
done
[ ${#need[@]} -eq 0 ] && exit 0

SUDO=; [ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "setup: installing ${need[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${need[@]}" >/dev/null
