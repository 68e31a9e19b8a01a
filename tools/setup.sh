#!/usr/bin/env bash
# Sets Verdeval up on a fresh Debian 12 machine.
#   bash tools/setup.sh run    installs what is missing, builds and starts Verdeval
#   bash tools/setup.sh test   installs what is missing, builds and runs every test
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(cmake make g++ qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n)
if [ "$mode" = test ]; then
  packages+=(poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

case "$mode" in
  run)
    # Drive C then finds real localities: the sample database goes to ~/Quenora/Quenora.mdb
    # when nothing is there; an existing file is never touched.
    cmake -DSAMPLE_DB=build/sample-db/Quenora/Quenora.mdb -DONLY_IF_MISSING=ON -P tools/InstallSampleDb.cmake ||
      echo "The sample database could not be installed; Verdeval starts without it." >&2
    exec ./build/verdeval ;;
  test) cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
