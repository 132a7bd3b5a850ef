#!/usr/bin/env bash
# Installs what building (and, with "test", testing) the game needs, through apt-get.
# Only what is missing is installed; on a system without apt-get it names the packages and stops.
set -euo pipefail
pkgs=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libfontconfig-dev
      fonts-ipafont-gothic fonts-dejavu-core libpng-dev libx11-dev)
if [ "${1:-}" = test ]; then
  pkgs+=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xdotool x11-utils xauth imagemagick)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if ! command -v apt-get >/dev/null 2>&1; then
  echo "Please install these packages (Debian names): ${missing[*]}" >&2
  exit 1
fi
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
