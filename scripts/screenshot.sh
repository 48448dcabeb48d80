#!/usr/bin/env bash
# Takes docs/screenshot.png as a user's machine would show the window: a root volume, a USB
# stick and a home folder, and nothing of the machine the picture is taken on. Runs as root
# in a private mount namespace: the root seen by the window is an overlay of "/" that hides
# the folders a desktop machine has not, and the stick is a loop-mounted file system marked
# removable. Usage: sudo [LANGUAGE=de] [QT_SCALE_FACTOR=2] scripts/screenshot.sh [BUILD_DIR] [OUT.png]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
out=$(realpath -m "${2:-$repo/docs/screenshot.png}")
[ "$(id -u)" -eq 0 ] || { echo "screenshot: run as root (mount namespace, loop device)" >&2; exit 1; }

if [ "${TUK_IN_NAMESPACE:-}" != 1 ]; then
    exec env TUK_IN_NAMESPACE=1 unshare -m --propagation private "$0" "$build" "$out"
fi

work=$(mktemp -d)
root=$work/root
loop=
# Only unmount here, never delete: the namespace's root holds bind mounts of /dev and /sys.
cleanup() {
    umount -R -l "$root" 2>/dev/null || true
    [ -n "$loop" ] && losetup -d "$loop" 2>/dev/null
    umount -l "$work" 2>/dev/null || true
    rmdir "$work" 2>/dev/null || true
}
trap cleanup EXIT
mount -t tmpfs tmpfs "$work"
mkdir "$work/up" "$work/wk" "$work/root"

# Whiteouts hide every top-level entry a Debian desktop does not have, and other users' homes.
standard=" bin boot dev etc home lib lib32 lib64 libx32 lost+found media mnt opt proc root run sbin srv sys tmp usr var "
for entry in /* /home/*; do
    name=${entry#/}
    if [ "${entry%/*}" = "" ] && [[ $standard == *" $name "* ]]; then continue; fi
    mkdir -p "$work/up/$(dirname "$name")"
    mknod "$work/up/$name" c 0 0
done
mount -t overlay overlay -o "lowerdir=/,upperdir=$work/up,workdir=$work/wk" "$root"
# A USB stick: its own file system on a loop device the kernel is told is removable.
truncate -s 32M "$work/stick.img"
mkfs.ext4 -q -L "USB STICK" "$work/stick.img"
loop=$(losetup -f --show "$work/stick.img")
printf '1\n' >"$work/removable"
mount --bind "$work/removable" "/sys/block/${loop#/dev/}/removable"

mount --rbind /dev "$root/dev"
mount --rbind /sys "$root/sys"
mount -t proc proc "$root/proc"
mount -t tmpfs tmpfs "$root/run"

# The user, with the sample pictures in a folder on the desktop.
home=$root/home/alex
mkdir -p "$home/Desktop/MY PICS" "$home/Documents" "$home/Pictures" "$home/.config/Tarnwick"
cp -r "$repo/tests/e2e/sample-images/." "$home/Desktop/MY PICS/"
printf '[Window]\nDefL=0\nDefT=0\nDefW=10500\nDefH=8400\n' >"$home/.config/Tarnwick/Tu_K.conf"
mkdir -p "$root/run/user/1000" && chmod 700 "$root/run/user/1000"
cp "$build/bin/tu_k" "$root/usr/local/bin/tu_k"
mkdir -p "$root/usr/local/share/tu_k"
cp -r "$build/share/tu_k/translations" "$root/usr/local/share/tu_k/"

mkdir -p "$root/media/alex/USB STICK"
mount "$loop" "$root/media/alex/USB STICK"
cp "$repo/tests/e2e/sample-images/"*.jpg "$root/media/alex/USB STICK/"

# The question's Yes in the window's language: Alt and the letter of Qt's own translation.
case "${LANGUAGE:-en}" in de*) yes=alt+j ;; fr*) yes=alt+o ;; *) yes=alt+y ;; esac
printf 'export LANGUAGE=%q QT_SCALE_FACTOR=%q\nyes=%q\n' "${LANGUAGE:-en}" "${QT_SCALE_FACTOR:-1}" \
    "$yes" >"$root/tmp/language.sh"
cat >"$root/tmp/shot.sh" <<'EOF'
set -euo pipefail
. /tmp/language.sh
trap 'kill $(jobs -p) 2>/dev/null' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>/tmp/display >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s /tmp/display ] && break; sleep 0.1; done
export DISPLAY=:$(cat /tmp/display) HOME=/home/alex XDG_CONFIG_HOME=/home/alex/.config
export XDG_RUNTIME_DIR=/run/user/1000 QT_QPA_PLATFORM=xcb LANG=C.UTF-8
openbox >/dev/null 2>&1 &
sleep 1
cd /home/alex && tu_k >/tmp/tu_k.log 2>&1 &
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^tu_k$' | head -1)
sleep 1.5
# Pick the folder in the tree by typing the start of its name, make its pages, answer Yes.
xdotool mousemove --window "$window" $((330 * QT_SCALE_FACTOR)) $((62 * QT_SCALE_FACTOR)) click 1
sleep 0.3
xdotool type --delay 60 "my p"
sleep 1
xdotool key ctrl+k
timeout 10 xdotool search --sync --name '^Tu_K$' >/dev/null
sleep 0.3
xdotool key "$yes"
sleep 2
import -window "$window" /tmp/shot.png
EOF
timeout 60 chroot "$root" bash -x /tmp/shot.sh 2>"$work/shot.log" || { cat "$work/shot.log" "$root/tmp/tu_k.log" >&2; exit 1; }
cp "$root/tmp/shot.png" "$out"
echo "screenshot: $out"
