#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, run and test.
# The one list of packages; run as root (or through sudo).
set -euo pipefail

PACKAGES=(
  g++ cmake make pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  qt6-charts-dev libqt6opengl6-dev libgl-dev
  libqt6sql6-sqlite libqt6sql6-psql libsqlite3-dev
  libgsf-1-dev libzip-dev libxlsxwriter-dev libzint-dev
  fonts-noto-cjk
  xvfb xauth
  postgresql
  clang-format
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get install -y --no-install-recommends "${PACKAGES[@]}"; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${PACKAGES[@]}"
fi
