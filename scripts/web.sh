#!/usr/bin/env bash
# Builds the browser edition with Debian's emscripten: the static site in
# build-web/, which any static host serves as it is, and
# build-web/talpin-texto.js, the terminal game for node. The C++ is built in
# build-emscripten/.
set -euo pipefail
cd "$(dirname "$0")/.."

# emscripten; fonttools and brotli reduce the faces to the characters they
# show as WOFF2, with Debian's python3 (not one first on PATH without them);
# fontconfig finds their files; librsvg, scour and ImageMagick make and
# check the pictures, whose lettering is in the free faces too.
bash scripts/instalar-paquetes.sh emscripten python3-fonttools python3-brotli fontconfig \
  librsvg2-bin scour imagemagick $(sed -n '/^# Free faces/,/^#/{/^[^#]/p}' scripts/debian-packages.txt)
# emcc finds its acorn module only there.
export NODE_PATH=/usr/share/nodejs

emcmake cmake -S . -B build-emscripten -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel
cmake --build build-emscripten -j 2

sitio=build-web
rm -rf "$sitio"
mkdir -p "$sitio"/graficos "$sitio"/recursos "$sitio"/caras "$sitio"/iconos
node build-emscripten/web/talpin_pagina.js "$sitio" arte/ficheros.txt web/estilo.css web/movil.css web/pagina.js
cp build-emscripten/web/talpin.js build-emscripten/web/talpin.wasm "$sitio"/
cp build-emscripten/web/talpin-texto.js "$sitio"/
cp web/iconos/*.png escritorio/iconos/talpin-48.png "$sitio"/iconos/

# Each face the layouts use, reduced to the characters the page shows in it.
while IFS=$'\t' read -r patron fichero unicodes; do
  origen=$(fc-match -f '%{file}' "$patron")
  /usr/bin/python3 -m fontTools.subset "$origen" --unicodes="$unicodes" --flavor=woff2 --no-hinting --desubroutinize \
    --output-file="$sitio/$fichero"
done < "$sitio/caras.txt"
rm "$sitio/caras.txt"

# Each picture, drawn from arte/ as SVG: cairo writes the lettering as
# outlines, so the pictures need none of the page's faces, and flattens the
# styles; scour makes it small. cairo fades a shape through a mask measured
# on the shape's bounds, which a straight line across or down has no room
# in: measured on the picture's, the line stays. The result must look as the
# drawing does, with no text left: drawn both at twice the size, at most one
# pixel in a thousand may differ by a tenth or more.
. arte/dibujos.sh
temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
while IFS=$'\t' read -r dibujo ancho alto foto; do
  armar "$dibujo" > "$temporal/dibujo.svg"
  rsvg-convert -f svg -w "$ancho" -h "$alto" "$temporal/dibujo.svg" \
    | sed 's/<mask id="\([^"]*\)">/<mask id="\1" maskUnits="userSpaceOnUse">/' \
    | scour -q --set-precision=4 --enable-id-stripping --shorten-ids --create-groups --enable-comment-stripping \
      --remove-descriptive-elements --strip-xml-prolog --no-line-breaks > "$sitio/$foto"
  for svg in "$temporal/dibujo.svg" "$sitio/$foto"; do
    rsvg-convert -w $((ancho * 2)) -h $((alto * 2)) "$svg" -o "$svg.png"
  done
  distintos=$(/usr/bin/compare -metric AE -fuzz 10% "$temporal/dibujo.svg.png" "$sitio/$foto.png" null: 2>&1 || true)
  rm "$sitio/$foto.png"
  if ! [[ $distintos =~ ^[0-9]+$ ]] || [ "$distintos" -gt $((ancho * alto * 4 / 1000)) ] || grep -q '<text' "$sitio/$foto"; then
    echo "$foto does not look as arte/dibujos/$dibujo.svg does ($distintos pixels differ), or keeps text" >&2
    exit 1
  fi
done < "$sitio/dibujos.txt"
rm "$sitio/dibujos.txt"

# The service worker caches every file of the page (the node game aside),
# index.html as "./"; its version is a digest of them all, so any change
# makes a new one.
ficheros=$(cd "$sitio" && find . -type f ! -name talpin-texto.js | sed 's|^\./||' | LC_ALL=C sort)
version=$(cd "$sitio" && sha256sum $ficheros | sha256sum | cut -c1-16)
lista=$(printf '"./",'; for f in $ficheros; do [ "$f" = index.html ] || printf '"%s",' "$f"; done)
sed -e "s|@VERSION@|talpin-$version|" -e "s|@FICHEROS@|${lista%,}|" web/sw.js > "$sitio/sw.js"
echo "$sitio/ (version $version) and $sitio/talpin-texto.js"
