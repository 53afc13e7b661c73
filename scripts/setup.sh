#!/usr/bin/env bash
# Installs what building and testing Quillomar needs on a Debian machine, as root or through sudo.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgtest-dev xvfb xdotool imagemagick fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p"); done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
