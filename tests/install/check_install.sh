#!/usr/bin/env bash
# Installs the game into a scratch DESTDIR and checks it as a Linux desktop
# would use it: validators on the desktop entry, the metadata and the file
# type, .prl files recognised, the installed program run by a player who
# cannot write the install folder, and the Debian package's contents.
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
for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x$size/apps/$app_id.png
  file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is not $size px"
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

# A player who cannot write the install folder runs the installed program.
home=$scratch/home
mkdir "$home"
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  as_player() { runuser -u nobody -- env HOME="$home" "$@"; }
else
  chmod -R a-w "$dest"
  as_player() { env HOME="$home" "$@"; }
fi
if as_player test -w "$dest/usr/bin"; then fail "the player can write $dest/usr/bin"; fi
program=$dest/usr/bin/prismora
[ "$(as_player "$program" --version)" = "Prismora version $version" ] ||
  fail "prismora --version does not say $version"
solution=$(as_player "$program" --solve "$level") || fail "--solve failed: $solution"
grep -q '"solution":\[{' <<<"$solution" || fail "no solution printed: $solution"

# The Debian package: its name, what it depends on and what it holds.
if command -v dpkg-shlibdeps >/dev/null; then
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$scratch/cpack.log")"
  deb=$scratch/package/prismora_${version}_amd64.deb
  [ -f "$deb" ] || fail "cpack wrote no $(basename "$deb")"
  depends=$(dpkg-deb -f "$deb" Depends)
  for needed in libqt6widgets6 libjpeg62-turbo libpng16-16 libtiff6 fonts-comic-neue \
    fonts-liberation2 fonts-dejavu-core; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
  done
  [ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
  contents=$(dpkg-deb -c "$deb")
  grep -q " ./usr/bin/prismora$" <<<"$contents" || fail "the package lacks the program"
else
  echo "install check: dpkg-shlibdeps missing, Debian package not checked"
fi
echo "install check: all passed"
