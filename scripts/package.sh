#!/usr/bin/env bash
# Installs what is missing, builds what the package holds in build-package and makes the
# Debian package there: build-package/brixamo_<version>_<arch>.deb (its path is printed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRX_TESTS=OFF >/dev/null
cmake --build build-package --target brx_package_contents -j"$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
ls "$PWD"/build-package/brixamo_*.deb
