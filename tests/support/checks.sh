# shellcheck shell=bash
# A tally of checks for the test scripts. Source it, check what must hold, end with report_checks.

passes=0
failures=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
        passes=$((passes + 1))
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}
report_checks() {
    echo "$passes passed, $failures failed"
    [[ $failures -eq 0 ]]
}

# Ends the script as skipped (CTest's 77) when one of the tools is not installed.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (scripts/install-deps.sh test installs it)"
            exit 77
        fi
    done
}
