#!/usr/bin/env bash
# Builds the game, its tests and its fuzz targets with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-san/, then runs every test there.
# The first report ends the program that made it, and so fails its test.
# scripts/fuzz.sh then runs the fuzz targets built here.
set -euo pipefail
cd "$(dirname "$0")/.."

# Qt comes built with gcc; only the game's own code is built with clang and
# the sanitizers, and it links Debian's Qt as it is.
bash scripts/instalar-paquetes.sh $(grep -v '^#' scripts/debian-packages.txt) clang libclang-rt-14-dev
sanitizadores="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# fuzzer-no-link: libFuzzer sees the coverage of the game's code, not only of the targets.
cmake -S . -B build-san -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTALPIN_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="$sanitizadores -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizadores" "$@"
cmake --build build-san -j 2

source scripts/entorno-sanitizadores.sh
# The game under the screen reader is left to the plain build: slowed by the
# sanitizers, the window would answer Orca late.
QT_QPA_PLATFORM=offscreen ctest --test-dir build-san --output-on-failure --label-exclude lector
