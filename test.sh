#!/usr/bin/env bash
# Installs what is missing, builds Kvadrati with its checks and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

install_missing "${build_packages[@]}"
configure_build
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
