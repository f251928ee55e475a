#!/bin/sh
# Set-up for a Debian 12 or 13 machine.
#   ./dev.sh run    install, build and start Dravoune
#   ./dev.sh test   install, build and run the whole test suite
#   ./dev.sh builds the sanitized and fuzzing builds alone
set -eu
cd "$(dirname "$0")"

# Names without a release's version in them, so that one list serves both.
# Building and running, on the private desktop when there is no display:
RUN_PACKAGES="cmake g++ make pkg-config qt6-base-dev libqt6opengl6-dev
  qt6-qpa-plugins qt6-wayland libgl-dev libgl1-mesa-dri fonts-dejavu-core
  xvfb imagemagick xdotool openbox x11-utils libpulse-dev pulseaudio pulseaudio-utils"
# The tests besides: static checks, the sanitized and fuzzing builds,
# the Wayland desktop, the package and its checks, the tracing of the
# program's file accesses.
TEST_PACKAGES="$RUN_PACKAGES git clang libclang-rt-dev clang-format clang-tidy cppcheck shellcheck
  weston pipewire pipewire-pulse wireplumber dbus dpkg-dev file lintian desktop-file-utils appstream strace"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}

# build PRESET [CMAKE ARGUMENTS...]: one of CMakePresets.json's builds.
build() {
    preset=$1
    shift
    cmake --preset "$preset" "$@"
    cmake --build --preset "$preset" -j"$(nproc)"
}

run() {
    bureau=$(pwd)/scripts/bureau.sh
    # The program finds its tick under assets/ beside it.
    cd build/src/app
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec ./dravoune
    fi
    shot=$(pwd)/dravoune-screenshot.png
    tmp=$(mktemp -d)
    trap 'sh "$bureau" stop "$tmp"; rm -rf "$tmp"' EXIT
    sh "$bureau" start "$tmp"
    sh "$bureau" exec "$tmp" ./dravoune & pid=$!
    w=$(sh "$bureau" fenetre "$tmp" "$pid")
    # Until the window shows the wheel's colours, for up to a minute: one
    # not painted yet is black or grey.
    for _ in $(seq 120); do
        sleep 0.5
        sh "$bureau" photo "$tmp" "$w" | convert ppm:- "$shot"
        [ "$(convert "$shot" -colorspace HSL -format "%[fx:mean.g > 0.1]" info:)" = 0 ] || break
    done
    kill "$pid"
    echo "No display: Dravoune ran on a virtual one. Screenshot: $shot"
}

# The sanitized and fuzzing builds (clang), which run_tests makes beside
# the tests of the first build.
builds() {
    build asan
    build fuzz
}

# The tests of each build: the normal one, on X and Wayland, the
# program's again under AddressSanitizer and UBSan, and the fuzz targets;
# each run starts the private desktops it needs and stops them. The tests
# mostly wait on their desktops: meanwhile the other builds, then the
# static checks, run and print once they are over. Not at a lower
# priority: beside a busy process per core, that would starve them.
run_tests() {
    build dev
    journal=$(mktemp -d)
    trap 'rm -rf "$journal"' EXIT
    (
        if ./dev.sh builds >"$journal/builds" 2>&1; then echo 0; else echo 1; fi >"$journal/fin"
        scripts/lint.sh >"$journal/lint" 2>&1
    ) &
    lint=$!
    statut=0
    ctest --preset dev || statut=1
    while [ ! -s "$journal/fin" ] && kill -0 "$lint" 2>/dev/null; do sleep 1; done
    cat "$journal/builds"
    [ "$(cat "$journal/fin")" = 0 ] || { echo "dev.sh: the sanitized or fuzzing build failed" >&2; exit 1; }
    ctest --preset asan || statut=1
    ctest --preset fuzz || statut=1
    wait "$lint" || statut=1
    cat "$journal/lint"
    return "$statut"
}

# shellcheck disable=SC2086 # the lists split into package names
case "${1:-}" in
    run) install_packages $RUN_PACKAGES; build dev -DBUILD_TESTING=OFF; run ;;
    test) install_packages $TEST_PACKAGES; run_tests ;;
    builds) builds ;;
    *) echo "usage: $0 run|test|builds" >&2; exit 2 ;;
esac
