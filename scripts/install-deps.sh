#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages Prismora needs, skipping those already present.
# Usage: install-deps.sh [game|test]
#   game  what building and playing the game needs (scripts/play.sh)
#   test  that and what the tests, benchmarks, fuzzing and source checks need
#         (scripts/test.sh, .ci/run); the default
# Run as root (or with sudo available).
set -euo pipefail

group=${1:-test}

game=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libgl-dev
  libjpeg62-turbo-dev libpng-dev libtiff-dev zlib1g-dev
  nlohmann-json3-dev
  fonts-comic-neue fonts-liberation2 fonts-dejavu-core
)
test=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format-14
  xvfb xauth
  # the install check: Debian packaging and the desktop file validators
  dpkg-dev file desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin
  # tests: the Debian package built by debhelper and linted, the licensing check
  debhelper lintian reuse
)

case $group in
  game) packages=("${game[@]}") ;;
  test) packages=("${game[@]}" "${test[@]}") ;;
  *)
    echo "usage: $0 [game|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
