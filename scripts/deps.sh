#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages aerodex needs to build, test and run, when any
# is missing. Sourced by run.sh and test.sh.
set -euo pipefail

AERODEX_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev librsvg2-bin
  fonts-liberation fontconfig
  xvfb xauth poppler-utils
  clang libclang-rt-14-dev clang-format
  dpkg-dev lintian appstream desktop-file-utils
)

aerodex_missing_packages() {
  local missing=() pkg
  for pkg in "${AERODEX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  echo "${missing[@]:-}"
}

aerodex_install_dependencies() {
  local missing
  missing=$(aerodex_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo="sudo"; else
      echo "Need root (or sudo) to install: $missing" >&2
      return 1
    fi
  fi
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}
