#!/bin/sh
# A private desktop for the tests, the benchmarks and a start without a
# screen, with a UTF-8 locale (Qt 6 warns without one) and an audio server
# whose default output is a null sink "nul", one of:
# - PulseAudio, its sink kept busy by a silent stream so that a recording
#   of its monitor times the program and not the sink waking up;
# - PipeWire, as Debian's desktops run it: pipewire, WirePlumber and
#   pipewire-pulse with their stock configuration, which suspends an idle
#   sink, on a session bus of its own.
# Its display is one of:
# - X: a virtual X display (3840 x 2160, room for two full-HD windows side
#   by side) with a window manager;
# - Wayland: weston with its desktop shell and GL renderer (Mesa's
#   llvmpipe), drawing into a window of a virtual X display. Weston's
#   headless backend shows no GL client with the pixman renderer, and has
#   no pointer with the GL one; here the pointer that xdotool moves over
#   weston's window reaches the clients as Wayland input. Its output, at
#   the top-left corner of the X screen, is 2560 x 1800: at twice a point
#   to a pixel, Qt opens a window at most two thirds as wide as the screen,
#   and this one is at least 800 points wide. With "hd", a screen's
#   1920 x 1080;
# - a kiosk: the same with weston's kiosk shell, which shows the newest
#   window full screen, 1920 x 1080.
# A window is named by what `fenetre` prints: its X window, or on Wayland
# its process.
#   bureau.sh start DIR [wayland [hd] | kiosque] [pipewire]
#                                  starts it, on X and PulseAudio unless
#                                  told otherwise; DIR/env names it
#   bureau.sh exec DIR CMD...      runs CMD on it
#   bureau.sh son DIR stop|start   stops or starts its audio server again
#   bureau.sh fenetre DIR PID      prints the window of process PID once it
#                                  shows
#   bureau.sh titre DIR W          prints the title of window W
#   bureau.sh icone DIR W          succeeds if the desktop can show W's icon:
#                                  its own on X, its desktop entry's on Wayland
#   bureau.sh geometrie DIR W      prints "x y width height" of W's inside,
#                                  where the pointer reaches it
#   bureau.sh photo DIR W          writes W's inside to standard output, PPM
#   bureau.sh pointeur DIR ARGS... runs xdotool ARGS on the pointer's display
#   bureau.sh fermer DIR W         closes W as its user would
#   bureau.sh stop DIR             stops it; so does the end of the process
#                                  that started it
set -eu
usage() { sed -n '/^#   bureau.sh start/,/^set/s/^# //p' "$0" >&2; exit 2; }
[ $# -ge 2 ] || usage
dir=$2

adopter() {
    set -a
    # shellcheck source=/dev/null # written by start
    . "$dir/env"
    set +a
    unset DBUS_SESSION_BUS_ADDRESS PULSE_SINK PULSE_SOURCE XDG_SESSION_TYPE
    # Qt would pick the outer X display over Wayland.
    if [ -n "$WAYLAND_DISPLAY" ]; then ecran=wayland; unset DISPLAY; else ecran=x; unset WAYLAND_DISPLAY; fi
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
# that to close. A subshell, so that a function keeps no copy of it.
# The audio server's processes are listed apart: it stops and starts alone.
lancer() {
    journal=$1
    shift
    ("$@") </dev/null >"$dir/$journal" 2>&1 &
    echo $! >>"$dir/${liste:-pids}"
}

# Stops the desktop once process $1 has ended.
garder() {
    while kill -0 "$1" 2>/dev/null; do sleep 1; done
    exec sh "$0" stop "$dir"
}

# Stops the processes of list $1, last started first, each once the one
# before has gone: the compositor before the display it draws on. Killed
# together, weston hung on SIGTERM in 3 of 68 stops; one at a time, in none
# of 50. Not this process, when it is the watch of start's caller.
arreter() {
    [ -f "$dir/$1" ] || return 0
    for p in $(tac "$dir/$1" | grep -vx $$); do
        kill "$p" 2>/dev/null || continue
        for _ in $(seq 50); do
            [ "$(sed 's/.*) \(.\).*/\1/' "/proc/$p/stat" 2>/dev/null || echo Z)" != Z ] || break
            sleep 0.1
        done
        kill -9 "$p" 2>/dev/null || true
    done
    rm -f "$dir/$1"
}

son() {
    liste=son.pids
    if [ "$(cat "$dir/son")" = pipewire ]; then
        # Root has no user session: a session bus of its own.
        bus=unix:path=$dir/run/bus
        lancer dbus.log dbus-daemon --session --nofork --address="$bus"
        attendre "test -S $dir/run/bus"
        DBUS_SESSION_BUS_ADDRESS=$bus lancer pipewire.log pipewire
        attendre "test -S $dir/run/pipewire-0"
        DBUS_SESSION_BUS_ADDRESS=$bus lancer wireplumber.log wireplumber
        DBUS_SESSION_BUS_ADDRESS=$bus lancer pipewire-pulse.log pipewire-pulse
        # Until PipeWire's own session is up, a restarted pipewire-pulse
        # answers "Not supported" to both.
        attendre 'pactl list short sinks | grep -q "	nul	" || { pactl load-module module-null-sink sink_name=nul; false; }'
        attendre 'pactl set-default-sink nul && pactl info | grep -q "Default Sink: nul$"'
    else
        lancer pulseaudio.log pulseaudio -n --daemonize=no --exit-idle-time=-1 \
            --load="module-null-sink sink_name=nul" --load="module-native-protocol-unix auth-anonymous=1"
        attendre 'pactl info'
        lancer pacat.log pacat --playback /dev/zero
        attendre 'pactl list short sinks | grep -q RUNNING'
    fi
    liste=
}

x11() { DISPLAY=$X11_DISPLAY "$@"; }

# Weston's scene graph: every surface, its process and its place.
scene() {
    (adopter && weston-debug scene-graph 2>/dev/null)
}

# Sets g h d b to the left, top, right and bottom of the inside of process
# $1's window on weston ("opaque"), and x y to its top-left corner with its
# frame ("position"); fails until it has both.
cadre() {
    read -r g h d b x y _ <<EOF
$(scene | awk -v pid="PID $1," '
    /role xdg_toplevel/ && index($0, pid) { dedans = 1; next }
    dedans && !o && /opaque: \(/ { o = $0 }
    dedans && !o && /fully opaque/ { o = p }
    dedans && !p && /position: \(/ { p = $0 }
    dedans && /outputs:/ { exit }
    END { $0 = o " " p; gsub(/->/, " "); gsub(/[^-0-9]+/, " "); print }')
EOF
    [ -n "$y" ]
}

affichage_wayland() {
    # Weston's X11 backend moves its pointer by the distance from the last
    # X position it saw. With the X pointer inside its window from the start
    # (the middle of the screen), the first click landed in the panel's
    # launcher. From outside, the first move into the window is an enter
    # event, which gives weston the true position.
    x11 xdotool mousemove $((LARGEUR + 300)) $((HAUTEUR + 150))
    # --debug: the screenshooter and the scene graph. No weston.ini of the
    # machine's user. No idle time-out: a screen that blanks shoots black.
    DISPLAY=$X11_DISPLAY XDG_CONFIG_HOME=$dir/home lancer weston.log weston --backend=x11-backend.so \
        --shell="$COQUILLE-shell.so" --socket=wayland-0 --debug --width="$LARGEUR" --height="$HAUTEUR" \
        --idle-time=0 --log="$dir/journal.log"
    attendre "test -S $dir/run/wayland-0"
    # Until the shell has drawn its background: a screenshot before is black.
    attendre "sh '$0' exec '$dir' weston-debug scene-graph | grep -q 'background'"
    # Weston's own pointer starts near the top-left, where it would hover
    # over new windows; the bottom-right corner is out of the way.
    x11 xdotool mousemove $((LARGEUR - 1)) $((HAUTEUR - 1))
}

case $1 in
start)
    rm -rf "$dir"
    mkdir -p "$dir/home" "$dir/run"
    chmod 700 "$dir/run"
    largeur=3840 hauteur=2160 wayland='' plateforme=xcb LARGEUR=2560 HAUTEUR=1800 COQUILLE=desktop
    case " $* " in *" hd "* | *" kiosque "*) LARGEUR=1920 HAUTEUR=1080 ;; esac
    case " $* " in *" kiosque "*) COQUILLE=kiosk ;; esac
    case " $* " in *" wayland "* | *" kiosque "*)
        largeur=$((LARGEUR + 320)) hauteur=$((HAUTEUR + 176)) wayland=wayland-0 plateforme=wayland ;;
    esac
    case " $* " in *" pipewire "*) echo pipewire ;; *) echo pulseaudio ;; esac >"$dir/son"
    lancer xvfb.log Xvfb -displayfd 3 -screen 0 ${largeur}x${hauteur}x24 +extension GLX -nolisten tcp \
        -noreset 3>"$dir/affichage"
    attendre "test -s $dir/affichage"
    # A desktop user has an audio cookie, which libpulse would otherwise make
    # in the empty home. This server takes any; read-only, so that libpulse,
    # which first tries to open it for writing, falls back to reading it.
    head -c 256 /dev/zero >"$dir/cookie"
    chmod 400 "$dir/cookie"
    printf '%s\n' "DISPLAY=:$(cat "$dir/affichage")" "X11_DISPLAY=:$(cat "$dir/affichage")" \
        "WAYLAND_DISPLAY=$wayland" "QT_QPA_PLATFORM=$plateforme" "HOME=$dir/home" "XDG_RUNTIME_DIR=$dir/run" \
        "PULSE_SERVER=unix:$dir/run/pulse/native" "PULSE_COOKIE=$dir/cookie" LANG=C.UTF-8 \
        "DRAVOUNE_BUREAU=$dir" "LARGEUR=$LARGEUR" "HAUTEUR=$HAUTEUR" "COQUILLE=$COQUILLE" >"$dir/env"
    adopter
    if [ -n "$wayland" ]; then
        affichage_wayland
    else
        lancer openbox.log openbox
        attendre 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
    fi
    son
    # It lives as long as the process that started it: a run that ends
    # without stopping it (ctest --stop-on-failure, an interrupt) stops it
    # all the same.
    lancer gardien.log garder "$PPID"
    exit 0
    ;;
stop) arreter son.pids && arreter pids && exit 0 ;;
exec | son | fenetre | titre | icone | geometrie | photo | pointeur | fermer) adopter ;;
*) usage ;;
esac
case $1-$ecran in
exec-*) shift 2 && exec "$@" ;;
son-*) if [ "$3" = stop ]; then arreter son.pids; else son; fi ;;
fenetre-*)
    # A program's other native windows (its GL surface, its buttons) are
    # not managed.
    pid=$3
    for _ in $(seq 100); do
        if [ "$COQUILLE" = kiosk ]; then
            ! { cadre "$pid" && [ "$x $y $d $b" = "0 0 $LARGEUR $HAUTEUR" ]; } || { echo "$pid"; exit 0; }
        elif [ "$ecran" = wayland ]; then
            cadre "$pid" || { sleep 0.2; continue; }
            # Weston puts a new window anywhere, half off the output if it
            # grows: dragged by its title bar to the top-left corner, under
            # the panel, as the window manager of X does.
            mx=$(((g + d) / 2)) my=$(((y + h) / 2))
            x11 xdotool mousemove $mx $my sleep 0.2 mousedown 1 sleep 0.1 mousemove $((mx - x + 1)) $((my - y + 32)) \
                sleep 0.2 mousemove $((mx - x)) $((my - y + 32)) sleep 0.2 mouseup 1 \
                mousemove $((LARGEUR - 1)) $((HAUTEUR - 1))
            # A window still growing as it was grabbed stays put: again.
            for _ in $(seq 25); do
                ! { cadre "$pid" && [ "$x $y" = "0 32" ]; } || { echo "$pid"; exit 0; }
                sleep 0.2
            done
        else
            for w in $(xdotool search --onlyvisible --pid "$pid"); do
                ! xprop -id "$w" WM_STATE | grep -q Normal || { echo "$w"; exit 0; }
            done
        fi
        sleep 0.2
    done
    echo "bureau: no window for process $pid" >&2
    exit 1
    ;;
titre-wayland) scene | sed -n "s/.*role xdg_toplevel, PID $3,.* top-level window '\\(.*\\)' of .*/\\1/p" ;;
titre-x) xprop -id "$3" WM_NAME | sed -n 's/^WM_NAME([A-Z_0-9]*) = "\(.*\)"$/\1/p' ;;
icone-wayland) scene | grep -q "role xdg_toplevel, PID $3,.* of org\.example\.Dravoune," ;;
icone-x) xprop -id "$3" _NET_WM_ICON | grep -q 'Icon (' ;;
geometrie-wayland) cadre "$3" && echo "$g $h $((d - g)) $((b - h))" ;;
geometrie-x) xwininfo -id "$3" | awk -F: '/Absolute upper-left|Width|Height/ { printf "%d ", $2 }' ;;
photo-wayland)
    # weston-screenshooter names its file by the time, in the current
    # folder, and shoots the whole output.
    photos=$(mktemp -d "$dir/photo.XXXXXX")
    trap 'rm -rf "$photos"' EXIT
    (cd "$photos" && weston-screenshooter >/dev/null)
    cadre "$3"
    convert "$photos"/*.png -crop "$((d - g))x$((b - h))+$g+$h" +repage ppm:-
    ;;
photo-x) import -window "$3" ppm:- ;;
pointeur-*) shift 2 && x11 xdotool "$@" ;;
fermer-wayland)
    # The close button at the right of the title bar that Qt draws.
    cadre "$3"
    x11 xdotool mousemove $((d - 16)) $(((y + h) / 2)) sleep 0.2 click 1
    ;;
fermer-x) xdotool windowactivate --sync "$3" key --clearmodifiers alt+F4 ;;
esac
