#!/usr/bin/env bash
# Set up a Debian 12 machine, build Plexator into build/, then run it or test it.
#   bash tools/plexator.sh run    install what is missing, build, start the program
#   bash tools/plexator.sh test   install what is missing, build with sanitizers, run the tests headless
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libgmp-dev libgtest-dev googletest fonts-dejavu-core)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
case "$mode" in
  run)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLEXATOR_SANITIZE=OFF
    cmake --build build -j "$jobs"
    exec build/src/app/plexator "${@:2}"
    ;;
  test)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLEXATOR_SANITIZE=ON
    cmake --build build -j "$jobs"
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
