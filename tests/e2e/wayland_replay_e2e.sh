#!/usr/bin/env bash
# End to end on Wayland: `runvale --replay --output wayland` plays a configuration whose buttons
# 1-5 send "Z", "Y", "A", "1" and "SHIFT + A" into wev on a private headless sway, once for each
# XKB_DEFAULT_LAYOUT; the keysyms wev sees are what the key names say on that layout. Buttons 7
# and 8 send A from rows that want Num and Caps Lock on, then off: wev's locked modifiers show
# it. SIGTERM in the middle of a held key ends the replay with the key released.
#
#   wayland_replay_e2e.sh <folder of runvale> <tests/data/layout_letters.vlz>
#
# Exits 77 (skipped) when sway, swaymsg, wtype, grim, wev or python3 is missing.
set -euo pipefail
bin=$1 config=$2
source "$(dirname "$0")/sway_session.sh"
start_sway

spawn "$work/wev.log" stdbuf -oL wev -f wl_keyboard
wait_focused '^wev$'

# replay LAYOUT BUTTON...: wev's lines since then tell the keysyms pressed (modifiers left
# out, in $pressed) and the locked masks (in $locked).
replay() {
    replay_script 8 "${@:2}" >"$work/events.txt"
    mark=$(wc -l <"$work/wev.log")
    XKB_DEFAULT_LAYOUT=$1 as_user "$bin/runvale" --replay "$work/events.txt" "$config" \
        --output wayland --hold-ms 20 >"$work/out.txt" 2>"$work/runvale.log" ||
        fail "runvale ended with $?"
    [ ! -s "$work/out.txt" ] || fail "runvale wrote to standard output"
    sleep 0.2
    read_wev
}
read_wev() {
    pressed=$(tail -n +"$((mark + 1))" "$work/wev.log" | awk '/state: 1 \(pressed\)/ { p = 1; next }
        p && /sym:/ { if ($2 !~ /^(Shift|Control|Alt)_/) printf "%s%s", n++ ? " " : "", $2; p = 0 }')
    locked=$(tail -n +"$((mark + 1))" "$work/wev.log" | awk '/locked:/ { print $2 }' | tr '\n' ' ')
}
for case in "us:z y a 1 A" "de:z y a 1 A" "fr:z y a ampersand A" \
    "ru:Cyrillic_ya Cyrillic_en Cyrillic_ef 1 Cyrillic_EF"; do
    replay "${case%%:*}" 1 2 3 4 5
    [ "$pressed" = "${case#*:}" ] || fail "${case%%:*}: wev got '$pressed', not '${case#*:}'"
done

# Caps Lock (Lock, 2) and Num Lock (Mod2, 16) on while button 7 types A, off for button 8's a.
replay us 7 8
[ "$(tr ' ' '\n' <<<"$pressed" | grep -v _Lock | xargs)" = "A a" ] || fail "locks: wev got '$pressed'"
[[ "$locked" =~ 00000012.*00000000\ $ ]] || fail "locks: wev's locked masks were '$locked'"

# SIGTERM while Z is held for 5 s: runvale ends at once and Z comes up.
replay_script 8 1 >"$work/events.txt"
mark=$(wc -l <"$work/wev.log")
XKB_DEFAULT_LAYOUT=us spawn "$work/runvale.log" "$bin/runvale" --replay "$work/events.txt" \
    "$config" --output wayland --hold-ms 5000
z_down() { read_wev; [ "$pressed" = z ]; }
retry 50 z_down || fail "Z did not go down"
kill -TERM "$spawned"
wait "$spawned" || fail "runvale ended with $? after SIGTERM"
sleep 0.2
# xkb numbers keys as evdev + 8: Z (evdev 44) is 52.
[ "$(grep -o 'key: 52; state: [01]' "$work/wev.log" | tail -n 1)" = "key: 52; state: 0" ] ||
    fail "Z stayed down after SIGTERM"
# A run (not a replay) on this desktop, which hosts no tray icons, is headless and stops cleanly.
spawn "$work/run.log" "$bin/runvale" "$config" --output wayland
retry 50 grep -q '^Waiting for device' "$work/run.log" || true
kill -TERM "$spawned"
wait "$spawned" || fail "a run ended with $? after SIGTERM"
grep -q "through Wayland virtual keyboard" "$work/run.log" && grep -qx "Stopped." "$work/run.log" ||
    fail "the run said: $(cat "$work/run.log")"
echo "PASS: runvale --output wayland types by the layout, keeps the locks and leaves no key down"
