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
  await pagina.close();
  return { bytes: hastaLaLinea, titulo, juego };
}

const servidor = await Servir();
const primeras = [];
for (let i = 0; i < veces; ++i) {
  const navegador = await Abrir();
  primeras.push(await Visita(servidor.url, navegador));
  await navegador.close();
}
// Later visits: the same profile, the service worker in charge.
const navegador = await Abrir();
await Visita(servidor.url, navegador);
await new Promise((listo) => setTimeout(listo, 1000));
const luego = [];
for (let i = 0; i < veces; ++i) luego.push(await Visita(servidor.url, navegador));
await navegador.close();
await servidor.parar();

console.log(`load average while measuring: ${loadavg()[0].toFixed(1)} on this machine's processors`);
const ms = (valor) => `${valor.toFixed(1)} ms`;
console.log(`page's own code, gzip -9:                 ${KiB(comprimido)} (target 100 KiB)`);
console.log(`first visit, transferred to the opening:  ${KiB(Mediana(primeras.map((v) => v.bytes)))} (target 500 KiB)`);
console.log(`navigation to the title view ready:       ${ms(Mediana(primeras.map((v) => v.titulo)))} first visit, `
  + `${ms(Mediana(luego.map((v) => v.titulo)))} later (target 300 ms)`);
console.log(`"Juego" to the opening line:              ${ms(Mediana(primeras.map((v) => v.juego)))} first visit, `
  + `${ms(Mediana(luego.map((v) => v.juego)))} later (target 50 ms)`);
