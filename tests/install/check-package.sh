#!/usr/bin/env bash
# Checks the Debian package as Debian checks its own (lintian, pedantic), then installs it for
# real with apt-get, checks the installed program's hardening, opens it through its menu entry
# on a virtual display, checks the set files' type and the program that opens them, and removes
# the package again, checking that nothing of it is left. Needs root or sudo, and the package
# not installed already (the machine is left as it was found).
# Usage: check-package.sh PACKAGE.deb
set -euo pipefail
deb="$(realpath "$1")"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
installed() { dpkg-query -W -f='${Status}' vantor-viewer 2>/dev/null | grep -q "ok installed"; }

echo "-- lintian --pedantic"
lintian --pedantic -I --fail-on error,warning "$deb"

if installed; then
  echo "vantor-viewer is installed on this machine already: remove it before this check"
  exit 1
fi
scratch="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  pkill -x vantor-viewer 2>/dev/null || true
  if installed; then $sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y vantor-viewer >/dev/null; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

echo "-- apt-get install"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$scratch/install.log" ||
  { cat "$scratch/install.log"; exit 1; }
dpkg-query -L vantor-viewer | while read -r f; do [ -d "$f" ] || echo "$f"; done >"$scratch/files"

echo "-- hardening-check"
# Control flow protection cannot be whole on Debian 12: the C library's start files carry no
# marks for it, so no program linked there has it (Debian's own /usr/bin/ls neither).
hardening-check --nocfprotection /usr/bin/vantor-viewer
[ "$(vantor-viewer --version)" = "vantor-viewer $(dpkg-query -W -f='${Version}' vantor-viewer)" ]
man -w vantor-viewer | grep -qx /usr/share/man/man1/vantor-viewer.1.gz

# The player's files of this check go to a scratch home, never to the real one.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share"
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "-- the set files' type and the program that opens them"
touch "$scratch/Tank.kreq"
[ "$(xdg-mime query filetype "$scratch/Tank.kreq")" = application/x-vantor-set ]
[ "$(xdg-mime query default application/x-vantor-set)" = vantor-viewer.desktop ]

echo "-- the menu entry opens the program"
desktop-file-validate /usr/share/applications/vantor-viewer.desktop
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$display" QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
dex /usr/share/applications/vantor-viewer.desktop
timeout 30 xdotool search --sync --onlyvisible --name "Vantor Viewer" >/dev/null ||
  { echo "the menu entry did not open a window"; exit 1; }
pkill -x vantor-viewer

echo "-- apt-get remove"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y vantor-viewer >/dev/null
! installed || { echo "still installed"; exit 1; }
left=$(while read -r f; do [ -e "$f" ] && echo "$f"; done <"$scratch/files" || true)
[ -z "$left" ] || { echo "left behind: $left"; exit 1; }
[ -z "$(xdg-mime query default application/x-vantor-set)" ] || { echo "still opens set files"; exit 1; }
echo "the package: lintian clean, hardened, installed, opened, associated and removed"
