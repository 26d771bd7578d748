#!/usr/bin/env bash
# Each layer may include only itself and the layers below it:
#   core                      ->  core
#   world                     ->  core, world
#   plataforma                ->  core, plataforma
#   texto                     ->  core, world, plataforma, texto
#   ui                        ->  core, world, plataforma, ui
#   screens                   ->  core, world, plataforma, ui, screens
#   fuzz                      ->  core, world, plataforma
# The engine, the story, the platform layer and the terminal game are
# standard C++: each of their files builds with no Qt on the include path.
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
revisar texto 'core|world|plataforma|texto'
revisar ui 'core|world|plataforma|ui'
revisar screens 'core|world|plataforma|ui|screens'
revisar fuzz 'core|world|plataforma'

for fichero in core/*.cpp world/*.cpp plataforma/*.cpp texto/*.cpp; do
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
