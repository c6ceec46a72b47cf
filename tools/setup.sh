#!/usr/bin/env bash
# Installs what thermreport needs to build, test, package and look at its output on Debian 12.
# Idempotent: packages already present are left alone and apt is not touched at all.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libqpdf-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format git
    fonts-liberation2 fonts-noto-cjk fonts-vlgothic fonts-wqy-microhei
    qt6-translations-l10n
    poppler-utils qpdf xvfb xauth
    librsvg2-bin
    desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev file
    python3
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
