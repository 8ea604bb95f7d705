#!/usr/bin/env bash
# Starts the real program on screens of the sizes people use, under X11 (Xvfb with openbox) and
# under Wayland (weston's headless backend, where Qt's Wayland plugin talks to the compositor
# itself), and goes through it by the accessibility bus as screen_fit.py does: the maximised
# main window inside the screen with Exit in sight, each calculator inside the child area, the
# exit window inside the screen, whose Exit ends the program with status 0.
# Usage: screen_sizes_test.sh <program>
set -uo pipefail
program=$1
here=$(dirname "$0")
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

source "$here/x_session.sh"
require_tools Xvfb openbox xdpyinfo xprop weston dbus-run-session
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: pyatspi is not installed (scripts/install-deps.sh test installs it)"
    exit 77
fi

compositor=
cleanup() {
    [[ -n $compositor ]] && kill "$compositor" 2>/dev/null
    stop_x_session
    rm -rf "$work"
}
trap cleanup EXIT

# Runs the program and the walk through it in a session bus of their own; prints the walk's
# checks and the program's exit status last, as "status N".
run_walk() { # width, height, screen_fit options
    local width=$1 height=$2
    shift 2
    # shellcheck disable=SC2016 # the inner script takes its values as arguments
    timeout 400 dbus-run-session -- bash -c '
        "$1" >"$2" 2>&1 &
        pid=$!
        timeout 300 /usr/bin/python3 "$3" "${@:4}"
        walk=$?
        # The exit window ended the program; a program still running here has failed.
        for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
        kill -9 $pid 2>/dev/null
        wait $pid
        echo "status $?"
        exit $walk' walk "$program" "$work/output" "$here/screen_fit.py" "$width" "$height" "$@" \
        2>/dev/null
}
judge() { # label, walk's output
    local line status
    while IFS= read -r line; do
        case $line in
        ok:*) check "$1: ${line#ok: }" true ;;
        FAILED:*) check "$1: ${line#FAILED: }" false ;;
        measured:*) echo "$1: $line" ;;
        "status "*) status=${line#status } ;;
        esac
    done <<<"$2"
    check "$1: the program ends with status 0 (${status:-none})" test "${status:-}" = 0
    if [[ ${status:-} != 0 ]]; then
        echo "the program said:"
        cat "$work/output"
    fi
}

# X11: each size on a server of its own, with the program scaled as the desktop's setting
# scales it. On 1920x1080 the launcher strip stands as designed. On the laptops as they ship
# (1920x1008 stands for 1920x1080 above a 48-point taskbar) and the netbook, every calculator
# fits whole; the walk measures in points, the screen's pixels divided by the scale.
x_sizes=("1366 768" "1024 768" "1920 1080 designed" "1920 1008 whole QT_SCALE_FACTOR=1.5"
    "1920 1080 whole QT_FONT_DPI=144" "1366 768 whole QT_SCALE_FACTOR=1.25" "1024 600 whole")
for size in "${x_sizes[@]}"; do
    read -r width height option setting <<<"$size"
    read -r points_wide points_high < <(awk -v w="$width" -v h="$height" -v s="$setting" 'BEGIN {
        split(s, kv, "="); f = kv[1] == "QT_FONT_DPI" ? kv[2] / 96 : (s == "" ? 1 : kv[2])
        printf "%.0f %.0f\n", w / f, h / f }')
    export XDG_RUNTIME_DIR=$work/runtime-x-$width-$height-${setting#*=}
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    label="X11 ${width}x${height}${setting:+ $setting}"
    if ! start_x_session 700 799 "${width}x${height}"; then
        check "$label: an X session comes up" false
        continue
    fi
    judge "$label" "$([[ -n $setting ]] && export "${setting?}"
        run_walk "$points_wide" "$points_high" ${option:+"$option"})"
    stop_x_session
    unset DISPLAY
done

# Wayland: the compositor answers a window taller than the screen with a protocol error, and
# places the exit window itself.
wayland_sizes=("1366 768" "1024 768")
for size in "${wayland_sizes[@]}"; do
    read -r width height <<<"$size"
    export XDG_RUNTIME_DIR=$work/runtime-wl-$width
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    socket=vellora-test-$width
    weston --backend=headless-backend.so --width="$width" --height="$height" \
        --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
    compositor=$!
    for _ in $(seq 100); do
        [[ -S $XDG_RUNTIME_DIR/$socket ]] && break
        sleep 0.1
    done
    if [[ ! -S $XDG_RUNTIME_DIR/$socket ]]; then
        check "Wayland ${width}x${height}: weston comes up" false
        cat "$work/weston.log"
    else
        judge "Wayland ${width}x${height}" \
            "$(WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland run_walk "$width" "$height" wayland)"
    fi
    kill "$compositor" 2>/dev/null
    wait "$compositor" 2>/dev/null
    compositor=
done

report_checks
