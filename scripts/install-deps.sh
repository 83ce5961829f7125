#!/usr/bin/env bash
# Installs the Debian 12 packages the reader needs to build, run and test.
# Does nothing when everything is already there, so run.sh and test.sh can call it every time.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config dpkg-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-webengine-dev
  libxcb1-dev libxcb-keysyms1-dev
  libicu-dev
  fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-apps x11-utils imagemagick trayer openbox
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f '${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "install-deps: installing ${missing[*]}"
if [ -z "$(ls /var/lib/apt/lists/ 2>/dev/null | grep -v -e lock -e partial)" ]; then
  $SUDO apt-get update -q
fi
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" \
  || { $SUDO apt-get update -q && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"; }
