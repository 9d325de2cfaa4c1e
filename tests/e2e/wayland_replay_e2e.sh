#!/usr/bin/env bash
# End to end on Wayland: `runvale --replay --output wayland` plays a configuration whose buttons
# 1-5 send "Z", "Y", "A", "1" and "SHIFT + A" into wev on a private headless sway, once for each
# XKB_DEFAULT_LAYOUT; the keysyms wev sees are what the key names say on that layout. Rows that
# want Num and Caps Lock on, then off, show in wev's locked modifiers; SIGTERM in the middle of a
# held key ends the replay with the key released.
#
#   wayland_replay_e2e.sh <folder of runvale> <tests/data/layout_letters.vlz>
#
# Exits 77 (skipped) when sway, swaymsg, wtype, grim, wev or python3 is missing.
set -euo pipefail

bin=${1:?usage: wayland_replay_e2e.sh <bin folder> <configuration>}
letters=${2:?usage: wayland_replay_e2e.sh <bin folder> <configuration>}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=sway_session.sh
source "$here/sway_session.sh"
start_sway

# The fixture's rows, then button 7 (Num and Caps Lock on) and 8 (both off), each sending A.
config="$work/letters.vlz"
python3 - "$letters" "$config" <<'PY'
import sys
text = open(sys.argv[1], "rb").read().decode("cp1252")
lines = text.split("\r\n")
row = lines[1:75]
for button, lock in (("7", "#TRUE#"), ("8", "#FALSE#")):
    extra = list(row)
    extra[0], extra[7], extra[8], extra[10], extra[11] = f'"{button}"', lock, lock, '"A"', '"A"'
    lines[-1:-1] = extra
open(sys.argv[2], "wb").write("\r\n".join(lines).encode("cp1252"))
PY
events="$work/events.txt"
script() {  # BUTTON...: the i-th goes down at 200*i ms and up 50 ms later
    local i=0
    echo "device 8 PAD"
    for b in "$@"; do
        i=$((i + 1))
        printf '%s down 1 %s\n%s up 1 %s\n' $((i * 200)) "$b" $((i * 200 + 50)) "$b"
    done
    echo "$(((i + 1) * 200)) end"
}
spawn "$work/wev.log" stdbuf -oL wev -f wl_keyboard
wait_focused '^wev$'

mark=0
replay() {  # LAYOUT
    local layout=$1
    mark=$(wc -l <"$work/wev.log")
    XKB_DEFAULT_LAYOUT=$layout as_user "$bin/runvale" --replay "$events" "$config" \
        --output wayland --hold-ms 20 >"$work/out.txt" 2>"$work/runvale.log" ||
        fail "runvale ended with $?"
    [ ! -s "$work/out.txt" ] || fail "runvale wrote to standard output"
    sleep 0.2
}
# wev's lines since the last replay: the keysyms pressed (modifiers left out), the locked masks.
pressed() {
    tail -n +"$((mark + 1))" "$work/wev.log" | awk '/state: 1 \(pressed\)/ { p = 1; next }
        p && /sym:/ { if ($2 !~ /^(Shift|Control|Alt)_/) printf "%s%s", n++ ? " " : "", $2; p = 0 }'
}
locked() { tail -n +"$((mark + 1))" "$work/wev.log" | awk '/locked:/ { print $2 }' | tr '\n' ' '; }

script 1 2 3 4 5 >"$events"
for case in "us:z y a 1 A" "de:z y a 1 A" "fr:z y a ampersand A" \
    "ru:Cyrillic_ya Cyrillic_en Cyrillic_ef 1 Cyrillic_EF"; do
    replay "${case%%:*}"
    [ "$(pressed)" = "${case#*:}" ] || fail "${case%%:*}: wev got '$(pressed)', not '${case#*:}'"
done

# Caps Lock (Lock, 2) and Num Lock (Mod2, 16) on while button 7 types A, off for button 8's a.
script 7 8 >"$events"
replay us
[ "$(pressed | tr ' ' '\n' | grep -v _Lock | xargs)" = "A a" ] || fail "locks: wev got '$(pressed)'"
[[ "$(locked)" =~ 00000012.*00000000\ $ ]] || fail "locks: wev's locked masks were '$(locked)'"

# SIGTERM while Z is held for 5 s: runvale ends at once and Z comes up.
script 1 >"$events"
mark=$(wc -l <"$work/wev.log")
XKB_DEFAULT_LAYOUT=us spawn "$work/runvale.log" "$bin/runvale" --replay "$events" "$config" \
    --output wayland --hold-ms 5000
rv_pid=$spawned
for _ in $(seq 50); do [ "$(pressed)" = z ] && break; sleep 0.05; done
[ "$(pressed)" = z ] || fail "Z did not go down"
kill -TERM "$rv_pid"
wait "$rv_pid" || fail "runvale ended with $? after SIGTERM"
sleep 0.2
# xkb numbers keys as evdev + 8: Z (evdev 44) is 52.
[ "$(grep -o 'key: 52; state: [01]' "$work/wev.log" | tail -n 1)" = "key: 52; state: 0" ] ||
    fail "Z stayed down after SIGTERM"
# A run (not a replay) on this desktop, which hosts no tray icons, is headless and stops cleanly.
spawn "$work/run.log" "$bin/runvale" "$config" --output wayland
for _ in $(seq 50); do grep -q '^Waiting for device' "$work/run.log" && break; sleep 0.05; done
kill -TERM "$spawned"
wait "$spawned" || fail "a run ended with $? after SIGTERM"
grep -q "through Wayland virtual keyboard" "$work/run.log" && grep -qx "Stopped." "$work/run.log" ||
    fail "the run said: $(cat "$work/run.log")"
echo "PASS: runvale --output wayland types by the layout, keeps the locks and leaves no key down"
