#!/bin/sh
# A private desktop for the tests, the benchmarks and a headless start: a
# virtual X display (3840 x 2160, room for two full-HD windows side by side)
# with a window manager, and an audio server whose only output is a null
# sink "nul", kept busy by a silent stream so that a recording of its
# monitor times the program and not the sink waking up.
#   bureau.sh start DIR         starts it; DIR/env names it
#   bureau.sh exec DIR CMD...   runs CMD on it
#   bureau.sh stop DIR          stops it
set -eu
dir=$2

# Polls a command for up to 15 s.
attendre() {
    n=0
    until "$@" >/dev/null 2>&1; do
        n=$((n + 1))
        [ $n -lt 150 ] || { echo "bureau: no answer from $1 (logs in $dir)" >&2; exit 1; }
        sleep 0.1
    done
}

# Started in the background with no tie to the caller's output, so that a
# caller waiting for its output to close (CTest) does not wait for them.
lancer() {
    journal=$1
    shift
    "$@" </dev/null >"$dir/$journal" 2>&1 &
    echo $! >>"$dir/pids"
}

case $1 in
start)
    rm -rf "$dir"
    mkdir -p "$dir/home" "$dir/run"
    chmod 700 "$dir/run"
    Xvfb -displayfd 3 -screen 0 3840x2160x24 +extension GLX -nolisten tcp -noreset \
        3>"$dir/affichage" </dev/null >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/pids"
    attendre test -s "$dir/affichage"
    cat >"$dir/env" <<FIN
DISPLAY=:$(cat "$dir/affichage")
HOME=$dir/home
XDG_RUNTIME_DIR=$dir/run
PULSE_SERVER=unix:$dir/run/pulse/native
QT_QPA_PLATFORM=xcb
FIN
    set -a
    . "$dir/env"
    set +a
    unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS PULSE_SINK PULSE_SOURCE
    lancer openbox.log openbox
    attendre sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
    lancer pulseaudio.log pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --load="module-null-sink sink_name=nul" \
        --load="module-native-protocol-unix auth-anonymous=1"
    attendre pactl info
    lancer pacat.log pacat --playback /dev/zero
    attendre sh -c 'pactl list short sinks | grep -q RUNNING'
    ;;
exec)
    shift 2
    set -a
    . "$dir/env"
    set +a
    unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS PULSE_SINK PULSE_SOURCE
    exec "$@"
    ;;
stop)
    # The silent stream first, the display last.
    [ ! -f "$dir/pids" ] || kill $(tac "$dir/pids") 2>/dev/null || true
    ;;
*)
    echo "usage: $0 start|exec|stop DIR [CMD...]" >&2
    exit 2
    ;;
esac
