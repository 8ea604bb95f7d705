#!/usr/bin/env bash
# Runs the test command in a Debian 13 "trixie" system, and checks that the Debian package built
# here installs, starts and answers --version there.
# Usage: scripts/debian13.sh
# The trixie system is made once with debootstrap from Debian's archive ($DEBIAN13_MIRROR,
# http://deb.debian.org/debian unless given), with the packages the tests need, and kept outside
# the tree in $VELLORA_CACHE (default /var/cache/vellora for root, ~/.cache/vellora otherwise) as
# debian13-trixie-amd64-test-system, beside a compiler cache of its own. Each run works on a
# throw-away layer over it, so what a run installs or leaves is gone with the run.
# Left out there: the Windows program (its static Qt alone takes half an hour to build, and the
# Windows checks do not depend on the Linux system they run on). The screen reader walk runs
# with trixie's Orca 48, whose wording the walk gives where it differs from Orca 43's.
# Ends with "debian13: N passed, M failed"; exits non-zero when anything failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# debootstrap, mount and chroot need root.
if [[ $(id -u) -ne 0 ]]; then
    exec sudo --preserve-env=VELLORA_CACHE,DEBIAN13_MIRROR "$0" "$@"
fi
apt_get() {
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 "$@"
}
if ! command -v debootstrap >/dev/null; then
    echo "Installing Debian packages: debootstrap"
    apt_get update -qq
    apt_get install -y -q --no-install-recommends debootstrap
fi

if [[ -n ${VELLORA_CACHE:-} ]]; then
    cache=$VELLORA_CACHE
else
    cache=/var/cache/vellora
fi
mkdir -p "$cache"
mirror=${DEBIAN13_MIRROR:-http://deb.debian.org/debian}
system=$cache/debian13-trixie-amd64-test-system
compiler_cache=$cache/debian13-trixie-amd64-ccache
mkdir -p "$compiler_cache"

# ---- Leaving nothing behind ---------------------------------------------------------------------
work=
inside=
mounted=()
mount_at() { # mount_at TARGET MOUNT-ARGUMENTS...
    local target=$1
    shift
    mkdir -p "$target"
    mount "$@" "$target"
    mounted+=("$target")
}
# Ends whatever still runs inside the system, then unmounts in reverse order.
clean_up() {
    local status=$? i pid
    trap - EXIT INT TERM HUP
    if [[ -n $inside ]]; then
        for pid in /proc/[0-9]*; do
            [[ $(readlink "$pid/root" 2>/dev/null) == "$inside"* ]] &&
                kill -KILL "${pid#/proc/}" 2>/dev/null
        done
        sleep 0.5
    fi
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" ||
            echo "debian13: could not unmount ${mounted[i]}" >&2
    done
    mounted=()
    # Removed only when nothing is mounted beneath it any more: never through a mount of /dev.
    if [[ -n $work ]]; then
        if findmnt -rn -o TARGET | grep -q "^$work"; then
            echo "debian13: left $work in place, something is still mounted there" >&2
        else
            rm -rf "$work"
        fi
    fi
    exit "$status"
}
trap clean_up EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Mounts what programs inside expect: processes, devices, a private /tmp and /run.
enter_mounts() { # enter_mounts ROOT
    local r=$1
    mount_at "$r/proc" -t proc proc
    mount_at "$r/sys" -t sysfs sysfs
    mount_at "$r/dev" --bind /dev
    mount_at "$r/dev/pts" -t devpts devpts -o newinstance,ptmxmode=0666
    mount_at "$r/dev/shm" -t tmpfs shm -o mode=1777
    mount_at "$r/tmp" -t tmpfs tmp -o mode=1777
    mount_at "$r/run" -t tmpfs run -o mode=0755
    cp /etc/resolv.conf "$r/etc/resolv.conf" 2>/dev/null || true
}
in_system() { # in_system ROOT COMMAND...
    local r=$1
    shift
    chroot "$r" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" DEBIAN_FRONTEND=noninteractive \
        CCACHE_DIR=/var/cache/ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
}

# ---- The trixie system, made once ---------------------------------------------------------------
exec 9>"$cache/.debian13.lock"
flock 9
if [[ ! -e $system/.complete ]]; then
    started=$SECONDS
    rm -rf "$system" "$system.new"
    echo "debian13: making the trixie system from $mirror (once)"
    debootstrap --variant=minbase --include=ca-certificates trixie "$system.new" "$mirror" \
        >"$cache/debian13-debootstrap.log" 2>&1 ||
        { tail -30 "$cache/debian13-debootstrap.log"; exit 1; }
    cat >"$system.new/etc/apt/sources.list" <<EOF
deb $mirror trixie main
deb $mirror trixie-updates main
deb ${mirror%/debian}/debian-security trixie-security main
EOF
    echo 'Acquire::Languages "none";' >"$system.new/etc/apt/apt.conf.d/90vellora"
    work=$system.new
    inside=$system.new
    enter_mounts "$system.new"
    mkdir -p "$system.new/root/setup"
    cp scripts/install-deps.sh "$system.new/root/setup/"
    in_system "$system.new" apt-get update -qq
    # The test command installs what it needs itself; installing it here keeps that out of
    # every run.
    in_system "$system.new" apt-get install -y -q --no-install-recommends sudo ccache git \
        >/dev/null
    in_system "$system.new" bash /root/setup/install-deps.sh test >/dev/null
    in_system "$system.new" apt-get clean
    rm -rf "$system.new/root/setup"
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}"; done
    mounted=()
    work=
    inside=
    touch "$system.new/.complete"
    mv "$system.new" "$system"
    echo "debian13: the trixie system took $((SECONDS - started)) s"
fi

# ---- The Debian package, built here -------------------------------------------------------------
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
deb_build=$root/build-debian13-deb
cmake -S . -B "$deb_build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${launcher[@]}" \
    >/dev/null
cmake --build "$deb_build" -j"$(nproc)" >/dev/null
rm -f "$deb_build"/vellora_*.deb
(cd "$deb_build" && cpack -G DEB >/dev/null)
deb=$(ls "$deb_build"/vellora_*.deb)
echo "debian13: built $(basename "$deb") here ($(sed -n 's/^PRETTY_NAME=//p' /etc/os-release))"

# ---- A run on a throw-away layer ----------------------------------------------------------------
work=$(mktemp -d /var/tmp/vellora-debian13.XXXXXX)
mkdir -p "$work/upper" "$work/scratch" "$work/root"
mount -t overlay overlay -o "lowerdir=$system,upperdir=$work/upper,workdir=$work/scratch" \
    "$work/root"
mounted+=("$work/root")
r=$work/root
inside=$r
enter_mounts "$r"
mount_at "$r/var/cache/ccache" --bind "$compiler_cache"
flock -u 9

mkdir -p "$r/root/vellora"
tar -C "$root" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$r/root/vellora" -xf -
cp "$deb" "$r/root/"

passed=0
failed=0
# The test command's Linux part; CTest's tally is added to the checks below.
log=$work/test.log
in_system "$r" bash -c 'cd /root/vellora && scripts/test.sh linux' 2>&1 |
    tee "$log" || true
tally=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
if [[ -n $tally ]]; then
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$tally")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$tally")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
else
    echo "FAILED: the test command ran no test to the end"
    failed=$((failed + 1))
fi

check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
        passed=$((passed + 1))
    else
        echo "FAILED: $what"
        failed=$((failed + 1))
    fi
}
name=$(basename "$deb")
check "the Debian 12 package installs with apt" \
    in_system "$r" bash -c "cd /root && apt-get install -y -q ./$name >apt.log 2>&1 || { tail -20 apt.log; false; }"
# shellcheck disable=SC2016 # expanded inside the system
check "vellora --version answers" \
    in_system "$r" bash -c 'v=$(vellora --version) && echo "  $v" && grep -q "1\.20" <<<"$v"'
# Started as from the desktop, with a fresh home: a window comes up and the program stays.
# shellcheck disable=SC2016
check "vellora starts and shows a window" in_system "$r" bash -c '
    export HOME=$(mktemp -d)
    xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "
        vellora >/dev/null 2>&1 & pid=\$!
        for _ in \$(seq 100); do
            xdotool search --onlyvisible --pid \$pid >/dev/null 2>&1 && break
            sleep 0.1
        done
        xdotool search --onlyvisible --pid \$pid >/dev/null 2>&1 && kill -0 \$pid && shown=1
        kill \$pid; wait \$pid 2>/dev/null
        [[ -n \${shown:-} ]]"'

echo "debian13: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
