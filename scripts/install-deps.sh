#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Ondrix needs.
# Idempotent: packages already present are not fetched again. Works as root, uses sudo otherwise.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build pkg-config clang-format ccache
  # libraries
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools qt6-tools-dev libqt6svg6 libxcb1-dev
  libcurl4-openssl-dev libexiv2-dev libplist-dev libsqlite3-dev libcanberra-dev libglib2.0-dev libsystemd-dev
  qtkeychain-qt6-dev libsecret-1-0
  # tests
  libgtest-dev libgmock-dev python3 python3-openssl python3-paramiko python3-pyftpdlib openssl
  openssh-server openssh-client python3-dbusmock dbus dbus-daemon imagemagick xvfb xauth attr
  # a Wayland session with XWayland (headless Weston) and Qt's Wayland platform
  weston xwayland qt6-wayland x11-utils
  # a real Secret Service (keyring) and its command-line client
  gnome-keyring libsecret-tools
  # promtool checks the metrics file; systemd-journald receives the journal fields
  prometheus systemd
  # benchmarks
  libbenchmark-dev lftp vsftpd
  # package checks
  # (lintian's hardening tags, and readelf for the stack protector it does not check)
  dpkg-dev desktop-file-utils appstream lintian binutils librsvg2-bin gzip
  # Qt's own translations, loaded beside ours
  qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
