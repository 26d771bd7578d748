#!/usr/bin/env bash
# The browser edition's tests: builds it (scripts/web.sh), installs Debian's
# browsers (chromium, firefox-esr, and WebKitGTK's driver with Xvfb for its
# display) and the node packages pinned in package-lock.json, plays every
# transcript of tests/partidas/ through the node twin of talpin-texto, and
# runs the browser tests of tests/web/. scripts/pruebas.sh runs it last: it
# needs build/, for test_partidas and the native talpin-texto.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/instalar-paquetes.sh chromium firefox-esr webkit2gtk-driver xvfb
command -v npm >/dev/null || bash scripts/instalar-paquetes.sh npm
bash scripts/web.sh
npm ci --no-audit --no-fund

echo "== the transcripts, through node build-web/talpin-texto.js"
TALPIN_TEXTO_JS=$PWD/build-web/talpin-texto.js QT_QPA_PLATFORM=offscreen build/tests/test_partidas
echo "== the page in chromium, firefox-esr and WebKitGTK"
node --test tests/web/
