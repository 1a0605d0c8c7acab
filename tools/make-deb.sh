#!/usr/bin/env bash
# Builds Orvane with Debian's hardening flags, installs it into a staging
# tree (the programs in /usr/games, as Debian keeps games) and packs that as
# build/orvane_<version>_<arch>.deb. The libraries it
# depends on are found from the programs by dpkg-shlibdeps. The package's
# path is the last line printed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/package
# Laid out as Debian's own tools lay out a package's tree, where
# dpkg-shlibdeps expects the programs.
work=$build/deb
stage=$work/debian/orvane

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake --preset package >/dev/null
cmake --build --preset package --target orvane orvanectl
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --strip >/dev/null
# As Debian's dh_strip leaves them: without the compiler's notes either.
strip --remove-section=.comment --remove-section=.note "$stage"/usr/games/*

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
package=$root/build/orvane_${version}_${arch}.deb

# What Debian keeps beside every package: the licence and the changes,
# compressed as Debian's tools compress them, like the manual pages.
doc=$stage/usr/share/doc/orvane
install -d -m 755 "$doc"
install -m 644 dist/debian/copyright "$doc/copyright"
gzip -9n <dist/debian/changelog >"$doc/changelog.gz"
gzip -9nf "$stage"/usr/share/man/man6/*.6
find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f -exec chmod 644 {} +
chmod 755 "$stage"/usr/games/*

# The libraries the programs link, as package names with versions (found
# below the DEBIAN directory that marks the package's root).
install -d -m 755 "$stage/DEBIAN"
printf 'Source: orvane\n\nPackage: orvane\nArchitecture: any\n' >"$work/debian/control"
depends=$(cd "$work" && dpkg-shlibdeps -O debian/orvane/usr/games/orvane debian/orvane/usr/games/orvanectl |
  sed -n 's/^shlibs:Depends=//p')
cat >"$stage/DEBIAN/control" <<CONTROL
Package: orvane
Version: $version
Architecture: $arch
Maintainer: The Orvane developers <orvane@users.noreply.github.com>
Installed-Size: $(du -sk --apparent-size "$stage/usr" | cut -f1)
Depends: $depends
Recommends: wine
Suggests: steam-installer
Section: games
Priority: optional
Homepage: https://github.com/orvane/orvane
Description: Half-Life bot match launcher
 Orvane is a launcher for Half-Life and ten of its bot mods: Action HL,
 Botman, Counter-Strike, Firebot (for Firearms), Front Line Force, Jumbot,
 Phineas, Rocket Crowbar, Sci-hunt and TFC. Pick an installed mod, edit its
 game rules, map cycle and bot roster in a window made for that mod, and
 start a LAN listen server against bots.
 .
 Orvane writes the files the game and the bot add-ons read in their exact
 formats, keeps a copy of each original, and starts Half-Life through Steam
 or Wine. orvanectl does the same from scripts and desktop shortcuts.
CONTROL
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

dpkg-deb --root-owner-group -Zxz --build "$stage" "$package" >/dev/null
echo "$package"
