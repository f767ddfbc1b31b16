#!/usr/bin/env bash
# Opens the program on a virtual screen and saves a picture of it, for looking at a window
# without a display. Usage: scripts/captura.sh salida.png [carpeta-del-programa] [segundos]
set -euo pipefail
cd "$(dirname "$0")/.."
salida=$(realpath -m "${1:-captura.png}")
carpeta=${2:-build/programa}
espera=${3:-3}
for p in xvfb imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || {
        [ "$(id -u)" -eq 0 ] || { echo "Falta el paquete $p" >&2; exit 1; }
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p"
    }
done
xvfb-run -a -s "-screen 0 1280x900x24" bash -c "
    '$carpeta/tombolin' & pid=\$!
    sleep $espera
    import -window root '$salida'
    kill \$pid
"
echo "$salida"
