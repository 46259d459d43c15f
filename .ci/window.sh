# What the checks of the Linux archive's window share: waiting for a window, the clicks of a
# transfer, ending the program. Sourced by .ci/checks/48-linux-archive and 61-linux-archive-roots,
# with fail() defined, `work` a scratch folder and `pid` the program's; not run.

# The window of the program whose title holds <text>, within 20 s, in `window`: shown <text>.
shown() {
    for _ in $(seq 40); do
        window=$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1) &&
            [ -n "$window" ] && sleep 1 && return 0
        kill -0 "$pid" 2>/dev/null || fail "the program ended before showing \"$1\""
        sleep 0.5
    done
    fail "no window \"$1\""
}

# Ends the program, whether this shell or another started it, and waits until it is gone.
stop() {
    kill "$pid"
    { wait "$pid"; } 2>/dev/null || true
    while readlink "/proc/$pid/exe" >/dev/null 2>&1; do sleep 0.2; done
    pid=
}

# Clicks the East-West "Texas" box and "Transférer vers Vornelle" in the window, and waits for
# <file> to change: transfer <file>.
transfer() {
    cp "$1" "$work/before-transfer"
    xdotool mousemove --window "$window" 144 24 sleep 0.5 click 1 sleep 1
    xdotool mousemove --window "$window" 80 372 sleep 0.5 click 1
    for _ in $(seq 40); do
        cmp -s "$1" "$work/before-transfer" || return 0
        sleep 0.5
    done
    fail "the transfer did not change $1"
}

# The host file that the build's own program writes for those clicks, from the example:
# expected_transfer <file>.
expected_transfer() {
    cp "$top/examples/vornelle.ini" "$1"
    mkdir -p "$work/build-run"
    (cd "$work/build-run" && exec env HOME="$work/build-run" "$build_dir/systemes-encheres" \
        --host-file "$1") &
    pid=$!
    shown "pour Vornelle"
    transfer "$1"
    stop
}
