#!/usr/bin/env bash
# Each layer may include only itself and the layers below it:
#   core                      ->  core
#   world                     ->  core, world
#   plataforma                ->  core, plataforma
#   presentacion              ->  presentacion
#   texto                     ->  core, world, plataforma, texto
#   ui                        ->  core, world, plataforma, presentacion, ui
#   screens                   ->  core, world, plataforma, presentacion, ui, screens
#   web                       ->  core, world, presentacion, texto, web
#   fuzz                      ->  core, world, plataforma
# The engine, the story, the platform layer, what the front ends show alike
# and the terminal game are standard C++: each of their files builds with no Qt on the include path.
set -u
fallos=0
revisar() {
  local carpeta=$1 permitidas=$2
  while IFS= read -r linea; do
    echo "include hacia arriba: $linea"
    fallos=1
  done < <(grep -nE '^#include "[a-z]+/' "$carpeta"/*.h "$carpeta"/*.cpp 2>/dev/null \
             | grep -vE "#include \"($permitidas)/")
}
revisar core 'core'
revisar world 'core|world'
revisar plataforma 'core|plataforma'
revisar presentacion 'presentacion'
revisar texto 'core|world|plataforma|texto'
revisar ui 'core|world|plataforma|presentacion|ui'
revisar screens 'core|world|plataforma|presentacion|ui|screens'
revisar web 'core|world|presentacion|texto|web'
revisar fuzz 'core|world|plataforma'

for fichero in core/*.cpp world/*.cpp plataforma/*.cpp presentacion/*.cpp texto/*.cpp; do
  if grep -nE '^#include <(Q|q)' "$fichero" "${fichero%.cpp}.h" 2>/dev/null; then
    echo "Qt en la biblioteca estándar: $fichero"
    fallos=1
  fi
  if ! "${CXX:-c++}" -std=c++20 -fsyntax-only -I. "$fichero"; then
    echo "no se compila sin Qt: $fichero"
    fallos=1
  fi
done
exit $fallos
