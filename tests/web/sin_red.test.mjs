// After a first visit the page plays with its server gone, Chromium finds
// it installable, and a new version takes the cached one's place on the
// next visit.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, realpathSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Abrir, Cargar, Entrar, Esperar, Fotos, Jugar, Lineas, Servir, sitio } from './comun.mjs';

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

// A server for the copy, stopped when the test ends, even by a failure:
// else it keeps the test file running.
async function ServirCopia(prueba) {
  const servidor = await Servir(copia);
  prueba.after(() => servidor.parar());
  return servidor;
}

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

test('the page plays offline after a first visit, and is installable', async (prueba) => {
  const servidor = await ServirCopia(prueba);
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
  const fotos = await Fotos(pagina);
  assert.ok(fotos.length > 0);
  assert.deepEqual(fotos.filter(({ ancho }) => ancho === 0), [], 'a picture did not load offline');
  // The page by its file's name too.
  await pagina.goto(`${servidor.url}index.html`);
  await pagina.waitForSelector('html[data-listo]');
  assert.deepEqual(pagina.fallos, []);
  await pagina.close();
});

test('a new version replaces the cached one on the next visit', async (prueba) => {
  const servidor = await ServirCopia(prueba);
  const pagina = await Visitar(servidor.url);
  // A new build: another page and so another version of the worker.
  writeFileSync(join(copia, 'index.html'), readFileSync(join(copia, 'index.html'), 'utf8') + '<!-- nueva -->\n');
  const worker = join(copia, 'sw.js');
  writeFileSync(worker, readFileSync(worker, 'utf8').replace(/const version = '[^']*'/, "const version = 'talpin-nueva'"));
  // The next visit fetches the new worker; once it takes over, the page,
  // with no game started, reloads itself. Both navigations are counted from
  // before the visit, so the page's own can't slip by.
  let navegaciones = 0;
  const propia = new Promise((hecho) => {
    const Contar = (marco) => {
      if (marco === pagina.mainFrame() && ++navegaciones === 2) {
        pagina.off('framenavigated', Contar);
        hecho();
      }
    };
    pagina.on('framenavigated', Contar);
  });
  await pagina.reload();
  await Esperar(propia, 'the page\'s own reload under the new worker');
  await pagina.waitForSelector('html[data-listo]');
  assert.deepEqual(await pagina.evaluate(() => caches.keys()), ['talpin-nueva']);
  const servida = await pagina.evaluate(() => fetch('./').then((respuesta) => respuesta.text()));
  assert.ok(servida.includes('<!-- nueva -->'), 'the old page is still served');
  await pagina.close();
});
