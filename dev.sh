#!/bin/sh
# Set-up for a Debian 12 machine.
#   ./dev.sh run    install, build and start Dravoune
#   ./dev.sh test   install, build and run the whole test suite
set -eu
cd "$(dirname "$0")"

BUILD=${BUILD:-build}
PACKAGES="cmake g++ make pkg-config qtbase5-dev libqt5opengl5-dev qtmultimedia5-dev
  libqt5multimedia5-plugins libgl-dev libgl1-mesa-dri fonts-dejavu-core
  xvfb xauth imagemagick xdotool openbox x11-utils pulseaudio pulseaudio-utils
  clang libclang-rt-14-dev clang-tidy cppcheck dpkg-dev desktop-file-utils appstream strace"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $PACKAGES
}

build() {
    cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
    cmake --build "$BUILD" -j"$(nproc)"
}

# The unit tests again under AddressSanitizer and UBSan, and the fuzz target,
# which needs clang.
build_checked() {
    cmake -S . -B "$BUILD-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVOUNE_SANITIZE=ON
    cmake --build "$BUILD-asan" -j"$(nproc)"
    CC=clang CXX=clang++ cmake -S . -B "$BUILD-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVOUNE_FUZZ=ON
    cmake --build "$BUILD-fuzz" -j"$(nproc)"
}

run() {
    # The program finds its tick under assets/ beside it.
    cd "$BUILD/src/app"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec ./dravoune
    fi
    shot=$(pwd)/dravoune-screenshot.png
    xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
        ./dravoune & pid=$!
        sleep 4
        import -window root "$1"
        kill $pid; wait $pid 2>/dev/null || true' sh "$shot"
    echo "No display: Dravoune ran on a virtual one. Screenshot: $shot"
}

run_tests() {
    BUILD="$BUILD" tools/lint.sh
    # The end-to-end tests start their own display and audio server.
    xvfb-run -a -s "-screen 0 1280x1024x24 +extension GLX" \
        ctest --test-dir "$BUILD" --output-on-failure
    xvfb-run -a -s "-screen 0 1280x1024x24 +extension GLX" \
        ctest --test-dir "$BUILD-asan" --output-on-failure -L unit
    ctest --test-dir "$BUILD-fuzz" --output-on-failure
}

case "${1:-}" in
    run) install_packages; build; run ;;
    test) install_packages; build; build_checked; run_tests ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
