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

scratch=""
trap '[ -z "$scratch" ] || rm -rf "$scratch"' EXIT

# wine32's i386 libraries must carry exactly the version of their amd64
# twins. While the mirror syncs, one architecture's index of the security
# suite may be missing or behind the other's; then no pair can agree and apt
# reports "held broken packages". Pinning the security suite below the
# others for this one command lets both architectures take the same
# versions. The pin lives in a scratch folder, never in /etc/apt.
install_with_agreeing_candidates() {
  scratch=$(mktemp -d)
  mkdir -p "$scratch/preferences.d"
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' \
    >"$scratch/preferences.d/security-below-others.pref"
  echo "The mirror's indexes disagree between architectures; installing with the security suite pinned below the others for this install" >&2
  apt-get install -y -qq --no-install-recommends \
    -o Dir::Etc::PreferencesParts="$scratch/preferences.d" "$@"
}

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  # A mirror in the middle of a sync fails one index now and then; the
  # install below still says plainly when a package cannot be had.
  update_failed=0
  apt-get update -qq || update_failed=1
  log=$(mktemp)
  if apt-get install -y -qq --no-install-recommends "${missing[@]}" 2>&1 | tee "$log"; then
    rm -f "$log"
  elif grep -q 'held broken packages' "$log" ||
       { [ $update_failed = 1 ] && ! grep -q 'Unable to locate package' "$log"; }; then
    rm -f "$log"
    install_with_agreeing_candidates "${missing[@]}"
  else
    rm -f "$log"
    echo "Installing ${missing[*]} failed; see apt-get's message above" >&2
    exit 1
  fi
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
