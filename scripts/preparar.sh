#!/usr/bin/env bash
# Installs what Tombolin needs to build, run and be tested on Debian 12, then builds it and lays
# out the program directory (build/programa). Only packages that are missing are installed.
set -euo pipefail
cd "$(dirname "$0")/.."

# The list lives in scripts/paquetes.txt so that comprobar-dependencias.sh checks the same one.
mapfile -t paquetes < <(awk '{ sub(/#.*/, ""); for (i = 1; i <= NF; i++) print $i }' scripts/paquetes.txt)
((${#paquetes[@]})) || { echo "No hay paquetes en scripts/paquetes.txt" >&2; exit 1; }

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
