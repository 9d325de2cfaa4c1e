#!/usr/bin/env bash
# End to end: the editor on a private X server with an SDL virtual pad opens a configuration
# whose button 1 sends SHIFT + A, starts the test from the table's context menu, presses button 1
# of the pad in the "Virtual Devices" window with the mouse, and the test output window lists
# SHIFT + A: the keys went out through XTest and came back as key events.
#
#   editor_test_mode_e2e.sh <folder of velloran and runvale> <configuration file> [screenshot.png]
#
# The configuration maps the identity "Demo Pad:12" gets (see runvale --list-devices).
# E2E_LAYOUT sets an XKB layout first; E2E_TYPED are keysyms typed into the test output window
# after the button; E2E_EXPECT is what the window then lists, lines joined by blanks.
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick's import or python3 is missing.
set -euo pipefail
bin=$1 fixture=$2 screenshot=${3:-}
pad='Demo Pad:12'
expect=${E2E_EXPECT:-SHIFT + A}
source "$(dirname "$0")/x_session.sh"

# Without /dev/uinput the keys go out through XTest on this display. -noreset keeps the layout.
start_x_session -noreset
[ -z "${E2E_LAYOUT:-}" ] || setxkbmap "$E2E_LAYOUT"
export VELLORAN_HIDLINK=/nonexistent

# A bad device list is refused before any window: a message box, then exit status 2.
start_editor --virtual-devices "Demo Pad"
answer '^Velloran$'
wait "$editor_pid" && status=0 || status=$?
editor_pid=
[ "$status" = 2 ] || fail "a bad --virtual-devices list ended the editor with status $status"

config="$work/pad.vlz"
output="$work/test-output.txt"
cp "$fixture" "$config"
start_editor --virtual-devices "$pad" --test-output-log "$output" "$config"
# A "No Input Devices" notice instead means that the fixture does not map the identity the pad
# has (see runvale --list-devices).
window=$(wait_window "$main_window")

# A right click on the third row (a pad that is not attached) opens the table's menu, whose
# fourth item is "Test Key Mappings".
at 205 200 click 3
sleep 0.3
xdotool key Down Down Down Down Return
answer '^Test Warning$'
panel=$(wait_window '^Virtual Devices$')
wait_window '^Test Output Window$' >/dev/null
retry 50 test -f "$output" || fail "the test output window mirrors nothing to $output"

# Button 1 of the pad, where the panel's fixed layout puts it; the screenshot shows the main
# window and the panel while it is held.
window=$panel at 148 22 mousedown 1
retry 50 grep -q . "$output" || true
sleep 0.3  # the held row and the status panels are drawn
shoot -window root -trim +repage  # the root is black (-br): what is left is the two windows
xdotool mouseup 1
for key in ${E2E_TYPED:-}; do xdotool key "$key"; done
shows() { [ "$(paste -sd ' ' "$output")" = "$expect" ]; }
retry 30 shows || fail "the test output window shows '$(paste -sd ' ' "$output")', not $expect"

# A click on ComTest stops the test, after which the menus are back and Ctrl+Q ends the editor
# without a question.
at 266 75 click 1
stopped() { [ -z "$(visible_window '^Virtual Devices$')" ]; }
retry 30 stopped || fail "the test did not stop"
quit_editor
echo "PASS: virtual button 1 and the keys typed gave '$expect' in the test output window"
