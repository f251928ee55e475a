#!/bin/sh
# Benchmarks of the wheel under Mesa's software OpenGL, each figure beside
# its floor measured in the same run:
#   bench/run.sh <build dir>
# Builds what it needs, starts an X display and a PulseAudio server of its
# own, prints the results table and writes it into bench/RESULTS.md.
# Needs Xvfb, xdotool and pulseaudio (the packages that ./dev.sh installs).
set -eu
[ $# -eq 1 ] || { echo "usage: $0 <build dir>" >&2; exit 2; }
bench=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
cmake --build "$build" -j"$(nproc)" --target dravoune banc-roue banc-son banc-demarrage fenetre-nue roue-seule >/dev/null

tmp=$(mktemp -d)
xvfb=
pulse=
finir() {
    [ -z "$pulse" ] || kill "$pulse" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap finir EXIT INT TERM

# Wide enough for two 1920 x 1080 windows side by side: the wheel and its floor.
Xvfb -displayfd 3 -screen 0 3840x2160x24 +extension GLX -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
while [ ! -s "$tmp/display" ]; do sleep 0.1; done
DISPLAY=":$(cat "$tmp/display")"
export DISPLAY

mkdir -m 700 "$tmp/run"
XDG_RUNTIME_DIR="$tmp/run" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --load="module-null-sink sink_name=nul" --load="module-native-protocol-unix" \
    >"$tmp/pulse.log" 2>&1 &
pulse=$!
while [ ! -S "$tmp/run/pulse/native" ]; do sleep 0.1; done
export XDG_RUNTIME_DIR="$tmp/run"

tic="$build/src/app/assets/tic-ancien1.wav"
lignes="$tmp/lignes"
charge_avant=$(cut -d' ' -f1-3 /proc/loadavg)
{
    "$build/bench/banc-roue" "$tic" 2>"$tmp/roue.err"
    "$build/bench/banc-demarrage" "$build/src/app/dravoune" "$build/bench/fenetre-nue" \
        "$build/bench/roue-seule" 2>/dev/null
    "$build/bench/banc-son" "$tic" "PulseAudio running" "$pulse" 2>/dev/null
    PULSE_SERVER="unix:$tmp/aucun" "$build/bench/banc-son" "$tic" "no audio server" 2>/dev/null
} >"$lignes"
charge_apres=$(cut -d' ' -f1-3 /proc/loadavg)

rendu=$(sed -n 's/^gl: //p' "$tmp/roue.err")
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
{
    echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`bench/run.sh <build dir>\`"
    echo "on $(nproc) cores ($cpu), $rendu."
    echo "Load average before and after the run: $charge_avant; $charge_apres."
    echo
    echo "| Measure | Size | Dravoune | Bare window | Ratio | Wheel alone | Target | Met |"
    echo "| --- | --- | --- | --- | --- | --- | --- | --- |"
    cat "$lignes"
} >"$tmp/table"
cat "$tmp/table"

# The table replaces the one between the markers of the results file.
resultats="$bench/RESULTS.md"
debut='<!-- table: written by bench/run.sh -->'
fin='<!-- end of table -->'
if ! grep -qF "$debut" "$resultats" 2>/dev/null; then
    printf '# Benchmark results\n\n%s\n%s\n' "$debut" "$fin" >"$resultats"
fi
awk -v debut="$debut" -v fin="$fin" -v table="$tmp/table" '
    $0 == debut { print; while ((getline l < table) > 0) print l; saute = 1; next }
    $0 == fin { saute = 0 }
    !saute' "$resultats" >"$tmp/resultats"
cp "$tmp/resultats" "$resultats"
