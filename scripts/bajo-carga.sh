#!/usr/bin/env bash
# Runs a test command N times with every processor kept busy by stress-ng,
# as a loaded CI machine would be: a test that waits for a time, instead of
# for the condition it means, fails here. Prints how many runs passed and
# the log of the first that failed; exits with failure unless all passed.
# Usage: scripts/bajo-carga.sh N COMMAND [ARGUMENT...]
#   bash scripts/bajo-carga.sh 10 node --test tests/web/
#   bash scripts/bajo-carga.sh 3 build/tests/test_matar
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 2 ] || ! [[ $1 =~ ^[1-9][0-9]*$ ]]; then
  sed -n '/^# Usage/,/^set/{/^set/d;s/^# \?//p}' "$0" >&2
  exit 2
fi
veces=$1
shift

bash scripts/instalar-paquetes.sh stress-ng
registros=$(mktemp -d)
# One busy worker on each processor, until the runs end, however they end.
stress-ng --cpu 0 --quiet &
carga=$!
prueba=
Parar() {
  local estado=$?
  kill $prueba "$carga" 2>/dev/null || true
  wait "$carga" 2>/dev/null || true
  rm -rf "$registros"
  exit "$estado"
}
trap Parar EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

pasadas=0
fallida=
for ((vez = 1; vez <= veces; ++vez)); do
  # Waited for in the background, so that a signal ends the runs at once.
  "$@" >"$registros/$vez" 2>&1 &
  prueba=$!
  if wait "$prueba"; then
    pasadas=$((pasadas + 1))
    echo "run $vez of $veces: passed"
  else
    echo "run $vez of $veces: FAILED"
    fallida=${fallida:-$vez}
  fi
  prueba=
done

if [ -n "$fallida" ]; then
  echo "== the log of run $fallida"
  cat "$registros/$fallida"
fi
echo "$pasadas of $veces runs passed under load: $*"
[ "$pasadas" -eq "$veces" ]
