#!/usr/bin/env bash
# Start-up figures: launch to the main window on screen, Vellora beside a bare maximised
# QMainWindow and the same with a menu bar, under a private X server with a window manager and a
# session bus, as a desktop starts them. The figures are printed, not judged: timings on a
# shared machine vary.
# Usage: startup_bench.sh STARTUP_TIMER VELLORA BARE_MAIN_WINDOW BARE_WITH_MENU_BAR [RUNS]
set -uo pipefail
timer=$1 program=$2 bare=$3 bareMenu=$4 runs=${5:-15}
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME

source "$(dirname "$0")/../shell/x_session.sh"
trap 'stop_x_session; rm -rf "$work"' EXIT
start_x_session 500 589 || { echo "no X session could be started"; exit 1; }

# One start first, so that every program meets warm file caches and the reminder's first run
# (which only writes its date) is behind us.
"$timer" 1 "$program" "$bare" "$bareMenu" >/dev/null
"$timer" "$runs" "$program" "$bare" "$bareMenu"
