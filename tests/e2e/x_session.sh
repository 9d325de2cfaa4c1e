# Shared set-up of the end-to-end tests on X, sourced by them: a private Xvfb and an environment
# that keeps everything the editor writes (settings, data, the single-instance socket in
# XDG_RUNTIME_DIR) inside the work folder; the editor ($bin/velloran) started, its windows
# found and answered, its screen read, and its end.
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
need Xvfb xdotool import python3
editor_pid=
trap '[ -z "$editor_pid" ] || kill "$editor_pid" 2>/dev/null || true; cleanup' EXIT

# xvfb NAME ARGS...: an X server on the first free display (it writes the number once it is
# ready), its display in $display; ARGS go to Xvfb.
xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -br "${@:2}" 3>"$work/$1" 2>/dev/null &
    pids+=($!)
    retry 50 test -s "$work/$1" || fail "Xvfb did not start"
    display=":$(cat "$work/$1")"
}
start_x_session() {
    xvfb display "$@"
    mkdir -m 700 "$work/run"
    # Keys must go to this display, not to a Wayland desktop the tests were started from.
    unset WAYLAND_DISPLAY
    export DISPLAY=$display QT_QPA_PLATFORM=xcb VELLORAN_SETTINGS="$work/settings.ini" \
        XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" \
        TMPDIR="$work"
}
start_editor() {  # ARGS...
    "$bin/velloran" "$@" >"$work/editor.log" 2>&1 &
    editor_pid=$!
}

visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true; }
# Prints the first visible window whose name matches $1 once it shows; fails when the editor
# ends first or after 15 s.
wait_window() {
    retry 150 shows "$1" || fail "no window '$1'"
    visible_window "$1"
}
shows() {
    [ -z "$editor_pid" ] || kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended"
    [ -n "$(visible_window "$1")" ]
}
answer() { xdotool windowfocus --sync "$(wait_window "$1")" key Return; }
# Ctrl+Q in $window: nothing is unsaved, so the editor closes without a question, status 0.
quit_editor() {
    xdotool windowfocus --sync "$window" key ctrl+q
    retry 50 gone "$editor_pid" || fail "the editor did not close"
    wait "$editor_pid" || fail "the editor ended with status $?"
    editor_pid=
}
shoot() {  # IMPORT-ARGS...: the screenshot, when the test was given a path for one
    [ -z "${screenshot:-}" ] || { mkdir -p "$(dirname "$screenshot")" && import "$@" "$screenshot"; }
}

# at DX DY XDOTOOL-COMMAND...: the pointer to DX,DY in $window, where its fixed layout puts what
# the test wants, then the xdotool command (click 1, mousedown 1, ...).
at() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --sync $((X + $1)) $((Y + $2)) "${@:3}"
}
