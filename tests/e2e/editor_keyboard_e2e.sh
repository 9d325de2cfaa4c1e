#!/usr/bin/env bash
# End to end, keyboard only: with an SDL virtual pad the editor creates a configuration (Ctrl+N),
# adds devices (Ctrl+Shift+A), moves through the table with the arrows, toggles "Repeat" with
# Space, records the key B into "On Press 1" (Ctrl+R, Return on the notice, B, Ctrl+R), undoes
# and redoes the step (Ctrl+Z, Ctrl+Shift+Z) and saves (Ctrl+Shift+S, a name typed without
# extension); runvale reads the file back.
#
#   editor_keyboard_e2e.sh <folder of velloran and runvale> [screenshot.png]
#
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick's import or python3 is missing.
set -euo pipefail
bin=$1 screenshot=${2:-}
source "$(dirname "$0")/x_session.sh"
start_x_session
export VELLORAN_HIDLINK=/nonexistent SDL_VIDEODRIVER=dummy

start_editor --virtual-devices "Demo Pad:4"
keys() { xdotool windowfocus --sync "$window" key --delay 60 "$@" && sleep 0.3; }
window=$(wait_window "$main_window")
keys ctrl+n
keys ctrl+shift+a
answer '^Remove Confirmation$'
answer '^List Updated$'
# The new configuration's table has the keyboard: the first key reaches row 2 ("Repeat" two
# cells on), then "On Press 1"; record mode starts with its notice.
keys Down Right Right space Right Right Right Right Right Right Right
keys ctrl+r
answer '^Keyboard Hook Active$'
keys b ctrl+r
keys ctrl+z
keys ctrl+shift+z
shoot -window "$window"
keys ctrl+shift+s
xdotool windowfocus --sync "$(wait_window '^Save Configuration File$')" type --delay 40 journey
xdotool key Return

saved() { find "$work/data" -name journey.vlz | grep -q .; }
retry 50 saved || fail "no journey.vlz saved in the configuration folder"
"$bin/runvale" --dump "$(find "$work/data" -name journey.vlz)" | python3 -c '
import json, sys
rows = json.load(sys.stdin)["rows"]
assert [r["repeat"] for r in rows] == [False, True, False, False], rows
assert rows[1]["press"][0][0] == "B", rows[1]["press"][0]
' || fail "the saved file does not hold the keyboard's edits"
echo "PASS: created, added devices, toggled, recorded, undone, redone and saved by keyboard"
