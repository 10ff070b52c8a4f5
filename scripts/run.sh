#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRX_TESTS=OFF >/dev/null
cmake --build build --target brixamo -j"$(nproc)"
exec build/app/brixamo "$@"
