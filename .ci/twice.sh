# What the reproducibility checks share: the commit built twice, in two clones, and what the two
# builds made compared. Sourced by .ci/checks/41-reproducible and 71-windows-reproducible, with
# `top` and `check` set; not run.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
commit=$(git -C "$top" rev-parse HEAD)
first="$work/first"
# Another path, longer, for the second build.
second="$work/second/un/autre/dossier"

# Runs the scripts it is given, one after the other, stopping at the first that fails.
# shellcheck disable=SC2016
in_turn='for script; do "$script" || exit; done'

fail() {
    echo "$check: $*" >&2
    exit 1
}

# Builds the commit twice with a script of the project, one build after the other, each in a
# fresh clone: the first under umask 022, in UTC and C.UTF-8; the second with its files made under
# umask 077, 14 hours ahead of UTC (another day for most of it), in the locale second_locale
# (default C), and as root under another host name and, with --other-user, as the user nobody.
# With several scripts, each build runs them one after the other. Prints what each build took.
# build_twice [--other-user] <script>...
build_twice() {
    other_user=""
    if [ "$1" = --other-user ]; then
        other_user="setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=$work/home"
        other_user="$other_user USER=nobody LOGNAME=nobody"
        shift
    fi
    locale=${second_locale:-C}
    echo "--- first build of $commit: $first, umask 022, UTC, C.UTF-8"
    git clone -q "$top" "$first"
    git -C "$first" checkout -q "$commit"
    started=$(date +%s)
    (cd "$first" && umask 022 && TZ=UTC LC_ALL=C.UTF-8 sh -c "$in_turn" scripts "$@")
    first_seconds=$(($(date +%s) - started))

    (umask 077 && git clone -q "$top" "$second" && git -C "$second" checkout -q "$commit")
    if [ "$(id -u)" -eq 0 ] && unshare --uts true 2>/dev/null; then
        if [ -n "$other_user" ]; then
            mkdir -p "$work/home"
            chown -R nobody:nogroup "$work/second" "$work/home"
        fi
        echo "--- second build: $second, umask 077, UTC+14, $locale, host name" \
            "autre-machine${other_user:+, user nobody}"
        started=$(date +%s)
        # shellcheck disable=SC2016,SC2086
        unshare --uts sh -c 'hostname autre-machine && cd "$1" && umask 077 && shift &&
            exec "$@"' second "$second" $other_user env TZ=Pacific/Kiritimati LC_ALL="$locale" \
            sh -c "$in_turn" scripts "$@"
    else
        echo "--- second build: $second, umask 077, UTC+14, $locale (same user and host name: not root," \
            "or no namespace allowed)"
        started=$(date +%s)
        (cd "$second" && umask 077 &&
            TZ=Pacific/Kiritimati LC_ALL="$locale" sh -c "$in_turn" scripts "$@")
    fi
    second_seconds=$(($(date +%s) - started))
    echo "--- the builds took $first_seconds s and $second_seconds s"
}

# Each build's SHA256SUMS matches what it lists, which is the files named, and the two are the
# same: checksums_match <folder in the clone> <file name>...
checksums_match() {
    folder=$1
    shift
    for build in "$first/$folder" "$second/$folder"; do
        (cd "$build" && sha256sum --check --strict SHA256SUMS) ||
            fail "$build/SHA256SUMS does not match its files"
        [ "$(cut -d' ' -f3- "$build/SHA256SUMS")" = "$(printf '%s\n' "$@")" ] ||
            fail "$build/SHA256SUMS does not list $*"
    done
    cmp -s "$first/$folder/SHA256SUMS" "$second/$folder/SHA256SUMS" ||
        fail "the two builds' SHA256SUMS differ"
}

# The two builds' files, equal to the byte; for each that differs, diffoscope says how, and the
# check fails: same_bytes <path in the clone>...
same_bytes() {
    differ=""
    for file in "$@"; do
        if [ ! -f "$first/$file" ] || [ ! -f "$second/$file" ]; then
            fail "$file was not made twice"
        fi
        if cmp "$first/$file" "$second/$file"; then
            echo "same bytes: $file ($(wc -c <"$first/$file") bytes)"
        else
            echo "--- diffoscope: what differs in $file"
            # At most 1 MB of it: a binary diff of a setup program runs to tens of MB.
            diffoscope --text - --max-text-report-size 1000000 --max-diff-block-lines 200 \
                "$first/$file" "$second/$file" || true
            differ="$differ $file"
        fi
    done
    [ -z "$differ" ] || fail "two builds of $commit differ:$differ"
}
