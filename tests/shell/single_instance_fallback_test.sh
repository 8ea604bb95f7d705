#!/usr/bin/env bash
# Starts three copies of the real program at the same instant where the runtime folder cannot
# hold the single-instance lock, under a private X server with a window manager, and expects
# exactly one main window and two refusals, the lock taken in a folder of the user's own:
# - the runtime folder read-only by its mode (0500), and the temporary folder where Qt looks for
#   a runtime folder of its own too. File modes bind no one who runs as root, so as root the
#   copies run as the user nobody, from a copy of the program that nobody can read;
# - the runtime folder on a read-only mount, in a private mount namespace where the system
#   allows one (skipped, with a note, where it does not).
# Usage: single_instance_fallback_test.sh <program>
set -uo pipefail
program=$1
work=$(mktemp -d /tmp/vellora-fallback.XXXXXX) # /tmp: a folder nobody can reach
chmod 755 "$work"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_CONFIG_HOME XDG_CACHE_HOME

source "$(dirname "$0")/x_session.sh"
open_x_session 740 759

cp "$program" "$work/vellora"
chmod 755 "$work/vellora"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    require_tools setpriv
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# M: the process shows its main window, B: its message box, -: neither yet.
shown() {
    if [[ -n $(windows_of "$1" 'Vellora v1.20') ]]; then echo M
    elif [[ -n $(windows_of "$1" 'Vellora') ]]; then echo B
    else echo -; fi
}
# Waits until each of the copies shows a window; checks that one shows the main window and the
# others the message.
one_main_window() { # what, pids...
    local what=$1 state pid
    shift
    for _ in $(seq 300); do
        state=
        for pid in "$@"; do state+=$(shown "$pid"); done
        [[ $state != *-* ]] && break
        sleep 0.1
    done
    check "$what: one main window, two refusals ($state)" \
        test "$(grep -o . <<<"$state" | sort | tr -d '\n')" = BBM
}
lock_is_private() { # folder
    [[ -e $1/vellora.lock && $(stat -c %a "$1") == 700 ]]
}

# The runtime folder, and the temporary folder, read-only by mode.
home=$work/mode
mkdir -p "$home/runtime" "$home/tmp"
chmod 500 "$home/runtime" "$home/tmp"
[[ ${#as_user[@]} -gt 0 ]] && chown -R nobody:nogroup "$home"
copies=()
for _ in 1 2 3; do
    # The session bus belongs to the user who started it; nobody gets one of its own.
    env -u DBUS_SESSION_BUS_ADDRESS HOME="$home" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp" \
        "${as_user[@]}" "$work/vellora" >/dev/null 2>&1 &
    copies+=($!)
done
session_pids+=("${copies[@]}")
one_main_window "runtime folder of mode 0500" "${copies[@]}"
check "runtime folder of mode 0500: the lock is in the user's own cache folder" \
    lock_is_private "$home/.cache/vellora"
kill -9 "${copies[@]}" 2>/dev/null
wait "${copies[@]}" 2>/dev/null

# The runtime folder on a read-only mount: modes do not matter, so this runs as the user who
# runs the test.
home=$work/mount
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
namespace=
for candidate in "unshare -m --propagation private" "unshare -rm --propagation private"; do
    if $candidate mount --bind -o ro "$home/runtime" "$home/runtime" 2>/dev/null; then
        namespace=$candidate
        break
    fi
done
if [[ -z $namespace ]]; then
    echo "note: no private read-only mount can be made here; that case is left out"
else
    # The copies start inside the namespace, where the mount is, and go on after it is left.
    mapfile -t copies < <(HOME="$home" XDG_RUNTIME_DIR="$home/runtime" $namespace bash -c '
        mount --bind -o ro "$XDG_RUNTIME_DIR" "$XDG_RUNTIME_DIR" || exit 1
        touch "$XDG_RUNTIME_DIR/probe" 2>/dev/null && exit 1
        for _ in 1 2 3; do "$1" >/dev/null 2>&1 & echo $!; done' _ "$work/vellora")
    session_pids+=("${copies[@]}")
    check "read-only mount: three copies started" test "${#copies[@]}" -eq 3
    one_main_window "runtime folder on a read-only mount" "${copies[@]}"
    check "read-only mount: the lock is in the user's own cache folder" \
        lock_is_private "$home/.cache/vellora"
    kill -9 "${copies[@]}" 2>/dev/null
fi

report_checks
