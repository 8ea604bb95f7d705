#!/usr/bin/env bash
# Installs what is missing, builds Vellora with its tests and runs every test.
# Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure
