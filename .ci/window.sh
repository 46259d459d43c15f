# shellcheck shell=sh
# What the checks that drive the program's window share: waiting for a window, the clicks of a
# transfer, ending the program, the Qt it maps. Sourced by .ci/checks/47-wine-prefixes,
# 48-linux-archive and 61-linux-archive-roots, with fail() defined and `pid` the program's (and,
# for expected_transfer, `work` a scratch folder); not run.

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
    before_transfer=$(mktemp)
    cp "$1" "$before_transfer"
    xdotool mousemove --window "$window" 144 24 sleep 0.5 click 1 sleep 1
    xdotool mousemove --window "$window" 80 372 sleep 0.5 click 1
    for _ in $(seq 40); do
        if ! cmp -s "$1" "$before_transfer"; then
            rm -f "$before_transfer"
            return 0
        fi
        sleep 0.5
    done
    rm -f "$before_transfer"
    fail "the transfer did not change $1"
}

# The host file that the build's own program writes for those clicks, from the example, and,
# when named, the picture of its window before them: expected_transfer <file> [picture].
expected_transfer() {
    cp "$top/examples/vornelle.ini" "$1"
    mkdir -p "$work/build-run"
    (cd "$work/build-run" && exec env HOME="$work/build-run" "$build_dir/systemes-encheres" \
        --host-file "$1") &
    pid=$!
    shown "pour Vornelle"
    [ $# -lt 2 ] || import -window "$window" "$2"
    transfer "$1"
    stop
}

# Fails, naming <what>, unless the program maps its own Qt core and no Qt file from outside
# <folder>, whatever the names in it: own_qt_only <folder> <what>. The maps of a process in a root
# name its files by their paths on this machine.
own_qt_only() {
    maps=$(sed -n 's|^[^/]*\(/.*\)$|\1|p' "/proc/$pid/maps" | sort -u)
    echo "$maps" | grep -qxF "$1/lib/libQt6Core.so.6" || fail "$2: its own QtCore is not loaded"
    outside=$(echo "$maps" | grep -vF "$1/" | grep -i 'qt6') &&
        fail "$2: Qt files loaded from outside its folder: $outside"
    return 0
}
