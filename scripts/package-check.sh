#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, starts the installed
# program under Xvfb and checks that its window appears.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset release -DBUILD_TESTING=OFF -DQICHUN_BUILD_BENCHMARKS=OFF
cmake --build --preset release
(cd build/release && cpack -G DEB)
package=$(ls build/release/mochou-qichun_*.deb | head -n 1)
echo "Installing $package"
dpkg-deb --info "$package" | grep -E 'Package|Version|Depends'

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$package"
test -x /usr/bin/mochou-qichun
test -f /usr/share/applications/mochou-qichun.desktop

# The window title starts with the product name; wait up to 10 s for it.
xvfb-run -a -s "-screen 0 1400x900x24" bash -c '
  /usr/bin/mochou-qichun & program=$!
  for _ in $(seq 1 50); do
    if xwininfo -root -tree | grep -q "墨筹-气纯版"; then
      echo "window shown: $(xwininfo -root -tree | grep -m1 "墨筹-气纯版" | sed "s/^ *//")"
      kill $program; exit 0
    fi
    sleep 0.2
  done
  kill $program; echo "no window appeared"; exit 1'
