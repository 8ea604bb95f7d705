#!/usr/bin/env bash
# Start-up figures: launch to the main window on screen, Vellora beside a bare maximised
# QMainWindow, under a private X server with a window manager and a session bus, as a desktop
# starts them. The figures are printed, not judged: timings on a shared machine vary.
# Usage: startup_bench.sh STARTUP_TIMER VELLORA BARE_MAIN_WINDOW [RUNS]
set -uo pipefail
timer=$1 program=$2 bare=$3 runs=${4:-15}
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME

exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 number <&"$displayfd" || { echo "Xvfb did not start"; kill $xvfb; exit 1; }
export DISPLAY=:$number
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$work"' EXIT
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

# One start first, so that both programs meet warm file caches and the reminder's first run
# (which only writes its date) is behind us.
# (dbus-daemon may say it cannot raise its file limit; that is harmless here.)
quiet() { grep -v "Failed to set fd limit" >&2; }
dbus-run-session -- "$timer" 1 "$program" "$bare" >/dev/null 2> >(quiet)
dbus-run-session -- "$timer" "$runs" "$program" "$bare" 2> >(quiet)
