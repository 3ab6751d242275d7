#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tries the window as a person meets it on a desktop: starts a virtual X server (Xvfb), opens
# the built window on it, presses keys in it and saves a picture of the window.
#   scripts/try-window.sh OUTPUT.png [ARGUMENT...]
# ARGUMENTs go to musterwright (e.g. -stylesheet big.qss). KEYS holds the steps taken in turn
# once the window is up, separated by blanks: an xdotool key name pressed (e.g. "ctrl+r F5"),
# type:TEXT typed, click:X,Y a click at that point of the screen (it also gives a dialog the
# keyboard), pause:N N seconds' wait, shot:FILE.png a picture of the whole screen (dialogs included). SIZE, when
# set (e.g. 1000x800), resizes the window first. BUILD names the build folder (build/). The
# window runs in the current folder, with settings (its Recent list) of its own that go when
# it ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh" --x11
[ $# -ge 1 ] || { echo "usage: scripts/try-window.sh OUTPUT.png [ARGUMENT...]" >&2; exit 2; }
output=$1
shift

work=$(mktemp -d)
server=""
window=""
trap '[ -n "$window" ] && kill "$window" 2>/dev/null; [ -n "$server" ] && kill "$server";
  rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME="$work/settings"

"${BUILD:-$root/build}"/ui/musterwright "$@" &
window=$!
id=$(timeout 20 xdotool search --sync --name '^Musterwright$' | head -1)
xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
[ -n "${SIZE:-}" ] && xdotool windowsize --sync "$id" "${SIZE%x*}" "${SIZE#*x}"
for step in ${KEYS:-}; do
  case "$step" in
    type:*) xdotool type --delay 20 "${step#type:}" ;;
    pause:*) sleep "${step#pause:}" ;;
    click:*) point=${step#click:} && xdotool mousemove "${point%,*}" "${point#*,}" click 1 ;;
    shot:*) import -window root -crop 1280x900+0+0 "${step#shot:}" ;;
    *) xdotool key --clearmodifiers "$step" ;;
  esac
  sleep 0.7
done
sleep 0.5
import -window "$id" "$output"
echo "$output: window $(xdotool getwindowgeometry "$id" | sed -n 's/ *Geometry: //p') on $DISPLAY," \
  "$(xprop -id "$id" WM_NORMAL_HINTS | grep -o 'minimum size: .*')"
