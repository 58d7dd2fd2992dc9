#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Pitchwise needs to build, run and test, but only the ones that are
# missing, so a second run costs nothing. Works as root or through sudo.
set -euo pipefail

PKGS=(build-essential cmake ninja-build ccache
      qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qtkeychain-qt6-dev libqt6sql6-sqlite libqt6sql6-psql
      fonts-dejavu-core libcurl4-openssl-dev libssl-dev libx11-dev libxtst-dev libxdamage-dev libglpk-dev
      qt6-tools-dev qt6-l10n-tools qt6-translations-l10n librsvg2-bin)
if [[ ${1:-} == --test ]]; then
    PKGS+=(poppler-utils xvfb postgresql python3-aiosmtpd python3-pyftpdlib python3-icalendar procps e2fsprogs
           clang-14 clang-format-14 libclang-rt-14-dev libfuzzer-14-dev desktop-file-utils appstream dpkg-dev file)
fi

missing=()
for p in "${PKGS[@]}"; do
    [[ $(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null) == installed ]] || missing+=("$p")
done
((${#missing[@]})) || exit 0

SUDO=()
[[ $(id -u) == 0 ]] || SUDO=(sudo)
echo "Installing: ${missing[*]}"
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
