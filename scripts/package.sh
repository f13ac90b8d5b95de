#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package with debhelper from a clean copy of the source
# tree and checks it with lintian when lintian is installed (any E: or W:
# line fails). The .deb files land in OUT_DIR (default build/package).
# Usage: scripts/package.sh [OUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build/package}" && cd "${1:-$root/build/package}" && pwd)
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
# The copy keeps its path from one run to the next, so ccache finds the
# objects of an earlier run (the path is part of the debug information).
work=$out/work
source=$work/prismora-$version
rm -rf "$work"
mkdir -p "$source"

# What git tracks or would track; every file but the build folders without git.
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "$root" ls-files -z --cached --others --exclude-standard |
    (cd "$root" && xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
    tar -C "$root" --null -T - -cf - | tar -C "$source" -xf -
else
  tar -C "$root" --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$source" -xf -
fi

# dpkg-buildpackage gives the build a home of its own; keep the user's ccache.
if command -v ccache >/dev/null && [ -z "${CCACHE_DIR:-}" ]; then
  CCACHE_DIR=$(ccache -k cache_dir)
  export CCACHE_DIR
fi
(cd "$source" && dpkg-buildpackage -us -uc -b -j"${PRISMORA_JOBS:-$(nproc)}") >"$work/build.log" 2>&1 ||
  { tail -n 40 "$work/build.log" >&2; echo "package: dpkg-buildpackage failed, see $work/build.log" >&2; exit 1; }
rm -f "$out"/*.deb
mv "$work"/*.deb "$out"/
deb=$out/prismora_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
echo "package: $deb"

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb"
fi
