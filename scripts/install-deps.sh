#!/bin/sh
# Installs the Debian packages the build, the tests, the package and the program need.
# Quick when everything is already there: it only asks dpkg.
set -eu

# lld: links the test programs faster than the default linker.
# qt6-translations-l10n: the Russian of Qt's own dialogs (file, print, fonts).
# desktop-file-utils, appstream-util, dpkg-dev, file: checking the installed files and
# building the Debian package.
PACKAGES="cmake ninja-build g++ lld clang clang-tidy clang-format pkg-config make
qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev libicu-dev libical-dev
fonts-liberation2 poppler-utils qt6-translations-l10n locales
desktop-file-utils appstream-util dpkg-dev file"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "install-deps: installing$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
