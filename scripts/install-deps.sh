#!/usr/bin/env bash
# Installs the cross compiler, Wine, Xvfb, the Japanese locale and font and
# Chromium (the browser test), skipping everything that is already present.
set -euo pipefail

packages=(g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 mingw-w64-i686-dev wine wine32 xvfb xauth
          locales fonts-ipafont-gothic cmake ninja-build googletest imagemagick zip chromium)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  # A mirror in the middle of a sync fails one index now and then; the
  # install below still says plainly when a package cannot be had.
  apt-get update -qq || echo "apt-get update reported errors; installing with the lists it has" >&2
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
