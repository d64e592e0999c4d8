#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Qt for Windows once (cached outside the tree), cross-builds
# Kvadrati for 64-bit Windows and leaves its installer Kvadrati-<version>-win64.exe and portable
# Kvadrati-<version>-win64.zip in build-windows/.
# With --tests (as test.sh runs it) the tests are built too, to run under Wine through ctest.
# Usage: ./build-windows.sh [--tests]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
source scripts/qt-windows.sh

tests=OFF
case ${1:-} in
--tests) tests=ON ;;
'') ;;
*) echo "Usage: $0 [--tests]" >&2; exit 2 ;;
esac

install_missing "${build_packages[@]}" "${windows_packages[@]}"
ensure_qt_windows
qt=$(qt_windows_dir)
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
build=build-windows
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
started=$SECONDS

options=()
if [ $tests = ON ]; then
    # Google Test for Windows, from the source Debian's libgtest-dev carries.
    gtest=$PWD/$build/googletest
    if [ ! -f "$gtest/installed/.complete" ]; then
        cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DBUILD_GMOCK=OFF \
            -DCMAKE_INSTALL_PREFIX="$gtest/installed" >/dev/null
        cmake --build "$gtest/build" --parallel 2
        cmake --install "$gtest/build" >/dev/null
        touch "$gtest/installed/.complete"
    fi
    # The tests run under Wine, in a prefix of the build's own (made before the build, whose
    # test discovery runs them), whose wine server ends with this script.
    wine_prefix=$PWD/$build/wine/tests
    tests/windows/wine.sh "$wine_prefix" null
    trap 'tests/windows/wine.sh "$wine_prefix" stop' EXIT
    options+=(-DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tests/windows/wine.sh;$wine_prefix;null"
              -DCMAKE_FIND_ROOT_PATH="$qt;$gtest/installed" -DKVADRATI_WERROR=ON)
else
    # A user's build: a compiler warning is shown but does not stop it.
    options+=(-DCMAKE_FIND_ROOT_PATH="$qt" -DKVADRATI_WERROR=OFF)
fi
cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_PREFIX_PATH="$qt" -DBUILD_TESTING=$tests \
    -DKVADRATI_QT_SOURCE="Qt ${qt_version%%+*}, built from Debian's qt6-base $qt_version source" \
    "${options[@]}" >/dev/null
cmake --build $build --parallel 2
echo "== Kvadrati for Windows built in $((SECONDS - started)) s"
started=$SECONDS
(cd $build && cpack -G "NSIS;ZIP" >/dev/null)
echo "== Packaged in $((SECONDS - started)) s:"
ls -l $build/Kvadrati-*-win64.exe $build/Kvadrati-*-win64.zip
