#!/usr/bin/env bash
# Starts the real program under a private X server with a window manager and a session bus, in a
# private home, with its clock set by libfaketime, and meets the update reminder as a user does:
# the first start and a start 14 days later are silent; 15 days later the question comes before
# the main window, Yes hands the download page to the browser and No does not; every start ends
# with the main window. The same under United States, German, Japanese and Egyptian Arabic
# settings, with a broken settings store, after a date stored in 9999, and with settings files of
# garbage (4 KiB and 50 MiB), which are set aside and cost start-up no time.
# Usage: update_reminder_test.sh <program> <download address>
set -uo pipefail
program=$1
download=$2
work=$(mktemp -d)
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_CONFIG_HOME LANGUAGE

libfaketime=
for candidate in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
    [[ -e $candidate ]] && { libfaketime=$candidate; break; }
done
if [[ -z $libfaketime ]]; then
    echo "FAILED: libfaketime is not installed (scripts/install-deps.sh test installs it)"
    exit 1
fi

# The browser: a stand-in on PATH that only notes the address it was given.
mkdir -p "$work/bin"
opened=$work/opened
cat > "$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >> "$opened"
EOF
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

source "$(dirname "$0")/x_session.sh"
open_x_session 630 639
pid=

# Starts the program on the given day under the given regional settings, in the current home.
# A program built with AddressSanitizer would refuse to start with libfaketime loaded ahead of
# the sanitizer's run-time; told not to check that order, it runs.
start() { # day, locale
    env HOME="$home" XDG_RUNTIME_DIR="$home/runtime" LANG="$2" LC_ALL="$2" \
        LD_PRELOAD="$libfaketime" FAKETIME="@$1 10:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
        "$program" >"$work/output" 2>&1 &
    pid=$!
    session_pids+=("$pid")
}
stop() {
    if ! kill -9 "$pid" 2>/dev/null; then
        wait "$pid" 2>/dev/null
        echo "note: the program had ended by itself (status $?)"
    fi
    wait "$pid" 2>/dev/null
    pid=
}
window_of() { windows_of "$pid" "$1" | head -n 1; } # title: the running copy's window
# Waits until the copy shows its main window (M) or a message box (B); prints which, or -.
first_window() {
    for _ in $(seq 200); do
        [[ -n $(window_of 'Vellora v1.20') ]] && { echo M; return; }
        [[ -n $(window_of 'Vellora') ]] && { echo B; return; }
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo -
    { echo "no window came; the program said:"; cat "$work/output"; } >&2
}
main_window_follows() {
    for _ in $(seq 100); do
        [[ -n $(window_of 'Vellora v1.20') ]] && return 0
        sleep 0.1
    done
    return 1
}
# The key that presses Yes or No in the question: the underlined letter of the button's text,
# which is Qt's own and comes in the user's language.
answer_key() { # locale, yes or no
    case "${1%%.*}-$2" in
    de_DE-yes) echo j ;;
    ar_EG-yes) echo Arabic_noon ;;
    ar_EG-no) echo Arabic_lam ;;
    *-yes) echo y ;;
    *) echo n ;;
    esac
}
answer() { # key
    local box
    box=$(window_of 'Vellora')
    xdotool windowactivate --sync "$box" >/dev/null 2>&1
    xdotool windowfocus --sync "$box" >/dev/null 2>&1
    # A letter missing from the keyboard map (the Arabic ones) is mapped to a spare key for the
    # press and unmapped after the delay: time for the program to read it first.
    xdotool key --clearmodifiers --delay 300 "$1"
}
opened_count() { [[ -e $opened ]] && grep -c . "$opened" || echo 0; }
settings_file() { echo "$home/.config/vellora/vellora.conf"; }
# The stored file as a user opens it: the section, one scrambled name, no plain "Duration".
file_is_scrambled() {
    local file
    file=$(settings_file)
    grep -qx '\[Settings\]' "$file" && [[ $(grep -c '=' "$file") -eq 1 ]] &&
        ! grep -q 'Duration' "$file"
}
starts_silently() { # day, locale, what
    start "$1" "$2"
    local first
    first=$(first_window)
    check "$3: the main window comes, no question ($first)" test "$first" = M
    stop
}
asks_then_main() { # day, locale, yes or no, what
    local before first
    before=$(opened_count)
    start "$1" "$2"
    first=$(first_window)
    check "$4: the question comes before the main window ($first)" test "$first" = B
    if [[ $first == B ]]; then
        check "$4: no main window behind the question" test -z "$(window_of 'Vellora v1.20')"
        answer "$(answer_key "$2" "$3")"
    fi
    check "$4: then the main window" main_window_follows
    if [[ $3 == yes ]]; then
        check "$4: Yes opens the download page" \
            test "$(opened_count)" -eq $((before + 1)) -a "$(tail -n 1 "$opened" 2>/dev/null)" = "$download"
    else
        check "$4: No opens nothing" test "$(opened_count)" -eq "$before"
    fi
    stop
}

# Each locale in a fresh home: first start, 14 days on, 15 days on (Yes), 15 more (No).
run_locale() { # locale, first day
    local locale=$1 day=$2
    home=$work/home-${locale%%.*}
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    rm -f "$opened"
    if ! locale -a 2>/dev/null | grep -qix "${locale%%.*}.utf-\?8"; then
        echo "note: $locale is not generated here; Qt still takes its date format from LANG"
    fi
    starts_silently "$day" "$locale" "$locale first start"
    check "$locale: the stored file shows no plain name" file_is_scrambled
    starts_silently "$(date -d "$day + 14 days" +%F)" "$locale" "$locale 14 days later"
    asks_then_main "$(date -d "$day + 15 days" +%F)" "$locale" yes "$locale 15 days later"
    asks_then_main "$(date -d "$day + 30 days" +%F)" "$locale" no "$locale 30 days later"
}

# Under United States settings the year has two digits: the days run across the turn of 2100.
run_locale en_US.UTF-8 2099-12-20
run_locale de_DE.UTF-8 2026-12-20
run_locale ja_JP.UTF-8 2026-12-20
run_locale ar_EG.UTF-8 2026-12-20

# Broken stores keep nothing from the main window and ask nothing.
home=$work/home-broken
mkdir -p "$home/runtime" "$(dirname "$(settings_file)")"
chmod 700 "$home/runtime"
mkdir "$(settings_file)"
starts_silently 2026-12-20 en_US.UTF-8 "a folder where the settings file should be"
rmdir "$(settings_file)"
printf '[Settings]\nGxudwlrq=vrrq\n' > "$(settings_file)"
starts_silently 2026-12-20 en_US.UTF-8 "a stored value that is no date"
check "the value that is no date is left as it was" grep -qx 'Gxudwlrq=vrrq' "$(settings_file)"

# A date stored while the clock stood late in 9999 is long past once the clock is right again.
home=$work/home-9999
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
starts_silently 9999-12-20 ja_JP.UTF-8 "clock in 9999"
asks_then_main 2026-12-20 ja_JP.UTF-8 n "clock right again after 9999"

# Settings files of garbage: the main window comes as soon as without any file, the garbage is
# set aside untouched, and the date the first start writes is all the new file holds.
seconds_to_main() { # day: starts the program, waits for its main window, prints the seconds
    local begin first
    begin=$(date +%s%N)
    start "$1" en_US.UTF-8
    first=$(first_window)
    [[ $first == M ]] && echo $((($(date +%s%N) - begin) / 1000000)) | sed 's/...$/.&/'
    stop
}
home=$work/home-nofile
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
plain=$(seconds_to_main 2026-12-20)
echo "note: the main window came after ${plain:-?} s without a settings file"
for size in 4096 52428800; do
    home=$work/home-garbage-$size
    mkdir -p "$home/runtime" "$(dirname "$(settings_file)")"
    chmod 700 "$home/runtime"
    head -c "$size" /dev/urandom > "$work/garbage"
    cp "$work/garbage" "$(settings_file)"
    took=$(seconds_to_main 2026-12-20)
    what="$size bytes of garbage in the settings file"
    check "$what: the main window comes (after ${took:-no} s), no question" test -n "$took"
    check "$what: no slower than without a file, give or take a second" \
        awk -v took="${took:-999}" -v plain="${plain:-0}" 'BEGIN { exit !(took <= 2 * plain + 1) }'
    check "$what: the new file holds the section and the date alone" \
        bash -c "[[ \$(wc -l < '$(settings_file)') -eq 2 ]]"
    check "$what: the new file is scrambled" file_is_scrambled
    check "$what: the garbage is set aside untouched" cmp -s "$work/garbage" "$(settings_file).bad"
done

report_checks
