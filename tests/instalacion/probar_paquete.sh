#!/usr/bin/env bash
# The Debian package and the timer it installs, as Debian's tools judge them:
#   - the timer and its service pass systemd-analyze verify (on a copy whose ExecStart names the
#     built program), with every calendar line valid, and nothing said;
#   - the .deb that cpack builds carries them, the manual page, the copyright and the changelog,
#     and lintian finds no error and no warning in it.
#   probar_paquete.sh <source directory> <build directory>
set -euo pipefail
fuente=$1
build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fallos=0
falla() { echo "FALLO: $*" >&2; fallos=$((fallos + 1)); }

# The units, with the manual page their Documentation= names, on a user manager of their own.
mkdir -p "$tmp/unidades" "$tmp/man/man1" "$tmp/run"
chmod 700 "$tmp/run"
gzip -9nc "$fuente/packaging/tombolin.1" >"$tmp/man/man1/tombolin.1.gz"
sed "s|^ExecStart=tombolin |ExecStart=$build/programa/tombolin |" \
    "$fuente/packaging/tombolin-comprobar.service" >"$tmp/unidades/tombolin-comprobar.service"
cp "$fuente/packaging/tombolin-comprobar.timer" "$tmp/unidades/"
grep -q "^ExecStart=$build/programa/tombolin --comprobar$" "$tmp/unidades/tombolin-comprobar.service" ||
    falla "el servicio no ejecuta «tombolin --comprobar»"
if ! dicho=$(XDG_RUNTIME_DIR=$tmp/run MANPATH=$tmp/man systemd-analyze --user verify \
        "$tmp/unidades/tombolin-comprobar.timer" "$tmp/unidades/tombolin-comprobar.service" 2>&1); then
    falla "systemd-analyze verify: $dicho"
fi
# verify only warns of what it ignores: a warning is a fault here.
[ -z "$dicho" ] || falla "systemd-analyze verify dice: $dicho"
while IFS= read -r calendario; do
    systemd-analyze calendar "$calendario" >/dev/null 2>&1 || falla "calendario no válido: $calendario"
done < <(sed -n 's/^OnCalendar=//p' "$tmp/unidades/tombolin-comprobar.timer")
grep -q '^Persistent=true$' "$tmp/unidades/tombolin-comprobar.timer" || falla "el temporizador no es persistente"
grep -q '^SuccessExitStatus=2 3$' "$tmp/unidades/tombolin-comprobar.service" ||
    falla "el servicio no da por buenos los estados 2 y 3"

# The package.
(cd "$build" && cpack -G DEB -B "$tmp/paquete" >/dev/null 2>&1)
deb=$(ls "$tmp"/paquete/tombolin_*_amd64.deb)
contenido=$(dpkg-deb -c "$deb")
for f in usr/bin/tombolin usr/lib/systemd/user/tombolin-comprobar.service \
         usr/lib/systemd/user/tombolin-comprobar.timer usr/share/man/man1/tombolin.1.gz \
         usr/share/doc/tombolin/copyright usr/share/doc/tombolin/changelog.gz; do
    grep -q " \./$f\$" <<<"$contenido" || falla "el paquete no trae $f"
done
estado=0
informe=$(lintian --fail-on error,warning "$deb" 2>&1) || estado=$?
if [ "$estado" -ne 0 ] || grep -qE '^[EW]: ' <<<"$informe"; then
    falla "lintian ($estado): $informe"
fi

[ "$fallos" -eq 0 ] || exit 1
echo "paquete y temporizador bien"
