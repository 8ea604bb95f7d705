# shellcheck shell=bash
# Shared by the tests that drive the real program: a private X server with a window manager and
# a session bus, and the tally of checks. Source it, call open_x_session (or start_x_session and
# stop_x_session), end with report_checks.

source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"

# Starts Xvfb on a free display numbered from $1 to $2, with a screen of $3 (1920x1080 unless
# given), then openbox and a session bus.
# Returns non-zero when no display or no window manager could be started. The server keeps
# going when its last client leaves (-noreset): a server that resets then refuses whoever
# connects in that moment, be it the window manager after the probe or a program after the
# one before it was killed.
x_server=
x_wm=
start_x_session() {
    local number size=${3:-1920x1080}
    for number in $(shuf -i "$1-$2" -n 20); do
        [[ -e /tmp/.X$number-lock ]] && continue
        Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        x_server=$!
        for _ in $(seq 50); do
            xdpyinfo -display ":$number" >/dev/null 2>&1 && break
            kill -0 "$x_server" 2>/dev/null || break
            sleep 0.1
        done
        # A server that died lost the display to another one, which must not be taken.
        if kill -0 "$x_server" 2>/dev/null && xdpyinfo -display ":$number" >/dev/null 2>&1; then
            export DISPLAY=:$number
            break
        fi
        kill "$x_server" 2>/dev/null
        x_server=
    done
    [[ -n $x_server ]] || return 1
    eval "$(dbus-launch --sh-syntax)"
    openbox >/dev/null 2>&1 &
    x_wm=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "openbox did not come up on $DISPLAY"
    return 1
}
stop_x_session() {
    kill "$x_wm" "${DBUS_SESSION_BUS_PID:-}" "$x_server" 2>/dev/null
    wait "$x_wm" "$x_server" 2>/dev/null
}

# The processes a script starts go into `session_pids`; `at_end` may name a command of the script's
# own. When the script ends, the processes are killed, the command runs, the session ends and the
# script's scratch folder $work, where it has one, is removed.
session_pids=()
at_end=
open_x_session() { # first and last display number, screen size
    trap end_x_session EXIT
    start_x_session "$@" || { echo "FAILED: no X session could be started"; exit 1; }
}
end_x_session() {
    ((${#session_pids[@]})) && kill -9 "${session_pids[@]}" 2>/dev/null
    [[ -n $at_end ]] && $at_end
    stop_x_session
    [[ -n ${work:-} ]] && rm -rf "$work"
}

# The visible windows of a process with exactly that title, one a line, waiting up to $3 seconds
# for one; fails when there is none.
windows_of() { # pid, title, seconds
    local pid=$1 title=$2 wait=${3:-0} found
    for _ in $(seq $((wait * 10 + 1))); do
        found=$(xdotool search --all --onlyvisible --pid "$pid" --name "^${title}\$" 2>/dev/null)
        [[ -n $found ]] && { echo "$found"; return 0; }
        [[ $wait -eq 0 ]] && break
        sleep 0.1
    done
    return 1
}
# A process that has ended but not yet been waited for counts as ended.
alive() { [[ $(ps -o stat= -p "$1" 2>/dev/null) == [^Z]* ]]; }
ended() { # pid, seconds
    for _ in $(seq $(($2 * 10))); do alive "$1" || return 0; sleep 0.1; done
    return 1
}
