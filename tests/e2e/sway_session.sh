# Shared set-up of the Wayland end-to-end tests, sourced by them: a private headless sway with its
# own XDG_RUNTIME_DIR, and an environment that keeps everything the programs write inside the
# work folder. sway refuses to run as root, so a root harness runs sway and the programs as
# nobody: `as_user CMD` runs one in the foreground, `spawn LOG CMD` starts one in the background
# (its pid in $spawned, ended at exit).
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
need sway swaymsg wtype grim wev python3

user=()
if [ "$(id -u)" = 0 ]; then
    need setpriv
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
    retry 100 sway_answers || fail "sway did not start"
    WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? | head -n1)
    export SWAYSOCK WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland
    # A keyboard that stays: each wtype brings its own for the time it types, and a seat whose
    # last keyboard goes takes the keyboard focus away from the window.
    spawn /dev/null wtype -s 3600000
}
sway_answers() {
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
    [ -n "$SWAYSOCK" ] && as_user swaymsg -s "$SWAYSOCK" -t get_version >/dev/null 2>&1
}

# The name of the focused window ("" for none).
focused_window() {
    as_user swaymsg -t get_tree | python3 -c 'import json, sys
def walk(n): return [c for k in ("nodes", "floating_nodes") for m in n.get(k, []) for c in walk(m)] + [n]
print(*[n.get("name") or "" for n in walk(json.load(sys.stdin))
        if n.get("focused") and n["type"] in ("con", "floating_con")])'
}
focused_is() { [[ "$(focused_window)" =~ $1 ]]; }
wait_focused() { retry 100 focused_is "$1" || fail "no focused window '$1' (focused: '$(focused_window)')"; }
# wtype's keyboard goes when it ends; it stays a moment so that the window handles the keys (and
# opens a menu for them) while their keymap is still the seat's.
type_keys() { as_user wtype "$@" -s 150; }
