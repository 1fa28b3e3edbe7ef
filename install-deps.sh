#!/bin/sh
# Installs every Debian package Pheltra needs to build, test, fuzz, benchmark,
# regenerate its data tables and take screenshots. Safe to run repeatedly:
# packages already present are left alone and apt is not touched at all then.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config git ccache clang-format
  clang libclang-rt-14-dev llvm
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libqcustomplot-dev
  python3 python3-numpy python3-xraylib libxrl-dev python-fisx-common
  python3-dev pybind11-dev python3-pybind11 python3-pytest
  python3-setuptools python3-wheel python3-venv python3-build
  fonts-liberation2 fonts-dejavu-core
  xvfb x11-utils xdotool imagemagick librsvg2-bin poppler-utils
  locales
  dpkg-dev desktop-file-utils appstream groff-base
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -n "$missing" ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "install-deps.sh: missing packages:$missing (run as root to install them)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
fi
