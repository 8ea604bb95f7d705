# shellcheck shell=bash
# Shared by the tests that drive the real program: a private X server with a window manager and
# a session bus, and the tally of checks. Source it, call start_x_session, end with report_checks.

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
