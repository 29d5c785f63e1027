# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: The Gallox Sprintz developers
# Sourced by ./play and ./check: installs with apt whatever the build still lacks.

gallox_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev
                 libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core)

gallox_fail() {
  echo "error: $*" >&2
  exit 1
}

gallox_install_missing() {
  local missing=() p
  for p in "${gallox_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  command -v apt-get >/dev/null ||
    gallox_fail "these packages are missing and apt-get is not available: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null ||
      gallox_fail "these packages are missing: ${missing[*]}; run this as root or install sudo"
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq || gallox_fail "apt-get update failed"
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" || gallox_fail "could not install: ${missing[*]}"
}
