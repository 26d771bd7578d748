#!/usr/bin/env bash
# Runs each fuzz target that scripts/sanitizadores.sh built, one after the
# other, for the given number of seconds (60 by default), starting from the
# seeds in fuzz/semillas/. What they find goes to build-san/fuzz-hallazgos/.
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$PWD # the targets work in a folder of their own: every path is absolute
segundos=${1:-60}

source scripts/entorno-sanitizadores.sh
# The targets save and load in a scratch folder; in memory, saving is cheap.
if [ -d /dev/shm ]; then export TMPDIR=/dev/shm; fi
hallazgos=$raiz/build-san/fuzz-hallazgos
mkdir -p "$hallazgos"
for objetivo in ordenes partida; do
  # New inputs go to a scratch folder; the committed seeds stay as they are.
  corpus=$(mktemp -d)
  echo "== fuzz_$objetivo, $segundos s"
  "$raiz/build-san/fuzz/fuzz_$objetivo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 \
    -dict="$raiz/fuzz/$objetivo.dict" -artifact_prefix="$hallazgos/$objetivo-" -print_final_stats=1 \
    "$corpus" "$raiz/fuzz/semillas/$objetivo"
  rm -rf "$corpus"
done
