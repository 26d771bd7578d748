// The page on a phone, 360 CSS pixels wide: no sideways scrolling, every
// control large enough to touch, a command box that phones don't zoom into
// and that the on-screen keyboard leaves in sight, and Enter that sends.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { Cargar, Entorno, Jugar, Lineas } from './comun.mjs';

const ancho = 360;
const minimo = 24;
const entorno = Entorno({ ancho, alto: 640, densidad: 2 });

// Every control of the view shown that is smaller than a finger needs, and
// the page's width.
function Medir(pagina) {
  return pagina.evaluate((minimo) => {
    const pequenos = [];
    for (const control of document.querySelectorAll('button, input, [tabindex="0"]')) {
      const caja = control.getBoundingClientRect();
      if (caja.width === 0 && caja.height === 0) continue; // not shown
      if (caja.width < minimo || caja.height < minimo) pequenos.push(`${control.id} ${caja.width}x${caja.height}`);
    }
    return { ancho: document.documentElement.scrollWidth, pequenos };
  }, minimo);
}

test('every view fits 360 px and its controls can be touched', async () => {
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  const vistas = { Principal: await Medir(pagina) };
  await pagina.click('#Principal-archivo');
  vistas.menu = await Medir(pagina);
  await pagina.click('#Principal-autor');
  vistas.SobreAutor = await Medir(pagina);
  await pagina.click('#SobreAutor-Command1');
  await Jugar(pagina);
  vistas.Primero = await Medir(pagina);
  // The pictures are drawings, as sharp on a dense screen as on any other.
  const fotos = await pagina.$$eval('#Primero img', (imgs) => imgs.map((img) => img.currentSrc));
  assert.ok(fotos.length > 0 && fotos.every((foto) => /\.svg$/.test(foto)), fotos.join(' '));
  await pagina.evaluate(() => document.querySelectorAll('.vista').forEach((v) => { v.hidden = v.id !== 'Final'; }));
  vistas.Final = await Medir(pagina);
  for (const [vista, { ancho: visto, pequenos }] of Object.entries(vistas)) {
    assert.ok(visto <= ancho, `${vista} is ${visto} px wide`);
    assert.deepEqual(pequenos, [], `${vista}: controls smaller than ${minimo} px`);
  }
  await pagina.close();
});

test('the command box is large enough to read, stays above the keyboard, and Enter sends', async () => {
  const pagina = await Cargar(entorno.navegador, entorno.servidor.url);
  await Jugar(pagina);
  const letra = await pagina.$eval('#Primero-ordenes', (caja) => parseFloat(getComputedStyle(caja).fontSize));
  assert.ok(letra >= 16, `the command box's text is ${letra} px`);
  // The on-screen keyboard takes the lower half of the screen.
  await pagina.setViewport({ width: ancho, height: 320, deviceScaleFactor: 2 });
  await pagina.tap('#Primero-ordenes');
  const caja = await pagina.$eval('#Primero-ordenes', (c) => {
    const { top, bottom } = c.getBoundingClientRect();
    return { top, bottom, alto: window.visualViewport.height };
  });
  assert.ok(caja.top >= 0 && caja.bottom <= caja.alto, `the box stands at ${caja.top}-${caja.bottom} of ${caja.alto}`);
  const antes = await Lineas(pagina);
  await pagina.keyboard.type('mirar persiana');
  await pagina.keyboard.press('Enter');
  assert.notDeepEqual(await Lineas(pagina), antes);
  assert.equal(await pagina.$eval('#Primero-ordenes', (c) => c.value), '');
  await pagina.close();
});
