#!/usr/bin/env bash
# Sets up a fresh Debian or Ubuntu machine for Velmora Suite, builds it, and
# then either starts the suite ("run") or runs every test ("test").
set -euo pipefail

mode="${1:-}"
if [[ "$mode" != run && "$mode" != test ]]; then
    echo "usage: $0 run|test" >&2
    exit 2
fi
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libbenchmark-dev libicu-dev
    fonts-dejavu-core
)
# The tests read saved reports back with a word processor and printed ones
# with a PDF reader, fuzz the readers and writers with clang's libFuzzer
# (whose runtime Debian packs apart from clang), build the plain C++ parts once
# more against libc++ with a GoogleTest built from its source, validate the
# desktop entry and metainfo, build the Debian package (dpkg-shlibdeps
# needs dpkg-dev and file), check it with lintian and show its manual page,
# and listen to the suite with the Orca screen reader under Xvfb and openbox,
# with the session and accessibility buses and speech-dispatcher speaking
# through espeak-ng into libao's null output.
[[ "$mode" == test ]] && packages+=(abiword poppler-utils clang libclang-rt-dev libc++-dev libc++abi-dev googletest
                                    desktop-file-utils appstream dpkg-dev file lintian man-db
                                    orca python3-pyatspi speech-dispatcher speech-dispatcher-espeak-ng
                                    speech-dispatcher-audio-plugins libao4 xvfb openbox at-spi2-core dbus-daemon
                                    dbus-bin dbus-session-bus-common xdotool)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    # Distributions that ship clang's runtime inside clang have no such package.
    available=()
    for package in "${missing[@]}"; do
        apt-cache show "$package" > /dev/null 2>&1 && available+=("$package")
    done
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${available[@]}"
fi

if [[ "$mode" == run ]]; then
    cmake --preset release
    cmake --build --preset release --target velmora-suite
    exec build/release/shell/velmora-suite
fi

# Runs one libFuzzer target for 40 seconds, from its seed corpus when it has
# one. An input that breaks it stops the run and is kept in build/fuzz/.
fuzz() {
    local target=$1 seeds=${2:-}
    local corpus
    corpus=$(mktemp -d)
    [[ -n "$seeds" ]] && cp "$seeds"/* "$corpus"/
    echo "== fuzzing $target"
    "build/fuzz/$target" -max_total_time=40 -print_final_stats=1 -artifact_prefix="build/fuzz/$(basename "$target")-" \
        "$corpus"
    rm -rf "$corpus"
}

# Warnings are errors; the plain C++ parts build and pass with clang and
# libc++ too; every reader and writer is fuzzed for 40 seconds; then every
# test runs again under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer. The 20,000-step walk (test preset ci-long) is left out.
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
cmake --preset libcxx
cmake --build --preset libcxx
ctest --preset libcxx
cmake --preset fuzz
cmake --build --preset fuzz
fuzz tests/western/saved_reading_fuzz tests/western/SavedReadingCorpus
fuzz tests/ui/rtf_writer_fuzz
fuzz tests/ui/windows1252_fuzz
fuzz tests/ui/link_detection_fuzz
fuzz tests/circle/circle_vcard_fuzz tests/circle/VCardCorpus
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
