#!/usr/bin/env bash
# Renders the real main window under Xvfb, after its start-up results and row
# colours, into docs/screenshot.png. Needs no network: the version check is
# left out of the rendering program.
# Usage: docs/screenshot.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build/release}
cmake --build "$build_dir" --target mochou-qichun-screenshot
if ! fc-list :lang=zh family | grep -q .; then
  echo "no CJK font installed (fonts-noto-cjk)" >&2
  exit 1
fi
env -u QT_QPA_PLATFORM LANG=zh_CN.UTF-8 \
  xvfb-run --auto-servernum --server-args="-screen 0 1600x1000x24" \
  "$build_dir/ui/mochou-qichun-screenshot" docs/screenshot.png
echo "wrote docs/screenshot.png"
