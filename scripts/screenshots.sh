#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: The Gallox Sprintz developers
# Refreshes the README's pictures in docs/screenshots/ from the windows drawn offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/prerequisites.sh
gallox_install_missing

cmake -S . -B build/screenshots -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DGALLOX_WITH_TESTS=OFF -DGALLOX_WITH_BENCH=OFF >/dev/null
cmake --build build/screenshots --target gallox_screenshots
mkdir -p docs/screenshots
QT_QPA_PLATFORM=offscreen build/screenshots/bin/gallox_screenshots docs/screenshots
