#!/usr/bin/env bash
# Installs what the program needs from Debian, builds it and starts it.
source "$(dirname "$0")/common.sh"
install_packages "${BUILD_PACKAGES[@]}"
configure_and_build -DTARNLY_BUILD_TESTS=OFF
exec "$BUILD_DIR/stage/bin/tarnly"
