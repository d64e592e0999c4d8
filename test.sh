#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Kvadrati with its checks and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

install_missing "${build_packages[@]}" "${check_packages[@]}"
configure_build -DBUILD_TESTING=ON -DKVADRATI_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

# The unit and widget tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a bounded fuzzing run of the calculation.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVADRATI_WERROR=ON -DKVADRATI_SANITIZE=ON >/dev/null
cmake --build build-sanitize --target demo_tests window_tests calculation_fuzzer
ctest --test-dir build-sanitize -L 'unit|widget|fuzz' --output-on-failure

# The Windows program, cross-built with its tests (the first run builds Qt for Windows, about
# 15-20 minutes), its unit and widget tests under Wine, and its installer and window under Wine
# and Xvfb.
./build-windows.sh --tests
ctest --test-dir build-windows --output-on-failure -j 2
