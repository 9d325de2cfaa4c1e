#!/usr/bin/env bash
# End to end: one editor per user and display. A second start while the first still shows its
# start-up notice hands its file over and ends within 2 s; the first opens the file once it is
# ready, in its only main window. An editor started on another X server is an editor of its
# own there.
#
#   single_instance_e2e.sh <folder of velloran> <configuration file>
#
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick's import or python3 is missing.
set -euo pipefail
bin=$1 fixture=$2
source "$(dirname "$0")/x_session.sh"
start_x_session
export VELLORAN_HIDLINK=/nonexistent

config="$work/pad.vlz"
cp "$fixture" "$config"
start_editor
notice=$(wait_window '^No Input Devices$')
timeout 2 "$bin/velloran" "$config" >"$work/second.log" 2>&1 ||
    fail "the second start ended with $? (124: it did not hand over and end within 2 s)"

xdotool windowfocus --sync "$notice" key Return
wait_window "$main_window" >/dev/null
loaded() { grep -qF "path=$config" "$work/settings.ini" 2>/dev/null; }
retry 50 loaded || fail "the handed-over file was not loaded"
sleep 0.5  # a second editor's window would show by now
windows=$(xdotool search --onlyvisible --name "$main_window" | wc -l)
[ "$windows" = 1 ] || fail "$windows main windows"

# Another X server of the same user: its own editor, which shows its own start-up notice.
xvfb other-display
DISPLAY=$display "$bin/velloran" "$config" >"$work/other.log" 2>&1 &
other_pid=$!
pids+=("$other_pid")
shown() {
    gone "$other_pid" && fail "the editor on $display ended: it handed over to $DISPLAY"
    [ -n "$(DISPLAY=$display visible_window '^No Input Devices$')" ]
}
retry 150 shown || fail "no editor started on $display"
echo "PASS: hand-over during the start-up notice; an editor of its own on $display"
