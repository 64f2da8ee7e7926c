#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Quorvane Log needs.
# Idempotent: packages already present are left alone, and the package lists are
# refreshed only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-serialport-dev qt6-multimedia-dev qt6-speech-dev
  # Speech for the voice keyer: the flite engine needs no daemon, and Debian's
  # qt6-speech-dev needs qt6-declarative-dev's CMake files without depending on it.
  qt6-speech-flite-plugin qt6-declarative-dev
  qt6-qpa-plugins
  libgl-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
  clang libclang-rt-14-dev clang-format
  time xvfb xdotool x11-utils valgrind
  # Real peers of the tests and shipped data: the country files and the
  # community call list, the hamlib radio daemon, a packet engine, pseudo
  # terminals, speech, and the accessibility bus a screen reader listens on.
  hamradio-files libhamlib-utils direwolf socat espeak-ng
  dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  # The Debian package's checks.
  lintian desktop-file-utils appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# node and npm are only for the independent file-format checks; take Debian's
# packages only where no node is on the machine already.
if ! command -v node >/dev/null 2>&1; then
  missing+=(nodejs npm)
fi

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
