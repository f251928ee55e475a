#!/bin/sh
# Static checks of our C++ code in src/, generator/, tests/ and bench/:
# formatting as .clang-format has it, clang-tidy with the checks listed in
# .clang-tidy, and cppcheck; and shellcheck on every shell script. Fails on
# any finding.
set -eu
cd "$(dirname "$0")/.."

files=$(git ls-files 'src/*.cpp' 'generator/*.cpp' 'tests/*.cpp' 'bench/*.cpp')
headers=$(git ls-files 'src/*.h' 'generator/*.h' 'tests/*.h' 'bench/*.h')

# shellcheck disable=SC2086
clang-format --dry-run -Werror $files $headers

# Every shell script: the tracked files with a shell's #!.
git grep -lE '^#!.*[/ ](ba|da)?sh( |$)' | xargs shellcheck

# clang-tidy reads the compile commands, and the moc files they include:
# the dev build's, built here if there is none (./dev.sh test builds it).
if [ ! -f build/compile_commands.json ]; then
    cmake --preset dev >/dev/null
    cmake --build --preset dev -j"$(nproc)" >/dev/null
fi

# GCC 12 compiles C++17 by default and CMake then writes no -std flag;
# clang's default is older.
# shellcheck disable=SC2086
run-clang-tidy -quiet -p build -j "$(nproc)" -extra-arg=-std=c++17 $files

# cppcheck 2.11 and later follow only some branches unless told to follow
# all; older ones follow all and have no such option.
level=
if cppcheck --help | grep -q -- --check-level; then
    level=--check-level=exhaustive
fi
includes=$(git ls-files '*.h' | xargs -n1 dirname | sort -u | sed 's/^/-I /')
# shellcheck disable=SC2086
cppcheck --quiet --error-exitcode=1 --std=c++17 --library=qt $level \
    --enable=warning,style,performance,portability --inline-suppr \
    --suppress=missingIncludeSystem --suppress=unusedFunction \
    $includes $files
echo "lint: clean"
