#!/usr/bin/env bash
# Installs what Tombolin needs to build, run and be tested on Debian 12, then builds it and lays
# out the program directory (build/programa). Only packages that are missing are installed.
set -euo pipefail
cd "$(dirname "$0")/.."

paquetes=(
    g++ cmake ninja-build
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-pdf-dev qt6-translations-l10n fonts-liberation2
    libgtest-dev libbenchmark-dev poppler-utils
)

faltan=()
for p in "${paquetes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if ((${#faltan[@]})); then
    echo "Instalando: ${faltan[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOMBOLIN_AVISOS_COMO_ERRORES=ON
cmake --build build
