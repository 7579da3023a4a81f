#!/usr/bin/env bash
# Set up a Debian 12 machine, then run Plexator or test it.
#   bash tools/plexator.sh run    install what is missing, build the program into build-run/, start it
#   bash tools/plexator.sh test   install what is missing, then build and run the whole test suite
#                                 headless twice: with sanitizers in build/, optimised without them
#                                 in build-release/
# Each mode and build keeps its own folder, so switching between them
# rebuilds only what changed. A compiler cache (ccache) is used when the
# machine has one; CMAKE_CXX_COMPILER_LAUNCHER in the environment overrides.
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

if [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache  # read by cmake when it first configures a folder
fi

jobs=$(nproc)
# The test programs that run once more in a shuffled, repeated order, so that
# no test leans on what another one left behind: those that open windows, the
# prover's (whose tests share its tables and the time alarm's thread) and the
# algebraic methods' (whose tests enter methods of their own).
shuffled_tests=(tests/window/window_tests tests/statement/window/prover_window_tests
                tests/export/export_tests tests/app/app_tests
                tests/prover/prover_tests tests/algebra/algebra_tests)

# Builds the suite into folder $1 with the cmake options after it, runs every
# test and the shuffled ones; reports each failing step and goes on.
failed=()
step() { echo "=== $1 (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"; }
test_build() {
  local dir=$1
  shift
  step "$dir: build"
  if ! { cmake -S . -B "$dir" -G Ninja "$@" && cmake --build "$dir" -j "$jobs"; }; then
    failed+=("$dir: build")
    return
  fi
  step "$dir: tests"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" || failed+=("$dir: ctest")
  for t in "${shuffled_tests[@]}"; do
    step "$dir: shuffled twice: $t"
    "$dir/$t" --gtest_shuffle --gtest_repeat=2 --gtest_brief=1 || failed+=("$dir: shuffled $t")
  done
}

case "$mode" in
  run)
    cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLEXATOR_SANITIZE=OFF -DPLEXATOR_TESTS=OFF
    cmake --build build-run -j "$jobs" --target plexator
    exec build-run/src/app/plexator "${@:2}"
    ;;
  test)
    # Users' machines have a UTF-8 locale, and the toolkit and the C library
    # load different code under one: the tests run under it whatever the
    # caller's environment says.
    for v in $(compgen -e); do
      case "$v" in LC_*|LANGUAGE) unset "$v" ;; esac
    done
    export LANG=C.UTF-8
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    test_build build -DCMAKE_BUILD_TYPE=Debug -DPLEXATOR_SANITIZE=ON
    # Optimisation changes timing and floating point: the same suite once more.
    test_build build-release -DCMAKE_BUILD_TYPE=Release -DPLEXATOR_SANITIZE=OFF
    if ((${#failed[@]})); then
      printf 'FAILED: %s\n' "${failed[@]}" >&2
      exit 1
    fi
    step "all tests passed in both builds"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
