#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet.
set -euo pipefail
faltan=()
for paquete in "$@"; do
  dpkg -s "$paquete" >/dev/null 2>&1 || faltan+=("$paquete")
done
if [ ${#faltan[@]} -gt 0 ]; then
  sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
  # Another install running (an unattended upgrade, a second build) is waited for.
  espera=(-o DPkg::Lock::Timeout=600)
  $sudo apt-get "${espera[@]}" update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get "${espera[@]}" install -y -qq --no-install-recommends "${faltan[@]}"
fi
