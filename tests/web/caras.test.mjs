// The page carries each face reduced to the characters it shows there. Every
// text of every view and message box must still be drawn in the face the
// layout gives it, none of its characters left to a face of the system; and
// so must what the game writes and what the player types, accents and all.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { Cargar, Entorno, Entrar, Jugar } from './comun.mjs';

const entorno = Entorno();

// The elements shown whose text Chromium drew, in part or whole, in a face
// of the system rather than one of the page's, with those faces.
async function EnCarasAjenas(pagina) {
  await pagina.evaluate(async () => {
    await new Promise(requestAnimationFrame);
    await document.fonts.ready;
  });
  const cdp = await pagina.createCDPSession();
  await cdp.send('DOM.enable');
  await cdp.send('CSS.enable');
  const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
  const { nodeIds } = await cdp.send('DOM.querySelectorAll',
    { nodeId: root.nodeId, selector: '.vista:not([hidden]) *, dialog[open] *' });
  const ajenas = [];
  for (const nodeId of nodeIds) {
    const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId });
    const delSistema = fonts.filter((cara) => !cara.isCustomFont).map((cara) => cara.familyName);
    if (delSistema.length === 0) continue;
    const { outerHTML } = await cdp.send('DOM.getOuterHTML', { nodeId });
    ajenas.push(`${outerHTML.slice(0, 80)}: ${delSistema.join(', ')}`);
  }
  await cdp.detach();
  return ajenas;
}

test('every text is drawn in the page\'s own faces', async () => {
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  await pagina.click('#Principal-archivo');
  assert.deepEqual(await EnCarasAjenas(pagina), [], 'title view, its menu open');
  await pagina.click('#Principal-acercade');
  assert.deepEqual(await EnCarasAjenas(pagina), [], 'about box');
  await pagina.keyboard.press('Enter');
  await pagina.click('#Principal-archivo');
  await pagina.click('#Principal-autor');
  assert.deepEqual(await EnCarasAjenas(pagina), [], 'about-the-author view');
  await pagina.click('#SobreAutor-Command1');

  await Jugar(pagina);
  await Entrar(pagina, ':hablar');
  await Entrar(pagina, ':personaje');
  // Typed and not sent: every letter of Latin-1 that a Spanish keyboard writes.
  await Entrar(pagina, ':escribir ¿¡ÁÉÍÓÚÜÑáéíóúüñçÇºª·«»!?');
  assert.deepEqual(await EnCarasAjenas(pagina), [], 'game view after a dialogue, an order typed');
  await Entrar(pagina, ':esc');
  assert.deepEqual(await EnCarasAjenas(pagina), [], 'goodbye box');
  await pagina.evaluate(() => document.querySelectorAll('.vista').forEach((v) => { v.hidden = v.id !== 'Final'; }));
  assert.deepEqual(await EnCarasAjenas(pagina), [], 'ending view');
  await pagina.close();
});
