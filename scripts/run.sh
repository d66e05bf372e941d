#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset release -DBUILD_TESTING=OFF -DQICHUN_BUILD_BENCHMARKS=OFF
cmake --build --preset release
if [ -x build/release/ui/mochou-qichun ]; then
  exec build/release/ui/mochou-qichun
fi
echo '{}' | build/release/tools/qichun-eval/qichun-eval
