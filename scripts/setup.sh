#!/usr/bin/env bash
# Installs what building and testing Brantelle needs, from Debian's packages.
# 64-bit Wine always; 32-bit Wine only where this machine can execute 32-bit
# programs (elsewhere it would install but never start); where it cannot, the
# emulator and debootstrap for the emulated i386 root (scripts/emu32.sh).
# Quick when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

# A CJK font: without one, Chinese texts cannot be measured or shown under Wine.
want=(cmake make g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb googletest
      fonts-dejavu-core fonts-liberation fonts-wqy-microhei imagemagick x11-utils python3 clang libclang-rt-dev)
runs32=0
scripts/can-run-32bit.sh && runs32=1
if [ $runs32 = 1 ]; then want+=(wine32:i386); else want+=(qemu-user-static debootstrap); fi

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in "${want[@]}"; do
  have "$pkg" || need+=("$pkg")
done
[ ${#need[@]} -eq 0 ] && exit 0

SUDO=; [ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "setup: installing ${need[*]}"
if [ $runs32 = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${need[@]}" >/dev/null
