#!/usr/bin/env bash
# The browser edition's tests: builds it (scripts/web.sh), installs Debian's
# browsers (chromium, firefox-esr in Spanish, and WebKitGTK's driver with Xvfb
# for its display) and the node packages pinned in package-lock.json, plays
# every transcript of tests/partidas/ through the node twin of talpin-texto,
# runs the browser tests of tests/web/, and plays the page under Orca in
# chromium and firefox-esr (tests/oido_web.txt). scripts/pruebas.sh runs it
# last: it needs build/, for test_partidas and the native talpin-texto, and
# the screen reader's packages that scripts/setup.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/instalar-paquetes.sh chromium firefox-esr firefox-esr-l10n-es-es webkit2gtk-driver xvfb
command -v npm >/dev/null || bash scripts/instalar-paquetes.sh npm
bash scripts/web.sh
npm ci --no-audit --no-fund

echo "== the transcripts, through node build-web/talpin-texto.js"
TALPIN_TEXTO_JS=$PWD/build-web/talpin-texto.js QT_QPA_PLATFORM=offscreen build/tests/test_partidas
echo "== the page in chromium, firefox-esr and WebKitGTK"
node --test tests/web/
echo "== the page under Orca, in chromium and in firefox-esr"
for navegador in chromium firefox-esr; do
  bash tests/oido_orca.sh tests/oido_web.txt tests/web/oido_pagina.sh "$navegador"
done
