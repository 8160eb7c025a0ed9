# Shared by run.sh and test.sh: install what is missing, configure, build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-translations-l10n fonts-liberation2 libbenchmark-dev
                desktop-file-utils appstream # validate the desktop files
                librsvg2-bin qt6-svg-dev # render the figure in its test, as a browser and Qt do; the resolver window shows it
                nlohmann-json3-dev # sorvani-calc writes its JSON with it
                libfast-float-dev) # every number is read through its from_chars
# The web pages: Debian's clang and lld for WebAssembly, with the C and C++
# libraries for WASI, and Python's http.server to serve the site.
WEB_PACKAGES=(cmake clang-19 lld-19 llvm-19 wasi-libc libc++-19-dev-wasm32 libc++abi-19-dev-wasm32
              libclang-rt-19-dev-wasm32 nlohmann-json3-dev libfast-float-dev python3)

# Installs the Debian packages that are not there yet; without root it prints
# the one command to run and stops.
need_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing ${missing[*]} ..."
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
  local dir="$1"
  shift
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)" ${BUILD_TARGETS:+--target ${BUILD_TARGETS}}
}
