#!/usr/bin/env bash
# Installs what building, testing and packaging the viewer needs on Debian 12 (the validators of
# the menu entry and AppStream data, dpkg-dev for the package's dependencies); with "fuzz", also
# clang and its libFuzzer runtime for the fuzz targets.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev libgl1-mesa-dev libgtest-dev fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev clang-format clang-tidy)
[ "${1:-}" = fuzz ] && packages+=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
