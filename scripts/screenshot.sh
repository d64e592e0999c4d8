#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Remakes docs/screenshot.png: the real window under Xvfb after typing 5 and pressing "Въведи",
# as the window test leaves it. Run ./test.sh (or build) first.
set -euo pipefail
cd "$(dirname "$0")/.."
ctest --test-dir build -R window_on_x_server --output-on-failure
cp build/tests/e2e/after-5.png docs/screenshot.png
