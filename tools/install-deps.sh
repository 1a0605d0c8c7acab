#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Orvane need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends \
  build-essential cmake ninja-build pkg-config git \
  clang-14 libclang-rt-14-dev clang-format \
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev \
  libjpeg62-turbo-dev \
  libgtest-dev libgmock-dev googletest libbenchmark-dev \
  g++-mingw-w64-x86-64 wine wine64 \
  xvfb xauth x11-utils fonts-liberation \
  zsh bash-completion desktop-file-utils appstream lintian man-db groff-base
