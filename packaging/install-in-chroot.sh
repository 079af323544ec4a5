#!/usr/bin/env bash
# Installs the .deb in a clean Debian 12 (minbase chroot made by debootstrap)
# and runs the installed programs there: what a user's machine would do with
# the package, without anything this build machine has installed by hand.
# Needs root and the network; not part of .ci/run (it downloads ~40 MB).
#   sudo bash packaging/install-in-chroot.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=${1:-build}
root=$(mktemp -d /tmp/quarvel-chroot.XXXXXX)
cleanup() { umount "$root/proc" 2>/dev/null || true; rm -rf "$root" "$root.deb"; }
trap cleanup EXIT

command -v debootstrap >/dev/null || apt-get install -y debootstrap >/dev/null
(cd "$build" && cpack -G DEB -B "$root.deb" >/dev/null)
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
cp "$root".deb/quarvel_*.deb "$root/tmp/quarvel.deb"
rm -rf "$root.deb"
printf '60 140 70 140 244 140 70 60\r\n' >"$root/tmp/d.qvl"
mount --bind /proc "$root/proc"
chroot "$root" bash -euc '
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >/dev/null
    apt-get install -y -q /tmp/quarvel.deb >/dev/null
    cd /tmp
    quarvel-cli plan d.qvl >/dev/null
    quarvel-cli cut d.qvl o.dxf
    quarvel-cli render d.qvl o.bmp
    quarvel-cli template d.qvl o.pdf
    test -s o.dxf && test -s o.bmp && test -s o.pdf
    # The window program starts on the design and keeps running until stopped.
    status=0; QT_QPA_PLATFORM=offscreen timeout 5 quarvel d.qvl >/dev/null 2>&1 || status=$?
    test "$status" -eq 124
    test -f /usr/share/applications/org.quarvel.Quarvel.desktop
    test -f /usr/share/mime/packages/org.quarvel.Quarvel.xml
'
echo "== installed and ran in a clean Debian 12 =="
