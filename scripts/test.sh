#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything and runs every test: the
# Release build, the Debug build under AddressSanitizer and UBSan, and short fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
export QT_QPA_PLATFORM=offscreen

cmake --preset release
cmake --build --preset release
ctest --preset release -j2

cmake --preset debug
cmake --build --preset debug
ctest --preset debug -j2

scripts/fuzz.sh "${QICHUN_FUZZ_SECONDS:-30}"
