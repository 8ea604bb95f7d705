#!/usr/bin/env bash
# Starts the real program under a private X server with a window manager and drives it as a
# user would: a second copy is refused with its message, a copy killed with SIGKILL does not
# block the next start, two copies started at once end with one main window, and a clean
# shut-down lets the next start through.
set -uo pipefail
program=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

source "$(dirname "$0")/x_session.sh"
pids=()
cleanup() {
    kill -9 "${pids[@]}" 2>/dev/null
    stop_x_session
    rm -rf "$work"
}
trap cleanup EXIT
start_x_session 90 489 || { echo "FAILED: no X display could be started"; exit 1; }

start() { "$program" >/dev/null 2>&1 & echo $!; }
# Windows of a process with exactly that title, waiting up to $3 seconds for one.
windows_of() {
    local pid=$1 title=$2 wait=${3:-0} found
    for _ in $(seq $((wait * 10 + 1))); do
        found=$(xdotool search --all --onlyvisible --pid "$pid" --name "^${title}\$" 2>/dev/null)
        [[ -n $found ]] && { echo "$found"; return 0; }
        [[ $wait -eq 0 ]] && break
        sleep 0.1
    done
    return 1
}
has_window() { windows_of "$@" >/dev/null; }
lacks_window() { ! windows_of "$1" "$2" >/dev/null; }
alive() { kill -0 "$1" 2>/dev/null; }
ended() { # pid, seconds
    for _ in $(seq $(($2 * 10))); do alive "$1" || return 0; sleep 0.1; done
    return 1
}
press_ok() { # the message box's window
    xdotool windowactivate --sync "$1" >/dev/null 2>&1
    xdotool windowfocus --sync "$1" >/dev/null 2>&1
    xdotool key --clearmodifiers Return
}
# M: the process shows its main window, B: its message box, -: neither yet.
shown() {
    if windows_of "$1" 'Vellora v1.20' >/dev/null; then echo M
    elif windows_of "$1" 'Vellora' >/dev/null; then echo B
    else echo -; fi
}

# A first copy shows its main window and no message.
first=$(start)
pids+=("$first")
check "first copy shows the main window" has_window "$first" 'Vellora v1.20' 20
check "first copy shows no message" lacks_window $first 'Vellora'

# A second copy shows "Application is already running" and nothing else, then ends on OK.
second=$(start)
pids+=("$second")
box=$(windows_of "$second" 'Vellora' 20)
check "second copy shows its message box" test -n "$box"
check "second copy shows no main window" lacks_window $second 'Vellora v1.20'
[[ -n $box ]] && press_ok "$box"
check "second copy ends once OK is pressed" ended "$second" 10
check "first copy keeps running" alive "$first"
check "first copy keeps its main window" has_window "$first" 'Vellora v1.20'

# A copy killed outright leaves its lock behind; the next start takes it over.
kill -9 "$first"
ended "$first" 5
third=$(start)
pids+=("$third")
check "start after SIGKILL shows the main window" has_window "$third" 'Vellora v1.20' 20
check "start after SIGKILL shows no message" lacks_window $third 'Vellora'
kill -9 "$third"
ended "$third" 5

# Two copies started at the same instant: exactly one main window.
a=$(start)
pids+=("$a")
b=$(start)
pids+=("$b")
for _ in $(seq 200); do
    state=$(shown "$a")$(shown "$b")
    [[ $state != *-* ]] && break
    sleep 0.1
done
check "copies started together show one main window and one message ($state)" \
    bash -c "[[ $state == MB || $state == BM ]]"
survivor=$a
refused=$b
[[ $state == BM ]] && { survivor=$b; refused=$a; }
box=$(windows_of "$refused" 'Vellora') && press_ok "$box"
check "the refused copy ends" ended "$refused" 10

# A clean shut-down releases the claim: the next start is not refused.
main=$(windows_of "$survivor" 'Vellora v1.20' | head -n 1)
xdotool windowactivate --sync "$main" >/dev/null 2>&1
xdotool windowfocus --sync "$main" >/dev/null 2>&1
xdotool key --clearmodifiers alt+e
check "the main window's Exit ends the program" ended "$survivor" 10
next=$(start)
pids+=("$next")
check "start after a clean shut-down shows the main window" has_window "$next" 'Vellora v1.20' 20
check "start after a clean shut-down shows no message" lacks_window $next 'Vellora'

report_checks
