# Sourced: 32-bit Wine in an emulated i386 Debian root, for machines that cannot
# execute 32-bit programs (the product is the 32-bit image, and it must run for
# real somewhere). qemu-user is registered for i386 programs in binfmt_misc, so
# every 32-bit program in the root (Wine's loader, its server) runs emulated.
#
# The root and an initialised Wine prefix in it are built once per machine in a
# machine-wide cache outside the clone (BRANTELLE_CACHE, default
# /var/cache/brantelle), and rebuilt when missing or when the package list
# below changes. Needs root, debootstrap and qemu-user-static.

EMU32_CACHE=${BRANTELLE_CACHE:-/var/cache/brantelle}
EMU32_ROOT=$EMU32_CACHE/i386-root
EMU32_PACKAGES=(wine32 fonts-wine fonts-liberation)
EMU32_PREFIX=/wine/run  # inside the root
EMU32_MOUNTS=(proc dev tmp/.X11-unix)
# Under emulation every Wine process costs a minute or more of processor time
# to start, so the session runs without what the program never uses: Internet
# Explorer's registration, Plug and Play with its HID and USB bus drivers, and
# the service host (measured under emulation: the first three alone took a
# fifth of the prefix's initialisation, 211 of 1 087 s of processor time).
EMU32_OVERRIDES="mscoree,mshtml=;iexplore.exe,plugplay.exe,svchost.exe,winebus.sys,wineusb.sys,winehid.sys=d"

# Registers the emulator for i386 programs, unless one is.
emu32_register() {
  local dir=/proc/sys/fs/binfmt_misc entry
  [ -e "$dir/register" ] || mount -t binfmt_misc binfmt_misc "$dir" || return 1
  for entry in "$dir"/*; do
    grep -q '^interpreter .*qemu-i386' "$entry" 2>/dev/null || continue
    [ "$(head -n1 "$entry")" = enabled ] || echo 1 > "$entry"
    return 0
  done
  # The ELF magic of i386 executables and shared objects; F opens the
  # emulator now, so that it also runs inside the root.
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
    > "$dir/register"
}

emu32_mount() {
  mkdir -p "$EMU32_ROOT/tmp/.X11-unix"
  mountpoint -q "$EMU32_ROOT/proc" || mount -t proc proc "$EMU32_ROOT/proc"
  mountpoint -q "$EMU32_ROOT/dev" || mount --bind /dev "$EMU32_ROOT/dev"
  mountpoint -q "$EMU32_ROOT/tmp/.X11-unix" || mount --bind /tmp/.X11-unix "$EMU32_ROOT/tmp/.X11-unix"
}

emu32_unmount() {
  local m
  for m in "${EMU32_MOUNTS[@]}"; do
    mountpoint -q "$EMU32_ROOT/$m" && umount -l "$EMU32_ROOT/$m"
  done
  return 0
}

# emu32_run PREFIX CMD...: runs CMD in the root, with that Wine prefix; for at
# most EMU32_TIMEOUT seconds when that is set.
emu32_run() {
  local prefix=$1; shift
  ${EMU32_TIMEOUT:+timeout "$EMU32_TIMEOUT"} chroot "$EMU32_ROOT" /usr/bin/env -i HOME=/root PATH=/usr/lib/wine:/usr/bin:/bin DISPLAY="$DISPLAY" \
    WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="$EMU32_OVERRIDES" "$@"
}

# The host's Debian mirror and release, so the root matches the host.
emu32_mirror() {
  grep -hE '^\s*(URIs:|deb\s)' /etc/apt/sources.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
    grep -v security | sed -E 's/^\s*(URIs:|deb(\s+\[[^]]*\])?)\s+//; s/\s.*//' | head -n1
}

# Builds what is missing or stale: the root, then the prefix template in it.
# Holds the cache's lock throughout, so that two runs never build at once.
emu32_prepare() {
  local suite want mirror
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  want="$suite i386 ${EMU32_PACKAGES[*]}"
  mkdir -p "$EMU32_CACHE"
  exec 8>"$EMU32_CACHE/lock"
  flock 8
  if [ "$(cat "$EMU32_ROOT/.brantelle-root" 2>/dev/null)" != "$want" ]; then
    echo "emulated layer: building the i386 root ($want), once per machine"
    emu32_unmount
    rm -rf "$EMU32_ROOT" "$EMU32_ROOT.new"
    mirror=$(emu32_mirror)
    local list; list=$(IFS=,; echo "${EMU32_PACKAGES[*]}")
    if ! debootstrap --arch=i386 --variant=minbase --include="$list" "$suite" "$EMU32_ROOT.new" \
        ${mirror:+"$mirror"} > "$EMU32_CACHE/debootstrap.log" 2>&1; then
      echo "emulated layer: debootstrap failed (see $EMU32_CACHE/debootstrap.log)"
      tail -n 5 "$EMU32_CACHE/debootstrap.log"
      return 1
    fi
    mv "$EMU32_ROOT.new" "$EMU32_ROOT"
    echo "$want" > "$EMU32_ROOT/.brantelle-root"
  fi
  # Desktop menu entries are of no use in a test root, and writing them costs
  # minutes of emulated time at every session start.
  rm -f "$EMU32_ROOT"/usr/lib/i386-linux-gnu/wine/i386-windows/winemenubuilder.exe
  emu32_mount
  if [ "$(cat "$EMU32_ROOT/wine/template/.ready" 2>/dev/null)" != "$EMU32_OVERRIDES" ]; then
    echo "emulated layer: initialising the Wine prefix in the root, once per machine"
    rm -rf "$EMU32_ROOT/wine/template"
    mkdir -p "$EMU32_ROOT/wine"
    emu32_run /wine/template wine wineboot.exe --init >/dev/null 2>&1
    emu32_run /wine/template wineserver -w
    [ -f "$EMU32_ROOT/wine/template/system.reg" ] || { echo "emulated layer: wineboot failed"; return 1; }
    echo "$EMU32_OVERRIDES" > "$EMU32_ROOT/wine/template/.ready"
  fi
}
