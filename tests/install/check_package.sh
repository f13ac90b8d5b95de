#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package as scripts/package.sh does (debhelper, then
# lintian when it is installed: no E: or W: line) and checks what it holds:
# Debian's games layout, the dependencies, the description's level count,
# compressed manual pages, and the unpacked programs run by a player who
# cannot write them, the game finding its series from /usr/games.
# Usage: check_package.sh SOURCE_DIR BUILD_DIR VERSION
set -euo pipefail
source=$1 build=$2 version=$3
fail() {
  echo "package check: $*" >&2
  exit 1
}
if ! command -v dh >/dev/null; then
  echo "package check: debhelper missing, the Debian package is not built"
  exit 0
fi
command -v lintian >/dev/null || echo "package check: lintian missing, the package is not linted"

out=$build/package
bash "$source/scripts/package.sh" "$out"
deb=$out/prismora_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
[ -f "$deb" ] || fail "no $(basename "$deb"): debian/changelog is not at version $version"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libjpeg62-turbo libpng16-16 libtiff6 qt6-translations-l10n \
  fonts-comic-neue fonts-liberation2 fonts-dejavu-core; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
levels=$(find "$source/levels" -name 'Level[0-9][0-9].prl' | wc -l)
description=$(dpkg-deb -f "$deb" Description)
grep -q "^ The game comes with $levels levels in two series" <<<"$description" ||
  fail "the description does not count $levels levels"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in usr/games/prismora usr/games/prismora-cli \
  usr/share/games/prismora/levels/Level01.prl usr/share/doc/prismora/changelog.gz \
  usr/share/doc/prismora/copyright usr/share/man/man6/prismora.6.gz \
  usr/share/man/man6/prismora-cli.6.gz usr/share/man/sv/man6/prismora.6.gz \
  usr/share/man/sv/man6/prismora-cli.6.gz; do
  grep -qx "\./$path" <<<"$contents" || fail "the package lacks /$path"
done
if grep -q '^\./usr/bin/' <<<"$contents"; then fail "the package installs into /usr/bin"; fi

scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
games=$root/usr/games
# The series path compiled into the game (a UTF-16 literal), from its folder;
# strings may run a printable neighbour into it, so only the path is taken.
from_bin=$(strings -e l "$games/prismora" | grep -oE '\.\./share/([^ ]*/)?prismora/levels$')
from_bin=${from_bin%%$'\n'*}
[ -f "$games/$from_bin/Level01.prl" ] || fail "the game looks for its series in '$from_bin'"
. "$(dirname "$0")/player.sh" "$scratch" "$games"
[ "$(as_player "$games/prismora-cli" --version)" = "Prismora version $version" ] ||
  fail "prismora-cli --version does not say $version"
level=$root/usr/share/games/prismora/levels/Level01.prl
as_player env QT_QPA_PLATFORM=offscreen "$games/prismora" --render "$level" "$player_home/board.png" ||
  fail "the packaged game cannot render $level"
file -b "$player_home/board.png" | grep -q "^PNG image data, 451 x 451," ||
  fail "the packaged game rendered no board"
echo "package check: all passed"
