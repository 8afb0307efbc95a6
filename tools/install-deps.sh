#!/usr/bin/env bash
# Installs the Debian packages the player needs that are not installed yet.
# Usage: tools/install-deps.sh [run|test]   (test adds the test tools)
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config
  qtbase5-dev qtwebengine5-dev libqt5webchannel5-dev qttools5-dev qttools5-dev-tools libmpv-dev
  # the X server asked where a window really is (widgets/KoWindowPosition)
  libxcb1-dev
  # run: CJK fonts for the Chinese and Japanese texts, Leaflet for the offline map page,
  # Qt's own texts (file dialogs, standard buttons) in every language of the player
  fonts-noto-cjk libjs-leaflet qttranslations5-l10n
  # the artwork generator draws its texts with DejaVu Sans, and so do the
  # readings burned into an exported clip
  fonts-dejavu-core
  # run: clips are cut and encoded by the ffmpeg program; also the sample
  # recordings (real H.264 video)
  ffmpeg
)
if [ "${1:-run}" = fuzz ]; then
  # tools/install-deps.sh fuzz: clang with its sanitizer and fuzzer runtimes (libFuzzer targets)
  packages+=(clang libclang-rt-14-dev)
fi
if [ "${1:-run}" = test ]; then
  packages+=(
    xvfb xauth imagemagick xdotool
    # end-to-end tests on a desktop: a window manager, xprop to see it is up
    openbox x11-utils
    libgtest-dev libbenchmark-dev
    mpv
    # checks of the installed desktop entry and AppStream metadata
    desktop-file-utils appstream
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
