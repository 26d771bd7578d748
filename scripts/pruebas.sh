#!/usr/bin/env bash
# Builds with warnings as errors and runs every test, headless: the native
# suite, then the browser edition's.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
bash scripts/pruebas-web.sh
