#!/usr/bin/env bash
# Installs what the project needs from Debian, configures and builds.
#   scripts/setup.sh run    build the program and start it on its built-in database
#   scripts/setup.sh test   build with the sanitizers, warnings as errors, and run every test;
#                           then build everything again with clang, warnings as errors
#   scripts/setup.sh build  only install and build (release build in build/)
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-build}

packages=(
  g++ clang cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlite3-dev sqlite3
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libswe-dev
  fonts-noto-cjk tzdata xdg-utils qt6-translations-l10n
  xvfb xauth imagemagick poppler-utils python3
  qt6-wayland desktop-file-utils appstream dpkg-dev scdoc
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)

case "$mode" in
  build | run)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVUTO_BENCHMARKS=ON
    cmake --build build -j "$jobs"
    if [ "$mode" = run ]; then
      exec ./build/bin/karvuto
    fi
    ;;
  test)
    # The tests run on the gcc build with AddressSanitizer and UBSan.
    cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKARVUTO_SANITIZE=ON -DKARVUTO_WERROR=ON -DKARVUTO_BENCHMARKS=OFF
    cmake --build build-test -j "$jobs"
    ctest --test-dir build-test --output-on-failure -j "$jobs" --timeout 600
    # The second compiler sees what the first misses: everything is built
    # with clang too, warnings as errors (unoptimised and without the
    # sanitizers, to keep it quick; its tests are not run again).
    cmake -S . -B build-clang -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DKARVUTO_WERROR=ON -DKARVUTO_BENCHMARKS=OFF
    cmake --build build-clang -j "$jobs"
    ;;
  *)
    echo "usage: $0 [build|run|test]" >&2
    exit 2
    ;;
esac
