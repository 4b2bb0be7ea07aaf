#!/usr/bin/env bash
# Installs the Debian packages Tavuran needs to build, test and run.
# Idempotent: returns at once when everything is present.
set -euo pipefail

PACKAGES=(
  g++ make cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev qt6-translations-l10n
  xvfb xauth
  clang libclang-rt-14-dev
  ccache fonts-liberation2 poppler-utils zlib1g-dev
  libqrencode-dev zbar-tools chromium
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
