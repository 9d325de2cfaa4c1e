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
bin=$1 config=$2
source "$(dirname "$0")/x_session.sh"
need xev setxkbmap
# -noreset: without it the server goes back to us when its last client (setxkbmap) leaves.
start_x_session -noreset

# Errors as in the dry run: status 2, nothing on standard output.
echo "0 press 1 1" >"$work/bad.txt"
"$bin/runvale" --replay "$work/bad.txt" "$config" --output record >"$work/out.txt" 2>/dev/null &&
    status=0 || status=$?
[ "$status" = 2 ] && [ ! -s "$work/out.txt" ] || fail "a bad script: status $status, '$(cat "$work/out.txt")'"

# SIGINT in the middle of a 5-second hold ends the replay at once, with every key up.
replay_script 8 1 2 3 4 5 >"$work/events.txt"
timeout --preserve-status -s INT -k 1 0.5 "$bin/runvale" --replay "$work/events.txt" "$config" \
    --output record --hold-ms 5000 2>"$work/err.txt" ||
    fail "an interrupted replay ended with $? (137: it did not stop within 1 s)"
grep -qx "held keys at exit: none" "$work/err.txt" || fail "interrupted: $(cat "$work/err.txt")"

stdbuf -oL xev -event keyboard -name velloran-keys >"$work/xev.txt" 2>&1 &
pids+=($!)
xdotool windowfocus --sync "$(wait_window '^velloran-keys$')"
# replay BUTTON...: a replay into the xev window; $pressed is the keysyms it got, modifiers left
# out. A command in $meanwhile runs beside the replay.
replay() {
    replay_script 8 "$@" >"$work/events.txt"
    local mark
    mark=$(wc -l <"$work/xev.txt")
    ${meanwhile:-true} &
    "$bin/runvale" --replay "$work/events.txt" "$config" --output xtest --hold-ms 20 \
        >"$work/out.txt" 2>"$work/err.txt" || fail "runvale ended with $?: $(cat "$work/err.txt")"
    [ ! -s "$work/out.txt" ] || fail "runvale wrote to standard output: $(cat "$work/out.txt")"
    wait $!
    sleep 0.2
    pressed=$(tail -n +"$((mark + 1))" "$work/xev.txt" | awk '/^KeyPress/ { p = 1 } p && /keysym/ {
        sub(/.*keysym 0x[0-9a-f]+, /, ""); sub(/\).*/, "")
        if ($0 !~ /^(Shift_|Control_|Alt_|Num_Lock)/) printf "%s%s", n++ ? " " : "", $0; p = 0 }')
}
for case in "us|English (US)|z y a 1 A" "de|German|z y a 1 A" "fr|French|z y a ampersand A" \
    "ru|Russian|Cyrillic_ya Cyrillic_en Cyrillic_ef 1 Cyrillic_EF"; do
    IFS='|' read -r layout name expected <<<"$case"
    setxkbmap "$layout"
    replay 1 2 3 4 5
    grep -qx "Keyboard layout: $name (X server)" "$work/err.txt" ||
        fail "$layout: runvale said '$(cat "$work/err.txt")'"
    [ "$pressed" = "$expected" ] || fail "$layout: the window got '$pressed', not '$expected'"
done

# Num Lock on before the replay: button 6's row has Num Lock off, which turns it off, so its
# LEFT ARROW (the keypad 4 key) arrives as the arrow.
setxkbmap us
xdotool key Num_Lock
replay 6
[ "$pressed" = "KP_Left" ] || fail "Num Lock: the window got '$pressed', not KP_Left"

# "Z" at 200 ms and again at 1000 ms, with a switch to German between them: the second goes to
# the key that types z on German, where the us key of Z types y.
switch_to_german() { sleep 0.6 && setxkbmap de; }
meanwhile=switch_to_german replay 1 - - - 1
[ "$pressed" = "z z" ] || fail "switch: the window got '$pressed', not 'z z'"
echo "PASS: keys follow the X server's layout, also after a switch during a replay"
