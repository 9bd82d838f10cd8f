#!/usr/bin/env bash
# Cross-builds the Qt-free part for Windows with MinGW-w64 into build/windows, runs the core tests
# under Wine, then the batch smoke run on a game tree with non-ASCII folder names.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/windows
deps=$build/deps
scripts/setup.sh g++-mingw-w64-x86-64 wine
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=$root
fi
toolchain=$root/cmake/mingw-w64-x86_64.cmake
# GoogleTest from Debian's sources, built once with the same compiler.
if [ ! -f "$deps/lib/libgtest.a" ]; then
    cmake -S /usr/src/googletest -B "$build/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$deps" \
        -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF "${launcher[@]}" >/dev/null
    cmake --build "$build/googletest" --target install >/dev/null
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DMF7_BUILD_GUI=OFF \
    -DMF7_WINDOWS_DEPS="$deps" "${launcher[@]}" >/dev/null
cmake --build "$build"
# Serially: parallel runs under Wine are slower and now and then lose the Wine server.
(cd "$build" && ctest --output-on-failure)
scripts/windows-smoke.sh "$build"
