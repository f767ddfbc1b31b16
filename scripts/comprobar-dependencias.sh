#!/usr/bin/env bash
# Checks that every Debian package the build and the tests use is in scripts/paquetes.txt or is
# pulled in by it through hard dependencies. preparar.sh installs without Recommends, so a package
# only the developers' machines have (Qt6OpenGL once) would break a fresh one unnoticed.
# Run it after a build. Usage: scripts/comprobar-dependencias.sh [carpeta-de-compilación]
set -euo pipefail
build=$(realpath -m "${1:-$(dirname "$0")/../build}")
cd "$(dirname "$0")"
lista=$PWD/paquetes.txt

fallo() { echo "$*" >&2; exit 1; }
[ -f "$build/build.ninja" ] && [ -f "$build/CMakeCache.txt" ] && [ -f "$build/.ninja_deps" ] ||
    fallo "No hay una compilación terminada con Ninja en $build (ejecuta antes scripts/preparar.sh)"
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
fuente=$(cache CMAKE_HOME_DIRECTORY)
cxx=$(cache CMAKE_CXX_COMPILER)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Every file used, as "why<TAB>path"; paths relative to the build folder are made absolute.
usados=$tmp/usados
anota() { awk -v por="$1" -v b="$build" '{ if ($0 !~ /^\//) $0 = b "/" $0; print por "\t" $0 }' >>"$usados"; }
problemas=()

# Files CMake read while configuring. CMake makes build.ninja depend on each of them (package
# config files included) so that it re-runs when one changes, hence the RERUN_CMAKE edge lists
# them all; the cache and CMakeFiles/ only keep the folders where packages were found.
awk '/^build build\.ninja[ :].*RERUN_CMAKE/ { p = 1 }
     p { l = $0; sub(/\$$/, "", l); s = s " " l; if ($0 !~ /\$$/) exit }
     END {
         if (s == "") exit 1
         sub(/^.*RERUN_CMAKE \| /, "", s); gsub(/\$\$/, "\001", s); gsub(/\$ /, "\002", s); gsub(/\$:/, ":", s)
         n = split(s, f, /[ \t]+/)
         for (i = 1; i <= n; i++) if (f[i] != "") { gsub(/\002/, " ", f[i]); gsub(/\001/, "$", f[i]); print f[i] }
     }' "$build/build.ninja" >"$tmp/cmake" || fallo "No encuentro la regla RERUN_CMAKE en $build/build.ninja"
anota "leído por CMake" <"$tmp/cmake"

# Headers of every object, as the compiler reported them.
ninja -C "$build" -t deps | awk '/^[ \t]+[^ \t]/ { sub(/^[ \t]+/, ""); print }' | sort -u | anota "cabecera"

# Files named by path in the build commands: compiler, ar, moc, rcc, libraries linked by path.
ninja -C "$build" -t commands >"$tmp/ordenes"
grep -oE '(^|[[:space:]=,:"])/[^[:space:]"'\'';:,]+' "$tmp/ordenes" | sed -E 's|^[^/]+||' | sort -u |
    while IFS= read -r f; do [ -f "$f" ] && printf '%s\n' "$f"; done | anota "en una orden de compilación"

# moc and uic run inside cmake -E cmake_autogen, which takes them from these files.
find "$build" -name AutogenInfo.json -exec cat {} + |
    sed -nE 's/^[[:space:]]*"[A-Z_]+_EXECUTABLE" : "(\/[^"]+)".*/\1/p' | sort -u | anota "usado por AUTOMOC"

# -lfoo, looked up as the linker does: the -L folders, then the compiler's own.
{ { grep -oE '(^|[[:space:]])-L[^[:space:]]+' "$tmp/ordenes" || true; } | sed -E 's/^[[:space:]]*-L//'
  "$cxx" -print-search-dirs | sed -n 's/^libraries: =//p' | tr ':' '\n'; } >"$tmp/carpetas"
for l in $({ grep -oE '(^|[[:space:]])-l[^[:space:]]+' "$tmp/ordenes" || true; } | sed -E 's/^[[:space:]]*-l//' | sort -u); do
    case $l in :*) nombres=("${l#:}") ;; *) nombres=("lib$l.so" "lib$l.a") ;; esac
    hallada=
    while IFS= read -r d && [ -z "$hallada" ]; do
        for n in "${nombres[@]}"; do [ -f "$d/$n" ] && { hallada=$d/$n; break; }; done
    done <"$tmp/carpetas"
    if [ -n "$hallada" ]; then echo "$hallada" | anota "enlazada con -l$l"
    else problemas+=("-l$l: no encuentro la biblioteca"); fi
done

# What the compiler runs and links in by itself, found through it as on any machine.
for p in cc1plus collect2 as ld; do
    q=$("$cxx" -print-prog-name=$p)
    [[ $q == /* ]] || q=$(command -v "$q" || true)
    [ -n "$q" ] && echo "$q"
done | anota "usado por el compilador"
for f in libstdc++.so libm.so libc.so libgcc_s.so crt1.o crti.o crtbeginS.o; do
    q=$("$cxx" -print-file-name=$f)
    [[ $q == /* ]] && echo "$q"
done | anota "enlazado por el compilador"

# Programs the tests start (QProcess or system() with a literal name) and those probar.sh runs.
while IFS=$'\t' read -r de prog; do
    if q=$(command -v "$prog"); then echo "$q" | anota "programa que arranca $de"
    else problemas+=("el programa $prog, que arranca $de"); fi
done < <(grep -rnoE '(start|execute|startDetached)\((QStringLiteral\(|QString\(|QLatin1String\()?"[^"]+"|system\("[^" ]+' \
             "$fuente/tests" | sed -E "s|^$fuente/||; s/^([^:]*):[0-9]+:.*\"([^\"]+)\"?\$/\1\t\2/" | sort -u
         printf 'probar.sh\t%s\n' cmake ctest ninja)

# Only what lies outside the sources and the build can come from a package.
awk -F'\t' -v s="$fuente/" -v b="$build/" 'index($2, s) != 1 && index($2, b) != 1' "$usados" >"$tmp/externos"
cut -f2 "$tmp/externos" | sort -u >"$tmp/rutas"

# dpkg knows a file by the path its package ships, which may be the path as written, the one
# behind its symlinks, or either with /lib for /usr/lib (Debian 12 merges them, dpkg does not).
xargs -d '\n' -r realpath -m -s -- <"$tmp/rutas" >"$tmp/literal"
xargs -d '\n' -r realpath -m -- <"$tmp/rutas" >"$tmp/real"
paste "$tmp/rutas" "$tmp/literal" "$tmp/real" | awk -F'\t' '
    function alias(p) {
        if (p ~ /^\/usr\/(bin|sbin|lib|lib32|lib64|libx32)\//) return substr(p, 5)
        if (p ~ /^\/(bin|sbin|lib|lib32|lib64|libx32)\//) return "/usr" p
        return ""
    }
    { for (i = 2; i <= 3; i++) { print $1 "\t" $i; a = alias($i); if (a != "") print $1 "\t" a } }' |
    sort -u >"$tmp/candidatas"
cut -f2 "$tmp/candidatas" | sort -u | xargs -d '\n' -r dpkg -S 2>/dev/null >"$tmp/dueños" || true
[ -s "$tmp/dueños" ] || fallo "dpkg -S no reconoce ninguno de los ficheros usados"

# "package<TAB>why<TAB>path" for each file, or "-" as the package when nobody ships it.
awk -F'\t' '
    FILENAME == ARGV[1] {
        if ($0 ~ /^diversion by /) next
        i = index($0, ": "); n = split(substr($0, 1, i - 1), ps, /, /)
        for (j = 1; j <= n; j++) { sub(/:.*/, "", ps[j]); de[substr($0, i + 2)] = de[substr($0, i + 2)] " " ps[j] }
        next
    }
    FILENAME == ARGV[2] { if ($2 in de) paq[$1] = paq[$1] de[$2]; next }
    {
        if (!($2 in paq)) { print "-\t" $1 "\t" $2; next }
        split("", vistos); n = split(paq[$2], ps, " ")
        for (j = 1; j <= n; j++) if (!(ps[j] in vistos)) { vistos[ps[j]] = 1; print ps[j] "\t" $1 "\t" $2 }
    }' "$tmp/dueños" "$tmp/candidatas" "$tmp/externos" >"$tmp/paquetes"

# What a fresh machine has after preparar.sh: the list, the packages every Debian system has
# (Essential or Priority required), and their hard dependencies. Of alternatives apt takes the
# first unless another is already there; of a virtual package's providers any may be taken.
awk '{ sub(/#.*/, ""); for (i = 1; i <= NF; i++) print $i }' "$lista" | sort -u >"$tmp/lista"
[ -s "$tmp/lista" ] || fallo "No hay paquetes en $lista"
dpkg-query -W -f='${db:Status-Abbrev}\t${Package}\t${Essential}\t${Priority}\n' |
    awk -F'\t' '$1 ~ /^ii/ && ($3 == "yes" || $4 == "required") { print $2 }' | sort -u >"$tmp/base"
arbol() {
    # shellcheck disable=SC2046
    apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
        --no-replaces --no-enhances $(cat "$tmp/lista" "$tmp/base") >"$tmp/arbol"
    grep -v '^[ <]' "$tmp/arbol" | sed 's/:.*//' | sort -u | comm -23 "$tmp/lista" - >"$tmp/desconocidos"
    [ ! -s "$tmp/desconocidos" ]
}
if ! arbol; then
    [ "$(id -u)" -eq 0 ] || fallo "apt-cache no conoce: $(paste -sd' ' "$tmp/desconocidos") (hace falta apt-get update)"
    apt-get update -qq
    arbol || fallo "apt-cache no conoce: $(paste -sd' ' "$tmp/desconocidos"), ni tras apt-get update"
fi
awk '
    function nombre(x) { gsub(/[<>]/, "", x); sub(/:.*/, "", x); return x }
    function opciones(t, cs,   n, ps, i) {
        split("", cs)
        if (t !~ /^</ || prov[t] == "") { cs[1] = nombre(t); return 1 }
        n = split(prov[t], ps, " "); for (i = 1; i <= n; i++) cs[i] = nombre(ps[i]); return n
    }
    FILENAME == ARGV[1] { raiz[$0] = 1; cola[++n] = $0; next }
    /^[^ ]/ { nodo = nombre($0); seguir = 0; next }
    /^ [ |][A-Za-z]*Depends: / {
        a = $0; o = substr(a, 2, 1) == "|"; sub(/^ [ |][A-Za-z]*Depends: /, "", a)
        grupos[nodo] = grupos[nodo] (seguir ? " " : ";") a
        seguir = o; ultima = a; next
    }
    /^    / { p = $0; sub(/^ +/, "", p); prov[ultima] = prov[ultima] " " p }
    END {
        for (i = 1; i <= n; i++) {
            p = cola[i]; if (p in dentro) continue; dentro[p] = 1
            ng = split(grupos[p], gs, ";")
            for (j = 1; j <= ng; j++) {
                if (gs[j] == "") continue
                na = split(gs[j], as, " "); elegida = ""
                for (k = 1; k <= na && elegida == ""; k++) {
                    nc = opciones(as[k], cs)
                    for (m = 1; m <= nc; m++) if (cs[m] in raiz) { elegida = cs[m]; break }
                }
                if (elegida != "") { cola[++n] = elegida; continue }
                nc = opciones(as[1], cs); for (m = 1; m <= nc; m++) cola[++n] = cs[m]
            }
        }
        for (p in dentro) print p
    }' <(cat "$tmp/lista" "$tmp/base") "$tmp/arbol" | sort -u >"$tmp/traidos"

awk -F'\t' -v cuenta="$tmp/cuenta" '
    FILENAME == ARGV[1] { ok[$0] = 1; next }
    $1 == "-" { suelto[++ns] = "  " $3 " (" $2 ")"; next }
    { usados[$1] = 1 }
    !($1 in ok) { if (!($1 in falta)) { orden[++nf] = $1; falta[$1] = $3 " (" $2 }; cuantos[$1]++ }
    END {
        for (p in usados) nu++
        print nu >cuenta
        if (nf) print "Se usan, pero ni están en scripts/paquetes.txt ni los trae nada de ella:"
        for (i = 1; i <= nf; i++) {
            p = orden[i]; print "  " p ": " falta[p] (cuantos[p] > 1 ? "; " cuantos[p] " ficheros)" : ")")
        }
        if (ns) print "No son de ningún paquete, así que un equipo nuevo no los tendrá:"
        for (i = 1; i <= ns; i++) print suelto[i]
    }' "$tmp/traidos" "$tmp/paquetes" >"$tmp/informe"
if ((${#problemas[@]})); then
    echo "No hay en este equipo:"
    printf '  %s\n' "${problemas[@]}"
fi >>"$tmp/informe"
if [ -s "$tmp/informe" ]; then
    cat "$tmp/informe"
    echo "Añade a scripts/paquetes.txt el paquete que falta, o instálalo si ya está en ella."
    exit 1
fi
echo "Dependencias: $(cat "$tmp/cuenta") paquetes usados, todos en scripts/paquetes.txt o traídos por ella"
