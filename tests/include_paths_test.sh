#!/usr/bin/env bash
# Every #include names its file from a library's own folder ("widgets/Design.h"), never by
# climbing out of one with "..": the per-layer include folders would let
# "widgets/../shell/frmMDI.h" through, against the direction the libraries link in.
# Usage: include_paths_test.sh <source tree>
set -euo pipefail
cd "$1"
found=$(grep -rnE --include='*.h' --include='*.cpp' --include='*.in' \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*/)?\.\./' src tests || true)
if [[ -n $found ]]; then
    echo "#include with \"..\" in its path:"
    echo "$found"
    exit 1
fi
echo "no #include in src/ or tests/ climbs out of a folder with \"..\""
