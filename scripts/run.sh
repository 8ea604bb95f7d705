#!/usr/bin/env bash
# Installs what is missing, builds Vellora (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "Vellora needs a graphical display, and none is available (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi

scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target vellora -j"$(nproc)"
exec build/src/vellora
