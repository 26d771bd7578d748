#!/usr/bin/env bash
# Installs what the game needs from Debian's packages, then configures and
# builds it in build/. Arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/instalar-paquetes.sh $(grep -v '^#' scripts/debian-packages.txt)
cmake -S . -B build -G Ninja "$@"
cmake --build build -j 2
