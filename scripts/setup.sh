#!/usr/bin/env bash
# Installs from Debian's packages whatever the builds, the tests and the demo need and this
# machine lacks. Safe to run again: it installs nothing when everything is there.
set -euo pipefail

packages=(
    cmake make g++ python3 googletest libgtest-dev libbenchmark-dev clang-format
    clang libclang-rt-14-dev
    g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
    wine wine32:i386 wine64 fonts-wine xvfb xauth
    ghostscript imagemagick hp2xx hershey-fonts-data
    libplplot-dev
    cups printer-driver-cups-pdf libcups2:i386
    zlib1g-dev libz-mingw-w64-dev
    qpdf libxml2-utils librsvg2-bin poppler-utils
    plplot-driver-cairo gnuplot-x11 python3-matplotlib
    lld llvm python3-numpy python3-pytest
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
log=$(mktemp)
if ! { "${sudo_cmd[@]}" apt-get update -qq &&
       DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
           --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "setup: installing failed (full log: $log)" >&2
    exit 1
fi
rm -f "$log"
echo "Installed."
