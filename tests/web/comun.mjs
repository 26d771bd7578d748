// What the browser tests share: the built site served on 127.0.0.1,
// a browser of each engine with a fresh profile, and the transcripts of
// tests/partidas/ read as a player's session.
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { after, before } from 'node:test';
import assert from 'node:assert/strict';
import puppeteer from 'puppeteer-core';
import { AbrirWebKit } from './webkit.mjs';

export const raiz = resolve(new URL('../..', import.meta.url).pathname);
export const sitio = join(raiz, 'build-web');
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';
const firefox = process.env.FIREFOX || '/usr/bin/firefox-esr';

// A static server for `carpeta`, as the README serves the site.
export async function Servir(carpeta = sitio) {
  const servidor = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '0', '-d', carpeta], {
    stdio: ['ignore', 'pipe', 'ignore'],
  });
  const puerto = await new Promise((listo, fallo) => {
    let leido = '';
    servidor.stdout.on('data', (trozo) => {
      leido += trozo;
      const hallado = /port (\d+)/.exec(leido);
      if (hallado) listo(Number(hallado[1]));
    });
    servidor.on('exit', () => fallo(new Error('the server stopped')));
  });
  return {
    url: `http://127.0.0.1:${puerto}/`,
    parar: () => new Promise((hecho) => {
      if (servidor.exitCode !== null || servidor.signalCode !== null) return hecho();
      servidor.once('exit', hecho);
      servidor.kill();
    }),
  };
}

// The engines the page is played in: Debian's chromium and firefox-esr
// through puppeteer (the latter over WebDriver BiDi), and WebKitGTK.
export const motores = ['chromium', 'firefox', 'webkit'];

// A browser of `motor`, with a fresh profile, its pages shown at `ancho`
// × `alto` CSS pixels and `densidad` device pixels to each.
export async function Abrir({ motor = 'chromium', ancho = 800, alto = 600, densidad = 1 } = {}) {
  const vista = { width: ancho, height: alto, deviceScaleFactor: densidad };
  if (motor === 'webkit') return AbrirWebKit(vista);
  const perfil = mkdtempSync(join(tmpdir(), `talpin-${motor}-`));
  const comunes = { headless: true, userDataDir: perfil, defaultViewport: vista };
  const navegador = await puppeteer.launch(motor === 'firefox' ? {
    ...comunes,
    browser: 'firefox',
    executablePath: firefox,
    extraPrefsFirefox: { 'intl.accept_languages': 'es' },
  } : {
    ...comunes,
    executablePath: chromium,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--lang=es'],
  });
  const cerrar = navegador.close.bind(navegador);
  navegador.close = async () => {
    await cerrar();
    rmSync(perfil, { recursive: true, force: true });
  };
  return navegador;
}

// For a test file: the site served and one browser for its tests, as
// `entorno.servidor` and `entorno.navegador`.
export function Entorno(opciones) {
  const entorno = {};
  before(async () => {
    entorno.servidor = await Servir();
    entorno.navegador = await Abrir(opciones);
  });
  after(async () => {
    await entorno.navegador?.close();
    await entorno.servidor?.parar();
  });
  return entorno;
}

// What a test awaits, or a failure that names it should it not come within
// puppeteer's own wait.
export function Esperar(promesa, que, ms = 30000) {
  let plazo;
  const vencido = new Promise((_, fallo) => {
    plazo = setTimeout(() => fallo(new assert.AssertionError({ message: `${que}: nothing after ${ms} ms` })), ms);
  });
  return Promise.race([promesa, vencido]).finally(() => clearTimeout(plazo));
}

// A page with the title view ready for input; laid out for `pantalla`
// (puppeteer's viewport) where given.
export async function Cargar(navegador, url, pantalla) {
  const pagina = await navegador.newPage();
  if (pantalla) await pagina.setViewport(pantalla);
  const fallos = [];
  pagina.on('pageerror', (error) => fallos.push(error));
  pagina.fallos = fallos;
  await pagina.goto(url);
  await pagina.waitForSelector('html[data-listo]');
  return pagina;
}

// Runs `accion`, which reloads the page, and waits for the new page's
// title view ready for input.
export async function Recargar(pagina, accion = () => pagina.reload()) {
  await pagina.evaluate(() => { window.antesDeRecargar = true; });
  await accion();
  await pagina.waitForFunction(() => !window.antesDeRecargar && document.documentElement.hasAttribute('data-listo'));
}

export async function Jugar(pagina) {
  await pagina.click('#Principal-Command1');
  await pagina.waitForFunction(() => document.querySelector('#Primero-List1').childElementCount > 0);
}

// The pictures shown, once each has loaded (or failed to): the file the
// browser chose for each, and its width (0 when it failed).
export const Fotos = (pagina) =>
  pagina.$$eval('img', (imgs) => Promise.all(imgs.filter((img) => img.checkVisibility()).map((img) =>
    img.decode().catch(() => {}).then(() => ({ fichero: img.currentSrc, ancho: img.naturalWidth })))));

// In one call: puppeteer's $$eval costs a round trip per element over
// WebDriver BiDi.
export const Lineas = (pagina) =>
  pagina.evaluate(() => [...document.querySelectorAll('#Primero-List1 > div')].map((linea) => linea.textContent));

// A transcript: the opening, then each input with the lines it must show.
// Lines "# ..." are notes; "% ..." starts a game from a saved one.
export function Guion(nombre) {
  const lineas = readFileSync(join(raiz, 'tests/partidas', nombre), 'utf8').split('\n');
  lineas.pop(); // after the last line break
  const pasos = [{ entrada: null, esperado: [] }];
  for (const linea of lineas) {
    if (linea.startsWith('#')) continue;
    if (linea.startsWith('% ')) throw new Error('the page plays one game per transcript');
    if (linea.startsWith('> ')) pasos.push({ entrada: linea.slice(2), esperado: [] });
    else pasos.at(-1).esperado.push(linea);
  }
  // Each answer ends with an empty line.
  for (const paso of pasos) paso.esperado.pop();
  return pasos;
}

// Runs one input of a transcript in the page. An order is typed into the
// command box, after what the box holds, and sent with Enter. A ":" command
// names a key of the box, or a control of the game window, which bears the
// same name: it is pressed from the keyboard, the control taking the focus.
export async function Entrar(pagina, entrada) {
  const caja = '#Primero-ordenes';
  if (!entrada.startsWith(':')) {
    await pagina.$eval(caja, (c) => { c.value = ''; });
    await pagina.focus(caja);
    await pagina.keyboard.type(entrada);
    await pagina.keyboard.press('Enter');
    return;
  }
  const [comando, ...resto] = entrada.slice(1).split(' ');
  const control = `[data-mando="${comando}"]`;
  if (comando === 'escribir' || comando === 'enter' || comando === 'esc') {
    await pagina.focus(caja);
    if (comando === 'escribir') await pagina.keyboard.type(resto.join(' '));
    else await pagina.keyboard.press(comando === 'enter' ? 'Enter' : 'Escape');
    return;
  }
  const [oculto] = await pagina.$$eval(control, (hallados) => hallados.map((hallado) => hallado.hidden));
  if (oculto === undefined) {
    if (comando !== 'estado') throw new Error(`no control for :${comando}`);
  } else if (!oculto) {
    // A hidden picture takes no clicks. The caret stays where the box had
    // it, as a click elsewhere leaves it.
    await pagina.focus(control);
    await pagina.keyboard.press('Enter');
  }
}

// What the page shows that `:estado` prints after the numbers: the two
// pictures and the command box. The pictures are named by their files; see
// Comparables.
export function Estado(pagina) {
  return pagina.evaluate(() => {
    // The stored picture, before the game loads one.
    const fichero = (id) => {
      const ruta = document.querySelector(`${id} img`).getAttribute('src');
      return ruta.startsWith('graficos/') ? ruta.split('/').pop() : '(inicial)';
    };
    const personaje = document.querySelector('#Primero-Image2');
    return [
      `Image3: ${fichero('#Primero-Image3')}`,
      `Image2: ${personaje.hidden ? 'oculta' : fichero('#Primero-Image2')}`,
      `ordenes: ${document.querySelector('#Primero-ordenes').value}`,
    ];
  });
}

// Lines of `:estado`, the page's or a transcript's, to compare: the page
// shows the game's picture "Dentro1.jpg" as a drawing of its own, so a
// picture counts by its name, in any case and any format.
export const Comparables = (lineas) =>
  lineas.map((linea) => (linea.startsWith('Image') ? linea.toLowerCase().replace(/\.[a-z0-9]+$/, '') : linea));
