#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the game into a scratch DESTDIR and checks it as a Linux desktop
# would use it: validators on the desktop entry, the metadata and the file
# type, .prl files recognised, and the installed program run by a player who
# cannot write the install folder. check_package.sh checks the Debian package.
# Usage: check_install.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build=$1 version=$2 app_id=$3

scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
fail() {
  echo "install check: $*" >&2
  exit 1
}

dest=$scratch/dest
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
share=$dest/usr/share
level=$share/prismora/levels/Level01.prl
[ -f "$level" ] || fail "no level series in $share/prismora/levels"

desktop-file-validate "$share/applications/$app_id.desktop"
metainfo=$share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || appstreamcli validate --no-net "$metainfo"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metadata lacks release $version"
xmllint --noout "$share/mime/packages/$app_id.xml" "$share/icons/hicolor/scalable/apps/$app_id.svg"
hicolor=$share/icons/hicolor
xmllint --noout "$hicolor/scalable/mimetypes/application-x-prismora-level.svg" \
  "$hicolor/symbolic/apps/$app_id-symbolic.svg"
for size in 16 22 24 32 48 64 128 256; do
  for icon in "$hicolor/${size}x$size/apps/$app_id.png" \
    "$hicolor/${size}x$size/mimetypes/application-x-prismora-level.png"; do
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is not $size px"
  done
done
for page in man6/prismora.6 man6/prismora-cli.6 sv/man6/prismora.6 sv/man6/prismora-cli.6; do
  [ -f "$share/man/$page" ] || fail "no manual page $page"
done

# The file type from the installed package alone: by name, and by content
# (with and without a UTF-8 byte-order mark) for a file without the extension.
mkdir -p "$scratch/xdg" "$scratch/samples"
cp -r "$share/mime" "$scratch/xdg/mime"
XDG_DATA_DIRS="$scratch/xdg" update-mime-database "$scratch/xdg/mime"
cp "$level" "$scratch/samples/friend.prl"
cp "$level" "$scratch/samples/no-extension"
{ printf '\xef\xbb\xbf'; cat "$level"; } >"$scratch/samples/with-bom"
for sample in "$scratch"/samples/*; do
  type=$(XDG_DATA_HOME="$scratch/none" XDG_DATA_DIRS="$scratch/xdg" \
    gio info -a standard::content-type "$sample" | sed -n 's/.*standard::content-type: //p')
  [ "$type" = application/x-prismora-level ] || fail "$(basename "$sample") is '$type'"
done
XDG_DATA_HOME="$scratch/none" XDG_DATA_DIRS="$scratch/xdg" gio info -a standard::icon \
  "$scratch/samples/friend.prl" | grep -q application-x-prismora-level ||
  fail "the file type does not name its icon"

# A player who cannot write the install folder runs the installed program.
. "$(dirname "$0")/player.sh" "$scratch" "$dest/usr/bin"
program=$dest/usr/bin/prismora
[ "$(as_player "$program" --version)" = "Prismora version $version" ] ||
  fail "prismora --version does not say $version"
solution=$(as_player "$program" --solve "$level") || fail "--solve failed: $solution"
grep -q '"solution":\[{' <<<"$solution" || fail "no solution printed: $solution"
echo "install check: all passed"
