#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, only those that are missing.
# Usage: tools/install-deps.sh [build|fuzz|sanitize|gui-check|desktop]...
set -euo pipefail

# qt6-tools-dev and qt6-l10n-tools build the translations; qt6-translations-l10n holds Qt's own.
# clang-format and clang-tidy check the formatting and the names in `make test`.
packages=(build-essential cmake qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n libgl-dev socat clang-format clang-tidy git)
for extra in "$@"; do
    case "$extra" in
    build) ;;
    fuzz | sanitize) packages+=(clang libclang-rt-14-dev) ;;
    gui-check) packages+=(xvfb xauth imagemagick) ;;
    # The validators the install tests and `make check-package` run.
    desktop) packages+=(desktop-file-utils appstream lintian) ;;
    *) echo "unknown package group: $extra" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
