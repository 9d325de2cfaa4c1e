#!/usr/bin/env bash
# End to end: the editor on a private X server opens a configuration named on its command line,
# a double click toggles a "Repeat" cell, Ctrl+S saves, and runvale reads the change back.
#
#   editor_e2e.sh <folder of velloran and runvale> <configuration file> [screenshot.png]
#
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick's import or python3 is missing.
set -euo pipefail

bin=${1:?usage: editor_e2e.sh <bin folder> <configuration> [screenshot.png]}
fixture=${2:?usage: editor_e2e.sh <bin folder> <configuration> [screenshot.png]}
screenshot=${3:-}

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"
start_x_session

config="$work/pad.vlz"
cp "$fixture" "$config"
"$bin/velloran" "$config" >"$work/editor.log" 2>&1 &
editor_pid=$!

title='^Velloran Ver\. 1\.4\.9 \(Beta\)$'

# After the splash the load says that no input device was found; Return answers it. The main
# window shows once the load is done.
window=
for _ in $(seq 150); do
    kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended during its start"
    box=$(visible_window '^No Input Devices$')
    if [ -n "$box" ]; then
        xdotool windowfocus --sync "$box" key Return
    fi
    window=$(visible_window "$title")
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the main window did not show"

# Where the "Repeat" cell of the first row is, from the window's geometry and what it shows:
# inside the window, the first pixel line with a long run of the inactive row colour E0E0E0
# (no device is attached, so every row is inactive) is the top of the first row. One line
# below it the row is plain background cut by the table's vertical grid lines, so the runs of
# that colour are the cells: "Button No.", "Device ID", then "Repeat".
find_repeat_cell() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -depth 8 "$work/screen.ppm"
    python3 - "$work/screen.ppm" "$X" "$Y" "$WIDTH" "$HEIGHT" <<'PY'
import sys
path, x0, y0, w, h = sys.argv[1], *map(int, sys.argv[2:])
with open(path, "rb") as f:
    magic, size, maxval, pixels = f.read().split(b"\n", 3)
cols, _ = map(int, size.split())
row_colour = bytes((224, 224, 224))
def runs(y):
    out, start = [], None
    for x in range(x0, x0 + w):
        i = (y * cols + x) * 3
        if pixels[i:i + 3] == row_colour:
            start = x if start is None else start
        elif start is not None:
            out.append((start, x - 1))
            start = None
    return out
for y in range(y0, y0 + h):
    if any(b - a >= 40 for a, b in runs(y)):
        cells = [r for r in runs(y + 1) if r[1] - r[0] >= 3]
        if len(cells) >= 3:
            a, b = cells[2]
            print((a + b) // 2, y + 8)
            sys.exit(0)
sys.exit(1)
PY
}
cell=
for _ in $(seq 30); do
    cell=$(find_repeat_cell) && break
    sleep 0.2
done
[ -n "$cell" ] || fail "no table row on the screen"
read -r cell_x cell_y <<<"$cell"

repeat_of_first_row() {
    "$bin/runvale" --dump "$config" |
        python3 -c 'import json, sys; print(json.load(sys.stdin)["rows"][0]["repeat"])'
}
[ "$(repeat_of_first_row)" = False ] || fail "the fixture's first row should start with Repeat off"

xdotool mousemove --sync "$cell_x" "$cell_y" click --repeat 2 --delay 80 1
sleep 0.3
xdotool windowfocus --sync "$window" key ctrl+s

saved=
for _ in $(seq 50); do
    [ "$(repeat_of_first_row)" = True ] && saved=yes && break
    sleep 0.1
done
[ -n "$saved" ] || fail "the saved file does not have Repeat on in its first row"
"$bin/runvale" --dump "$config" | python3 -c '
import json, sys
d = json.load(sys.stdin)
assert d["version"] == "1.4" and d["state"] == 0, d
assert [r["description"] for r in d["rows"]][:3] == ["Gear", "Flaps down", "Trim up"], d["rows"]
assert d["rows"][1]["repeat"] is True, "the second row keeps its own Repeat"
' || fail "the saved file lost other contents"

if [ -n "$screenshot" ]; then
    mkdir -p "$(dirname "$screenshot")"
    import -window "$window" "$screenshot"
    echo "screenshot: $screenshot"
fi

# Exit: nothing is unsaved, so the editor closes without a question.
xdotool windowfocus --sync "$window" key ctrl+q
for _ in $(seq 50); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$editor_pid" 2>/dev/null; then fail "the editor did not close"; fi
wait "$editor_pid" || fail "the editor ended with status $?"
editor_pid=
echo "PASS: Repeat toggled by a double click and saved with Ctrl+S"
