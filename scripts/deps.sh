# Installs the Debian packages named in $@ that are not installed yet.
# Sourced by the run and test scripts; uses sudo only when not root.
install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config ccache qt6-base-dev libgl-dev libgtest-dev libgmock-dev
    libcli11-dev nlohmann-json3-dev liblz4-dev libsqlite3-dev libsquish-dev libbz2-dev qt6-l10n-tools)

# Compiles through ccache when it is there. Paths are hashed relative to the
# source tree, so a fresh clone in another folder (as CI makes) reuses what an
# earlier build of the same sources compiled; a miss just compiles.
# Call after install_packages; sets CACHE_FLAGS for the cmake configure lines.
use_compiler_cache() {
    CACHE_FLAGS=()
    if command -v ccache >/dev/null 2>&1; then
        export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
        CACHE_FLAGS=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
}
