#!/usr/bin/env bash
# Sets up, builds, checks that the set-up list covers every package used, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/preparar.sh
./scripts/comprobar-dependencias.sh build
cd build
ctest --output-on-failure -j2
