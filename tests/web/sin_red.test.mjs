// After a first visit the page plays with its server gone, Chromium finds
// it installable, and a new version takes the cached one's place on the
// next visit.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, realpathSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Abrir, Cargar, Entrar, Jugar, Lineas, Servir, sitio } from './comun.mjs';

let copia;
let navegador;
before(async () => {
  // A copy of the site, to change it between two visits.
  copia = mkdtempSync(join(tmpdir(), 'talpin-sitio-'));
  cpSync(realpathSync(sitio), copia, { recursive: true });
  navegador = await Abrir();
});
after(async () => {
  await navegador?.close();
  rmSync(copia, { recursive: true, force: true });
});

// The first visit: a game started, then the service worker in charge with
// every file cached.
async function Visitar(url) {
  const pagina = await Cargar(navegador, url);
  await Jugar(pagina);
  await pagina.evaluate(() => navigator.serviceWorker.ready);
  await pagina.reload();
  await pagina.waitForSelector('html[data-listo]');
  assert.ok(await pagina.evaluate(() => navigator.serviceWorker.controller !== null), 'no service worker in charge');
  return pagina;
}

test('the page plays offline after a first visit, and is installable', async () => {
  const servidor = await Servir(copia);
  const pagina = await Visitar(servidor.url);
  const cdp = await pagina.createCDPSession();
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);
  await servidor.parar();

  await pagina.reload();
  await pagina.waitForSelector('html[data-listo]');
  await Jugar(pagina);
  const apertura = await Lineas(pagina);
  await Entrar(pagina, 'mirar persiana');
  assert.notDeepEqual(await Lineas(pagina), apertura);
  // The pictures come from the cache too.
  await Entrar(pagina, ':lugar');
  const fotos = await pagina.$$eval('#Primero img', (imgs) => imgs.filter((img) => !img.hidden).map((img) => img.naturalWidth));
  assert.ok(fotos.every((ancho) => ancho > 0), 'a picture did not load offline');
  // The page by its file's name too.
  await pagina.goto(`${servidor.url}index.html`);
  await pagina.waitForSelector('html[data-listo]');
  assert.deepEqual(pagina.fallos, []);
  await pagina.close();
});

test('a new version replaces the cached one on the next visit', async () => {
  const servidor = await Servir(copia);
  const pagina = await Visitar(servidor.url);
  // A new build: another page and so another version of the worker.
  writeFileSync(join(copia, 'index.html'), readFileSync(join(copia, 'index.html'), 'utf8') + '<!-- nueva -->\n');
  const worker = join(copia, 'sw.js');
  writeFileSync(worker, readFileSync(worker, 'utf8').replace(/const version = '[^']*'/, "const version = 'talpin-nueva'"));
  await pagina.reload();
  await pagina.waitForFunction(async () => (await caches.keys()).join() === 'talpin-nueva', { timeout: 10000 });
  // The page reloads itself once the new worker takes over; ours may meet
  // that one halfway, and then a fresh visit does instead.
  await pagina.reload().catch(() => pagina.goto(servidor.url));
  await pagina.waitForSelector('html[data-listo]');
  const servida = await pagina.evaluate(() => fetch('./').then((respuesta) => respuesta.text()));
  assert.ok(servida.includes('<!-- nueva -->'), 'the old page is still served');
  await servidor.parar();
  await pagina.close();
});
