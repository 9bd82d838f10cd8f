#!/usr/bin/env bash
# Installs the Debian packages the editor needs to build, test and run, only when missing; more
# packages may be named as arguments (the Windows build names its compiler and Wine).
set -euo pipefail
packages=(cmake ninja-build g++ make ccache pkg-config qt6-base-dev qt6-svg-dev libgraphviz-dev graphviz
          libgtest-dev fonts-dejavu-core xvfb xauth clang libclang-rt-14-dev dpkg-dev file
          lintian appstream desktop-file-utils "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
