#!/usr/bin/env bash
# Plays a client of the game by keyboard alone under Orca, Debian's screen
# reader, set to Spanish, and checks what the player hears: the steps of
# STEPS (tests/oido_orca.txt for the game window, tests/oido_web.txt for the
# page). Orca speaks through speech-dispatcher to a module that writes down
# each text instead of playing it, taking as long as a brisk voice would: a
# text cut off by the next one is not heard in full.
# Usage: oido_orca.sh STEPS CLIENT [ARGUMENTS...]
# CLIENT starts on a virtual display of the script's own, in a fresh working
# directory that holds graficos/ and the saved game of the steps.
set -euo pipefail
guion=$(realpath "$1")
cliente=("$(realpath "$2")" "${@:3}")
script=$(realpath "$0")
cd "$(dirname "$script")/.."

# Orca will not start beside another Orca of the same user. In a PID
# namespace of its own it is alone, and everything started here ends with it,
# before its files, in TALPIN_APARTE, are removed.
if [ -z "${TALPIN_APARTE:-}" ]; then
  raiz=$(mktemp -d)
  trap 'rm -rf "$raiz"' EXIT
  usuario=(); [ "$(id -u)" -eq 0 ] || usuario=(--map-root-user)
  TALPIN_APARTE=$raiz unshare "${usuario[@]}" --pid --fork --mount-proc --kill-child \
    bash "$script" "$guion" "${cliente[@]}"
  exit
fi
raiz=$TALPIN_APARTE

# Seconds a step may take to be heard, a browser starting on a busy machine
# included; seconds without a text begun or ended that make a quiet moment;
# bytes a second the voice speaks.
espera=60
calma=2
ritmo=50

export HOME=$raiz/casa XDG_CONFIG_HOME=$raiz/casa/.config XDG_DATA_HOME=$raiz/casa/.local/share \
  XDG_CACHE_HOME=$raiz/casa/.cache XDG_RUNTIME_DIR=$raiz/run
# Orca's messages in Spanish; no Spanish locale needs to be generated for it.
export LANG=C.UTF-8 LANGUAGE=es
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME/orca" "$XDG_CACHE_HOME" \
  "$XDG_RUNTIME_DIR" "$raiz/registros" "$raiz/juego"
chmod 700 "$XDG_RUNTIME_DIR"
empezado=$raiz/empezado # every text as it starts to be spoken
oido=$raiz/oido         # every text once it has been spoken to its end
: >"$empezado"
: >"$oido"

cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
LogDir "$raiz/registros"
# Nothing is played; libao starts without a sound server.
AudioOutputMethod "libao"
AddModule "registro" "sd_generic" "registro.conf"
DefaultModule registro
DefaultLanguage "es"
EOF
# speech-dispatcher puts the text in place of the first $DATA only, and ends
# the command when the text is cut off.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/registro.conf" <<EOF
GenericExecuteSynth "d=\\'\$DATA\\'; printf '%s\\\\n' \\"\$d\\" >>$empezado; n=\$(printf %s \\"\$d\\" | wc -c); sleep \$((n * 1000 / $ritmo))e-3; printf '%s\\\\n' \\"\$d\\" >>$oido"
GenericLanguage "es" "es" "utf-8"
AddVoice "es" "MALE1" "es"
EOF
# Spanish speech; punctuation left to the voice, so that Orca hands the
# game's texts over as they are; no echo of the keys, which Orca at times
# speaks late, over what a key brought; a page loaded is not read through
# nor summed up, which the keys of the steps would cut short.
cat >"$XDG_DATA_HOME/orca/user-settings.conf" <<EOF
{"general": {"verbalizePunctuationStyle": 3, "enableKeyEcho": false,
             "sayAllOnLoad": false, "pageSummaryOnLoad": false,
             "voices": {"default": {"established": false, "family": {"name": "", "lang": "es", "dialect": ""}}}},
 "pronunciations": {}, "keybindings": {}, "profiles": {"default": {"profile": ["Predeterminado", "default"]}}}
EOF

# Waits until the command succeeds, for `espera` seconds at most.
esperar() {
  local limite=$((SECONDS + espera))
  until "$@"; do
    [ $SECONDS -lt $limite ] || return 1
    sleep 0.1
  done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$raiz/pantalla" 2>"$raiz/registros/xvfb" &
esperar test -s "$raiz/pantalla"
export DISPLAY=:$(cat "$raiz/pantalla")
DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address)
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus_listo() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
esperar bus_listo

# Where the current step began in each record.
desde_oido=0
desde_empezado=0
fallar() {
  echo "FALLO: $*"
  echo "--- Orca said, since the step before:"
  tail -c +$((desde_empezado + 1)) "$empezado"
  exit 1
}

# The game's windows get the focus from the window manager, once it runs.
openbox --startup "touch $raiz/openbox-listo" >"$raiz/registros/openbox" 2>&1 &
esperar test -e "$raiz/openbox-listo" || fallar "openbox did not start"
orca --user-prefs "$XDG_DATA_HOME/orca" --debug-file "$raiz/registros/orca" >/dev/null 2>&1 &
# Orca says it has started: speech works.
esperar test -s "$oido" || fallar "Orca did not start speaking"

# What was spoken since the step began, on one line: Orca speaks a text
# sentence by sentence.
desde() { tail -c +$(($2 + 1)) "$1" | tr '\n' ' ' | tr -s ' '; }

# Succeeds once nothing has begun or ended being spoken for `calma` seconds.
quieto() {
  local ultimo
  ultimo=$(stat -c %.6Y "$empezado" "$oido" | sort -n | tail -n 1)
  [ $((${EPOCHREALTIME/./} - ${ultimo/./})) -ge $((calma * 1000000)) ]
}

# Checks that each line expected of the step is heard in full, in order,
# and, once Orca has fallen quiet, that it was begun only once.
paso="(start)"
esperados=()
callados=()
comprobar() {
  local linea leido=0 resto oido_ya veces
  for linea in "${esperados[@]}"; do
    linea=$(tr -s ' ' <<<"$linea")
    hallar() {
      resto=$(desde "$oido" $desde_oido)
      resto=${resto:leido}
      oido_ya=${resto#*"$linea"}
      [ "$oido_ya" != "$resto" ]
    }
    esperar hallar || fallar "after $paso, not heard in full: $linea"
    leido=$((leido + ${#resto} - ${#oido_ya}))
  done
  esperar quieto || fallar "after $paso, Orca did not fall quiet for $calma s"
  for linea in "${esperados[@]}"; do
    linea=$(tr -s ' ' <<<"$linea")
    resto=$(desde "$empezado" $desde_empezado)
    veces=0
    while [ "${resto#*"$linea"}" != "$resto" ]; do
      resto=${resto#*"$linea"}
      veces=$((veces + 1))
    done
    [ $veces -eq 1 ] || fallar "after $paso, spoken $veces times: $linea"
  done
  for linea in "${callados[@]}"; do
    resto=$(desde "$empezado" $desde_empezado)
    [ "${resto#*"$linea"}" = "$resto" ] || fallar "after $paso, heard what must not be: $linea"
  done
  esperados=()
  callados=()
  desde_oido=$(stat -c %s "$oido")
  desde_empezado=$(stat -c %s "$empezado")
}

# Presses the keys one by one, as a player does: Orca hears of each key late
# at times, and stops speaking then. Before the next key, it has begun to
# speak of the focus the key before moved.
crecido() { [ "$(stat -c %s "$empezado")" -gt "$1" ]; }
pulsar() {
  local tecla antes=
  for tecla in "$@"; do
    [ -z "$antes" ] || esperar crecido "$antes" || fallar "after $paso, nothing said of a key"
    antes=$(stat -c %s "$empezado")
    xdotool key "$tecla"
  done
}

cd "$raiz/juego"
ln -s "$OLDPWD/graficos" graficos
# A Qt client on the display, telling Orca all it shows.
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "${cliente[@]}" >"$raiz/registros/cliente" 2>&1 &

while IFS= read -r linea || [ -n "$linea" ]; do
  case $linea in
  '#'* | '') ;;
  '> '* | '+ '* | '% '*)
    comprobar
    paso=$linea
    case $linea in
    '> '*) xdotool type --delay 40 -- "${linea#> }" && xdotool key Return ;;
    '+ '*) pulsar ${linea#+ } ;;
    '% '*) echo "${linea#% }" >partida ;;
    esac
    ;;
  '- '*) callados+=("${linea#- }") ;;
  *) esperados+=("$linea") ;;
  esac
done <"$guion"
comprobar
echo "Orca said every line of $(basename "$guion")."
