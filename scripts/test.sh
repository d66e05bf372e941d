#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset release
cmake --build --preset release
ctest --preset release -j2
