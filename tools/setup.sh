#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Kolibra needs to build, run and test
# that is not on the machine yet. This is the one place that lists packages.
set -euo pipefail

packages=(
  # toolchain and build
  g++ cmake ninja-build ccache pkg-config lld
  # user interface, painting, printing, pictures
  qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation
  # video decoding and encoding
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libavdevice-dev
  # the second media framework
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  gstreamer1.0-plugins-bad gstreamer1.0-plugins-ugly
  # spreadsheets
  libxlsxwriter-dev libminizip-dev
  # desktop integration and the Debian package
  shared-mime-info desktop-file-utils dpkg-dev file
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # fixtures and screenshots
  ffmpeg xvfb xauth imagemagick xdotool xclip poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Kolibra setup: these packages are missing and neither root nor sudo is available:" >&2
  echo "  ${missing[*]}" >&2
  exit 1
fi

echo "Kolibra setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
