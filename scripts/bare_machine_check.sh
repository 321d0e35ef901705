#!/usr/bin/env bash
# Runs the README's quick-start commands on a bare Debian system, the minimal
# base that debootstrap makes, with nothing installed by chance: a package the
# set-up scripts forget makes this fail.
#
#   scripts/bare_machine_check.sh           ./run.sh on a fresh system
#   scripts/bare_machine_check.sh --test    ./run.sh, then ./test.sh
#
# As root, from inside the project. It takes what is committed (HEAD), as a
# clean clone would. The bare system is made once (a few minutes) and kept in
# $BARE_HOME/base (default /var/tmp/fresh-machine); each check works in a
# throw-away copy of it. Exit status: that of the first command that failed,
# 2 when the bare system cannot be made. The log stays in $BARE_HOME/last.log.
set -euo pipefail

with_tests=0
[ "${1:-}" = "--test" ] && with_tests=1
[ "$(id -u)" -eq 0 ] || { echo "bare-machine: run as root" >&2; exit 2; }
project=$(git rev-parse --show-toplevel 2>/dev/null) || { echo "bare-machine: run inside the project" >&2; exit 2; }

home=${BARE_HOME:-/var/tmp/fresh-machine}
base=$home/base
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=$(grep -h -o -E '^(URIs:|deb) +[^ ]+' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null \
         | grep -v security | head -n 1 | awk '{print $2}' || true)
[ -n "$mirror" ] || { echo "bare-machine: no package mirror in the apt sources" >&2; exit 2; }

if [ ! -f "$base/.complete" ]; then
  if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null 2>&1 \
      || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null; }
  fi
  rm -rf "$base"; mkdir -p "$home"
  echo "bare-machine: making a bare $suite system (once, a few minutes)"
  debootstrap --variant=minbase "$suite" "$base" "$mirror" >"$home/debootstrap.log" 2>&1 \
    || { echo "bare-machine: debootstrap failed, see $home/debootstrap.log" >&2; exit 2; }
  touch "$base/.complete"
fi

root=$(mktemp -d "$home/run.XXXXXX")
# /dev is the host's own, bound in: the copy goes only once nothing is mounted in it.
cleanup() {
  for m in dev/shm dev/pts dev sys proc; do umount -l "$root/$m" 2>/dev/null || true; done
  if grep -q " $root/" /proc/mounts; then
    echo "bare-machine: $root still has mounts; left in place" >&2
  else
    rm -rf "$root"
  fi
}
trap cleanup EXIT
cp -a "$base/." "$root/"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
# Where this machine reaches the package registries through a proxy that
# signs with a certificate authority of its own, the bare system must trust
# that authority too, or the registry is not reachable from it at all. Only
# the certificates go across, no package: ca-certificates adds them to the
# system's store when the set-up installs it.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
  mkdir -p "$root/usr/local/share/ca-certificates"
  cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
fi
git clone -q "$project" "$root/root/project"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount -t devpts devpts "$root/dev/pts" -o newinstance,ptmxmode=0666 2>/dev/null || true
mount -t tmpfs tmpfs "$root/dev/shm"

log=$home/last.log
: >"$log"
run() {
  local what=$1 start=$SECONDS rc=0
  echo "bare-machine: $what ..."
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /root/project && $what" >>"$log" 2>&1 || rc=$?
  if [ "$rc" -ne 0 ]; then
    tail -n 30 "$log"
    echo "bare-machine: $what FAILED (exit $rc after $((SECONDS - start)) s; log in $log)"
    exit "$rc"
  fi
  echo "bare-machine: $what passed in $((SECONDS - start)) s"
}
run ./run.sh
# What the README promises ./run.sh leaves.
run 'for c in scenario-packager scenario-compile scenario-inspect; do test -x build/$c || { echo "no build/$c"; exit 1; }; done'
[ "$with_tests" -eq 1 ] && run ./test.sh
exit 0
