#!/usr/bin/env bash
# Builds the Debian package of Sorvani: build-package/sorvani_<version>_<arch>.deb
# (or in $SORVANI_BUILD_DIR), and prints its path.
# Install it with: sudo apt-get install ./build-package/sorvani_*.deb
source "$(dirname "$0")/common.sh"
# dpkg-shlibdeps (dpkg-dev) works out the package's library dependencies.
need_packages "${BUILD_PACKAGES[@]}" dpkg-dev

BUILD="${SORVANI_BUILD_DIR:-$ROOT/build-package}"
# Only the program and its icons: cpack would otherwise build every test first.
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DSORVANI_BENCHMARKS=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)" --target sorvani sorvani_icons
rm -f "$BUILD"/sorvani_*.deb
(cd "$BUILD" && cpack -G DEB)

deb="$(ls "$BUILD"/sorvani_*.deb)"
# The package must name what the program loads at run time, not only what it links.
depends="$(dpkg-deb -f "$deb" Depends)"
for p in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation2; do
  if ! grep -qE "(^|, )$p( |,|$)" <<<"$depends"; then
    echo "$deb does not depend on $p (Depends: $depends)" >&2
    exit 1
  fi
done
echo "$deb"
