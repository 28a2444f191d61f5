#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Kolibra needs to build, run and test
# that is not on the machine yet. This is the one place that lists packages.
set -euo pipefail

packages=(
  # toolchain and build
  g++ cmake ninja-build ccache pkg-config lld
  # user interface, painting, printing, pictures
  qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation
  # translations: lupdate and lrelease, and Qt's own catalogues for its dialogs
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # video decoding and encoding
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libavdevice-dev
  # the second media framework
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  gstreamer1.0-plugins-bad gstreamer1.0-plugins-ugly
  # image processing for the tracker
  libopencv-dev
  # spreadsheets
  libxlsxwriter-dev libminizip-dev
  # desktop integration and the Debian package
  shared-mime-info desktop-file-utils dpkg-dev file
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # fixtures and screenshots
  ffmpeg xvfb xauth imagemagick xdotool xclip poppler-utils
)

# On a freshly booted machine the system's own updates often hold the package locks for a
# while: wait for them (up to 10 minutes) instead of failing on "Could not get lock".
# KOLIBRA_PACKAGE_LOCKS replaces the list of lock files (the tests use it).
lock_wait=${KOLIBRA_LOCK_WAIT:-600}
locks=(${KOLIBRA_PACKAGE_LOCKS:-/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock /var/cache/apt/archives/lock})

lock_held() {
  # A lock shows in /proc/locks as MAJOR:MINOR:INODE of its file, whoever holds it.
  local lock inode
  for lock in "${locks[@]}"; do
    [[ -e "$lock" ]] || continue
    inode=$(stat -c %i "$lock")
    grep -q ":${inode} " /proc/locks && return 0
  done
  return 1
}

wait_for_package_locks() {
  local waited=0 limit="$((lock_wait / 60)) minutes"
  ((lock_wait % 60 == 0)) || limit="$lock_wait seconds"
  if lock_held; then
    echo "Kolibra setup: another package installation is running; waiting for it to finish (up to $limit)..."
    while lock_held; do
      if ((waited >= lock_wait)); then
        echo "Kolibra setup: the package installation that holds the lock did not finish in $limit; try again when it has." >&2
        exit 1
      fi
      sleep 2
      waited=$((waited + 2))
    done
    echo "Kolibra setup: the other installation has finished."
  fi
}

if [[ "${1:-}" == "--wait-for-locks" ]]; then
  wait_for_package_locks
  exit 0
fi

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
wait_for_package_locks
# apt itself waits too, for a lock taken between the check above and its own start.
apt_wait=(-o "DPkg::Lock::Timeout=$lock_wait")
"${as_root[@]}" apt-get "${apt_wait[@]}" update -qq
"${as_root[@]}" apt-get "${apt_wait[@]}" install -y -qq --no-install-recommends "${missing[@]}"
