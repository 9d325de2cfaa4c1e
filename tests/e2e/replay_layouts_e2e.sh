#!/usr/bin/env bash
# End to end: `runvale --replay --output xtest` plays a configuration whose buttons 1-5 send "Z",
# "Y", "A", "1" and "SHIFT + A" into an xev window on a private X server set to each layout in
# turn; the keysyms that arrive are what the key names say on that layout. Then one replay with a
# layout switch in the middle: the keys after it follow the new layout.
#
#   replay_layouts_e2e.sh <folder of runvale> <tests/data/layout_letters.vlz>
#
# Exits 77 (skipped) when Xvfb, xdotool, xev or setxkbmap is missing.
set -euo pipefail

bin=${1:?usage: replay_layouts_e2e.sh <bin folder> <configuration>}
config=${2:?usage: replay_layouts_e2e.sh <bin folder> <configuration>}
for tool in xev setxkbmap; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"

# -noreset: without it the server goes back to us when its last client (setxkbmap) leaves.
start_x_session -noreset

# Button b goes down at 200*b ms and up 50 ms later; the replay ends at 200*6 ms. (Button 6
# sends LEFT ARROW with the row's Num Lock off.)
events="$work/events.txt"
{
    echo "device 6 PAD"
    for b in 1 2 3 4 5; do echo "$((b * 200)) down 1 $b"; echo "$((b * 200 + 50)) up 1 $b"; done
    echo "1200 end"
} >"$events"

# Errors as in the dry run: status 2, nothing on standard output.
echo "0 press 1 1" >"$work/bad.txt"
status=0
"$bin/runvale" --replay "$work/bad.txt" "$config" --output record >"$work/out.txt" 2>/dev/null || status=$?
[ "$status" = 2 ] && [ ! -s "$work/out.txt" ] || fail "a bad script: status $status, '$(cat "$work/out.txt")'"
# SIGINT in the middle of a 5-second hold ends the replay at once, with every key up.
"$bin/runvale" --replay "$events" "$config" --output record --hold-ms 5000 2>"$work/err.txt" &
rv_pid=$!
sleep 0.5
kill -INT "$rv_pid"
interrupted=$(date +%s%N)
wait "$rv_pid" || fail "an interrupted replay ended with $?"
(( ($(date +%s%N) - interrupted) / 1000000 < 1000 )) || fail "the replay did not stop at SIGINT"
grep -qx "held keys at exit: none" "$work/err.txt" || fail "interrupted: $(cat "$work/err.txt")"

xev_pid=
start_logger() {
    xev -event keyboard -event structure -name velloran-keys >"$work/xev.log" 2>&1 &
    xev_pid=$!
    local window=
    for _ in $(seq 50); do window=$(visible_window '^velloran-keys$'); [ -n "$window" ] && break; sleep 0.1; done
    [ -n "$window" ] || fail "no xev window"
    xdotool windowfocus --sync "$window"
}
stop_logger() { kill "$xev_pid"; wait "$xev_pid" 2>/dev/null || true; }
# The keysym names of the key presses xev saw, modifiers left out, on one line.
pressed() {
    awk '/^KeyPress/ { p = 1 } p && /keysym/ { sub(/.*keysym 0x[0-9a-f]+, /, ""); sub(/\).*/, "");
         if ($0 !~ /^(Shift_|Control_|Alt_|Num_Lock)/) printf "%s%s", n++ ? " " : "", $0; p = 0 }' "$work/xev.log"
}
replay() {
    "$bin/runvale" --replay "$events" "$config" --output xtest --hold-ms 20 \
        >"$work/out.txt" 2>"$work/err.txt" || fail "runvale ended with $?: $(cat "$work/err.txt")"
    [ ! -s "$work/out.txt" ] || fail "runvale wrote to standard output: $(cat "$work/out.txt")"
}

check() {  # LAYOUT NAME EXPECTED
    setxkbmap "$1"
    start_logger
    replay
    stop_logger
    grep -qx "Keyboard layout: $2 (X server)" "$work/err.txt" ||
        fail "$1: runvale said '$(cat "$work/err.txt")'"
    [ "$(pressed)" = "$3" ] || fail "$1: the window got '$(pressed)', not '$3'"
    echo "ok: $1 -> $3"
}
check us "English (US)" "z y a 1 A"
check de German "z y a 1 A"
check fr French "z y a ampersand A"
check ru Russian "Cyrillic_ya Cyrillic_en Cyrillic_ef 1 Cyrillic_EF"

# Num Lock on before the replay: the row's Num Lock off turns it off, so LEFT ARROW (the keypad 4
# key) arrives as the arrow.
setxkbmap us
xdotool key Num_Lock
{ echo "device 6 PAD"; echo "200 down 1 6"; echo "250 up 1 6"; echo "400 end"; } >"$work/left.txt"
start_logger
"$bin/runvale" --replay "$work/left.txt" "$config" --output xtest 2>/dev/null || fail "LEFT: $?"
stop_logger
[ "$(pressed)" = "KP_Left" ] || fail "Num Lock: the window got '$(pressed)', not KP_Left"

# "Z" at 200 ms and again at 1000 ms, with a switch to German between them: the second goes to
# the key that types z on German, where the us key of Z types y.
{ echo "device 6 PAD"; echo "200 down 1 1"; echo "250 up 1 1"; echo "1000 down 1 1"
  echo "1050 up 1 1"; echo "1200 end"; } >"$events"
setxkbmap us
start_logger
(sleep 0.6 && setxkbmap de) &
switch_pid=$!
replay
wait "$switch_pid"
stop_logger
[ "$(pressed)" = "z z" ] || fail "switch: the window got '$(pressed)', not 'z z'"
echo "PASS: keys follow the X server's layout, also after a switch during a replay"
