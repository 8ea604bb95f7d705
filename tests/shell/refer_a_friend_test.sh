#!/usr/bin/env bash
# Starts the real program under a private X server with a window manager, closes its main window
# and fills in the exit window's refer-a-friend form from the keyboard, pasting 15,000 Chinese
# characters into the message (about 135 kB once escaped, more than Linux takes as one argument).
# The box keeps the first 2,000 and the browser gets the whole address; when the browser cannot
# be started, a message says so and the exit window stays.
# Usage: refer_a_friend_test.sh <program>
set -uo pipefail
program=$1
work=$(mktemp -d)
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_CONFIG_HOME XDG_CURRENT_DESKTOP
export LC_ALL=C.UTF-8 HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

source "$(dirname "$0")/x_session.sh"
require_tools xclip
# The browser: a stand-in on PATH that only notes the address it was given.
mkdir -p "$work/bin"
opened=$work/opened
browser() {
    cat > "$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >> "$opened"
EOF
    chmod +x "$work/bin/xdg-open"
}
browser
export PATH=$work/bin:$PATH

open_x_session 760 779

shown() { windows_of "$pid" "$1"; } # title: the program's visible windows with that title
wait_for() { windows_of "$pid" "$1" 15 | head -n 1; } # title: one window, once it is there
key() { xdotool key --clearmodifiers "$@"; sleep 0.2; }
opened_count() { [[ -e $opened ]] && grep -c . "$opened" || echo 0; }
# The value of a query key in the last address opened, with its escapes decoded.
opened_value() { # key
    local value
    value=$(tail -n 1 "$opened" | tr '?&' '\n\n' | sed -n "s/^$1=//p")
    printf '%b' "${value//%/\\x}"
}

"$program" >"$work/output" 2>&1 &
pid=$!
session_pids+=("$pid")
main=$(wait_for 'Vellora v1.20')
check "the main window comes" test -n "$main"
wmctrl -i -c "$main"
exit_window=
for _ in $(seq 100); do
    exit_window=$(shown 'Vellora v1.20' | grep -vx "$main" | head -n 1)
    [[ -n $exit_window ]] && break
    sleep 0.1
done
check "closing it shows the exit window" test -n "$exit_window"
xdotool windowactivate --sync "$exit_window" >/dev/null 2>&1

# The focus starts on E&xit; the form lies seven steps back, in Tab order.
key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
xdotool type --delay 20 'Ann'
key Tab
xdotool type --delay 20 'ann@x.org'
key Tab
xdotool type --delay 20 'Bob'
key Tab
xdotool type --delay 20 'bob@y.org'
key Tab
long=$(printf '中%.0s' $(seq 15000))
printf '%s' "$long" | xclip -selection clipboard -i 2>/dev/null
key ctrl+v
key Tab
key Return
for _ in $(seq 50); do [[ $(opened_count) -ge 1 ]] && break; sleep 0.1; done
check "Refer A Friend Now hands the address to the browser" test "$(opened_count)" -eq 1
address=$(tail -n 1 "$opened" 2>/dev/null)
check "the address stays within what browsers take (${#address} characters)" \
    test "${#address}" -gt 0 -a "${#address}" -lt 25000
check "it carries the name and both e-mail addresses" \
    test "$(opened_value taf1)|$(opened_value taf2)|$(opened_value taf4)|$(opened_value taf5)" \
    = 'Ann|ann@x.org|Bob|bob@y.org'
check "it carries the first 2,000 characters of the pasted message" \
    test "$(opened_value taf3)" = "${long:0:2000}"
check "no message came" test -z "$(shown 'Vellora')"

# A browser that cannot be started: the script's interpreter does not exist.
printf '#!/nonexistent/interpreter\n' > "$work/bin/xdg-open"
key Return
box=$(wait_for 'Vellora')
check "a browser that cannot be started brings a message" test -n "$box"
check "the exit window stays behind the message" test -n "$(shown 'Vellora v1.20')"
if [[ -n $box ]]; then
    xdotool windowactivate --sync "$box" >/dev/null 2>&1
    key Return
fi
for _ in $(seq 50); do [[ -z $(shown 'Vellora') ]] && break; sleep 0.1; done
check "OK takes the message away" test -z "$(shown 'Vellora')"
check "the exit window stays open" test -n "$(shown 'Vellora v1.20')"
check "the program runs on" kill -0 "$pid"
check "nothing more reached the browser" test "$(opened_count)" -eq 1

report_checks
