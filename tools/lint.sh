#!/bin/sh
# Static checks of our own code in src/ and tools/: clang-tidy with the
# checks listed in .clang-tidy, and cppcheck. Fails on any finding.
set -eu
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}

# clang-tidy reads the compile commands, and the moc headers they include.
cmake -S . -B "$BUILD" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)" >/dev/null
files=$(git ls-files 'src/*.cpp' 'tools/*.cpp')

# GCC 12 compiles C++17 by default and CMake then writes no -std flag;
# clang's default is older.
# shellcheck disable=SC2086
run-clang-tidy -quiet -p "$BUILD" -j "$(nproc)" -extra-arg=-std=c++17 $files

# cppcheck 2.11 and later follow only some branches unless told to follow
# all; older ones follow all and have no such option.
level=
if cppcheck --help | grep -q -- --check-level; then
    level=--check-level=exhaustive
fi
# shellcheck disable=SC2086
cppcheck --quiet --error-exitcode=1 --std=c++17 --library=qt $level \
    --enable=warning,style,performance,portability --inline-suppr \
    --suppress=missingIncludeSystem --suppress=unusedFunction \
    -I src/wheel -I src/app -I tools $files
echo "lint: clean"
