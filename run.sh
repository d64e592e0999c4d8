#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Kvadrati and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

install_missing "${build_packages[@]}"
configure_build
cmake --build build --target kvadrati
exec build/kvadrati
