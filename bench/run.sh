#!/bin/sh
# Benchmarks of the wheel under Mesa's software OpenGL, each figure beside
# its floor measured in the same run:
#   bench/run.sh <build dir> [flings]
# Configures the build (optimised, with the benchmarks), builds them, runs them on a
# private desktop (tools/bureau.sh), prints the results table and writes it
# into bench/RESULTS.md. The tick benchmark repeats a fling 30 times unless
# told otherwise.
set -eu
[ $# -ge 1 ] || { echo "usage: $0 <build dir> [flings]" >&2; exit 2; }
bench=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
build=$(cd "$1" && pwd)
cmake -S "$bench/.." -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVOUNE_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target dravoune banc-images banc-demarrage banc-tics >/dev/null

tmp=$(mktemp -d)
bureau="$bench/../tools/bureau.sh"
trap 'sh "$bureau" stop "$tmp/bureau"; rm -rf "$tmp"' EXIT INT TERM
sh "$bureau" start "$tmp/bureau"
sur() { sh "$bureau" exec "$tmp/bureau" "$@"; }

charge_avant=$(cut -d' ' -f1-3 /proc/loadavg)
{
    sur "$build/bench/banc-images" "$build/src/app/assets/tic-ancien1.wav" 2>"$tmp/images.err"
    sur "$build/bench/banc-demarrage" "$build/src/app/dravoune" 2>/dev/null
    sur "$build/bench/banc-tics" "${2:-30}" 2>"$tmp/tics.err"
} >"$tmp/lignes"
charge_apres=$(cut -d' ' -f1-3 /proc/loadavg)
grep '^QINFO\|run ' "$tmp/tics.err" >&2 || true

rendu=$(sed -n 's/^gl: //p' "$tmp/images.err")
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
{
    echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`bench/run.sh <build dir>\`"
    echo "on $(nproc) cores ($cpu), $rendu."
    echo "Load average before and after the run: $charge_avant; $charge_apres."
    echo
    echo "| Measure | Size | Dravoune | Bare window | Ratio | Wheel alone | Target | Met |"
    echo "| --- | --- | --- | --- | --- | --- | --- | --- |"
    cat "$tmp/lignes"
} >"$tmp/table"
cat "$tmp/table"

# The table replaces the one between the markers of the results file.
debut='<!-- table: written by bench/run.sh -->'
fin='<!-- end of table -->'
awk -v debut="$debut" -v fin="$fin" -v table="$tmp/table" '
    $0 == debut { print; while ((getline l < table) > 0) print l; saute = 1; next }
    $0 == fin { saute = 0 }
    !saute' "$bench/RESULTS.md" >"$tmp/resultats"
cp "$tmp/resultats" "$bench/RESULTS.md"
