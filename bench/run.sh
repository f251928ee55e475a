#!/bin/sh
# Benchmarks of the wheel under Mesa's software OpenGL, each figure beside
# its floor measured in the same run, on Qt 5 and on Qt 6 side by side:
#   bench/run.sh [flings]
# Configures and builds the "bench-qt5" and "bench" presets (build-bench-qt5/,
# build-bench/), runs each benchmark on one toolkit then the other on
# a private desktop (scripts/bureau.sh), prints the tables and writes them
# into bench/RESULTS.md. The tick benchmark repeats a fling 30 times on
# each unless told otherwise: through PulseAudio, through PipeWire, and
# through PulseAudio again with every core busy; then the first tick into
# a suspended sink, on each server.
set -eu
bench=$(cd "$(dirname "$0")" && pwd)
cd "$bench/.."
for preset in bench-qt5 bench; do
    cmake --preset $preset >/dev/null
    cmake --build --preset $preset -j"$(nproc)" >/dev/null
done

tmp=$(mktemp -d)
bureau=$(pwd)/scripts/bureau.sh
boucles=
trap 'kill $boucles 2>/dev/null || true; sh "$bureau" stop "$tmp/pipewire"; sh "$bureau" stop "$tmp/bureau"; rm -rf "$tmp"' \
    EXIT INT TERM
# The ticks are heard through PulseAudio, then through PipeWire.
sh "$bureau" start "$tmp/bureau"
sh "$bureau" start "$tmp/pipewire" pipewire
# banc QT PROGRAM [ARGUMENTS]: rows in $tmp/QT.lignes, errors in
# $tmp/QT.PROGRAM.*.err; on the desktop $sur, PulseAudio's unless told,
# its fling rows named $nom.
banc() {
    qt=$1
    programme=$2
    shift 2
    build=$(pwd)/build-bench
    [ "$qt" = 6 ] || build=$build-qt$qt
    sortie=$tmp/$qt.$programme.${sur:-bureau}$(printf %s "${nom:-}" | tr -c 'A-Za-z' _)
    sh "$bureau" exec "$tmp/${sur:-bureau}" "$build/bench/$programme" "$@" >"$sortie" 2>"$sortie.err"
    sed "s/^| Fling of the program/| ${nom:-Fling of the program}/" "$sortie" >>"$tmp/$qt.lignes"
}

charge_avant=$(cut -d' ' -f1-3 /proc/loadavg)
for qt in 5 6; do banc $qt banc-images; done
for qt in 5 6; do banc $qt banc-demarrage; done
for qt in 5 6; do banc $qt banc-tics "${1:-30}"; done
for qt in 5 6; do sur=pipewire nom="Fling on PipeWire" banc $qt banc-tics "${1:-30}"; done
# The first tick into a suspended sink, on each server: the sound is the
# same on both toolkits.
for sur in bureau pipewire; do sur=$sur banc 6 banc-reveil; done
# And beside a busy loop on every core, as on a newcomer's busy machine.
for qt in 5 6; do
    boucles=
    for c in $(seq "$(nproc)"); do
        sh -c 'while :; do :; done' &
        boucles="$boucles $!"
    done
    nom="Fling under full CPU load" banc $qt banc-tics "${1:-30}"
    kill $boucles
    boucles=
done
charge_apres=$(cut -d' ' -f1-3 /proc/loadavg)
grep -h '^QINFO\|run ' "$tmp"/*.banc-tics.*.err "$tmp"/*.banc-reveil.*.err >&2 || true

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
{
    echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`bench/run.sh${1:+ $1}\`"
    echo "on $(nproc) cores ($cpu), $(sed -n 's/^gl: //p' "$tmp/5.banc-images.bureau.err")."
    echo "Load average before and after the run: $charge_avant; $charge_apres."
    for qt in 5 6; do
        echo
        echo "### Qt $qt"
        echo
        echo "| Measure | Size | Dravoune | Bare window | Ratio | Wheel alone | Target | Met |"
        echo "| --- | --- | --- | --- | --- | --- | --- | --- |"
        cat "$tmp/$qt.lignes"
    done
    echo
    echo "### Qt 6 against Qt 5"
    echo
    echo "| Measure | Size | Dravoune, Qt 5 | Dravoune, Qt 6 | Ratio | Bare window, Qt 5 | Bare window, Qt 6 | Ratio |"
    echo "| --- | --- | --- | --- | --- | --- | --- | --- |"
    # The frame-cost and coast-CPU rows of both tables, joined on measure
    # and size.
    awk -F' [|] ' '
        FNR == 1 { qt++ }
        /^[|] (Frame cost|Coast: CPU)/ {
            cle = $1 " | " $2
            if (qt == 1) { ordre[++n] = cle; roue5[cle] = $3; nue5[cle] = $4 }
            else { roue6[cle] = $3; nue6[cle] = $4 }
        }
        END {
            for (i = 1; i <= n; i++) {
                c = ordre[i]
                printf "%s | %s | %s | %.2f× | %s | %s | %.2f× |\n", c, roue5[c], roue6[c], roue6[c] / roue5[c],
                    nue5[c], nue6[c], nue6[c] / nue5[c]
            }
        }' "$tmp/5.lignes" "$tmp/6.lignes"
} >"$tmp/table"
cat "$tmp/table"

# The tables replace those between the markers of the results file.
debut='<!-- table: written by bench/run.sh -->'
fin='<!-- end of table -->'
awk -v debut="$debut" -v fin="$fin" -v table="$tmp/table" '
    $0 == debut { print; while ((getline l < table) > 0) print l; saute = 1; next }
    $0 == fin { saute = 0 }
    !saute' "$bench/RESULTS.md" >"$tmp/resultats"
cp "$tmp/resultats" "$bench/RESULTS.md"
