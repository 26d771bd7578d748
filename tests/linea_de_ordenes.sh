#!/usr/bin/env bash
# The command line of both programs: --help and --version print and end well;
# an unknown option or a stray argument ends with status 2 and the help on
# standard error, and starts no game.
# Usage: linea_de_ordenes.sh VERSION PROGRAM...
set -u
version=$1
shift
temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
fallos=0
fallo() { echo "FALLO: $*"; fallos=1; }

for programa in "$@"; do
  nombre=$(basename "$programa")
  # ejecutar EXPECTED_STATUS ARGS...: runs it with no input, in an empty folder.
  ejecutar() {
    local esperado=$1
    shift
    (cd "$temporal" && "$programa" "$@" </dev/null >"$temporal/salida" 2>"$temporal/errores")
    local estado=$?
    [ "$estado" = "$esperado" ] || fallo "$nombre $*: estado $estado, no $esperado"
  }

  for ayuda in --help -h; do
    ejecutar 0 "$ayuda"
    grep -q "^Uso: $nombre \[opciones\]" "$temporal/salida" || fallo "$nombre $ayuda: sin ayuda en la salida"
    grep -q -- '--datos-de-usuario' "$temporal/salida" || fallo "$nombre $ayuda: la ayuda no nombra las opciones"
  done

  for opcion in --version -v; do
    ejecutar 0 "$opcion"
    [ "$(cat "$temporal/salida")" = "$nombre $version" ] || fallo "$nombre $opcion: $(cat "$temporal/salida")"
  done

  for malo in --volar -x partida; do
    ejecutar 2 "$malo"
    [ ! -s "$temporal/salida" ] || fallo "$nombre $malo: escribe en la salida"
    grep -q "^Uso: $nombre" "$temporal/errores" || fallo "$nombre $malo: sin ayuda en los errores"
    grep -q -- "$malo" "$temporal/errores" || fallo "$nombre $malo: no dice qué sobra"
  done
done
exit $fallos
