#!/usr/bin/env bash
# Installs what the build and the tests need from Debian, builds everything
# and runs every test.  Starts its own Xvfb when no display is given.
source "$(dirname "$0")/common.sh"
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build -DTARNLY_BUILD_TESTS=ON

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  display=":$((90 + RANDOM % 100))"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
  done
fi
# No desktop session here: keep GTK from looking for one.
export NO_AT_BRIDGE=1 GTK_A11Y=none

cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)" "$@"
