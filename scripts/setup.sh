#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine: the MinGW-w64
# cross compiler, 32-bit Wine, Xvfb, the Japanese locale and fonts,
# GoogleTest sources and ImageMagick. Safe to run again: it installs only
# what is missing.
set -euo pipefail

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

packages=(cmake make mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 xvfb xauth
          locales fonts-noto-cjk fonts-wine googletest imagemagick python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page from the locale: ja_JP gives 932, en_US 1252.
need_locale=0
for loc in ja_JP en_US; do
  locale -a 2>/dev/null | grep -qi "^${loc}\.utf-\?8$" || need_locale=1
done
if [ $need_locale -eq 1 ]; then
  $SUDO sed -i -E 's/^# *(ja_JP\.UTF-8 UTF-8)/\1/; s/^# *(en_US\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi
