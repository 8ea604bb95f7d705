#!/usr/bin/env bash
# Walks every window of the real program with the keyboard while the Orca screen reader listens,
# as a blind user meets it: the launcher, each calculator's input and result, the About window and
# the exit window. At every stop Orca must speak the control's name or label, for a list its
# current item and each new item as it changes, and never only a window or a frame.
# Orca runs with its own session bus and accessibility bus in a private X session and home, and
# writes what it speaks into its debug file, in blocks: the file is read once Orca has ended. Each
# key it echoes ('tab', 'space', 'return', 'escape'; Orca 43 puts a blank after each) starts the
# speech of the next stop.
# Usage: screen_reader_test.sh <program>; SCREEN_READER_WALK names another walk (a part of it, say),
# SCREEN_READER_LOG a file to keep what Orca said in, SCREEN_READER_DEBUG one for its whole debug file.
set -uo pipefail
program=$1
source "$(dirname "$0")/x_session.sh"
require_tools orca xdotool dbus-send
for helper in /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
    if [[ ! -x $helper ]]; then
        echo "SKIP: $helper is not installed (scripts/install-deps.sh test installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
unset QT_QPA_PLATFORM WAYLAND_DISPLAY LANGUAGE
mkdir -p "$work/home" "$work/runtime" "$work/bin"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Qt offers its controls on the accessibility bus without waiting to be asked.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The browser: a stand-in that only notes the address, should a link be pressed.
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' "$work/opened" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

open_x_session 650 659

# The accessibility bus, started through the session bus, with accessibility switched on.
a11y() { timeout 20 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus "$@"; }
a11y org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null || { echo "FAILED: the accessibility bus did not start"; exit 1; }
a11y_bus=$(a11y org.a11y.Bus.GetAddress | sed -n 's/^ *string "\(.*\)"$/\1/p')
[[ -n $a11y_bus ]] || { echo "FAILED: the accessibility bus has no address"; exit 1; }

speech=$work/orca.debug
timeout 900 orca --replace --debug-file "$speech" >"$work/orca.out" 2>&1 &
orca_pid=$!
session_pids+=("$orca_pid")
# Orca is listening once it has asked the registry for the events it presents.
listening() {
    timeout 10 dbus-send --bus="$a11y_bus" --print-reply --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/registry org.a11y.atspi.Registry.GetRegisteredEvents 2>/dev/null |
        grep -q 'StateChanged'
}
for _ in $(seq 120); do
    listening && break
    kill -0 "$orca_pid" 2>/dev/null || break
    sleep 0.5
done
if ! listening; then
    echo "FAILED: Orca did not come up; it said:"
    cat "$work/orca.out"
    exit 1
fi
sleep 2

"$program" >"$work/output" 2>&1 &
pid=$!
session_pids+=("$pid")
for _ in $(seq 300); do
    windows_of "$pid" 'Vellora v1.20' >/dev/null && break
    sleep 0.1
done
sleep 4 # Orca presents the new window

# The walk: each row presses its keys, the first of which Orca echoes, and gives what Orca must
# say before the next row's key, as an extended regular expression; every stop besides must be
# more than a window, a frame or a layered pane.
# A row "48|..." gives what Orca 48 and later say at the row above, where they word it otherwise.
orca_version=$(orca --version 2>/dev/null | grep -oE '[0-9]+' | head -n 1)
walk=()
while IFS= read -r row; do
    if [[ $row == 48\|* ]]; then
        ((${orca_version:-0} >= 48)) && walk[-1]="${walk[-1]%%|*}|${row#48|}"
    elif [[ -n $row && $row != \#* ]]; then
        walk+=("$row")
    fi
done <"${SCREEN_READER_WALK:-$(dirname "$0")/screen_reader_walk.txt}"

# A menu opened by its access key as a user does it, the Alt key held down while the letter goes
# down and up. Under the screen reader the menu now and then closes as soon as it opened, so the
# keys go again until its drop-down stays on the screen (a window of its own).
shown_windows() { xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
open_menu() { # access key
    local before
    before=$(shown_windows)
    for _ in 1 2 3 4 5; do
        xdotool keydown alt
        sleep 0.3
        xdotool key "$1"
        sleep 0.3
        xdotool keyup alt
        sleep 1
        (($(shown_windows) > before)) && return 0
    done
    echo "note: the menu of Alt+$1 did not stay open"
}

for row in "${walk[@]}"; do
    keys=${row%%|*}
    first=1
    for key in $keys; do
        if [[ $key == menu:* ]]; then
            open_menu "${key#menu:}"
        elif [[ $key == type:* ]]; then
            xdotool type --delay 100 "${key#type:}"
        else
            xdotool key "$key"
        fi
        sleep "${STOP_SECONDS:-1.5}"
        # Orca presents the stop before the row's other keys change it; a key that opens or closes
        # a window takes longer on this slow machine.
        if [[ $first && $keys == *' '* ]]; then
            sleep "${STOP_SECONDS:-1.5}"
        fi
        if [[ $first && ($key == space || $key == Return || $key == Escape) ]]; then
            sleep 3
        fi
        first=
    done
done

# The exit window closes, which ends the program. Orca writes out the rest of its file as it ends,
# but does not always end when asked: Shift pressed a few times more fills its last block, so that
# what it said up to here is written out in any case (Orca echoes Shift, which no stop is cut at).
xdotool key space
sleep 3
for _ in $(seq 12); do
    xdotool key shift
    sleep 0.3
done
check "the program ends when its exit window closes" ended "$pid" 15
kill "$orca_pid" 2>/dev/null
ended "$orca_pid" 60 || echo "note: Orca did not end when asked; what it had not written out is lost"
kill -9 "$orca_pid" 2>/dev/null

# What Orca said, one utterance a line, then cut into stops at the keys it echoed. Newer AT-SPI
# names a push button's role "button": it is read as the walk writes it, "push button".
grep "SPEECH OUTPUT: '" "$speech" |
    sed -E "s/^.*SPEECH OUTPUT: '//; s/' ?(\{'established.*|\[.*)?$//" |
    perl -pe 's/(?<!push )(?<!radio )(?<!toggle )(?<!menu )\bbutton\b/push button/g' >"$work/spoken"
stops=()
current=
while IFS= read -r said; do
    case ${said% } in
    tab | space | return | escape)
        stops+=("$current")
        current=
        ;;
    *) current+="${current:+ | }$said" ;;
    esac
done <"$work/spoken"
stops+=("$current")

[[ -n ${SCREEN_READER_LOG:-} ]] && cp "$work/spoken" "$SCREEN_READER_LOG"
[[ -n ${SCREEN_READER_DEBUG:-} ]] && cp "$speech" "$SCREEN_READER_DEBUG"
# One key for each row, and the one that closed the exit window.
check "Orca echoed one key for each row of the walk and one more (${#walk[@]} rows, $((${#stops[@]} - 1)) keys)" \
    test $((${#stops[@]} - 2)) -eq ${#walk[@]}
only_frame() { # what was said at a stop: nothing, or only windows, frames and layered panes
    local rest
    rest=$(tr '|' '\n' <<<"$1" | sed -E 's/^ +| +$//g' |
        grep -Evx '(.* frame\.?|layered pane|)' || true)
    [[ -z $rest ]]
}
for i in "${!walk[@]}"; do
    row=${walk[$i]}
    said=${stops[$((i + 1))]:-}
    keys=${row%%|*}
    expected=${row#*|}
    check "after '$keys' Orca says /$expected/: \"$said\"" grep -Eq -- "$expected" <<<"$said"
    check "after '$keys' Orca says more than a window or a frame" eval '! only_frame "$said"'
done
report_checks
