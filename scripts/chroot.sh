#!/bin/sh
# One README command tried as a newcomer would: in a fresh Debian chroot of
# the given release, on a fresh clone of this repository's HEAD. Run as root
# on a Debian machine with debootstrap.
#   scripts/chroot.sh bookworm|trixie run|test [DIR]
# DIR, when given, is where the chroot is built and kept for a look
# afterwards; otherwise it goes once the command has run.
set -eu
[ $# -ge 2 ] || { echo "usage: $0 bookworm|trixie run|test [DIR]" >&2; exit 2; }
version=$1
commande=$2
depot=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
miroir=${MIROIR:-http://deb.debian.org/debian}
if [ $# -ge 3 ]; then
    racine=$(realpath -m "$3")
    garder=1
else
    racine=$(mktemp -d /var/tmp/dravoune-"$version".XXXXXX)
    garder=0
fi
debut=$(date +%s)
points="proc sys dev dev/pts dev/shm"

# Whatever the command left running in the chroot (a private desktop it
# could not stop) would keep the mounts busy.
demonter() {
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" != "$racine" ] || kill -9 "${p#/proc/}" 2>/dev/null || true
    done
    for point in $(echo "$points" | tr ' ' '\n' | tac); do
        ! mountpoint -q "$racine/$point" || umount "$racine/$point" || umount -l "$racine/$point"
    done
}

fin() {
    code=$?
    trap - EXIT INT TERM
    demonter
    if [ $garder -eq 0 ]; then
        # Never through a mount that is still there.
        if findmnt -rno TARGET | grep -q "^$racine/"; then
            echo "chroot: $racine still has mounts; left in place" >&2
        else
            rm -rf --one-file-system "$racine"
        fi
    fi
    duree=$(($(date +%s) - debut))
    resultat=passed
    [ $code -eq 0 ] || resultat="FAILED (exit $code)"
    printf 'chroot: Debian %s, ./dev.sh %s: %s in %d min %02d s\n' \
        "$version" "$commande" "$resultat" $((duree / 60)) $((duree % 60))
    exit $code
}
trap fin EXIT
trap 'exit 130' INT TERM

if [ ! -x "$racine/bin/sh" ]; then
    echo "chroot: debootstrap $version into $racine"
    debootstrap "$version" "$racine" "$miroir" >"$racine.debootstrap.log" 2>&1 ||
        { tail -20 "$racine.debootstrap.log" >&2; exit 1; }
    rm -f "$racine.debootstrap.log"
    # The updates a fresh install has, besides the release itself.
    echo "deb $miroir $version-updates main" >>"$racine/etc/apt/sources.list"
fi
cp /etc/resolv.conf "$racine/etc/resolv.conf"
mount -t proc proc "$racine/proc"
for point in ${points#proc }; do
    mount --bind "/$point" "$racine/$point"
done

rm -rf "$racine/root/dravoune"
git clone --quiet "$depot" "$racine/root/dravoune"
echo "chroot: ./dev.sh $commande on $(git -C "$racine/root/dravoune" log -1 --format='%h %s')"
apres=$(date +%s)
chroot "$racine" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    /root/dravoune/dev.sh "$commande"
duree=$(($(date +%s) - apres))
printf 'chroot: the command alone took %d min %02d s\n' $((duree / 60)) $((duree % 60))
