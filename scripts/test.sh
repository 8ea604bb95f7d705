#!/usr/bin/env bash
# Installs what is missing, builds Vellora with its tests and runs every test.
# Exits non-zero when any test fails.
# Usage: scripts/test.sh [linux [CTEST-OPTIONS...]]
#   linux: the Linux tests only, without the Windows program; CTest takes the options after it
set -euo pipefail
cd "$(dirname "$0")/.."
stage=${1:-all}
ctest_options=("${@:2}")

scripts/install-deps.sh test
# VELLORA_FUZZ: the fuzz targets too, built with clang, each replaying its seed corpus as a test.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DVELLORA_FUZZ=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure "${ctest_options[@]}"

# The speed figures as the benchmarks printed them; they are shown, not judged.
echo "Speed figures (the calculator windows, then their bare references, then start-up):"
log=build/Testing/Temporary/LastTest.log
awk '/^RESULT : /{name=$3; getline; printf "  %-78s %s %s\n", name, $1, $2}' "$log"
grep -h ' median ' "$log" | sed 's/^/  /' || true # no start-up figures where xcb is missing

# The Windows program: cross-built, installed and tested under Wine.
[[ $stage == linux ]] && exit 0
scripts/windows.sh
