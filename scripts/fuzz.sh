#!/usr/bin/env bash
# Runs each fuzz target (tests/fuzz) for the given number of seconds, one after another, starting
# from its seed corpus. Inputs that reach new code go to build/fuzz/corpus/<target>/, the seed
# corpus stays as it is; an input that breaks a property or crashes is kept as
# build/fuzz/findings/<target>/crash-... (or leak-, timeout-, oom-) and ends with a non-zero exit.
# The last lines of each run give its executions and coverage (cov: and ft:). A target with a
# dictionary (tests/fuzz/<target>.dict) is given it.
# Usage: scripts/fuzz.sh [seconds] [target...]   (default: 60 seconds, every target)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
scripts/install-deps.sh test
cmake -S . -B build -DBUILD_TESTING=ON -DVELLORA_FUZZ=ON >/dev/null
cmake --build build --target vellora_fuzz -j"$(nproc)"

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    for corpus in tests/fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi
failed=0
for target in "${targets[@]}"; do
    mkdir -p "build/fuzz/corpus/$target" "build/fuzz/findings/$target"
    echo "== $target, $seconds s"
    dict=()
    if [[ -f tests/fuzz/$target.dict ]]; then
        dict=(-dict="tests/fuzz/$target.dict")
    fi
    if ! "build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 "${dict[@]}" \
        -artifact_prefix="build/fuzz/findings/$target/" \
        "build/fuzz/corpus/$target" "tests/fuzz/corpus/$target" >"build/fuzz/$target.log" 2>&1; then
        failed=1
        echo "$target found something: build/fuzz/$target.log, build/fuzz/findings/$target/"
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units' "build/fuzz/$target.log" || true
done
exit $failed
