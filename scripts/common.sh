# Shared by the scripts: installing what is missing and building. Sourced, not run.

# The project's folder; a script outside scripts/ sets `top` itself before sourcing this file.
top=${top:-$(cd "$(dirname "$0")/.." && pwd)}
build_dir="$top/build"

# What building and testing need, the same on Debian 12 and 13. QtSvg is for the build only: it
# renders the pictures into PNGs. help2man writes the manual page, in French with the locale
# sources of `locales`.
build_packages="g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev
  libbenchmark-dev qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra help2man locales"

# What scripts/linux needs beyond building: the package lookups, objdump, patchelf and xz.
linux_archive_packages="dpkg-dev binutils patchelf xz-utils"

# Installs those of the named Debian packages that are missing.
ensure_packages() {
    missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installation des paquets manquants :$missing"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# A value of a build folder's CMake cache: cache_value <build folder> <name:TYPE>.
cache_value() {
    sed -n "s/^$2=//p" "$1/CMakeCache.txt"
}

# Configures and builds into build/.
build() {
    cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build_dir" --parallel
}

# Writes the SHA-256 sums of files of one folder into SHA256SUMS there, in sha256sum's format and
# with the names alone, and prints them: write_checksums <folder> <file name>...
write_checksums() {
    folder=$1
    shift
    (cd "$folder" && LC_ALL=C sha256sum "$@" >SHA256SUMS)
    echo "Sommes de contrôle, $folder/SHA256SUMS :"
    cat "$folder/SHA256SUMS"
}
