#!/usr/bin/env bash
# Installs what building, testing and packaging the viewer needs on Debian 12 (the validators of
# the menu entry and AppStream data, dpkg-dev for the package's dependencies); what checks the
# package (lintian, hardening-check, a virtual display to open it on, the desktop's file type
# tools), without their recommendations; with "fuzz", also clang and its libFuzzer runtime for
# the fuzz targets.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev qt6-svg-dev libgl1-mesa-dev libgtest-dev fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev clang-format clang-tidy)
[ "${1:-}" = fuzz ] && packages+=(clang libclang-rt-14-dev)
checkers=(lintian devscripts xvfb xdotool x11-utils dex xdg-utils libfile-mimeinfo-perl shared-mime-info)
missing() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
  done
}
mapfile -t need < <(missing "${packages[@]}")
mapfile -t need_checkers < <(missing "${checkers[@]}")
[ ${#need[@]} -eq 0 ] && [ ${#need_checkers[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
install=($sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y)
[ ${#need[@]} -eq 0 ] || "${install[@]}" "${need[@]}"
[ ${#need_checkers[@]} -eq 0 ] || "${install[@]}" --no-install-recommends "${need_checkers[@]}"
