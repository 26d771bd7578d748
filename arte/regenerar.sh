#!/usr/bin/env bash
# Rebuilds every picture in graficos/ and recursos/, the menu icon in
# escritorio/iconos/ and the browser edition's icons in web/iconos/, from the
# drawings in arte/dibujos/.
# Each drawing is rendered at eight times its size and scaled down, for smooth
# edges, to its own size and to twice that size (the "@2x" file beside it).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
. "$raiz/arte/dibujos.sh"
# The "convert" first on PATH may not be ImageMagick.
magick=/usr/bin/convert

# The drawing tools and the faces of the lettering.
# pngquant keeps the icons' soft transparent edges in a few colours.
bash "$raiz/scripts/instalar-paquetes.sh" librsvg2-bin imagemagick pngquant fonts-roboto-unhinted fonts-kaushanscript

temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
mkdir -p "$raiz/graficos" "$raiz/recursos"

while read -r dibujo destino ancho alto; do
  armar "$dibujo" > "$temporal/$dibujo.svg"
  rsvg-convert -w $((ancho * 8)) -h $((alto * 8)) \
    "$temporal/$dibujo.svg" -o "$temporal/$dibujo.png"
  for escala in 1 2; do
    salida=$raiz/$destino
    [ "$escala" = 1 ] || salida=${salida%.*}@2x.${salida##*.}
    case $salida in
      *.bmp) formato=(-type TrueColor "BMP3:$salida") ;;
      *)     formato=(-sampling-factor 1x1 -quality 92 "$salida") ;;
    esac
    "$magick" "$temporal/$dibujo.png" -background white -alpha remove -alpha off \
      -resize "$((ancho * escala))x$((alto * escala))!" -strip "${formato[@]}"
  done
  echo "$destino"
done < <(ficheros)

# The menu icon: the whole drawing for the scalable size, and the sizes that
# desktops look for first, keeping its transparent corners.
iconos=$raiz/escritorio/iconos
mkdir -p "$iconos"
armar icono > "$iconos/talpin.svg"
for lado in 48 64 128 256; do
  rsvg-convert -w "$lado" -h "$lado" "$iconos/talpin.svg" -o "$iconos/talpin-$lado.png"
  echo "escritorio/iconos/talpin-$lado.png"
done

# The browser edition's icons, at the sizes a web app manifest asks for, in
# 64 colours: the page keeps them for playing offline, a quarter the size.
mkdir -p "$raiz/web/iconos"
for lado in 192 512; do
  rsvg-convert -w "$lado" -h "$lado" "$iconos/talpin.svg" -o "$temporal/icono.png"
  pngquant --strip --force 64 --output "$raiz/web/iconos/talpin-$lado.png" "$temporal/icono.png"
  echo "web/iconos/talpin-$lado.png"
done
