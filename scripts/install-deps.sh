#!/usr/bin/env bash
# Installs the Debian packages a build or test needs, skipping what is there.
#   install-deps.sh native   compiler, CMake, GoogleTest, Google Benchmark, fast_float
#   install-deps.sh windows  MinGW-w64, 32-bit Wine, Xvfb, a CJK font, test tools
set -euo pipefail

native=(build-essential cmake ninja-build git libgtest-dev libgmock-dev libbenchmark-dev
        libfast-float-dev nlohmann-json3-dev clang-format python3)
windows=(mingw-w64 wine wine32 xvfb xauth x11-apps xdotool fonts-wqy-microhei
         python3-pefile imagemagick)

wanted=()
for set in "$@"; do
  case "$set" in
    native) wanted+=("${native[@]}") ;;
    windows) wanted+=("${windows[@]}") ;;
    *) echo "install-deps.sh: unknown set '$set' (native, windows)" >&2; exit 2 ;;
  esac
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if printf '%s\n' "${wanted[@]}" | grep -qx wine32 && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
  rm -f /tmp/.ambrix-apt-updated
fi

missing=()
for pkg in "${wanted[@]}"; do
  arch_pkg="$pkg"
  [ "$pkg" = wine32 ] && arch_pkg="wine32:i386"
  dpkg-query -W -f='${Status}' "$arch_pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$arch_pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
