#!/usr/bin/env bash
# Sets up a Debian 12 machine for Velmora, builds it and then runs the program or every test.
#   bash tools/quickstart.sh run    the program on the sample data folder
#   bash tools/quickstart.sh test   every test, then the core tests again under the sanitizers
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

packages=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev libfontconfig-dev libxcb-randr0-dev fonts-liberation2)
# The tests validate the desktop entry and the AppStream data, and build the Debian package
# (dpkg-shlibdeps, file) to check it with lintian.
[ "$mode" = test ] && packages+=(desktop-file-utils appstream dpkg-dev file lintian)
[ "$mode" = run ] && packages+=(xvfb xauth)

install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {  # build folder, then extra cmake options
  local folder=$1
  shift
  cmake -S "$root" -B "$folder" -G Ninja "$@" >/dev/null
  cmake --build "$folder" -j "$jobs"
}

install_missing "${packages[@]}"

case "$mode" in
  run)
    build "$root/build"
    cd "$root/build/app"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display: running on a virtual one (xvfb-run)."
      exec xvfb-run -a -s "-screen 0 1024x768x24" ./velmora
    fi
    exec ./velmora
    ;;
  test)
    build "$root/build"
    (cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
    # The core units once more with AddressSanitizer and UndefinedBehaviorSanitizer; Qt's own
    # allocations at exit are not ours to chase, so leak detection stays off.
    cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF >/dev/null
    cmake --build "$root/build-sanitize" -j "$jobs" --target velmora_core_tests velmora_startup_tests velmora_printing_tests velmora_university_unit_tests \
      velmora_vocational_unit_tests velmora_guidance_unit_tests velmora_fuzz_line_loaders velmora_fuzz_binary_readers velmora_fuzz_degree_files \
      velmora_fuzz_study_pages velmora_fuzz_picture_archive
    (cd "$root/build-sanitize" && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
      QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" -L core)
    ;;
  *)
    echo "usage: bash tools/quickstart.sh run|test" >&2
    exit 2
    ;;
esac
