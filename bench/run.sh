#!/bin/sh
# Benchmarks of the wheel under Mesa's software OpenGL, each figure beside
# its floor measured in the same run:
#   bench/run.sh [flings]
# Configures and builds the "bench" preset (build-bench/), runs the
# benchmarks on a private desktop (scripts/bureau.sh), prints the
# results table and writes it into bench/RESULTS.md. The tick benchmark
# repeats a fling 30 times unless told otherwise.
set -eu
bench=$(cd "$(dirname "$0")" && pwd)
cd "$bench/.."
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)" >/dev/null
build=$(pwd)/build-bench

tmp=$(mktemp -d)
bureau=$(pwd)/scripts/bureau.sh
trap 'sh "$bureau" stop "$tmp/bureau"; rm -rf "$tmp"' EXIT INT TERM
sh "$bureau" start "$tmp/bureau"
sur() { sh "$bureau" exec "$tmp/bureau" "$@"; }

charge_avant=$(cut -d' ' -f1-3 /proc/loadavg)
{
    sur "$build/bench/banc-images" 2>"$tmp/images.err"
    sur "$build/bench/banc-demarrage" 2>/dev/null
    sur "$build/bench/banc-tics" "${1:-30}" 2>"$tmp/tics.err"
} >"$tmp/lignes"
charge_apres=$(cut -d' ' -f1-3 /proc/loadavg)
grep '^QINFO\|run ' "$tmp/tics.err" >&2 || true

rendu=$(sed -n 's/^gl: //p' "$tmp/images.err")
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
{
    echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`bench/run.sh\`"
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
