#!/bin/sh
# A private desktop for the tests, the benchmarks and a start without a
# screen: a virtual X display (3840 x 2160, room for two full-HD windows
# side by side) with a window manager and a UTF-8 locale (Qt 6 warns
# without one), and an audio server whose only output is a null sink
# "nul", kept busy by a silent stream so that a recording of its monitor
# times the program and not the sink waking up; pacmd drives it (a test
# drops a client with it).
#   bureau.sh start DIR         starts it; DIR/env names it
#   bureau.sh exec DIR CMD...   runs CMD on it
#   bureau.sh fenetre DIR PID   prints the window of process PID once the
#                               window manager shows it
#   bureau.sh stop DIR          stops it; so does the end of the process
#                               that started it
set -eu
dir=$2

adopter() {
    set -a
    . "$dir/env"
    set +a
    unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS PULSE_SINK PULSE_SOURCE
}

# Polls a command for up to 15 s.
attendre() {
    n=0
    until sh -c "$1" >/dev/null 2>&1; do
        n=$((n + 1))
        [ $n -lt 150 ] || { echo "bureau: no answer to '$1' (logs in $dir)" >&2; exit 1; }
        sleep 0.1
    done
}

# In the background, with no tie to the caller's output: CTest waits for
# that to close.
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
    lancer xvfb.log Xvfb -displayfd 3 -screen 0 3840x2160x24 +extension GLX -nolisten tcp -noreset 3>"$dir/affichage"
    attendre "test -s $dir/affichage"
    # A desktop user has an audio cookie, which libpulse would otherwise make
    # in the empty home. This server takes any; read-only, so that libpulse,
    # which first tries to open it for writing, falls back to reading it.
    head -c 256 /dev/zero >"$dir/cookie"
    chmod 400 "$dir/cookie"
    printf 'DISPLAY=:%s\nHOME=%s\nXDG_RUNTIME_DIR=%s\nPULSE_SERVER=unix:%s\nPULSE_COOKIE=%s\nQT_QPA_PLATFORM=xcb\nLANG=C.UTF-8\nDRAVOUNE_BUREAU=%s\n' \
        "$(cat "$dir/affichage")" "$dir/home" "$dir/run" "$dir/run/pulse/native" "$dir/cookie" "$dir" >"$dir/env"
    adopter
    lancer openbox.log openbox
    attendre 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
    lancer pulseaudio.log pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --load="module-null-sink sink_name=nul" --load="module-native-protocol-unix auth-anonymous=1" \
        --load=module-cli-protocol-unix
    attendre 'pactl info'
    lancer pacat.log pacat --playback /dev/zero
    attendre 'pactl list short sinks | grep -q RUNNING'
    # It lives as long as the process that started it: a run that ends
    # without stopping it (ctest --stop-on-failure, an interrupt) stops it
    # all the same.
    moi=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
    lancer gardien.log sh -c 'while kill -0 "$1" 2>/dev/null; do sleep 1; done; exec sh "$2" stop "$3"' \
        sh "$PPID" "$moi" "$dir"
    ;;
exec)
    shift 2
    adopter
    exec "$@"
    ;;
fenetre)
    # A program's other native windows (its GL surface, its buttons) are
    # not managed.
    adopter
    for essai in $(seq 100); do
        for w in $(xdotool search --onlyvisible --pid "$3"); do
            ! xprop -id "$w" WM_STATE | grep -q Normal || { echo "$w"; exit 0; }
        done
        sleep 0.2
    done
    echo "bureau: no window for process $3" >&2
    exit 1
    ;;
stop)
    # The silent stream first, the display last; not this process, when it
    # is the watch of start's caller.
    [ ! -f "$dir/pids" ] || kill $(tac "$dir/pids" | grep -vx $$) 2>/dev/null || true
    ;;
esac
