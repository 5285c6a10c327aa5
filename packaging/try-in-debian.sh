#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 system made with
# debootstrap, starts the lesson there under Xvfb and saves a screenshot:
# the proof that the package carries everything it needs.
#
#   packaging/try-in-debian.sh build/tezomat_*.deb [CHROOT] [SHOT.png]
#
# Needs root, debootstrap, and a network path to Debian's mirror.
set -euo pipefail
deb=$(realpath "$1")
root=${2:-/var/tmp/tezomat-bookworm}
shot=${3:-tezomat-in-debian.png}

if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
mountpoint -q "$root/dev" || mount --bind /dev "$root/dev"
trap 'umount "$root/proc" "$root/dev" 2>/dev/null || true' EXIT

cp "$deb" "$root/root/"
chroot "$root" apt-get update -qq
# The package names its own dependencies; Xvfb and xwd only drive this check.
chroot "$root" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq "/root/$(basename "$deb")" xvfb xauth x11-apps
chroot "$root" bash -euc '
    rm -rf /tmp/lesson && mkdir -p /tmp/lesson && cd /tmp/lesson
    tezomat-config write /usr/share/doc/tezomat/TAVN7.ini TAVN7.UFG
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
        tezomat & pid=\$!
        sleep 4
        kill -0 \$pid
        xwd -root -silent > /tmp/shot.xwd
        kill \$pid"
    echo "Урокът е стартиран в $(. /etc/os-release; echo "$PRETTY_NAME")."'
convert "$root/tmp/shot.xwd" "$shot"
echo "Снимка: $shot"
