# Fetches Debian source packages for the Windows builds without touching the
# machine's own apt configuration: a private apt state in the cache folder
# holds deb-src lines for the archives the machine already uses, and apt
# checks every downloaded file against the signed index as it always does.
# Sourced by the Windows build scripts.
#
#   fetch_debian_source PACKAGE DEST   unpacks PACKAGE's source into DEST
#                                      (once; DEST/.fetched records the version)

varnick_cache_dir() {
    echo "${VARNICK_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/varnick}"
}

# Writes the private apt configuration and refreshes its source lists once a day.
debian_source_apt_options() {
    local apt_dir
    apt_dir="$(varnick_cache_dir)/apt"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/sources.list.d"
    local file
    : >"$apt_dir/sources.list"
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        # Only the deb822 stanzas of enabled binary archives, turned into source archives.
        sed -e 's/^Types:.*/Types: deb-src/' "$file" >"$apt_dir/sources.list.d/${file##*/}"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n -e 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list >"$apt_dir/sources.list"
    fi
    APT_SOURCE_OPTIONS=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
        -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
        -o "Dir::State::Lists=$apt_dir/lists"
        -o "Dir::Cache::Archives=$apt_dir/archives"
        -o "APT::Sandbox::User=$(id -un)")
    mkdir -p "$apt_dir/archives/partial"
    local stamp=$apt_dir/lists/.updated
    if [ ! -f "$stamp" ] || [ -n "$(find "$stamp" -mmin +1440 2>/dev/null)" ]; then
        apt-get "${APT_SOURCE_OPTIONS[@]}" update -qq >/dev/null || {
            echo "error: could not read the Debian source lists" >&2
            return 1
        }
        touch "$stamp"
    fi
}

fetch_debian_source() {
    local package=$1 dest=$2
    command -v dpkg-source >/dev/null 2>&1 || install_packages dpkg-dev
    debian_source_apt_options || return 1
    local version
    version=$(apt-cache "${APT_SOURCE_OPTIONS[@]}" showsrc "$package" 2>/dev/null |
        sed -n 's/^Version: //p' | sort -V | tail -n 1)
    if [ -z "$version" ]; then
        echo "error: Debian has no source package named $package" >&2
        return 1
    fi
    if [ -f "$dest/.fetched" ] && [ "$(cat "$dest/.fetched")" = "$package $version" ]; then
        return 0
    fi
    local work
    work=$(mktemp -d "$(varnick_cache_dir)/fetch.XXXXXX")
    # apt-get source compares each file with the checksums of the signed index
    # and fails on a mismatch; dpkg-source then checks them against the .dsc.
    if ! (cd "$work" && apt-get "${APT_SOURCE_OPTIONS[@]}" source -qq "$package=$version" >/dev/null 2>"$work/log"); then
        echo "error: the source package $package $version could not be fetched or did not match its checksum:" >&2
        tail -n 5 "$work/log" >&2
        rm -rf "$work"
        return 1
    fi
    local unpacked
    unpacked=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    rm -rf "$dest"
    mkdir -p "$(dirname "$dest")"
    mv "$unpacked" "$dest"
    echo "$package $version" >"$dest/.fetched"
    rm -rf "$work"
}
