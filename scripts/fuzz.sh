#!/usr/bin/env bash
# Runs the libFuzzer targets (built by the "sanitizadores" preset), each for a while, two at a
# time. The corpus grows in build-san/corpus/<target>, starting from tests/fuzz/semillas; an input
# that makes a target fail is copied to tests/data/fuzz/<target>/, where the regular tests read
# it again from then on.
#   scripts/fuzz.sh [seconds per target (600)] [targets...]
set -uo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-600}
shift || true
objetivos=("$@")
((${#objetivos[@]})) || objetivos=(sorteos penas configuracion tablas busca3 analisis)
[ -d build-san ] || cmake --preset sanitizadores
cmake --build --preset sanitizadores --target "${objetivos[@]/#/fuzz_}" || exit 1

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1  # as the test preset
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
correr() {
    local o=$1 corpus=build-san/corpus/$1 fallos=build-san/fallos/$1
    mkdir -p "$corpus" "$fallos"
    build-san/tests/fuzz/fuzz_"$o" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$fallos/" "$corpus" tests/fuzz/semillas/"$o" \
        > build-san/fuzz_"$o".log 2>&1
    local codigo=$?
    local ejecuciones cobertura
    ejecuciones=$(grep -o 'stat::number_of_executed_units: *[0-9]*' build-san/fuzz_"$o".log | grep -o '[0-9]*$')
    cobertura=$(grep -o 'cov: [0-9]*' build-san/fuzz_"$o".log | tail -1)
    echo "$o: ${ejecuciones:-?} ejecuciones en ${segundos} s, ${cobertura:-?}, corpus $(ls "$corpus" | wc -l), salida $codigo"
    if compgen -G "$fallos/*" > /dev/null; then
        mkdir -p tests/data/fuzz/"$o"
        cp "$fallos"/* tests/data/fuzz/"$o"/
        echo "  ¡fallos! copiados a tests/data/fuzz/$o (ver build-san/fuzz_$o.log)"
    fi
}
for ((i = 0; i < ${#objetivos[@]}; i += 2)); do
    correr "${objetivos[i]}" &
    [ -n "${objetivos[i + 1]:-}" ] && correr "${objetivos[i + 1]}" &
    wait
done
