#!/bin/sh
# A private Wayland desktop: weston 10 with its desktop shell and GL renderer
# (Mesa's llvmpipe), drawing into a window of a virtual X display. Weston's
# headless backend with the pixman renderer shows no EGL client at all; with
# --use-gl it does, but has no pointer. Here the pointer that xdotool moves
# over weston's window reaches the clients as Wayland input, so a drag can
# be played. With --xwayland weston also serves X clients through XWayland,
# and DISPLAY names that server. Needs weston, xvfb, xdotool, and xwayland
# for --xwayland.
#   wayland.sh start DIR [--xwayland]  starts it; DIR/env names it
#   wayland.sh exec DIR CMD...          runs CMD on it: WAYLAND_DISPLAY, and
#                                      DISPLAY only with --xwayland
#   wayland.sh x11 DIR CMD...           runs CMD on the outer X display, for
#                                      xdotool: a point (x, y) there is
#                                      (x, y) of weston's output
#   wayland.sh fenetre DIR TITLE        prints "x1 y1 x2 y2" of the window
#                                      titled TITLE once weston shows it: its
#                                      opaque part where it has one (a Qt
#                                      window's contents, without its frame)
#   wayland.sh scene DIR                prints weston's scene graph: every
#                                      surface, its client and its place
#   wayland.sh shot DIR PNG             saves what weston shows to PNG
#   wayland.sh stop DIR                 stops it
#   wayland.sh run [--xwayland] [-w S] PNG CMD...
#                                      all of it at once in a folder of its
#                                      own: starts it, starts CMD, saves PNG
#                                      S seconds later (5 by default), stops
#                                      CMD and the desktop; fails without PNG
# Weston's output is 1280 x 1024, at the top-left corner of a 1600 x 1200 X
# screen, so that an 800 x 800 window and its frame fit and the pointer has
# somewhere to go outside the output.
set -eu
LARGEUR=1280
HAUTEUR=1024

# Polls a command for up to 15 s.
attendre() {
    n=0
    until sh -c "$1" >/dev/null 2>&1; do
        n=$((n + 1))
        [ $n -lt 150 ] || { echo "wayland: no answer to '$1' (logs in $dir)" >&2; arreter; exit 1; }
        sleep 0.1
    done
}

# In the background, with no tie to the caller's output.
lancer() {
    journal=$1
    shift
    "$@" </dev/null >"$dir/$journal" 2>&1 &
    echo $! >>"$dir/pids"
}

# The clients never see the outer X display: Qt would pick it over Wayland.
adopter() {
    set -a
    . "$dir/env"
    set +a
    unset DISPLAY DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM XDG_SESSION_TYPE
    [ -z "$XWAYLAND_DISPLAY" ] || export DISPLAY="$XWAYLAND_DISPLAY"
}

demarrer() {
    xwayland=
    [ "${1:-}" != --xwayland ] || xwayland=--xwayland
    rm -rf "$dir"
    mkdir -p "$dir/home" "$dir/run"
    chmod 700 "$dir/run"
    lancer xvfb.log Xvfb -displayfd 3 -screen 0 $((LARGEUR + 320))x$((HAUTEUR + 176))x24 \
        +extension GLX -nolisten tcp -noreset 3>"$dir/affichage"
    attendre "test -s $dir/affichage"
    x11=:$(cat "$dir/affichage")
    # Weston's X11 backend moves its pointer by the distance from the last
    # X position it saw. With the X pointer inside its window from the start
    # (the middle of the screen), the first click landed in the panel's
    # launcher and opened a terminal. From outside, the first move into the
    # window is an enter event, which gives weston the true position.
    DISPLAY=$x11 xdotool mousemove $((LARGEUR + 300)) $((HAUTEUR + 150))
    # --debug: the screenshooter and the scene graph. An empty config folder:
    # no weston.ini of the machine's user. No idle time-out: a screen that
    # blanks shoots black.
    DISPLAY=$x11 XDG_RUNTIME_DIR=$dir/run HOME=$dir/home XDG_CONFIG_HOME=$dir/home \
        lancer weston.log weston --backend=x11-backend.so --socket=wayland-dravoune --debug \
        --width=$LARGEUR --height=$HAUTEUR --idle-time=0 --log="$dir/journal.log" $xwayland
    attendre "test -S $dir/run/wayland-dravoune"
    xw=
    if [ -n "$xwayland" ]; then
        attendre "grep -q 'xserver listening on display' $dir/journal.log"
        xw=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$dir/journal.log" | head -1)
    fi
    printf 'X11_DISPLAY=%s\nXWAYLAND_DISPLAY=%s\nWAYLAND_DISPLAY=wayland-dravoune\nXDG_RUNTIME_DIR=%s\nHOME=%s\nXDG_CONFIG_HOME=%s\n' \
        "$x11" "$xw" "$dir/run" "$dir/home" "$dir/home" >"$dir/env"
    # Until the shell has drawn its background and panel: a screenshot
    # before then is black.
    attendre "sh '$0' scene '$dir' | grep -q 'background for output'"
    # Weston's own pointer starts near the top-left, where it would hover
    # over new windows (a tooltip in the screenshot); the bottom-right corner
    # is out of the way.
    DISPLAY=$x11 xdotool mousemove $((LARGEUR - 1)) $((HAUTEUR - 1))
    for essai in $(seq 50); do
        ! scene | awk -v x=$((LARGEUR - 40)) -v y=$((HAUTEUR - 40)) '
            /wl_pointer-cursor/ { getline; gsub(/[(),]/, " "); if ($2 > x && $3 > y) vu = 1 }
            END { exit !vu }' || break
        sleep 0.1
    done
}

scene() {
    (adopter && weston-debug scene-graph 2>/dev/null)
}

fenetre() {
    for essai in $(seq 100); do
        ligne=$(scene | awk -v t="window '$1'" '
            index($0, t) { trouve = 1; next }
            trouve && /position:/ { boite = $0 }
            trouve && /opaque: \(/ { boite = $0 }
            trouve && /outputs:/ { print boite; exit }')
        if [ -n "$ligne" ]; then
            echo "$ligne" | sed 's/.*(\([-0-9]*\), \([-0-9]*\)) -> (\([-0-9]*\), \([-0-9]*\)).*/\1 \2 \3 \4/'
            return 0
        fi
        sleep 0.2
    done
    echo "wayland: no window '$1'" >&2
    exit 1
}

# weston-screenshooter names its file by the time, in the current folder.
photographier() {
    rm -rf "$dir/photo"
    mkdir "$dir/photo"
    (adopter && cd "$dir/photo" && weston-screenshooter)
    mv "$dir/photo"/wayland-screenshot-*.png "$1"
    rmdir "$dir/photo"
}

# Whether process $1 is still there; a zombie waiting for init to reap it
# has gone.
vivant() {
    etat=$(sed 's/.*) \(.\).*/\1/' "/proc/$1/stat" 2>/dev/null) && [ "$etat" != Z ]
}

# Last started, first stopped, each once the one before has gone: the
# compositor before the display it draws on (XWayland and the shell's
# clients are weston's children and go with it). Killed together, weston
# hung on SIGTERM in 3 of 68 stops; one at a time, in none of 50, each gone
# within 0.4 s.
arreter() {
    [ -f "$dir/pids" ] || return 0
    for p in $(tac "$dir/pids"); do
        kill "$p" 2>/dev/null || continue
        for essai in $(seq 50); do
            vivant "$p" || break
            sleep 0.1
        done
        ! vivant "$p" || {
            echo "wayland: killing $p after 5 s: $(tr '\0' ' ' <"/proc/$p/cmdline" | cut -c1-60)" >&2
            kill -9 "$p" 2>/dev/null || true
        }
    done
}

commande=${1:-}
[ $# -eq 0 ] || shift
case $commande in
start)
    dir=$1
    shift
    demarrer "$@"
    ;;
exec)
    dir=$1
    shift
    adopter
    exec "$@"
    ;;
x11)
    dir=$1
    shift
    adopter
    DISPLAY=$X11_DISPLAY exec "$@"
    ;;
scene)
    dir=$1
    scene
    ;;
fenetre)
    dir=$1
    fenetre "$2"
    ;;
shot)
    dir=$1
    photographier "$2"
    ;;
stop)
    dir=$1
    arreter
    ;;
run)
    option=
    pause=5
    while :; do
        case ${1:-} in
        --xwayland) option=--xwayland; shift ;;
        -w) pause=$2; shift 2 ;;
        *) break ;;
        esac
    done
    photo=$(realpath -m "$1")
    shift
    dir=$(mktemp -d "${TMPDIR:-/tmp}/wayland.XXXXXX")
    trap 'arreter; rm -rf "$dir"' EXIT
    trap 'exit 130' INT TERM
    demarrer $option
    (adopter && exec "$@") </dev/null >"$dir/client.log" 2>&1 &
    echo $! >"$dir/client"
    sleep "$pause"
    photographier "$photo" || { cat "$dir/client.log" >&2; exit 1; }
    kill "$(cat "$dir/client")" 2>/dev/null || true
    wait "$(cat "$dir/client")" 2>/dev/null || true
    cat "$dir/client.log" >&2
    ;;
*)
    echo "usage: $0 start DIR [--xwayland] | exec|x11 DIR CMD... | fenetre DIR TITLE" >&2
    echo "       | scene DIR | shot DIR PNG | stop DIR | run [--xwayland] [-w S] PNG CMD..." >&2
    exit 2
    ;;
esac
