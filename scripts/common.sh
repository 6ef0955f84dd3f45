# Shared by run-program.sh and run-tests.sh: Debian packages, configure, build.
set -euo pipefail

ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT_DIR/build}"

BUILD_PACKAGES=(
  build-essential cmake pkg-config
  libwxgtk3.2-dev libgtk-3-dev libmupdf-dev libfreetype-dev libharfbuzz-dev libmujs-dev libgumbo-dev
  libopenjp2-7-dev libjbig2dec0-dev zlib1g-dev
  libjpeg-dev libpng-dev libtiff-dev libgif-dev libimagequant-dev
  libcurl4-openssl-dev libxml2-dev libexpat1-dev
  librsvg2-bin gettext
)
TEST_PACKAGES=(libgtest-dev xvfb xauth xfonts-base python3)

install_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  cmake -S "$ROOT_DIR" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}
