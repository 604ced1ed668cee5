#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need, only when missing.
set -euo pipefail
packages=(qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev fonts-noto-cjk ninja-build
          libgtest-dev libbenchmark-dev cmake g++ pkg-config libfftw3-dev libmuparser-dev libsndfile1-dev libsoxr-dev sigrok-cli
          desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
