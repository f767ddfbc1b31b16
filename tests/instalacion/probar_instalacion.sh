#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks what a desktop needs is there and valid, and
# starts the installed program once as a new user would: its files must go to that user's data
# folder, none beside the read-only shipped ones.
#   probar_instalacion.sh <build directory>
set -euo pipefail
build=$1
raiz=$(mktemp -d)
trap 'chmod -R u+w "$raiz"; rm -rf "$raiz"' EXIT
prefijo=$raiz/usr
cmake --install "$build" --prefix "$prefijo" >/dev/null

fallos=0
falla() { echo "FALLO: $*" >&2; fallos=$((fallos + 1)); }

id=example.tombolin.Tombolin
for f in bin/tombolin share/tombolin/tablas.bin share/tombolin/historico/numeros.dat \
         share/tombolin/Tombolin.net share/tombolin/Tombolin1.net share/tombolin/Tombolin.mdb \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg; do
    [ -s "$prefijo/$f" ] || falla "no se ha instalado $f"
done
for t in 16 24 32 48 64 128 256; do
    png=$prefijo/share/icons/hicolor/${t}x${t}/apps/$id.png
    # The PNG header holds width and height at bytes 16..23, big-endian.
    [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" 2>/dev/null | tr -s ' ')" = " $t $t" ] ||
        falla "el icono de $t px no es un PNG de ${t}x${t}"
done
cmp -s "$prefijo/share/tombolin/historico/numeros.dat" "$(dirname "$0")/../../data/historico/numeros.dat" ||
    falla "el histórico instalado no es el del programa"

desktop-file-validate "$prefijo/share/applications/$id.desktop" || falla "desktop-file-validate"
grep -qx "Icon=$id" "$prefijo/share/applications/$id.desktop" || falla "el icono del menú"
appstreamcli validate --no-net "$prefijo/share/metainfo/$id.metainfo.xml" >/dev/null ||
    falla "appstreamcli validate"

# Installed read-only, as under /usr; started by a user with an empty home.
chmod -R a-w "$prefijo"
casa=$raiz/casa
mkdir -p "$casa"
env -i PATH="$PATH" HOME="$casa" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    timeout 60 "$prefijo/bin/tombolin" --sin-presentacion --salir-tras-pintar ||
    falla "el programa instalado no arranca (salida $?)"
datos=$casa/.local/share/Tombolin
for f in numeros.dat apuestas.dat nums.ini Tombolin.mdb; do
    [ -e "$datos/$f" ] || falla "no se ha creado $f en la carpeta del usuario"
done
[ ! -e "$prefijo/share/tombolin/numeros.dat" ] || falla "ha escrito en la carpeta instalada"

# The timer's run, for another new user, without a display: it reads the installed tables and
# stops on the connection (nobody answers on port 9), not on a file it can't find.
otra=$raiz/otra
mkdir -p "$otra"
estado=0
errores=$(env -i PATH="$PATH" HOME="$otra" LC_ALL=C.UTF-8 TOMBOLIN_SERVICIO=http://127.0.0.1:9 timeout 60 "$prefijo/bin/tombolin" --comprobar 2>&1 >/dev/null) || estado=$?
[ "$estado" -eq 1 ] || falla "tombolin --comprobar instalado sale con $estado: $errores"
grep -q "Error de conexión" <<<"$errores" || falla "tombolin --comprobar instalado dice: $errores"
[ -e "$otra/.local/share/Tombolin/numeros.dat" ] || falla "tombolin --comprobar no usa la carpeta del usuario"

if ((fallos)); then exit 1; fi
echo "instalación correcta"
