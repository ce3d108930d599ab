#!/usr/bin/env bash
# Installs what the build, the tests and the screenshots need on Debian 12 (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(cmake ninja-build g++ qt6-base-dev libcurl4-openssl-dev libgtest-dev libgmock-dev
          libbenchmark-dev xvfb xauth poppler-utils clang-format fonts-liberation)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
