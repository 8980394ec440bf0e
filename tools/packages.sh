#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  g++ cmake ninja-build ccache \
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev \
  libqt6sql6-psql libpq-dev postgresql pkg-config \
  zlib1g-dev pxlib-dev googletest libgtest-dev libbenchmark-dev \
  poppler-utils zbar-tools fonts-dejavu-core xvfb xauth \
  dpkg-dev file x11-utils desktop-file-utils \
  qt6-translations-l10n
