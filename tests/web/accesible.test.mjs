// The page as a screen reader finds it: axe-core on every view and message
// box, the names of the controls in Chromium's accessibility tree, and the
// keyboard's order through the game view.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { Cargar, Entorno, Entrar, Jugar, Recargar } from './comun.mjs';

const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const entorno = Entorno();

async function SinFallos(pagina, donde) {
  if (!(await pagina.evaluate(() => 'axe' in window))) await pagina.evaluate(axe);
  const { violations } = await pagina.evaluate(() => window.axe.run(document));
  assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [], donde);
}

// The accessibility tree's node for an element, or null where it is not in the tree.
async function Nodo(pagina, selector) {
  const elemento = await pagina.$(selector);
  const nodo = await pagina.accessibility.snapshot({ root: elemento, interestingOnly: false });
  return nodo && { role: nodo.role, name: nodo.name };
}

test('no view and no message box has an accessibility fault', async () => {
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  await SinFallos(pagina, 'title view');
  await pagina.click('#Principal-archivo');
  await SinFallos(pagina, 'the Archivo menu open');
  await pagina.click('#Principal-acercade');
  await SinFallos(pagina, 'about box');
  // Named by its title, the focus on "Aceptar".
  const acercade = await pagina.$eval('#Principal-acercade', (item) => item.textContent);
  assert.deepEqual(await Nodo(pagina, '#aviso'), { role: 'dialog', name: acercade });
  assert.equal(await pagina.evaluate(() => document.activeElement.id), 'aviso-aceptar');
  await pagina.keyboard.press('Enter');
  await pagina.click('#Principal-archivo');
  await pagina.click('#Principal-autor');
  await SinFallos(pagina, 'about-the-author view');
  await pagina.click('#SobreAutor-Command1');
  await Jugar(pagina);
  await SinFallos(pagina, 'game view');
  // Where nobody stands: the garage, from a saved game.
  await pagina.evaluate(() => localStorage.setItem('partida', ' 3  0  1  0  0  0  0  0  0  0  0  0  0  0  0  0 \r\n'));
  await pagina.click('#Primero-Cargar');
  await SinFallos(pagina, 'game view without a character');
  await Entrar(pagina, ':esc');
  await SinFallos(pagina, 'goodbye box');
  // Past the goodbye box the page starts afresh.
  await Promise.all([pagina.waitForNavigation(), pagina.keyboard.press('Enter')]);
  await pagina.waitForSelector('html[data-listo]');
  assert.equal(await pagina.$eval('#Principal', (vista) => vista.hidden), false);
  await pagina.evaluate(() => document.querySelectorAll('.vista').forEach((v) => { v.hidden = v.id !== 'Final'; }));
  await SinFallos(pagina, 'ending view');
  await pagina.close();
});

test('controls bear the desktop\'s names, and a hidden character leaves the tree', async () => {
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  assert.equal(await pagina.evaluate(() => document.documentElement.lang), 'es');
  await pagina.click('#Principal-archivo');
  const opciones = await pagina.$$eval('[role^="menuitem"]', (items) => items.map((item) => item.id));
  const nombres = [];
  for (const id of opciones) {
    const { role, name } = await Nodo(pagina, `#${id}`);
    nombres.push(role === 'menuitem' ? name : `${role} ${name}`);
  }
  assert.deepEqual(nombres, ['Sobre el autor', 'Acerca de ...', 'Descargar partida', 'Subir partida',
    'menuitemcheckbox Tamaño original', 'Salir']);
  await pagina.keyboard.press('Escape');
  await Jugar(pagina);

  assert.deepEqual(await Nodo(pagina, '#Primero-List1'), { role: 'list', name: 'Mensajes.' });
  assert.deepEqual(await Nodo(pagina, '#Primero-ordenes'),
    { role: 'textbox', name: 'Escribe aquí, las ordenes que quieras realizar.' });
  assert.deepEqual(await Nodo(pagina, '#Primero-Image3'), { role: 'button', name: 'Calle' });
  assert.deepEqual(await Nodo(pagina, '#Primero-Image2'), { role: 'button', name: 'Fray Cabronus' });
  const verbos = [];
  for (const id of ['Image4', 'Image5', 'Image6', 'Image7', 'Image8']) verbos.push(await Nodo(pagina, `#Primero-${id}`));
  assert.deepEqual(verbos.map((v) => `${v.role} ${v.name}`),
    ['button Hablar', 'button Mirar', 'button Usar', 'button Mentir', 'button Coger']);

  // The second kitchen, where nobody stands.
  await pagina.evaluate(() => localStorage.setItem('partida', ' 4  0  1  0  0  0  0  0  0  0  0  0  0  0  0  0 \r\n'));
  await pagina.click('#Primero-Cargar');
  assert.deepEqual(await Nodo(pagina, '#Primero-Image3'), { role: 'button', name: 'Segunda cocina' });
  assert.equal(await Nodo(pagina, '#Primero-Image2'), null);
  await pagina.close();
});

// Alt and the menu's letter open it, and an item's letter chooses.
test('the underlined letters work as in the title window', async () => {
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  const letra = (id) => pagina.$eval(`#Principal-${id} u`, (u) => u.textContent.toLowerCase());
  const menu = await letra('archivo');
  async function AltMenu() {
    await pagina.keyboard.down('Alt');
    await pagina.keyboard.press(menu);
    await pagina.keyboard.up('Alt');
    return pagina.$eval('#Principal-archivo', (m) => m.getAttribute('aria-expanded') === 'true');
  }
  const visible = (id) => pagina.$eval(`#${id}`, (elemento) => !elemento.hidden);

  assert.ok(await AltMenu());
  assert.equal(await pagina.evaluate(() => document.activeElement.id), 'Principal-autor');
  await pagina.keyboard.press(await letra('autor'));
  assert.ok(await visible('SobreAutor'));
  assert.ok(!(await visible('Principal-archivo-opciones')));
  await pagina.keyboard.press('Enter'); // "Volver", where the view put the focus
  assert.ok(await visible('Principal'));

  assert.ok(await AltMenu());
  await pagina.keyboard.press(await letra('acercade'));
  assert.ok(await pagina.$eval('#aviso', (aviso) => aviso.open));
  // Neither under a message box nor in the game view.
  assert.ok(!(await AltMenu()));
  await pagina.keyboard.press('Enter');
  // The box gives the focus back to the menu.
  assert.equal(await pagina.evaluate(() => document.activeElement.id), 'Principal-archivo');
  await Jugar(pagina);
  assert.ok(!(await AltMenu()));
  await pagina.click('#Primero-salir');

  assert.ok(await AltMenu());
  const salir = await letra('alacaca');
  await Recargar(pagina, () => pagina.keyboard.press(salir));
  await pagina.close();
});

test('Tab goes through the game view in the desktop\'s order', async () => {
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  await Jugar(pagina);
  const orden = ['List1', 'ordenes', 'limpiar', 'salir', 'Salidas', 'Guardar', 'objetos', 'Cargar',
    'Image4', 'Image5', 'Image6', 'Image7', 'Image8', 'Image3', 'Image2'];
  const visto = [await pagina.evaluate(() => document.activeElement.id)];
  for (let i = 1; i < orden.length; ++i) {
    await pagina.keyboard.press('Tab');
    visto.push(await pagina.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(visto, orden.map((nombre) => `Primero-${nombre}`));
  await pagina.close();
});

test('the orders sent come back with Up and Down', async () => {
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  await Jugar(pagina);
  for (const orden of ['mirar persiana', 'coger astilla', 'coger astilla', '   ']) await Entrar(pagina, orden);
  const caja = () => pagina.$eval('#Primero-ordenes', (c) => c.value);
  const vistas = [];
  for (const tecla of ['ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowDown', 'ArrowDown']) {
    await pagina.keyboard.press(tecla);
    vistas.push(await caja());
  }
  // The same order twice running, and a blank one, are kept once and not at all.
  assert.deepEqual(vistas, ['coger astilla', 'mirar persiana', 'mirar persiana', 'coger astilla', '']);
  await pagina.close();
});
