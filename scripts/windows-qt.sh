# The minimal Qt for Windows that the program needs, built once from Debian's own qt6-base
# source package with MinGW-w64 and kept in a cache. Sourced by scripts/windows and by .ci/run,
# which starts the build early; not run. Sets qt_prefix to the installed Qt.

# What building it needs besides the program's own packages: the cross compiler, and Debian's
# host Qt, whose tools (moc, rcc, ...) it uses and whose French texts it takes.
windows_qt_packages="g++-mingw-w64-x86-64-posix mingw-w64-tools dpkg-dev patch qt6-base-dev
  qt6-translations-l10n"

# What is turned off is what the program does not use; ICU is off as in most Windows builds.
qt_configure_options="-release -shared -nomake examples -nomake tests -no-opengl -no-dbus -no-icu
  -no-direct2d -no-feature-directwrite3 -no-feature-sql -no-feature-network -no-feature-xml
  -no-feature-concurrent -no-feature-printsupport -no-feature-tabletevent -no-feature-vulkan
  -qt-zlib -qt-libpng -no-libjpeg -qt-pcre -qt-freetype -qt-harfbuzz -qt-doubleconversion"
# Debian's cross.patch is for Debian's own cross builds of Linux packages; our patches follow.
qt_skipped_debian_patch=cross.patch
qt_own_patches="$top/scripts/qt-patches"
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/systemes-encheres

# Runs an apt command (apt-get, apt-cache) against a private list of Debian's source packages,
# made from the machine's own apt sources, so that the system's apt configuration stays as it is.
source_apt() {
    apt_dir="$cache_root/apt"
    mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial"
    : >"$apt_dir/none.list"
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | sed 's/^Types: deb$/Types: deb-src/' \
        >"$apt_dir/parts/debian.sources" || true
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        sed -n 's/^deb \(.*\)/deb-src \1/p' >"$apt_dir/parts/debian.list" || true
    command=$1
    shift
    "$command" -o Dir::Etc::SourceList="$apt_dir/none.list" -o Dir::Etc::SourceParts="$apt_dir/parts" \
        -o Dir::State::Lists="$apt_dir/lists" -o Debug::NoLocking=1 "$@"
}

# The cache folder's name: the source version, and a digest of the options, the patches and the
# compiler, so that a change of any of them builds a new Qt beside the old one.
qt_cache_key() {
    {
        echo "$qt_configure_options"
        echo "$qt_skipped_debian_patch"
        for p in "$qt_own_patches"/*.patch; do [ ! -f "$p" ] || cat "$p"; done
        cat "$top/cmake/mingw-w64-x86_64.cmake"
        x86_64-w64-mingw32-g++-posix --version | head -n 1
        dpkg-query -W -f='${Version}\n' qt6-base-dev
    } | sha256sum | cut -c1-12
}

# Its Qt for Windows is built from the same Qt as the building machine's, whose tools it uses.
require_debian_12() {
    . /etc/os-release
    [ "${VERSION_CODENAME:-}" = bookworm ] && return 0
    echo "La version Windows se construit sur Debian 12 (bookworm) : son Qt pour Windows vient du" >&2
    echo "qt6-base 6.4.2 de Debian 12, le même Qt que celui de la machine, dont il prend les outils." >&2
    exit 1
}

# Where the Qt build works, and where it logs its configure step and its compilation.
qt_work="$cache_root/build-qt"

# Prints how far the Qt build in qt_work has gone, about once a minute, until it is killed:
# ninja's last [n/N] from the build log, or the step under way while there is none yet. It also
# stops once the shell that started it has ended, on a failure say.
# qt_build_progress <what the line starts with>.
qt_build_progress() {
    started=$(date +%s)
    while sleep 60 && kill -0 $$ 2>/dev/null; do
        minutes=$((($(date +%s) - started) / 60))
        if [ -s "$qt_work/build.log" ]; then
            step=$(tail -c 65536 "$qt_work/build.log" | grep -o '^\[[0-9]*/[0-9]*\]' | tail -n 1)
            step="compilation ${step:-commencée}"
        elif [ -s "$qt_work/configure.log" ]; then
            step="configuration"
        else
            step="préparation des sources"
        fi
        echo "$1 : $step ($minutes min)"
    done
}

ensure_windows_qt() {
    # One build at a time: a second caller waits for the first one's Qt, showing its progress.
    mkdir -p "$cache_root"
    exec 8>"$cache_root/qt.lock"
    if ! flock -n 8; then
        echo "Qt pour Windows est en construction par un autre processus : attente de sa fin"
        qt_build_progress "Qt pour Windows, en attente" &
        progress=$!
        flock 8
        kill "$progress"
    fi
    source_apt apt-get update -qq 2>/dev/null
    qt_version=$(source_apt apt-cache showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p' | sort -V |
        tail -n 1)
    [ -n "$qt_version" ] || { echo "Debian's qt6-base source package was not found." >&2; exit 1; }
    qt_prefix="$cache_root/qt-$qt_version-$(qt_cache_key)"
    if [ -f "$qt_prefix/.complete" ]; then
        echo "Qt pour Windows déjà construit : $qt_prefix"
        return 0
    fi
    echo "Construction de Qt $qt_version pour Windows, une fois (une demi-heure sur deux cœurs) : $qt_prefix"
    work=$qt_work
    rm -rf "$work"
    mkdir -p "$work"
    qt_build_progress "Qt pour Windows" &
    progress=$!
    (cd "$work" && source_apt apt-get source --download-only "qt6-base=$qt_version" >/dev/null 2>&1)
    # apt has checked the files against Debian's signed index: no keyring is needed here.
    dpkg-source --skip-patches -x "$work"/qt6-base_*.dsc "$work/src" >/dev/null 2>&1
    grep -v -e '^#' -e '^$' -e "^$qt_skipped_debian_patch\$" "$work/src/debian/patches/series" |
        while read -r p; do patch -d "$work/src" -p1 -s <"$work/src/debian/patches/$p"; done
    for p in "$qt_own_patches"/*.patch; do
        [ ! -f "$p" ] || patch -d "$work/src" -p1 -s <"$p"
    done
    mkdir -p "$work/build"
    # shellcheck disable=SC2086
    (cd "$work/build" && "$work/src/configure" -prefix "$qt_prefix" -xplatform win32-g++ \
        -qt-host-path /usr $qt_configure_options -- -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$work/configure.log" 2>&1) ||
        { tail -n 40 "$work/configure.log"; exit 1; }
    cmake --build "$work/build" --parallel >"$work/build.log" 2>&1 ||
        { grep -B 5 -A 20 -m 3 'error' "$work/build.log" | head -n 80; exit 1; }
    cmake --install "$work/build" >/dev/null
    kill "$progress"
    # Qt's own texts in French, from Debian's translations of the same Qt.
    mkdir -p "$qt_prefix/translations"
    cp /usr/share/qt6/translations/qtbase_fr.qm "$qt_prefix/translations/"
    qt_describe_source "$work/src" "$qt_version" "$qt_prefix"
    touch "$qt_prefix/.complete"
    rm -rf "$work"
    echo "Qt pour Windows construit : $qt_prefix"
}

# Qt's licence texts and where this Qt comes from, kept beside it for the zip:
# qt_describe_source <source folder> <version> <installed Qt>.
qt_describe_source() {
    cp "$1/LICENSES/LGPL-3.0-only.txt" "$1/LICENSES/GPL-3.0-only.txt" "$3/"
    {
        echo "Qt $2 pour Windows, construit depuis le paquet source Debian qt6-base $2"
        echo "(apt-get source qt6-base=$2 ; https://sources.debian.org/src/qt6-base/$2/),"
        own=$(find "$qt_own_patches" -name '*.patch' -printf '%f ' 2>/dev/null || true)
        echo "avec les correctifs de Debian sauf $qt_skipped_debian_patch ; autres : ${own:-aucun}."
        echo "Options de configuration :"
        echo "$qt_configure_options" | sed 's/^ */  /'
    } >"$3/SOURCE-QT.txt"
}
