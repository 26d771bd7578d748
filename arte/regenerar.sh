#!/usr/bin/env bash
# Rebuilds every picture in graficos/ and recursos/, the menu icon in
# escritorio/iconos/ and the browser edition's icons in web/iconos/, from the
# drawings in arte/dibujos/.
# Each drawing is rendered at eight times its size and scaled down, for smooth
# edges, to its own size and to twice that size (the "@2x" file beside it).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
arte=$raiz/arte
# The "convert" first on PATH may not be ImageMagick.
magick=/usr/bin/convert

# The drawing tools and the faces of the lettering.
bash "$raiz/scripts/instalar-paquetes.sh" librsvg2-bin imagemagick fonts-roboto-unhinted fonts-kaushanscript

temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
mkdir -p "$raiz/graficos" "$raiz/recursos"

# The drawing, whole: the shared palette and pieces go where it says <!--#comun-->.
armar() {
  sed -e "/<!--#comun-->/{r $arte/piezas/comun.svg" -e 'd}' "$arte/dibujos/$1.svg"
}

# drawing, file made from it, width and height of the 1x picture
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
done <<'LISTA'
calle     graficos/uno2.jpg          319 259
dentro1   graficos/dentro1.jpg       319 259
garaje    graficos/garaje.jpg        319 259
casa      graficos/Casa.jpg          319 259
reja      graficos/reja.jpg          319 259
pozo      graficos/pozo.jpg          319 259
aseo      graficos/Aseo.jpg          319 259
dentro2   graficos/Dentro2.jpg       319 259
cuarto    graficos/cuarto.jpg        319 259
cabronus  graficos/Fray-Portero.jpg  128 231
supremus  graficos/supremus.jpg      128 231
tonto     graficos/tonto.jpg         128 231
cabronus  recursos/cabronus.jpg      128 231
calle     recursos/calle.jpg         319 259
talpin    recursos/talpin.jpg        124 232
hablar    recursos/hablar.jpg        52  52
mirar     recursos/mirar.jpg         46  51
usar      recursos/usar.jpg          45  51
mentir    recursos/mentir.jpg        53  49
coger     recursos/coger.jpg         46  49
titulo    recursos/titulo.jpg        103 161
autor     recursos/autor.jpg         191 374
logo      recursos/logo.bmp          308 231
LISTA

# The menu icon: the whole drawing for the scalable size, and the sizes that
# desktops look for first, keeping its transparent corners.
iconos=$raiz/escritorio/iconos
mkdir -p "$iconos"
armar icono > "$iconos/talpin.svg"
for lado in 48 64 128 256; do
  rsvg-convert -w "$lado" -h "$lado" "$iconos/talpin.svg" -o "$iconos/talpin-$lado.png"
  echo "escritorio/iconos/talpin-$lado.png"
done

# The browser edition's icons, at the sizes a web app manifest asks for.
mkdir -p "$raiz/web/iconos"
for lado in 192 512; do
  rsvg-convert -w "$lado" -h "$lado" "$iconos/talpin.svg" -o "$raiz/web/iconos/talpin-$lado.png"
  echo "web/iconos/talpin-$lado.png"
done
