#!/bin/sh
# Tours every screen in every stage under strace and fails on any file opened
# for writing (or created, renamed, removed) and on any socket other than the
# local ones a desktop program talks to (display, sound server, name service).
set -eu
tour="$1"
command -v strace >/dev/null 2>&1 || { echo "strace is not installed"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt creates its runtime folder when none is given; give it one that exists.
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=offscreen
strace -f -qq -o "$work/log" \
  -e trace=open,openat,creat,truncate,ftruncate,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,socket,connect \
  "$tour" -
opens=$(grep -cE 'open(at)?\(' "$work/log" || true)
writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(|truncate\(|mkdir(at)?\(|rename(at2?)?\(|unlink(at)?\(' "$work/log" \
  | grep -vE '= -1 E' || true)
sockets=$(grep -E 'socket\(' "$work/log" | grep -vE 'socket\((AF_UNIX|AF_LOCAL|AF_NETLINK)' || true)
peers=$(grep -E 'connect\(' "$work/log" | grep -vE 'sun_path="(/tmp/\.X11-unix/|@/tmp/\.X11-unix/|/run/user/[0-9]+/(pulse|pipewire)|/var/run/nscd/|/run/nscd/|/run/dbus/|/var/run/dbus/)' || true)
status=0
[ -z "$writes" ] || { echo "files written:"; echo "$writes"; status=1; }
[ -z "$sockets" ] || { echo "network sockets:"; echo "$sockets"; status=1; }
[ -z "$peers" ] || { echo "unexpected peers:"; echo "$peers"; status=1; }
[ "$opens" -gt 50 ] || { echo "the tour opened only $opens files: did it run?"; status=1; }
[ $status -eq 0 ] && echo "1 passed, 0 failed: $opens opens, nothing written, no network"
exit $status
