#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when one is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qtbase5-dev qtbase5-dev-tools qtbase5-private-dev qtdeclarative5-dev qtquickcontrols2-5-dev
  qttools5-dev qttools5-dev-tools libqt5svg5-dev
  qml-module-qtquick2 qml-module-qtquick-controls qml-module-qtquick-controls2
  qml-module-qtquick-layouts qml-module-qtquick-window2 qml-module-qtqml-models2
  qml-module-qtquick-dialogs qml-module-qtquick-templates2 qml-module-qt-labs-settings
  libqt5svg5 qt5-image-formats-plugins qttranslations5-l10n
  libbackward-cpp-dev libdw-dev libbenchmark-dev clang-format
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core fonts-dejavu-extra
  fonts-liberation2 poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
