#!/usr/bin/env bash
# Sets up, builds and opens Tombolin.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/preparar.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No hay pantalla gráfica en esta sesión. El programa está listo en build/programa/tombolin." >&2
    exit 2
fi
exec build/programa/tombolin
