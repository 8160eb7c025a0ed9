#!/usr/bin/env bash
# Builds the Debian package of Sorvani: build-package/sorvani_<version>_<arch>.deb
# (or in $SORVANI_BUILD_DIR), checks it with lintian, and prints its path.
# Install it with: sudo apt-get install ./build-package/sorvani_*.deb
source "$(dirname "$0")/common.sh"
# dpkg-shlibdeps and dpkg-buildflags (dpkg-dev) work out the package's library
# dependencies and Debian's hardening flags; lintian checks the package.
need_packages "${BUILD_PACKAGES[@]}" dpkg-dev lintian

BUILD="${SORVANI_BUILD_DIR:-$ROOT/build-package}"
# What the package holds, built alone: cpack would otherwise build every test first.
PACKAGE_TARGETS=(sorvani sorvani-calc sorvani_icons sorvani_docs)

# The packaged programs are built with Debian's hardening flags (all of them:
# stack protector, fortified functions, read-only relocations bound at start).
# The Release build type gives the optimisation, and nothing is kept for a
# debugger, since the package ships its programs stripped.
buildflag() {
  (cd "$ROOT" && DEB_BUILD_MAINT_OPTIONS=hardening=+all \
     DEB_CXXFLAGS_MAINT_STRIP="-g -O2" dpkg-buildflags --get "$1")
}
# The web pages go in too, under /usr/share/sorvani/web/.
bash "$ROOT/scripts/web.sh" --build
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DSORVANI_BENCHMARKS=OFF \
  -DSORVANI_WEB_SITE="$ROOT/build-web/site" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  "-DCMAKE_CXX_FLAGS=$(buildflag CPPFLAGS) $(buildflag CXXFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(buildflag LDFLAGS)" >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)" --target "${PACKAGE_TARGETS[@]}"
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
# Debian's own checks of the package: any error or warning fails.
lintian --fail-on error,warning "$deb"
echo "$deb"
