#!/usr/bin/env bash
# Opens the program on a virtual screen and saves a picture of it, for looking at a window
# without a display. Keys (xdotool names) can be sent first, e.g. "ctrl+3" for the third tab,
# and clicks as "clic:x,y" (screen pixels).
# Usage: scripts/captura.sh salida.png [carpeta-del-programa] [segundos] [teclas...]
set -euo pipefail
cd "$(dirname "$0")/.."
salida=$(realpath -m "${1:-captura.png}")
carpeta=${2:-build/programa}
espera=${3:-3}
shift $(( $# < 3 ? $# : 3 ))
teclas="$*"
for p in xvfb imagemagick xdotool; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || {
        [ "$(id -u)" -eq 0 ] || { echo "Falta el paquete $p" >&2; exit 1; }
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p"
    }
done
xvfb-run -a -s "-screen 0 1280x900x24" bash -c "
    '$carpeta/tombolin' --sin-presentacion & pid=\$!
    sleep $espera
    ventana=\$(xdotool search --name "^Tombolin\$" | head -1)
    for t in $teclas; do
        xdotool windowfocus \$ventana 2>/dev/null
        case \$t in
            clic:*) xy=\${t#clic:}; xdotool mousemove \${xy%,*} \${xy#*,} click 1 ;;
            *) xdotool key --clearmodifiers \"\$t\" ;;
        esac
        sleep 0.5
    done
    sleep 0.5
    import -window root '$salida'
    kill \$pid
"
echo "$salida"
