#!/usr/bin/env bash
# Installs the Debian packages that are missing for one use of the tree:
#   run      building and running the program (the default)
#   package  that, and making its Debian package
#   test     that, and every test
#   coverage that, and what measures the tests' coverage
set -euo pipefail

# Building and running the program: compiler, CMake, Qt and its translations, ICU, SQLite,
# libxml2 (the remittance), the receipt's fonts, the CUPS client.
run_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libicu-dev libsqlite3-dev libxml2-dev
    qt6-translations-l10n
    fonts-liberation2
    cups-client
)

# Making the package: dpkg-shlibdeps finds the libraries of the binaries `file` finds.
package_packages=(
    dpkg-dev file
)

# The tests on top: GoogleTest, clang for the fuzzers, valgrind for the logo decoding, the
# generator's fonts, every locale, poppler and qpdf for the PDF checks, a CUPS spooler with a PDF
# queue, a display, package checks, the format and clang-tidy checks, ccache for the rebuilds, stdnum
# to hold the account checks to. (The remittance's schema is fetched by the tests themselves:
# apt-get download, never installed.)
test_packages=(
    libgtest-dev
    clang libclang-rt-14-dev
    valgrind
    clang-format clang-tidy ccache
    fonts-dejavu-core
    locales-all
    poppler-utils qpdf
    cups printer-driver-cups-pdf
    xvfb xauth
    lintian appstream desktop-file-utils
    python3-stdnum
)

# Measuring the tests' coverage (scripts/coverage.sh): gcovr reads what the build counted.
coverage_packages=(
    gcovr
)

case "${1:-run}" in
    run) packages=("${run_packages[@]}") ;;
    package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
    coverage)
        packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}"
            "${coverage_packages[@]}")
        ;;
    *)
        echo "usage: $0 [run|package|test|coverage]" >&2
        exit 2
        ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
