#!/usr/bin/env bash
# Starts the real program under a private X server with a window manager and drives it as a
# user would: a second copy is refused with its message, a copy killed with SIGKILL does not
# block the next start, two copies started at once end with one main window, and closing the
# main window brings up the exit window above all others, whose closing ends the program and
# lets the next start through.
set -uo pipefail
program=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

source "$(dirname "$0")/x_session.sh"
open_x_session 90 489

start() { "$program" >/dev/null 2>&1 & echo $!; }
has_window() { windows_of "$@" >/dev/null; }
lacks_window() { ! windows_of "$1" "$2" >/dev/null; }
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
session_pids+=("$first")
check "first copy shows the main window" has_window "$first" 'Vellora v1.20' 30
check "first copy shows no message" lacks_window $first 'Vellora'

# A second copy shows "Application is already running" and nothing else, then ends on OK.
second=$(start)
session_pids+=("$second")
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
session_pids+=("$third")
check "start after SIGKILL shows the main window" has_window "$third" 'Vellora v1.20' 20
check "start after SIGKILL shows no message" lacks_window $third 'Vellora'
kill -9 "$third"
ended "$third" 5

# Two copies started at the same instant: exactly one main window.
a=$(start)
session_pids+=("$a")
b=$(start)
session_pids+=("$b")
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

# Closing the main window by its close box (through the window manager, as the close box does)
# leaves the exit window, above all others and with the focus; the program runs on.
exit_window_of() { # pid, main window: the other visible window of that title
    local found
    for _ in $(seq 100); do
        found=$(windows_of "$1" 'Vellora v1.20' | grep -vx "$2" | head -n 1)
        [[ -n $found ]] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}
above() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }
main_gone() { # pid, main window
    for _ in $(seq 50); do
        windows_of "$1" 'Vellora v1.20' | grep -qx "$2" || return 0
        sleep 0.1
    done
    return 1
}
close_main() { # pid, how: "close box" or "Alt+E"; prints the main window
    local main
    main=$(windows_of "$1" 'Vellora v1.20' 10 | head -n 1)
    xdotool windowactivate --sync "$main" >/dev/null 2>&1
    if [[ $2 == Alt+E ]]; then
        xdotool key --clearmodifiers alt+e
    else
        wmctrl -i -c "$main"
    fi
    echo "$main"
}

main=$(close_main "$survivor" 'close box')
check "the main window's close box takes it away" main_gone "$survivor" "$main"
exit_window=$(exit_window_of "$survivor" "$main")
check "the main window's close box shows the exit window" test -n "$exit_window"
check "the exit window stays above all others" above "$exit_window"
check "the exit window has the focus" active "$exit_window"
sleep 1
check "the program runs on with the exit window" alive "$survivor"
wmctrl -i -c "$exit_window"
check "the exit window's close box ends the program" ended "$survivor" 10
next=$(start)
session_pids+=("$next")
check "start after closing the exit window shows the main window" \
    has_window "$next" 'Vellora v1.20' 20
check "start after closing the exit window shows no message" lacks_window $next 'Vellora'

# The same by keyboard alone: Alt+E on the main window, then Alt+X on the exit window.
main=$(close_main "$next" 'Alt+E')
check "the main window's Alt+E takes it away" main_gone "$next" "$main"
exit_window=$(exit_window_of "$next" "$main")
check "Alt+E shows the exit window" test -n "$exit_window"
check "the exit window has the focus after Alt+E" active "$exit_window"
xdotool key --clearmodifiers alt+x
check "the exit window's Alt+X ends the program" ended "$next" 10
last=$(start)
session_pids+=("$last")
check "start after Alt+X shows the main window" has_window "$last" 'Vellora v1.20' 20
check "start after Alt+X shows no message" lacks_window $last 'Vellora'

report_checks
