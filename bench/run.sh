#!/bin/sh
# Builds the "bench" preset (build-bench/), runs each benchmark once on
# the private desktops of scripts/bureau.sh, X with PulseAudio or PipeWire
# and Wayland on a 1920 x 1080 screen, and writes their table into
# bench/RESULTS.md:  bench/run.sh [flings]
set -eu
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)" >/dev/null
flings=${1:-30}
tmp=$(mktemp -d)
: >"$tmp/boucles"
trap 'xargs -r kill <"$tmp/boucles"; for b in pulse pipewire wayland; do sh scripts/bureau.sh stop "$tmp/$b"; done; rm -rf "$tmp"' EXIT
trap 'exit 1' INT TERM
sh scripts/bureau.sh start "$tmp/pulse"
sh scripts/bureau.sh start "$tmp/pipewire" pipewire
sh scripts/bureau.sh start "$tmp/wayland" wayland hd pipewire
# banc DESKTOP PROGRAM [ARGUMENTS]
banc() {
    b=$1 p=$2
    shift 2
    sh scripts/bureau.sh exec "$tmp/$b" "$PWD/build-bench/bench/$p" "$@" >>"$tmp/lignes" 2>>"$tmp/$p.err"
}
charge_avant=$(cut -d' ' -f1-3 /proc/loadavg)
banc pulse banc-images
banc wayland banc-images Wayland
banc pulse banc-demarrage
banc pulse banc-tics "$flings"
banc pipewire banc-tics "$flings" "Fling on PipeWire"
banc wayland banc-tics "$flings" "Fling on Wayland"
banc pulse banc-reveil
banc pipewire banc-reveil
# The flings again beside a busy loop on every core.
for _ in $(seq "$(nproc)"); do
    sh -c 'while :; do :; done' &
    echo $! >>"$tmp/boucles"
done
banc pulse banc-tics "$flings" "Fling under full CPU load"
xargs kill <"$tmp/boucles"
: >"$tmp/boucles"
charge_apres=$(cut -d' ' -f1-3 /proc/loadavg)
cat "$tmp/banc-tics.err" "$tmp/banc-reveil.err" >&2

cat >"$tmp/table" <<FIN
Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`bench/run.sh $flings\`
on $(nproc) cores ($(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)), $(sed -n 's/^gl: //p' "$tmp/banc-images.err" | head -n 1).
Load average before and after the run: $charge_avant; $charge_apres.

| Measure | Size | Dravoune | Bare window | Ratio | Wheel alone | Target | Met |
| --- | --- | --- | --- | --- | --- | --- | --- |
$(cat "$tmp/lignes")
FIN
cat "$tmp/table"
# The table replaces the one between the markers.
debut='<!-- table: written by bench\/run.sh -->'
sed -i -e "/^$debut\$/,/^<!-- end of table -->\$/{//!d}" -e "/^$debut\$/r $tmp/table" bench/RESULTS.md
