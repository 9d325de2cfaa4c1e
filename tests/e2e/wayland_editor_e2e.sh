#!/usr/bin/env bash
# End to end on Wayland, by keyboard only (the headless sway has no pointer): the editor makes a
# configuration (Ctrl+N) for a simulated HID board, chooses the first step cell with the arrow
# keys, starts record mode from the table's context menu (menu key) with the compositor's
# shortcuts inhibitor active ("Keyboard Hook Active"), records Shift+A while Alt+Tab stays in
# the window, stops recording (Ctrl+R) and starts a test from the same menu: board button 1 then
# sends SHIFT + A through the Wayland virtual keyboard into the test output window.
#
#   wayland_editor_e2e.sh <folder of velloran> <folder of libhidlink-sim.so> [screenshot.png]
#
# Exits 77 (skipped) when sway, swaymsg, wtype, grim, wev or python3 is missing.
set -euo pipefail
bin=$1 lib=$2 screenshot=${3:-}
source "$(dirname "$0")/sway_session.sh"
start_sway

boards="$work/boards.txt"
output="$work/test-output.txt"
echo 'board DEMO 16 Demo Board' >"$boards"
VELLORAN_HIDLINK="$lib/libhidlink-sim.so" HIDLINK_SIM_FILE="$boards" \
    spawn "$work/editor.log" "$bin/velloran" --test-output-log "$output"
wait_focused "$main_window"

# A new configuration has a row per board button and its table takes the keyboard. Nine steps
# right from "Button No." make "On Press 1" of the first row the current cell; the menu key opens
# the table's menu, whose first item is "Record Key Mapping".
type_keys -M ctrl n -m ctrl
for _ in $(seq 9); do type_keys -k Right; done
type_keys -k Menu -k Down -k Return
wait_focused '^Keyboard Hook Active$'
type_keys -k Return
wait_focused "$main_window"

# Alt+Tab reaches the window, which blocks it, instead of sway's binding.
type_keys -M shift -k a -m shift
type_keys -M alt -k Tab -m alt
sleep 0.3
[ ! -e "$alt_tab_marker" ] || fail "Alt+Tab reached sway while recording"
wait_focused "$main_window"
# The window fills the output; grim runs as the user, who may not write the screenshot's folder.
[ -z "$screenshot" ] || { as_user grim "$work/shot.png" && mkdir -p "$(dirname "$screenshot")" &&
    cp "$work/shot.png" "$screenshot" && echo "screenshot: $screenshot"; }

# Recording off, then the menu's fourth item, "Test Key Mappings"; the warning is answered.
type_keys -M ctrl r -m ctrl
type_keys -k Menu -k Down -k Down -k Down -k Down -k Return
wait_focused '^Test Warning$'
type_keys -k Return
wait_focused '^Test Output Window$'
retry 50 test -f "$output" || fail "the test output window mirrors nothing to $output"
echo 'press DEMO 1' >>"$boards"
retry 50 grep -q . "$output" || true
echo 'release DEMO 1' >>"$boards"
[ "$(cat "$output")" = "SHIFT + A" ] ||
    fail "the test output window shows '$(cat "$output")', not SHIFT + A"
echo "PASS: recorded SHIFT + A under the inhibitor and sent it through the virtual keyboard"
