#!/usr/bin/env bash
# Installs what is missing, builds what the package holds in build-package (preset `package`)
# and makes the Debian package there: build-package/brixamo_<version>_<arch>.deb (its path is
# printed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
cmake --preset package >/dev/null
cmake --build --preset package -j"$(nproc)"
cpack --preset package >/dev/null
ls "$PWD"/build-package/brixamo_*.deb
