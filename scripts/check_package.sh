#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in the given build folder and checks that it
# unpacks into a scratch root with every file in its place, and that the
# unpacked aerodex-cli runs.
set -euo pipefail
build=${1:-build}
if ! output=$(cd "$build" && rm -f aerodex_*.deb && cpack -G DEB 2>&1); then
  echo "$output"
  exit 1
fi
deb=$(ls "$build"/aerodex_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for file in \
  usr/bin/aerodex usr/bin/aerodex-cli \
  usr/share/applications/io.github.aerodex.aerodex.desktop \
  usr/share/mime/packages/aerodex.xml \
  usr/share/metainfo/io.github.aerodex.aerodex.metainfo.xml \
  usr/share/icons/hicolor/48x48/apps/aerodex.png \
  usr/share/icons/hicolor/256x256/mimetypes/application-x-aerodex.png \
  usr/share/icons/hicolor/scalable/apps/aerodex.svg \
  usr/share/icons/hicolor/scalable/mimetypes/application-x-aerodex.svg \
  usr/share/doc/aerodex/aerodex.html \
  usr/share/doc/aerodex/copyright \
  usr/share/doc/aerodex/changelog.gz \
  usr/share/man/man1/aerodex.1.gz \
  usr/share/man/man1/aerodex-cli.1.gz \
  usr/share/bash-completion/completions/aerodex-cli \
  usr/share/zsh/vendor-completions/_aerodex-cli; do
  [ -f "$root/$file" ] || { echo "missing from the package: /$file"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-liberation qt6-qpa-plugins; do
  grep -q "$dependency" <<<"$depends" || { echo "not declared: $dependency ($depends)"; exit 1; }
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$("$root/usr/bin/aerodex-cli" --version)" = "aerodex-cli $version" ]
[ "$("$root/usr/bin/aerodex" --version)" = "aerodex $version" ]
# What a distribution checks: Debian's policy (lintian, failing on any error or
# warning), the AppStream metainfo and the desktop entry. --no-net: the
# homepage is not fetched.
if ! findings=$(lintian --fail-on error,warning "$deb" 2>&1); then
  grep -v 'running with root privileges' <<<"$findings"
  exit 1
fi
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/io.github.aerodex.aerodex.metainfo.xml" >/dev/null ||
  { appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/io.github.aerodex.aerodex.metainfo.xml"; exit 1; }
desktop-file-validate "$root/usr/share/applications/io.github.aerodex.aerodex.desktop"
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Installed-Size) KiB installed"
