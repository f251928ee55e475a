#!/bin/sh
# The Debian package built from the build tree, the same bytes when packed
# again, unpacked into a scratch root and checked as a desktop reads it,
# then started as its launcher would start it: by the entry's Exec, in its
# Path.
#   paquet.sh <build dir> <desktop dir> <tick>
# (run on the desktop; the tick's path is relative to the program's
# working directory)
set -eu
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
bureau=$source/scripts/bureau.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() { echo "paquet: $*" >&2; exit 1; }

paquer() { cpack -G DEB -B "$1" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" || { cat "$tmp/cpack.log"; exit 1; }; }
paquer "$tmp"
deb=$(ls "$tmp"/*.deb)
# Packed again, seconds later, into another folder and under another umask:
# the same bytes.
(umask 002 && paquer "$tmp/bis") || exit 1
cmp "$deb" "$tmp"/bis/*.deb || echec "packed again, the package differs"
lintian --fail-on error,warning "$deb" || echec "lintian"
racine=$tmp/racine
dpkg-deb -x "$deb" "$racine"

# What Qt loads at run time besides the libraries it links, a GL driver,
# and the audio library the tick plays through.
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -w libgl1-mesa-dri | grep -qw libpulse0 || echec "Depends lacks libgl1-mesa-dri or libpulse0: $depends"
! ldd "$racine/usr/bin/dravoune" | grep "not found" || echec "missing libraries"

entree=$racine/usr/share/applications/org.example.Dravoune.desktop
desktop-file-validate "$entree"
appstreamcli validate --no-net "$racine/usr/share/metainfo/org.example.Dravoune.metainfo.xml" >/dev/null
cle() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$entree"; }
exec=$(cle Exec | cut -d' ' -f1) chemin=$(cle Path) icone=$(cle Icon)
case $exec in */* | "") echec "Exec=$exec is not a program name" ;; esac
[ -x "$racine/usr/bin/$exec" ] || echec "Exec=$exec is not in /usr/bin"
[ -f "$racine$chemin/$3" ] || echec "Path=$chemin holds no $3"
# Every size drawn, installed where its size says.
for png in "$source"/assets/icones/dravoune-*.png; do
    cote=$(basename "$png" .png | sed 's/^dravoune-//')
    taille=$(identify -format "%w %h" "$racine/usr/share/icons/hicolor/${cote}x$cote/apps/$icone.png")
    [ "$taille" = "$cote $cote" ] || echec "the $cote px icon is $taille"
done

# Started from the entry, the program shows its window, which a dock
# matches to the entry, and ends cleanly when it is closed.
cd "$racine$chemin"
"$racine/usr/bin/$exec" >"$tmp/sortie" 2>&1 &
pid=$!
fenetre=$(sh "$bureau" fenetre "$2" $pid) || echec "no window"
classe=$(xprop -id "$fenetre" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
[ "$classe" = "$(cle StartupWMClass)" ] || echec "WM_CLASS $classe, StartupWMClass $(cle StartupWMClass)"
# Each step bounded, so that a step that hangs says which it was, and
# where each of the program's threads waited.
timeout 60 sh "$bureau" fermer "$2" "$fenetre" || echec "could not close the window $fenetre"
(timeout 30 tail --pid=$pid -f /dev/null || {
    echo "paquet: still running 30 s after its window was closed" >&2
    for tache in "/proc/$pid/task/"*; do echo "$(cat "$tache/comm"): $(cat "$tache/wchan")" >&2; done
    kill -9 $pid
}) &
wait $pid || echec "exit code $?: $(cat "$tmp/sortie")"
wait
echo "paquet: $(basename "$deb") checked"
