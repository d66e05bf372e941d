#!/usr/bin/env bash
# A long stress run of random control states through the sanitized pipeline.
set -euo pipefail
cd "$(dirname "$0")/.."
states=${1:-200000}
cmake --preset debug >/dev/null
cmake --build --preset debug --target qichun_stress_tests
QICHUN_STRESS_STATES=$states ASAN_OPTIONS=halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  build/debug/tests/qichun_stress_tests
echo "$states states pushed through the pipeline"
