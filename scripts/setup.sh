#!/usr/bin/env bash
# Installs what the game needs from Debian's packages, then configures and builds it in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

faltan=()
for paquete in $(grep -v '^#' scripts/debian-packages.txt); do
  dpkg -s "$paquete" >/dev/null 2>&1 || faltan+=("$paquete")
done
if [ ${#faltan[@]} -gt 0 ]; then
  sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi

cmake -S . -B build -G Ninja
cmake --build build -j 2
