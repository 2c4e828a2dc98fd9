#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca, the desktop's screen reader, says of the Qt window: Ombrix and
# Orca on an Xvfb display in a D-Bus session of their own, Orca's speech
# written to a file (tests/orca/recordingspeech.py). Types 3, 2 and 1, tabs
# to 计算Ombrix, presses Return, prints every utterance, and fails unless the
# result is heard while the focus stays on the button. Builds the program
# first (preset program). Not part of the test command: it takes Orca's
# packages, and waits on a real screen reader.
#   orca-hears.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh screenreader
cmake --preset program >/dev/null && cmake --build build/program --target ombrix >/dev/null
source scripts/lib/setup.sh
work=$(mktemp -d /tmp/ombrix-orca-XXXXXX)
trap 'stop_display; rm -rf "$work"' EXIT
start_display 1024x768
mkdir -p "$work/home" "$work/runtime" "$work/prefs"
chmod 700 "$work/runtime"
cp tests/orca/user-settings.conf "$work/prefs/"

cat >"$work/session.sh" <<SESSION
set -e
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
gsettings set org.gnome.desktop.interface toolkit-accessibility true
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
PYTHONPATH=$PWD/tests/orca OMBRIX_SPEECH_LOG=$work/speech.log orca --replace -u $work/prefs &
sleep 6
build/program/window/ombrix &
program=\$!
sleep 4
xdotool windowfocus --sync "\$(xdotool search --onlyvisible --name Ombrix | head -1)"
sleep 1
xdotool type 3; xdotool key Tab; xdotool type 2; xdotool key Tab; xdotool type 1
for _ in 1 2 3 4 5 6; do xdotool key Tab; sleep 0.5; done
sleep 1
echo "--- Return on 计算Ombrix ---" >>$work/speech.log
xdotool key Return
sleep 4
kill \$program; pkill -TERM -x orca || true
SESSION
timeout 120 dbus-run-session -- bash "$work/session.sh" >"$work/session.log" 2>&1 || { cat "$work/session.log"; exit 1; }
cat "$work/speech.log"
sed -n '/^--- Return/,$p' "$work/speech.log" | grep -q '48\.882146302593' ||
    { echo "Orca did not say the result after 计算Ombrix"; exit 1; }
