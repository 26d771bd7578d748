#!/usr/bin/env bash
# Each layer may include only itself and the layers below it:
#   core, world  ->  core
#   texto        ->  core, texto
#   ui           ->  core, ui
#   screens      ->  core, ui, screens
#   fuzz         ->  core
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
revisar world 'core'
revisar texto 'core|texto'
revisar ui 'core|ui'
revisar screens 'core|ui|screens'
revisar fuzz 'core'
exit $fallos
