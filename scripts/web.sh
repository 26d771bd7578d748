#!/usr/bin/env bash
# Builds the browser edition with Debian's emscripten: the static site in
# build-web/, which any static host serves as it is, and
# build-web/talpin-texto.js, the terminal game for node. The C++ is built in
# build-emscripten/.
set -euo pipefail
cd "$(dirname "$0")/.."

# emscripten; fonttools and brotli reduce the faces to the characters of
# the game (Latin-1) as WOFF2, with Debian's python3 (not one first on PATH
# without them); fontconfig finds their files.
bash scripts/instalar-paquetes.sh emscripten python3-fonttools python3-brotli fontconfig \
  $(sed -n '/^# Free faces/,/^#/{/^[^#]/p}' scripts/debian-packages.txt)
# emcc finds its acorn module only there.
export NODE_PATH=/usr/share/nodejs

emcmake cmake -S . -B build-emscripten -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel
cmake --build build-emscripten -j 2

sitio=build-web
rm -rf "$sitio"
mkdir -p "$sitio"/graficos "$sitio"/recursos "$sitio"/caras "$sitio"/iconos
node build-emscripten/web/talpin_pagina.js "$sitio"
cp build-emscripten/web/talpin.js build-emscripten/web/talpin.wasm web/pagina.js web/estilo.css web/movil.css "$sitio"/
cp build-emscripten/web/talpin-texto.js "$sitio"/
cp web/iconos/*.png escritorio/iconos/talpin-48.png "$sitio"/iconos/
cp recursos/*.jpg recursos/*.bmp "$sitio"/recursos/
# The game names some pictures with other capitals than their files: the
# page asks for them in lower case.
for foto in graficos/*.jpg; do
  nombre=$(basename "$foto")
  cp "$foto" "$sitio/graficos/${nombre,,}"
done

# Each face the layouts use, reduced to Latin-1, the range of the game's texts.
while IFS=$'\t' read -r patron fichero; do
  origen=$(fc-match -f '%{file}' "$patron")
  /usr/bin/python3 -m fontTools.subset "$origen" --unicodes=U+0020-007E,U+00A0-00FF --flavor=woff2 --no-hinting --desubroutinize \
    --output-file="$sitio/$fichero"
done < "$sitio/caras.txt"
rm "$sitio/caras.txt"

# The service worker caches every file of the page (the node game aside);
# its version is a digest of them all, so any change makes a new one.
ficheros=$(cd "$sitio" && find . -type f ! -name talpin-texto.js | sed 's|^\./||' | LC_ALL=C sort)
version=$(cd "$sitio" && sha256sum $ficheros | sha256sum | cut -c1-16)
lista=$(printf '"./",'; for f in $ficheros; do printf '"%s",' "$f"; done)
sed -e "s|@VERSION@|talpin-$version|" -e "s|@FICHEROS@|${lista%,}|" web/sw.js > "$sitio/sw.js"
echo "$sitio/ (version $version) and $sitio/talpin-texto.js"
