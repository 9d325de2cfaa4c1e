# Shared set-up of the Wayland end-to-end tests, sourced by them: tool checks (exit 77 = skipped),
# a work folder removed at exit, a private headless sway with its own XDG_RUNTIME_DIR, and an
# environment that keeps everything the programs write inside the work folder. sway refuses to
# run as root, so a root harness runs sway and the programs as nobody: `as_user CMD` runs one in
# the foreground, `spawn LOG CMD` starts one in the background (its pid in $spawned, ended at
# exit). fail() prints the logs.

for tool in sway swaymsg wtype grim wev python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
user=()
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || { echo "SKIP: root without setpriv"; exit 77; }
    chown nobody: "$work"
    user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
as_user() { "${user[@]}" "$@"; }
spawned=
spawn() {  # LOG CMD...: the program itself goes to the background, so $spawned is its pid
    "${user[@]}" "${@:2}" >"$1" 2>&1 &
    spawned=$!
    pids+=("$spawned")
}
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do sed "s|^|$(basename "$log" .log): |" "$log" >&2; done
    exit 1
}

# Starts sway on a headless output; `alt_tab_marker` appears when sway itself acts on Alt+Tab.
start_sway() {
    alt_tab_marker="$work/alt-tab-reached-sway"
    as_user mkdir -m 700 "$work/run"
    cat >"$work/sway.config" <<CONFIG
output HEADLESS-1 resolution 1280x800 position 0,0
default_border none
bindsym Mod1+Tab exec touch $alt_tab_marker
CONFIG
    export XDG_RUNTIME_DIR="$work/run" HOME="$work" XDG_CONFIG_HOME="$work/config" \
        XDG_DATA_HOME="$work/data" TMPDIR="$work" VELLORAN_SETTINGS="$work/settings.ini"
    unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        spawn "$work/sway.log" sway -c "$work/sway.config"
    for _ in $(seq 100); do
        SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
        [ -n "$SWAYSOCK" ] && as_user swaymsg -s "$SWAYSOCK" -t get_version >/dev/null 2>&1 && break
        sleep 0.05
    done
    [ -n "$SWAYSOCK" ] || fail "sway did not start"
    WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? | head -n1)
    export SWAYSOCK WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland
    # A keyboard that stays: each wtype brings its own for the time it types, and a seat whose
    # last keyboard goes takes the keyboard focus away from the window.
    spawn /dev/null wtype -s 3600000
}

# The name of the focused window ("" for none).
focused_window() {
    as_user swaymsg -t get_tree | python3 -c '
import json, sys
def walk(n):
    if n.get("focused") and n.get("type") in ("con", "floating_con"): print(n.get("name") or "")
    for c in n.get("nodes", []) + n.get("floating_nodes", []): walk(c)
walk(json.load(sys.stdin))'
}
# Waits until the focused window's name matches $1.
wait_focused() {
    local deadline=$((SECONDS + 10))
    while [ "$SECONDS" -lt "$deadline" ]; do
        [[ "$(focused_window)" =~ $1 ]] && return 0
        sleep 0.05
    done
    fail "no focused window '$1' (focused: '$(focused_window)')"
}
# wtype's keyboard goes when it ends; it stays a moment so that the window handles the keys (and
# opens a menu for them) while their keymap is still the seat's.
type_keys() { as_user wtype "$@" -s 150; }
