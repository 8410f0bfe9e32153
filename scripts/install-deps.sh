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

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  # A mirror in the middle of a sync fails one index now and then; apt says
  # which, and the install below copes with it.
  update_failed=0
  apt-get update -qq || update_failed=1
  # apt's errors stay on standard error (the demonstration hides standard
  # output); a copy tells why the install failed.
  if { apt-get install -y -qq --no-install-recommends "${missing[@]}" 2>&1 1>&3 |
       tee "$scratch/errors" >&2; } 3>&1; then
    :
  elif grep -q 'held broken packages' "$scratch/errors" ||
       { [ $update_failed = 1 ] && ! grep -q 'Unable to locate package' "$scratch/errors"; }; then
    # wine32's i386 libraries must carry exactly the version of their amd64
    # twins. While one architecture's index of the security suite is missing
    # or behind the other's, no pair agrees ("held broken packages"). Ranking
    # the security suite below the others for this one command lets both
    # take the same versions; the next install uses it as usual. The pin is
    # kept beside the system's own pins in the scratch folder, not in /etc/apt.
    mkdir "$scratch/preferences.d"
    cp /etc/apt/preferences.d/* "$scratch/preferences.d/" 2>/dev/null || true
    printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' \
      >"$scratch/preferences.d/zz-security-below-others.pref"
    echo "The mirror's indexes disagree (a sync in progress?); installing again with the security suite ranked below the others" >&2
    apt-get install -y -qq --no-install-recommends \
      -o Dir::Etc::PreferencesParts="$scratch/preferences.d" "${missing[@]}"
  else
    exit 1
  fi
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
