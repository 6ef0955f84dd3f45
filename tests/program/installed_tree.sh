#!/usr/bin/env bash
# Installs the build under a fresh prefix, moves that tree elsewhere and
# starts the program from there: it must find its option file, face
# description and theme from its own location.
set -u
build_dir="$1"
first_start="$2"
work="$(mktemp -d /tmp/tarnly-install-XXXXXX)"
trap 'rm -rf "$work"' EXIT
cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
for f in bin/tarnly bin/tarnly-convert option.cfg Themes/face.xml Themes/default.zip; do
  [ -e "$work/prefix/$f" ] || { echo "FAIL: $f not installed"; exit 1; }
done
[ -d "$work/prefix/bin/Language" ] || { echo "FAIL: no Language folder beside the program"; exit 1; }
mv "$work/prefix" "$work/moved tree"
exec bash "$first_start" "$work/moved tree/bin/tarnly"
