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

bin=${1:?usage: single_instance_e2e.sh <bin folder> <configuration>}
fixture=${2:?usage: single_instance_e2e.sh <bin folder> <configuration>}

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"
start_x_session
export VELLORAN_HIDLINK=/nonexistent
title='^Velloran Ver\. 1\.4\.9 \(Beta\)$'
other_x_pid=
other_pid=
trap '[ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null; [ -n "$other_x_pid" ] && kill "$other_x_pid" 2>/dev/null; cleanup' EXIT


config="$work/pad.vlz"
cp "$fixture" "$config"
"$bin/velloran" >"$work/editor.log" 2>&1 &
editor_pid=$!
notice=$(wait_window '^No Input Devices$')

started=$(date +%s%N)
timeout 5 "$bin/velloran" "$config" >"$work/second.log" 2>&1 || fail "the second start ended with $?"
took=$((($(date +%s%N) - started) / 1000000))
echo "the second start handed over and ended after $took ms"
[ "$took" -le 2000 ] || fail "the second start took $took ms"

xdotool windowfocus --sync "$notice" key Return
wait_window "$title" >/dev/null
loaded=
for _ in $(seq 50); do
    grep -qF "path=$config" "$work/settings.ini" 2>/dev/null && loaded=yes && break
    sleep 0.1
done
[ -n "$loaded" ] || fail "the handed-over file was not loaded"
sleep 0.5  # a second editor's window would show by now
windows=$(xdotool search --onlyvisible --name "$title" | wc -l)
[ "$windows" = 1 ] || fail "$windows main windows"

# Another X server of the same user: its own editor, which shows its own start-up notice.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/other-display" 2>/dev/null &
other_x_pid=$!
for _ in $(seq 50); do [ -s "$work/other-display" ] && break; sleep 0.1; done
[ -s "$work/other-display" ] || fail "the second Xvfb did not start"
other=":$(cat "$work/other-display")"
DISPLAY=$other "$bin/velloran" "$config" >"$work/other.log" 2>&1 &
other_pid=$!
shown=
for _ in $(seq 150); do
    kill -0 "$other_pid" 2>/dev/null || fail "the editor on $other ended: it handed over to $DISPLAY"
    shown=$(DISPLAY=$other xdotool search --onlyvisible --name '^No Input Devices$' || true)
    [ -n "$shown" ] && break
    sleep 0.1
done
[ -n "$shown" ] || fail "no editor started on $other"
echo "PASS: hand-over during the start-up notice; an editor of its own on $other"
