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

bin=${1:?usage: editor_test_mode_e2e.sh <bin folder> <configuration> [screenshot.png]}
fixture=${2:?usage: editor_test_mode_e2e.sh <bin folder> <configuration> [screenshot.png]}
screenshot=${3:-}
pad='Demo Pad:12'
layout=${E2E_LAYOUT:-}
typed=${E2E_TYPED:-}
expect=${E2E_EXPECT:-SHIFT + A}

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"

# The fixture names the pad by the identity SDL gives it; a new SDL could give another.
identity=$(SDL_VIDEODRIVER=dummy "$bin/runvale" --list-devices --virtual-devices "$pad" |
    awk -F '\t' '$5 == "Demo Pad" { print $4 }')
grep -q "\"$identity\"" "$fixture" ||
    fail "the fixture does not map the virtual pad's identity '$identity'"

# Without /dev/uinput the keys go out through XTest on this display. -noreset keeps the layout.
start_x_session -noreset
if [ -n "$layout" ]; then setxkbmap "$layout"; fi
export VELLORAN_HIDLINK=/nonexistent

# A bad device list is refused before any window: a message box, then exit status 2.
"$bin/velloran" --virtual-devices "Demo Pad" >"$work/editor.log" 2>&1 &
editor_pid=$!
refusal=
for _ in $(seq 100); do
    refusal=$(visible_window '^Velloran$')
    [ -n "$refusal" ] && break
    sleep 0.1
done
[ -n "$refusal" ] || fail "no message box for a bad --virtual-devices list"
xdotool windowfocus --sync "$refusal" key Return
status=0
wait "$editor_pid" || status=$?
editor_pid=
[ "$status" = 2 ] || fail "a bad --virtual-devices list ended the editor with status $status"

config="$work/pad.vlz"
output="$work/test-output.txt"
cp "$fixture" "$config"
"$bin/velloran" --virtual-devices "$pad" --test-output-log "$output" "$config" \
    >"$work/editor.log" 2>&1 &
editor_pid=$!


unwanted_window='^No Input Devices$'  # the virtual pad was not found
window=$(wait_window '^Velloran Ver\. 1\.4\.9 \(Beta\)$')

# Pixels of the screen: "find_colour RUN R G B" prints the centre of the first run of at least
# RUN pixels of that colour inside the main window, top to bottom.
find_colour() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -depth 8 "$work/screen.ppm"
    python3 - "$work/screen.ppm" "$X" "$Y" "$WIDTH" "$HEIGHT" "$@" <<'PY'
import sys
path, x0, y0, w, h, run, r, g, b = sys.argv[1], *map(int, sys.argv[2:])
with open(path, "rb") as f:
    magic, size, maxval, pixels = f.read().split(b"\n", 3)
cols, _ = map(int, size.split())
colour = bytes((r, g, b))
for y in range(y0, y0 + h):
    start = None
    for x in range(x0, x0 + w + 1):
        i = (y * cols + x) * 3
        if x < x0 + w and pixels[i:i + 3] == colour:
            start = x if start is None else start
        elif start is not None:
            if x - start >= run:
                print((start + x) // 2, y + 2)
                sys.exit(0)
            start = None
sys.exit(1)
PY
}
retry_find() {
    local at=
    for _ in $(seq 30); do
        at=$(find_colour "$@") && break
        sleep 0.2
    done
    [ -n "$at" ] || fail "nothing of colour $* on the screen"
    echo "$at"
}

# The third row maps a pad that is not attached: it is drawn in the inactive colour E0E0E0.
# A right click on it opens the table's menu, whose fourth item is "Test Key Mappings".
read -r row_x row_y <<<"$(retry_find 40 224 224 224)"
xdotool mousemove --sync "$row_x" "$((row_y + 4))" click 3
sleep 0.3
xdotool key Down Down Down Down Return
answer '^Test Warning$'
panel=$(wait_window '^Virtual Devices$')
wait_window '^Test Output Window$' >/dev/null
for _ in $(seq 50); do [ -f "$output" ] && break; sleep 0.1; done
[ -f "$output" ] || fail "the test output window mirrors nothing to $output"

# Button 1 of the pad, where the panel's fixed layout puts it.
eval "$(xdotool getwindowgeometry --shell "$panel")"
xdotool mousemove --sync "$((X + 148))" "$((Y + 22))" mousedown 1
for _ in $(seq 50); do grep -q . "$output" && break; sleep 0.1; done
sleep 0.3  # the held row and the status panels are drawn
if [ -n "$screenshot" ]; then
    mkdir -p "$(dirname "$screenshot")"
    read -r crop < <(
        for w in "$window" "$panel"; do xdotool getwindowgeometry --shell "$w"; echo; done |
            python3 -c '
import sys
boxes = [dict(l.split("=") for l in b.split()) for b in sys.stdin.read().split("\n\n") if b.strip()]
x0 = min(int(b["X"]) for b in boxes); y0 = min(int(b["Y"]) for b in boxes)
x1 = max(int(b["X"]) + int(b["WIDTH"]) for b in boxes)
y1 = max(int(b["Y"]) + int(b["HEIGHT"]) for b in boxes)
print(f"{x1 - x0}x{y1 - y0}+{x0}+{y0}")')
    import -window root -crop "$crop" +repage "$screenshot"
    echo "screenshot: $screenshot"
fi
xdotool mouseup 1
for key in $typed; do xdotool key "$key"; done
for _ in $(seq 30); do [ "$(paste -sd ' ' "$output")" = "$expect" ] && break; sleep 0.1; done

[ "$(paste -sd ' ' "$output")" = "$expect" ] ||
    fail "the test output window shows '$(paste -sd ' ' "$output")', not $expect"

# ComTest shows its "test_on" picture, whose inner colour 6CC283 is its own: a click there stops
# the test, after which the menus are back and Ctrl+Q ends the editor without a question.
read -r stop_x stop_y <<<"$(retry_find 8 108 194 131)"
xdotool mousemove --sync "$stop_x" "$stop_y" click 1
for _ in $(seq 30); do [ -z "$(visible_window '^Virtual Devices$')" ] && break; sleep 0.1; done
[ -z "$(visible_window '^Virtual Devices$')" ] || fail "the test did not stop"
xdotool windowfocus --sync "$window" key ctrl+q
for _ in $(seq 50); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$editor_pid" 2>/dev/null; then fail "the editor did not close"; fi
wait "$editor_pid" || fail "the editor ended with status $?"
editor_pid=
echo "PASS: virtual button 1 and the keys typed gave '$expect' in the test output window"
