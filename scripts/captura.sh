#!/usr/bin/env bash
# Takes escritorio/captura.png, the README's picture of the game window: the
# built game under Xvfb, "Juego" pressed on the title window, one order typed.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --en-xvfb ]; then
  bash scripts/instalar-paquetes.sh xvfb xauth xdotool imagemagick
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --en-xvfb
fi

# Points inside the windows, in pixels from their top left corner; there is
# no window manager, so the windows have no frame.
juego="52 375"    # the title window's "Juego" button, below the menu bar
ordenes="196 373" # the game window's command box

titulo="El monje Talpín"
./build/talpin &
programa=$!
trap 'kill $programa' EXIT
principal=$(xdotool search --sync --onlyvisible --name "$titulo" | head -1)
sleep 1
xdotool mousemove --window "$principal" $juego click 1
sleep 1
ventana=$(xdotool search --onlyvisible --name "$titulo" | head -1)
# No window manager gives the focus: a click in the box does.
xdotool mousemove --window "$ventana" $ordenes click 1
xdotool type --delay 30 "mirar persiana"
xdotool key Return
sleep 1
import -window "$ventana" -strip escritorio/captura.png
echo escritorio/captura.png
