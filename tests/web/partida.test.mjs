// The whole game in the page, from the keyboard alone, as the transcript
// tests/partidas/completa.txt plays it in the terminal; and the saved game
// kept across a reload. In every engine.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { Cargar, Comparables, Entorno, Entrar, Estado, Guion, Jugar, Lineas, motores, Recargar } from './comun.mjs';

// What the page shows after an input, as the terminal prints it.
async function Visto(pagina, entrada) {
  if (entrada === ':estado') return Estado(pagina);
  if (await pagina.$eval('#Final', (vista) => !vista.hidden))
    return pagina.$$eval('#Final .parrafo', (textos) => textos.map((texto) => texto.textContent));
  if (await pagina.$eval('#aviso', (aviso) => aviso.open)) return [await pagina.$eval('#aviso-texto', (t) => t.textContent)];
  return Lineas(pagina);
}

// The list changes once per input at most, so a screen reader announces
// each answer once.
async function Contar(pagina) {
  await pagina.evaluate(() => {
    window.cambios = 0;
    window.observador ??= new MutationObserver((cambios) => { window.cambios += cambios.length; });
    window.observador.observe(document.querySelector('#Primero-List1'), { childList: true });
  });
}

async function Seguir(pagina, pasos) {
  for (const { entrada, esperado } of pasos) {
    await Contar(pagina);
    await Entrar(pagina, entrada);
    const visto = await Visto(pagina, entrada);
    // `:estado` also prints the state's numbers, which the page doesn't show.
    const queda = entrada === ':estado' ? esperado.slice(1) : esperado;
    assert.deepEqual(Comparables(visto), Comparables(queda), `after «${entrada}»`);
    assert.ok(await pagina.evaluate(() => window.cambios) <= 1, `«${entrada}» changed the list more than once`);
  }
}

async function Completa(entorno) {
  const [apertura, ...pasos] = Guion('completa.txt');
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  await pagina.focus('#Principal-Command1');
  await pagina.keyboard.press('Enter');
  await pagina.waitForFunction(() => document.querySelector('#Primero-List1').childElementCount > 0);
  // The game window opens with the focus on the message list.
  assert.equal(await pagina.evaluate(() => document.activeElement.id), 'Primero-List1');
  assert.deepEqual(await Lineas(pagina), apertura.esperado);
  await Seguir(pagina, pasos);
  assert.equal(await pagina.evaluate(() => document.title), await pagina.$eval('#Final-titulo', (t) => t.textContent));
  // The ending's "Salir", which has the focus, starts afresh, and the
  // saved game is still there.
  const guardada = await pagina.evaluate(() => localStorage.getItem('partida'));
  assert.equal(await pagina.evaluate(() => document.activeElement.id), 'Final-Command1');
  await Recargar(pagina, () => pagina.keyboard.press('Enter'));
  assert.equal(await pagina.$eval('#Principal', (vista) => vista.hidden), false);
  assert.equal(await pagina.evaluate(() => localStorage.getItem('partida')), guardada);
  assert.deepEqual(pagina.fallos, []);
  await pagina.close();
}

async function Recarga(entorno) {
  const [apertura, ...pasos] = Guion('completa.txt');
  const guardar = pasos.findIndex((paso) => paso.entrada === ':guardar');
  const cargar = pasos.findIndex((paso) => paso.entrada === ':cargar');
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  await pagina.evaluate(() => localStorage.clear());
  await Jugar(pagina);
  await Seguir(pagina, pasos.slice(0, guardar + 1));

  const antes = await Lineas(pagina);
  await pagina.click('#Primero-salir');
  await pagina.click('#Principal-Command1');
  assert.deepEqual(await Lineas(pagina), antes);

  await Recargar(pagina);
  await Jugar(pagina);
  assert.deepEqual(await Lineas(pagina), apertura.esperado);
  await Seguir(pagina, pasos.slice(cargar));
  await pagina.close();
}

for (const motor of motores) describe(motor, () => {
  const entorno = Entorno({ motor });
  test('the whole game plays to the ending from the keyboard', () => Completa(entorno));
  test('a saved game outlives a reload, and "Menú Principal" keeps the game', () => Recarga(entorno));
});

// Where the browser would ask the player, Firefox puts its question up:
// the asks are counted in Chromium.
const chromium = Entorno();
test('the browser is asked to keep the saved game for good at the first save, not as the game starts', async () => {
  const pagina = await (await chromium.navegador.createBrowserContext()).newPage();
  await pagina.evaluateOnNewDocument(() => {
    window.pedidos = 0;
    navigator.storage.persist = async () => { window.pedidos += 1; return false; };
  });
  await pagina.goto(chromium.servidor.url);
  await Jugar(pagina);
  assert.equal(await pagina.evaluate(() => window.pedidos), 0);
  for (const veces of [1, 1]) {
    await Entrar(pagina, ':guardar');
    assert.equal(await pagina.evaluate(() => window.pedidos), veces);
  }
  // A returning player's page, served by its service worker, asks nothing either.
  await pagina.evaluate(() => navigator.serviceWorker.ready);
  await Recargar(pagina);
  assert.ok(await pagina.evaluate(() => navigator.serviceWorker.controller !== null), 'no service worker in charge');
  await Jugar(pagina);
  assert.equal(await pagina.evaluate(() => window.pedidos), 0);
  await pagina.browserContext().close();
});
