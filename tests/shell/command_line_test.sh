#!/usr/bin/env bash
# Runs the real program with options, and without a display: --help and --version answer on
# standard output and end at once, an unknown option or a stray argument is refused on standard
# error, and Qt's own options still reach Qt.
set -uo pipefail
program=$1
manual=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
source "$(dirname "$0")/../support/checks.sh"

# Runs the program with the arguments; leaves its exit code, standard output and error behind.
run() {
    timeout 10 "$program" "$@" >"$work/out" 2>"$work/err"
    code=$?
}

for option in --help -h; do
    run "$option"
    check "$option exits 0 without a display" test "$code" -eq 0
    check "$option prints the usage" grep -q '^Usage: vellora \[options\]' "$work/out"
    check "$option lists --version" grep -q -- '-v, --version' "$work/out"
    check "$option keeps Qt's options out of the list" bash -c "! grep -q -- '--platform' '$work/out'"
    check "$option prints nothing on standard error" test ! -s "$work/err"
done
for option in --version -v; do
    run "$option"
    check "$option exits 0 without a display" test "$code" -eq 0
    check "$option prints the version line" grep -qx 'Vellora 1.20' "$work/out"
done

for arguments in "--bogus" "-bogus" "--help --bogus" "stray" "-platform"; do
    # shellcheck disable=SC2086 # each row is several words
    run $arguments
    check "'$arguments' exits non-zero" test "$code" -ne 0 -a "$code" -ne 124
    check "'$arguments' prints nothing on standard output" test ! -s "$work/out"
    check "'$arguments' says what is wrong on standard error" \
        grep -qiE "unknown option|unexpected argument|missing value" "$work/err"
done

# Qt's own options are Qt's: it acts on -platform, whose unknown plugin it refuses itself (and
# aborts, which bash reports)...
run -platform nowhere
check "-platform reaches Qt" grep -q 'platform plugin "nowhere"' "$work/err"
# ...and with the offscreen one the program runs, with the style and direction options too.
timeout 3 "$program" -platform offscreen -style fusion -reverse -qwindowtitle Vellora \
    >"$work/out" 2>"$work/err"
code=$?
check "Qt's options start the program (it ran until stopped)" test "$code" -eq 124
check "Qt's options are not refused" bash -c "! grep -qi 'unknown option' '$work/err'"

check "the manual page lists --help" grep -qF -- '\-\-help' "$manual"
check "the manual page lists --version" grep -qF -- '\-\-version' "$manual"
report_checks
