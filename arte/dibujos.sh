# Sourced by arte/regenerar.sh and scripts/web.sh: the list of pictures and
# how a drawing is put together.
arte=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The rows of arte/ficheros.txt, its notes left out: drawing, file, width, height.
ficheros() { grep -v -e '^#' -e '^$' "$arte/ficheros.txt"; }

# The drawing, whole: the shared palette and pieces go where it says <!--#comun-->.
armar() { sed -e "/<!--#comun-->/{r $arte/piezas/comun.svg" -e 'd}' "$arte/dibujos/$1.svg"; }
