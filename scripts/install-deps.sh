#!/usr/bin/env bash
# Installs the Debian packages Telmaris needs to build, run and test, only those missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev qt6-qpa-plugins
  libsqlcipher-dev sqlcipher
  libxlsxwriter-dev libminizip-dev zlib1g-dev
  libgtest-dev googletest
  libboost-dev
  fonts-liberation fontconfig
  poppler-utils xvfb xauth imagemagick xdotool openbox x11-utils
  desktop-file-utils dpkg-dev file strace
  qt6-l10n-tools qt6-translations-l10n clang-format
  python3 python3-xlrd python3-openpyxl
)

# The service's benchmark and its load balancer: only for scripts/bench-service.sh and
# scripts/serve-two.sh, which ask for them with --with-service-tools.
if [ "${1:-}" = "--with-service-tools" ]; then
  packages+=(wrk haproxy curl openssl)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
