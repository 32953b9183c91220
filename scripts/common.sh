# Shared by run.sh and test.sh: install what is missing, then build.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"

# Debian 12 packages the project builds, tests and runs with. Every program a
# script, a test or a build step calls comes from one of these (or from the
# base system): python3 and time for the soak test, the X tools for the
# window tests (setxkbmap, from x11-xkb-utils, switches keyboard layouts),
# clang for the fuzz targets, clang-format for the format check, the
# desktop and AppStream validators, dpkg-dev and file for the Debian package.
PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev clang clang-format libclang-rt-14-dev
          python3 time xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick
          desktop-file-utils appstream dpkg-dev file)

ensure_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [[ $(id -u) -ne 0 ]] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD" -j "$(nproc)"
}
