#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, as a package would, and plays
# the installed talpin-texto from an empty folder: every picture must be found
# in the installed data folder, under any capitals the game writes.
# Usage: instalacion.sh BUILD_DIR
set -u
construccion=$1
temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
fallos=0
fallo() { echo "FALLO: $*"; fallos=1; }

DESTDIR=$temporal/raiz cmake --install "$construccion" --prefix /usr >/dev/null || fallo "cmake --install con DESTDIR"
raiz=$temporal/raiz/usr
for fichero in games/talpin games/talpin-texto share/man/man6/talpin.6.gz share/man/man6/talpin-texto.6.gz \
               share/doc/talpin/README.md share/doc/talpin/COPYING share/icons/hicolor/scalable/apps/talpin.svg \
               share/icons/hicolor/48x48/apps/talpin.png share/icons/hicolor/256x256/apps/talpin.png; do
  [ -f "$raiz/$fichero" ] || fallo "no se instala $fichero"
done
desktop-file-validate "$raiz"/share/applications/*.desktop || fallo "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$raiz"/share/metainfo/*.metainfo.xml || fallo "appstreamcli validate"

# jugar CARPETA PROGRAMA [OPCIONES]: plays the orders on stdin in CARPETA.
jugar() {
  local carpeta=$1 programa=$2
  shift 2
  (cd "$carpeta" && "$programa" "$@" 2>"$temporal/errores")
}

# From the street into the house, a save, back, and a load. One installed
# picture gets other capitals: names are matched without regard to case.
mv "$raiz/share/games/talpin/graficos/dentro1.jpg" "$raiz/share/games/talpin/graficos/DENTRO1.JPG"
vacia=$temporal/vacia
mkdir "$vacia"
salida=$(printf 'usar puerta\n:guardar\nretro\n:cargar\n:estado\n' | jugar "$vacia" "$raiz/games/talpin-texto")
grep -q '^Image3: dentro1.jpg$' <<<"$salida" || fallo ":estado no nombra la imagen cargada: $salida"
grep -q '^Image2: supremus.jpg$' <<<"$salida" || fallo ":estado no nombra al personaje cargado: $salida"
[ ! -s "$temporal/errores" ] || fallo "faltan imágenes: $(cat "$temporal/errores")"
[ -f "$vacia/partida" ] || fallo "la partida no está en la carpeta de trabajo"

# A moved install, without DESTDIR, finds its pictures too.
cmake --install "$construccion" --prefix "$temporal/movida" >/dev/null || fallo "cmake --install --prefix"
printf 'usar puerta\nretro\n' | jugar "$vacia" "$temporal/movida/games/talpin-texto" >/dev/null
[ ! -s "$temporal/errores" ] || fallo "instalación movida: $(cat "$temporal/errores")"
grep -qx "Exec=$temporal/movida/games/talpin --datos-de-usuario" "$temporal"/movida/share/applications/*.desktop \
  || fallo "la entrada de escritorio de la instalación movida no arranca su programa"

# A picture in graficos/ below the working directory wins over the installed
# one, whatever its capitals: here it is no JPEG, so it is reported.
sustituida=$temporal/sustituida
mkdir -p "$sustituida/graficos"
echo "no es un JPEG" > "$sustituida/graficos/DENTRO1.JPG"
printf 'usar puerta\n' | jugar "$sustituida" "$raiz/games/talpin-texto" >/dev/null
grep -q 'dentro1.jpg' "$temporal/errores" || fallo "la imagen de la carpeta de trabajo no gana"
[ "$(wc -l <"$temporal/errores")" = 1 ] || fallo "se echan de menos otras imágenes: $(cat "$temporal/errores")"

# With -d, as the desktop entry starts it, the saved game lives in the user's
# data folder, which the first save makes, and never in the working folder.
export XDG_DATA_HOME=$temporal/datos
grep -qx 'Exec=/usr/games/talpin --datos-de-usuario' "$raiz"/share/applications/*.desktop \
  || fallo "la entrada de escritorio no arranca /usr/games/talpin --datos-de-usuario"
rm -f "$vacia/partida"
printf 'usar puerta\n:guardar\n' | jugar "$vacia" "$raiz/games/talpin-texto" --datos-de-usuario >/dev/null
[ -f "$XDG_DATA_HOME/talpin/partida" ] || fallo "la partida no está en \$XDG_DATA_HOME/talpin"
[ ! -e "$vacia/partida" ] || fallo "con -d la partida queda en la carpeta de trabajo"
salida=$(printf ':cargar\n:estado\n' | jugar "$temporal" "$raiz/games/talpin-texto" -d)
grep -q '^ 2 ' <<<"$salida" || fallo "con -d no se carga la partida guardada: $salida"

exit $fallos
