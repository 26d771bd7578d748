// The browser edition's figures, each against its target, run by hand
// after scripts/web.sh:
//   node bench/web.mjs [SITE]        (SITE: build-web/ unless given)
// - the page's own code (WebAssembly, JavaScript, HTML, CSS), gzip -9;
// - the copy kept for offline play: the service worker's cache, whole;
// - what a first visit transfers at 1x density until the game view shows
//   the opening line, its pictures and faces;
// - navigation to the title view ready for input, beside a bare page with
//   one button measured in the same browser, first and later visits;
// - navigation to the game loaded, and "Juego" then to the opening line.
// In headless chromium, from python's server on 127.0.0.1, which sends the
// files uncompressed; the median of several runs.
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { loadavg, tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { Abrir, Servir, sitio as sitioConstruido } from '../tests/web/comun.mjs';

const sitio = resolve(process.argv[2] ?? sitioConstruido);
const veces = 9;
// index.html carries the page's styles and script.
const codigo = ['talpin.wasm', 'talpin.js', 'sw.js', 'index.html'];
const KiB = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const ms = (valor) => `${valor.toFixed(1)} ms`;
const Mediana = (valores) => [...valores].sort((a, b) => a - b)[Math.floor(valores.length / 2)];

let comprimido = 0;
for (const fichero of codigo) comprimido += gzipSync(readFileSync(join(sitio, fichero)), { level: 9 }).length;

// The bare page: one button, whose script, fetched as any page's, makes it ready.
const desnuda = mkdtempSync(join(tmpdir(), 'talpin-desnuda-'));
writeFileSync(join(desnuda, 'index.html'), '<!doctype html>\n<html lang="es">\n<head>\n<meta charset="utf-8">\n'
  + '<meta name="viewport" content="width=device-width, initial-scale=1">\n<title>Talpín</title>\n'
  + '<script src="listo.js" defer></script>\n</head>\n<body>\n<button type="button" id="boton">Juego</button>\n'
  + '</body>\n</html>\n');
writeFileSync(join(desnuda, 'listo.js'), "'use strict';\n"
  + "document.getElementById('boton').addEventListener('click', () => { document.title = 'Juego'; });\n"
  + "document.documentElement.dataset.listo = '';\nperformance.mark('titulo-listo');\n");

const Marca = (pagina, nombre) => pagina.evaluate((nombre) => new Promise((hecho) => {
  const hallada = () => performance.getEntriesByName(nombre)[0];
  if (hallada()) return hecho(hallada().startTime);
  new PerformanceObserver(() => hallada() && hecho(hallada().startTime)).observe({ type: 'mark' });
}), nombre);

// The bare page's visit: navigation to its button ready.
async function VisitaDesnuda(url, navegador) {
  const pagina = await navegador.newPage();
  // The browser's own start is no part of the page's.
  await pagina.goto('about:blank');
  await pagina.goto(url);
  const titulo = await Marca(pagina, 'titulo-listo');
  await pagina.close();
  return { titulo };
}

// One visit of the page: the title view ready, the game loaded, "Juego"
// pressed, and the bytes the game view needed to show.
async function Visita(url, navegador) {
  const pagina = await navegador.newPage();
  await pagina.goto('about:blank');
  const cdp = await pagina.createCDPSession();
  await cdp.send('Network.enable');
  let bytes = 0;
  cdp.on('Network.loadingFinished', (evento) => { bytes += evento.encodedDataLength; });
  await pagina.goto(url);
  const titulo = await Marca(pagina, 'titulo-listo');
  const cargado = await Marca(pagina, 'juego-listo');
  const juego = await pagina.evaluate(() => new Promise((hecho) => {
    const lista = document.querySelector('#Primero-List1');
    const antes = performance.now();
    new MutationObserver(() => hecho(performance.now() - antes)).observe(lista, { childList: true });
    document.querySelector('#Principal-Command1').click();
  }));
  await pagina.evaluate(async () => {
    const fotos = [...document.querySelectorAll('#Primero img')].filter((img) => img.checkVisibility());
    await Promise.all(fotos.map((img) => img.decode().catch(() => {})));
    await document.fonts.ready;
  });
  const hastaLaLinea = bytes;
  // The game started installs the service worker, kept out of the next visit.
  await pagina.evaluate(() => navigator.serviceWorker.ready);
  await pagina.close();
  return { bytes: hastaLaLinea, titulo, cargado, juego };
}

// A first visit: a site the browser has never seen, on a server of its
// own (a port of its own is an origin of its own).
async function PrimeraVisita(carpeta, visitar, navegador) {
  const servidor = await Servir(carpeta);
  const visita = await visitar(servidor.url, navegador);
  await servidor.parar();
  return visita;
}

// Both pages, turn about, so that neither always goes first; in a new
// browser each where `nuevo` says so.
async function Ambas(vez, visitas, navegador, nuevo) {
  const turnos = [[sitio, Visita, visitas.pagina], [desnuda, VisitaDesnuda, visitas.desnuda]];
  if (vez % 2) turnos.reverse();
  for (const [carpeta, visitar, lista] of turnos) {
    const este = nuevo ? await Abrir() : navegador;
    lista.push(await PrimeraVisita(carpeta, visitar, este));
    if (nuevo) await este.close();
  }
}

// In a new browser each time, in one already running, and later visits to
// one site each, with the page's service worker in charge.
const nuevas = { pagina: [], desnuda: [] };
for (let i = 0; i < veces; ++i) await Ambas(i, nuevas, null, true);
const navegador = await Abrir();
await Ambas(0, { pagina: [], desnuda: [] }, navegador);
const primeras = { pagina: [], desnuda: [] };
for (let i = 0; i < veces; ++i) await Ambas(i, primeras, navegador);

const servidor = await Servir(sitio);
const servidorDesnudo = await Servir(desnuda);
await Visita(servidor.url, navegador);
await VisitaDesnuda(servidorDesnudo.url, navegador);
// The copy kept for offline play, once the worker has it all.
const { ficheros, guardados } = await (async () => {
  const pagina = await navegador.newPage();
  await pagina.goto(servidor.url);
  const copia = await pagina.evaluate(async () => {
    await navigator.serviceWorker.ready;
    let ficheros = 0;
    let guardados = 0;
    for (const clave of await caches.keys()) {
      const cache = await caches.open(clave);
      for (const peticion of await cache.keys()) {
        ficheros += 1;
        guardados += (await (await cache.match(peticion)).arrayBuffer()).byteLength;
      }
    }
    return { ficheros, guardados };
  });
  await pagina.close();
  return copia;
})();
const luego = { pagina: [], desnuda: [] };
for (let i = 0; i < veces; ++i) {
  luego.pagina.push(await Visita(servidor.url, navegador));
  luego.desnuda.push(await VisitaDesnuda(servidorDesnudo.url, navegador));
}
await navegador.close();
await servidor.parar();
await servidorDesnudo.parar();
rmSync(desnuda, { recursive: true, force: true });

const columnas = [nuevas, primeras, luego];
const De = (visitas, campo) => Mediana(visitas.map((v) => v[campo]));
const Cumple = (valor, objetivo) => (valor <= objetivo ? 'met' : 'NOT MET');
const Fila = (etiqueta, valores, objetivo) => console.log(etiqueta.padEnd(44) + valores.map((v) => v.padEnd(14)).join('')
  + (objetivo ? `  (target ${objetivo})` : ''));

console.log(`${sitio}`);
console.log(`load average while measuring: ${loadavg().map((l) => l.toFixed(1)).join(' ')} (1, 5, 15 min)`);
console.log(`page's own code, gzip -9:                   ${KiB(comprimido)}  (target 100 KiB: ${Cumple(comprimido, 100 * 1024)})`);
console.log(`copy kept for offline play:                 ${ficheros} files, ${KiB(guardados)}`
  + `  (target 400 KiB: ${Cumple(guardados, 400 * 1024)})`);
const transferidos = De(nuevas.pagina, 'bytes');
console.log(`first visit, transferred until the opening line: ${KiB(transferidos)}`
  + `  (target 250 KiB: ${Cumple(transferidos, 250 * 1024)})`);
console.log('');
Fila('', ['new browser', 'first visit', 'later visit']);
Fila('navigation to the title view ready', columnas.map((c) => ms(De(c.pagina, 'titulo'))));
Fila('the same, the bare page with one button', columnas.map((c) => ms(De(c.desnuda, 'titulo'))));
const veces15 = columnas.map((c) => De(c.pagina, 'titulo') / De(c.desnuda, 'titulo'));
Fila('the page against the bare one', veces15.map((r) => `${r.toFixed(2)}×`),
  `1.5×: ${veces15.every((r) => r <= 1.5) ? 'met' : 'NOT MET'}`);
Fila('navigation to the game loaded', columnas.map((c) => ms(De(c.pagina, 'cargado'))));
Fila('"Juego" then to the opening line', columnas.map((c) => ms(De(c.pagina, 'juego'))), '50 ms');
