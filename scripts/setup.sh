#!/usr/bin/env bash
# Installs what the project needs from Debian, configures and builds.
#   scripts/setup.sh run    build the program and start it on its built-in database
#   scripts/setup.sh test   build with the sanitizers, warnings as errors, and run every test;
#                           then build everything again with clang, warnings as errors
#   scripts/setup.sh build  only install and build (release build in build/)
# Release builds take Debian's hardening flags from dpkg-buildflags, so that the
# package `cpack -G DEB` makes in build/ is built as Debian builds its own.
# `test` also builds that package (in build-package/) and checks it with lintian.
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
  file lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "These Debian packages are missing and installing them needs root, but sudo is not" >&2
      echo "installed. Install them as root, then run this script again:" >&2
      echo "  su -c 'apt-get update && apt-get install -y --no-install-recommends ${missing[*]}'" >&2
      exit 1
    fi
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)

# Debian's build flags with every hardening feature (stack protector, fortified
# functions, read-only relocations bound at start-up). CMake takes CXXFLAGS and
# LDFLAGS from the environment when it first configures a build folder; the
# preprocessor flags go with the compiler's.
hardened_flags() {
  local dpkg=(env DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags)
  export CXXFLAGS="$("${dpkg[@]}" --get CPPFLAGS) $("${dpkg[@]}" --get CXXFLAGS)"
  export LDFLAGS="$("${dpkg[@]}" --get LDFLAGS)"
}

# The Debian package of a release build with warnings as errors, as the README
# makes it, checked by lintian: no error or warning, no missing hardening.
build_package() {
  (
    hardened_flags
    cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVUTO_WERROR=ON -DKARVUTO_BENCHMARKS=OFF
  )
  cmake --build build-package -j "$jobs"
  (cd build-package && rm -f ./*.deb && cpack -G DEB)
  local tags
  tags=$(lintian --info --pedantic build-package/karvuto_*.deb 2>&1 | grep -v 'running with root privileges' || true)
  [ -z "$tags" ] || printf 'lintian:\n%s\n' "$tags"
  if grep -q -E '^[EW]: |hardening-no-' <<<"$tags"; then
    echo "The package has lintian errors, warnings or missing hardening." >&2
    exit 1
  fi
}

case "$mode" in
  build | run)
    hardened_flags
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
    build_package
    ;;
  *)
    echo "usage: $0 [build|run|test]" >&2
    exit 2
    ;;
esac
