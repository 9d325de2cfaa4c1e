#!/usr/bin/env bash
# End to end: the editor on a private X server opens a configuration named on its command line,
# a double click toggles a "Repeat" cell, Ctrl+S saves, and runvale reads the change back.
#
#   editor_e2e.sh <folder of velloran and runvale> <configuration file> [screenshot.png]
#
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick's import or python3 is missing.
set -euo pipefail
bin=$1 fixture=$2 screenshot=${3:-}
source "$(dirname "$0")/x_session.sh"
start_x_session

config="$work/pad.vlz"
cp "$fixture" "$config"
start_editor "$config"
# After the splash the load says that no input device was found; the main window shows once
# that is answered and the load is done.
answer '^No Input Devices$'
window=$(wait_window "$main_window")

# The "Repeat" cell of the first row; no device is attached, so every row is inactive.
repeat_of_first_row() {
    "$bin/runvale" --dump "$config" |
        python3 -c 'import json, sys; print(json.load(sys.stdin)["rows"][0]["repeat"])'
}
repeats() { [ "$(repeat_of_first_row)" = True ]; }  # the fixture's first row has it off
at 431 158 click --repeat 2 --delay 80 1
sleep 0.3
xdotool windowfocus --sync "$window" key ctrl+s
retry 50 repeats || fail "the saved file does not have Repeat on in its first row"
"$bin/runvale" --dump "$config" | python3 -c '
import json, sys
d = json.load(sys.stdin)
assert d["version"] == "1.4" and d["state"] == 0, d
assert [r["description"] for r in d["rows"]][:3] == ["Gear", "Flaps down", "Trim up"], d["rows"]
assert d["rows"][1]["repeat"] is True, "the second row keeps its own Repeat"
' || fail "the saved file lost other contents"
shoot -window "$window"
quit_editor
echo "PASS: Repeat toggled by a double click and saved with Ctrl+S"
