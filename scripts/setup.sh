#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine, once.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev llvm-14 python3
  libgtest-dev libgmock-dev libbenchmark-dev valgrind
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 xvfb xauth
  libcairo2-dev libfontconfig-dev pkg-config fonts-dejavu-core
  zip unzip
  libsdl2-dev libx11-dev xdotool
  libcli11-dev nlohmann-json3-dev clang-format clang-tidy
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
