#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing.
# Runs apt-get as root directly, otherwise through sudo when it is available.
set -euo pipefail

packages=(
  build-essential
  cmake
  googletest
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  nlohmann-json3-dev
  libcli11-dev
  libsimpleini-dev
  pkg-config
  qt6-base-dev
  qt6-svg-dev
  qt6-qpa-plugins
  qt6-translations-l10n
  libjpeg-dev
  fonts-liberation2
  fonts-dejavu
  fonts-noto-cjk
  poppler-utils
  # The Debian package and the checks of the installed files: cpack's
  # dependency computation needs file (and dpkg-shlibdeps of build-essential),
  # the tests run the validators of the desktop entry, the software centre
  # metadata and the package, and groff on the manual pages.
  file
  desktop-file-utils
  appstream
  lintian
  groff-base
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "error: packages missing (${missing[*]}) and neither root nor sudo is available" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
