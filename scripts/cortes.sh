#!/usr/bin/env bash
# Crash safety: kills each file-changing operation at random moments (SIGKILL) and checks that
# every data file is then whole, either as it was or as the operation leaves it.
#   scripts/cortes.sh [cortes-por-operación (110)] [semilla]
# Twelve operations and the harness's own control: 110 a piece makes 1,430 kills, a few minutes
# on two cores.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -d build ] || ./scripts/preparar.sh
cmake --build build --target cortes
exec build/tests/cortes "${1:-110}" ${2:+"$2"}
