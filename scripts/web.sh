#!/usr/bin/env bash
# Builds the web pages into build-web/site/ (the pages of web/ and sorvani.wasm,
# the C++ of the program compiled to WebAssembly) and serves them at
# http://localhost:8080. With --build it only builds.
source "$(dirname "$0")/common.sh"
need_packages "${WEB_PACKAGES[@]}"

BUILD="$ROOT/build-web"
cmake -S "$ROOT/web/wasm" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/web/wasm/wasm32-wasi.cmake" >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)"

# Every file of web/ but the module's C++ sources, and the module.
SITE="$BUILD/site"
rm -rf "$SITE"
mkdir -p "$SITE"
(cd "$ROOT/web" && find . -path ./wasm -prune -o -type f -print0) |
  (cd "$ROOT/web" && xargs -0 -r cp --parents -t "$SITE")
install -m 644 "$BUILD/sorvani.wasm" "$SITE/"
# The worker's cache is named after every other file of the site: a build that
# changes any of them is a new version, which replaces the old cache whole.
version=$(cd "$SITE" && find . -type f ! -name sw.js -print0 | LC_ALL=C sort -z | xargs -0 sha256sum | sha256sum | cut -c1-16)
sed -i "s/const VERSION = 'sorvani-web-dev';/const VERSION = 'sorvani-web-$version';/" "$SITE/sw.js"
grep -q "sorvani-web-$version" "$SITE/sw.js" || { echo "sw.js: no version to set" >&2; exit 1; }
echo "Site: $SITE"

[ "${1:-}" = "--build" ] && exit 0
echo "Sorvani en http://localhost:8080 (Ctrl+C para terminar)"
cd "$SITE"
exec python3 -m http.server 8080 --bind localhost
