# Shared set-up of the end-to-end tests, sourced by them: tool checks (exit 77 = skipped), a
# work folder removed at exit, a private Xvfb, and an environment that keeps everything the
# editor writes (settings, data, the single-instance socket in XDG_RUNTIME_DIR) inside the work
# folder.
# The sourcing script sets editor_pid when it starts the editor; fail() prints the editor's log.

for tool in Xvfb xdotool import python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (see scripts/packages.txt)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
editor_pid=
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/editor.log" ] && sed 's/^/editor: /' "$work/editor.log" >&2
    exit 1
}

# Starts a private X server on the first free display (it writes the number once it is ready);
# arguments go to Xvfb.
start_x_session() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp "$@" 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
    mkdir -m 700 "$work/run"
    # Keys must go to this display, not to a Wayland desktop the tests were started from.
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb VELLORAN_SETTINGS="$work/settings.ini" XDG_DATA_HOME="$work/data" \
        XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work"
}

visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true; }

# Prints the first visible window whose name matches $1 once it shows. Fails when the editor
# ($editor_pid) ends first, when a window matching $unwanted_window shows, or after 15 s.
wait_window() {
    local found=
    for _ in $(seq 150); do
        kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended"
        if [ -n "${unwanted_window:-}" ] && [ -n "$(visible_window "$unwanted_window")" ]; then
            fail "window '$unwanted_window' showed"
        fi
        found=$(visible_window "$1")
        [ -n "$found" ] && break
        sleep 0.1
    done
    [ -n "$found" ] || fail "no window '$1'"
    echo "$found"
}
answer() { xdotool windowfocus --sync "$(wait_window "$1")" key Return; }
