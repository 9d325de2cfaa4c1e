# What every end-to-end test shares, sourced by x_session.sh and sway_session.sh: tool checks
# (exit 77 = skipped), a work folder removed at exit with the programs started into $pids, and
# fail(), which prints the logs (*.log) of the work folder.

need() {  # TOOL...
    for tool; do command -v "$tool" >/dev/null || { echo "SKIP: no $tool (scripts/packages.txt)"; exit 77; }; done
}
main_window='^Velloran Ver\. 1\.4\.9 \(Beta\)$'
work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do [ ! -f "$log" ] || sed "s|^|$(basename "$log" .log): |" "$log" >&2; done
    exit 1
}
# retry N CMD...: runs CMD every 0.1 s until it succeeds, N times at most.
retry() {
    local n=$1 && shift
    for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
    return 1
}
gone() { ! kill -0 "$1" 2>/dev/null; }
# replay_script BUTTONS B...: a replay of a pad with BUTTONS buttons in which the i-th button B
# goes down at 200*i ms and up 50 ms later ("-" for none).
replay_script() {
    local i=0
    echo "device $1 PAD"
    for b in "${@:2}"; do
        i=$((i + 1))
        [ "$b" = - ] || printf '%s down 1 %s\n%s up 1 %s\n' $((i * 200)) "$b" $((i * 200 + 50)) "$b"
    done
    echo "$(((i + 1) * 200)) end"
}
