#!/usr/bin/env bash
# Starts the program on a clean HOME and checks what the first start leaves
# behind: the user data folder, the default output folder and a settings
# file with empty entries.  Needs a display (Xvfb in CI).
set -u
program="$1"
home="$(mktemp -d /tmp/tarnly-first-start-XXXXXX)"
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

HOME="$home" XDG_CONFIG_HOME= timeout 60 "$program" >"$home/stdout" 2>"$home/stderr"
status=$?
cat "$home/stderr"
[ $status -ne 124 ] || fail "the program did not end"
[ $status -lt 128 ] || [ $status -eq 255 ] || fail "the program ended by signal (status $status)"

data="$home/Corvane files/Corvane Tarnly"
[ -d "$data" ] || fail "no user data folder"
[ -d "$home/Corvane/Corvane Tarnly" ] || fail "no default output folder"
settings="$data/QUENTA_VOSK.cfg"
[ -f "$settings" ] || fail "no settings file"
grep -q "<last-convert-dir></last-convert-dir>" "$settings" || fail "source folder entry not empty"
grep -q "<last-output-dir></last-output-dir>" "$settings" || fail "output folder entry not empty"

if ! grep -q "MainFrameRAZ2ODAVO" "$home/stderr"; then
  # Once the main window exists the program keeps running; this check is
  # then replaced by the main window's own tests.
  fail "no line on standard error about the missing main window"
fi
if grep -q "could not" "$home/stderr"; then
  fail "the program did not find its installed files"
fi
[ "$(grep -c . "$home/stderr")" -le 3 ] || fail "unexpected noise on standard error"
echo "first start: ok"
