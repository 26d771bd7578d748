#!/usr/bin/env bash
# The page as a player opens it, for tests/oido_orca.sh: the built site
# (build-web/, by scripts/web.sh) served on 127.0.0.1 as the README serves
# it, and opened in Debian's BROWSER, chromium or firefox-esr, with a fresh
# profile and its accessibility on.
# Usage: oido_pagina.sh BROWSER
set -euo pipefail
navegador=$1
sitio=$(realpath "$(dirname "$0")/../../build-web")

# The server prints its address once it listens.
exec 3< <(exec python3 -u -m http.server --bind 127.0.0.1 0 -d "$sitio" 2>/dev/null)
read -r -u 3 servido
[[ $servido =~ port\ ([0-9]+) ]]
url=http://127.0.0.1:${BASH_REMATCH[1]}/

perfil=$HOME/$navegador
mkdir -p "$perfil"
case $navegador in
chromium)
  # As root, chromium starts only without its sandbox (--test-type keeps the
  # warning about it out of the window). The page alone in its window, with
  # no offer to translate it.
  sandbox=(); [ "$(id -u)" -ne 0 ] || sandbox=(--no-sandbox --test-type)
  mkdir -p "$perfil/Default"
  echo '{"translate": {"enabled": false}}' >"$perfil/Default/Preferences"
  exec chromium "${sandbox[@]}" --user-data-dir="$perfil" --force-renderer-accessibility --no-first-run \
    --no-default-browser-check --disable-gpu --disable-background-networking --disable-component-update \
    --disable-sync --password-store=basic --lang=es --window-position=0,0 --window-size=1000,740 --app="$url"
  ;;
firefox-esr)
  # In Spanish, as a player of the game has it; no first-run pages nor
  # questions: the page alone, as a returning player sees it. Accessibility
  # is on, as it is where a screen reader runs.
  cat >"$perfil/user.js" <<EOF
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("startup.homepage_welcome_url.additional", "");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("app.update.auto", false);
user_pref("browser.translations.automaticallyPopup", false);
user_pref("intl.locale.requested", "es-ES");
user_pref("datareporting.policy.firstRunURL", "");
user_pref("browser.newtabpage.enabled", false);
user_pref("browser.startup.page", 0);
EOF
  GNOME_ACCESSIBILITY=1 exec firefox-esr --profile "$perfil" --no-remote --new-instance --width 1000 --height 740 "$url"
  ;;
*)
  echo "oido_pagina.sh: unknown browser $navegador" >&2
  exit 2
  ;;
esac
