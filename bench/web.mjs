// The browser edition's figures, run by hand after scripts/web.sh:
//   node bench/web.mjs
// - the page's own code (WebAssembly, JavaScript, HTML, CSS), gzip -9;
// - what a first visit transfers at 1x density until the opening line shows;
// - navigation to the title view ready for input, first and later visits;
// - "Juego" to the opening line in the list.
// In headless chromium, from python's server on 127.0.0.1, which sends the
// files uncompressed; the median of several runs.
import { readFileSync } from 'node:fs';
import { loadavg } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { Abrir, Servir, sitio } from '../tests/web/comun.mjs';

const veces = 9;
const codigo = ['talpin.wasm', 'talpin.js', 'pagina.js', 'sw.js', 'index.html', 'estilo.css', 'disposicion.css'];
const KiB = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const Mediana = (valores) => [...valores].sort((a, b) => a - b)[Math.floor(valores.length / 2)];

let comprimido = 0;
for (const fichero of codigo) comprimido += gzipSync(readFileSync(join(sitio, fichero)), { level: 9 }).length;

// One visit in a fresh profile: bytes until the opening line, and the two times.
async function Visita(url, navegador) {
  const pagina = await navegador.newPage();
  // The browser's own start is no part of the page's.
  await pagina.goto('about:blank');
  const cdp = await pagina.createCDPSession();
  await cdp.send('Network.enable');
  let bytes = 0;
  cdp.on('Network.loadingFinished', (evento) => { bytes += evento.encodedDataLength; });
  await pagina.goto(url);
  await pagina.waitForSelector('html[data-listo]');
  const titulo = await pagina.evaluate(() => performance.getEntriesByName('titulo-listo')[0].startTime);
  const juego = await pagina.evaluate(() => new Promise((hecho) => {
    const lista = document.querySelector('#Primero-List1');
    const antes = performance.now();
    new MutationObserver(() => hecho(performance.now() - antes)).observe(lista, { childList: true });
    document.querySelector('#Principal-Command1').click();
  }));
  // What had arrived by the line; the game view's pictures and faces follow.
  const hastaLaLinea = bytes;
  // The game started installs the service worker, kept out of the next visit.
  await pagina.evaluate(() => navigator.serviceWorker.ready);
  await pagina.close();
  return { bytes: hastaLaLinea, titulo, juego };
}

// A first visit: a site the browser has never seen, on a server of its
// own (a port of its own is an origin of its own), in a new browser or in
// one already running.
async function PrimeraVisita(navegador) {
  const servidor = await Servir();
  const visita = await Visita(servidor.url, navegador);
  await servidor.parar();
  return visita;
}

const nuevas = [];
for (let i = 0; i < veces; ++i) {
  const navegador = await Abrir();
  nuevas.push(await PrimeraVisita(navegador));
  await navegador.close();
}
const navegador = await Abrir();
await PrimeraVisita(navegador);
const primeras = [];
for (let i = 0; i < veces; ++i) primeras.push(await PrimeraVisita(navegador));
// Later visits to one site: the service worker in charge.
const servidor = await Servir();
await Visita(servidor.url, navegador);
const luego = [];
for (let i = 0; i < veces; ++i) luego.push(await Visita(servidor.url, navegador));
await navegador.close();
await servidor.parar();

console.log(`load average while measuring: ${loadavg()[0].toFixed(1)} on this machine's processors`);
const ms = (valor) => `${valor.toFixed(1)} ms`;
console.log(`page's own code, gzip -9:                 ${KiB(comprimido)} (target 100 KiB)`);
const Fila = (etiqueta, campo, formato, objetivo) => console.log(etiqueta.padEnd(40)
  + [nuevas, primeras, luego].map((visitas) => formato(Mediana(visitas.map((v) => v[campo])))).join(' | ')
  + `  (target ${objetivo})`);
console.log(`${''.padEnd(40)}first visit in a new browser | first visit | later visit`);
Fila('transferred until the opening line', 'bytes', KiB, '500 KiB at the first visit');
Fila('navigation to the title view ready', 'titulo', ms, '300 ms');
Fila('"Juego" to the opening line', 'juego', ms, '50 ms');
