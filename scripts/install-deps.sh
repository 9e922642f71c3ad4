#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Bullevista builds, tests and benchmarks with.
# As root it runs apt-get; otherwise it prints the line to run with sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n qt6-svg-dev libgl-dev
  libminizip-dev zlib1g-dev libarchive-dev libarchive-tools liblzma-dev
  libturbojpeg0-dev libpng-dev libgif-dev libwebp-dev libavif-dev libjxl-dev
  libqt6sql6-sqlite libpoppler-qt6-dev poppler-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  imagemagick libjpeg-turbo-progs python3
  fonts-dejavu-core xvfb xauth
  desktop-file-utils appstream shared-mime-info xdg-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run: sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
