#!/usr/bin/env bash
# Set up a Debian 12 machine, then run Plexator or test it.
#   bash tools/plexator.sh run    install what is missing, build the program into build-run/, start it
#   bash tools/plexator.sh test   install what is missing, build everything with sanitizers into build/,
#                                 run the tests headless
# Each mode keeps its own build folder, so switching between them rebuilds
# only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
# The CJK font draws the object type names and the full-width colon of the
# texts; ghostscript renders the exported PostScript in the tests.
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libgmp-dev libgtest-dev googletest
          fonts-dejavu-core fonts-wqy-microhei ghostscript)

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
# The test programs that open windows; each runs once more in a shuffled,
# repeated order, so that no test leans on what another one left behind.
gui_tests=(tests/window/window_tests tests/statement/window/prover_window_tests
           tests/export/export_tests tests/app/app_tests)
case "$mode" in
  run)
    cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLEXATOR_SANITIZE=OFF -DPLEXATOR_TESTS=OFF
    cmake --build build-run -j "$jobs" --target plexator
    exec build-run/src/app/plexator "${@:2}"
    ;;
  test)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLEXATOR_SANITIZE=ON
    cmake --build build -j "$jobs"
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir build --output-on-failure -j "$jobs"
    for t in "${gui_tests[@]}"; do
      echo "shuffled twice: $t"
      "build/$t" --gtest_shuffle --gtest_repeat=2 --gtest_brief=1
    done
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
