#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tries both README commands on a freshly installed Debian: debootstraps a minbase RELEASE
# (kept under /var/tmp/kvadrati-fresh and copied for each try), clones this repository's
# committed HEAD into it and runs, as root with a clean environment and no LANG,
# ./run.sh (passes when the window appears on an Xvfb of the host) and then ./test.sh.
# Usage: sudo scripts/fresh-debian.sh bookworm|trixie      (takes a while: apt, build, tests)
set -euo pipefail
release=${1:-}
case "$release" in
bookworm | trixie) ;;
*) echo "Usage: $0 bookworm|trixie" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap and chroot need root" >&2; exit 2; }
project=$(cd "$(dirname "$0")/.." && pwd)
source "$project/scripts/setup.sh"
install_missing debootstrap git xvfb xdotool

# The mirror the host's apt uses: the network may reach Debian only through it.
mirror=$(apt-get indextargets --format '$(REPO_URI)' | sort -u | grep '/debian/$' | head -n 1)
base=/var/tmp/kvadrati-fresh
pristine=$base/$release-pristine
root=$base/$release-root
mkdir -p "$base"

if [ ! -d "$pristine" ]; then
    rm -rf "$pristine.partial"
    debootstrap --variant=minbase "$release" "$pristine.partial" "$mirror"
    mv "$pristine.partial" "$pristine"
fi

mounts=() xvfb_pid=''
clean_up() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" || umount -l "${mounts[i]}" || true
    done
}
trap clean_up EXIT
mount_in() { # ROOT-RELATIVE-PATH MOUNT-ARGUMENTS...
    mount "${@:2}" "$root$1"
    mounts+=("$root$1")
}

echo "== Fresh $release in $root"
rm -rf "$root"
cp -a "$pristine" "$root"
mount_in /proc -t proc proc
mount_in /sys -t sysfs sysfs
mount_in /dev --bind /dev
mount_in /dev/pts --bind /dev/pts
mount_in /tmp -t tmpfs tmpfs
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone --quiet "$project" "$root/root/kvadrati"
echo "Cloned $(git -C "$root/root/kvadrati" log -1 --format='%h %s')"

clean_env=(env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin)

# ./run.sh on the host's X server: the chroot shares the host's network namespace, so its
# programs reach the server through the abstract socket of the display. Xvfb picks a free
# display itself and writes its number once it is ready.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$base/$release.display" 2>/dev/null &
xvfb_pid=$!
for _ in {1..100}; do
    display=$(cat "$base/$release.display")
    [ -z "$display" ] || break
    sleep 0.1
done
[ -n "$display" ] || { echo "$0: Xvfb did not start" >&2; exit 1; }
started=$SECONDS
chroot "$root" "${clean_env[@]}" DISPLAY=":$display" /root/kvadrati/run.sh \
    >"$base/$release-run.log" 2>&1 &
run_pid=$! # run.sh ends by becoming the program, so this is the window's process
run_result=FAIL
while kill -0 "$run_pid" 2>/dev/null; do
    if DISPLAY=":$display" xdotool search --onlyvisible --class kvadrati >/dev/null 2>&1; then
        run_result=PASS
        kill "$run_pid"
        break
    fi
    sleep 2
done
wait "$run_pid" 2>/dev/null || true
run_seconds=$((SECONDS - started))
kill "$xvfb_pid" && wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=''

# ./test.sh, whose xvfb-run picks a display by the lock files in /tmp: mark the displays the
# host uses in the chroot's /tmp so that it picks a free one.
for socket in $(grep -o '@/tmp/.X11-unix/X[0-9]*' /proc/net/unix | sort -u); do
    touch "$root/tmp/.X${socket##*X}-lock"
done
started=$SECONDS
test_result=PASS
chroot "$root" "${clean_env[@]}" /root/kvadrati/test.sh >"$base/$release-test.log" 2>&1 ||
    test_result=FAIL
test_seconds=$((SECONDS - started))

for command in run test; do
    echo "== Last lines of ./$command.sh ($base/$release-$command.log)"
    tail -n 15 "$base/$release-$command.log"
done
echo "== Each ctest run of ./test.sh"
grep -E '^[0-9]+% tests passed|^Total Test time' "$base/$release-test.log" || true
echo "$run_result: ./run.sh on fresh $release (window opened), $run_seconds s"
echo "$test_result: ./test.sh on fresh $release, $test_seconds s"
[ "$run_result$test_result" == PASSPASS ]
