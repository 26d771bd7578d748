// The page on the screens players have, measured from the boxes the browser
// lays out: on desktops, tablets and phones held sideways each view and
// message box is centred and fills the window, scaled as one from the
// windows' own size; upright phones hold the whole game on one screen after
// a seven-line dialogue; nothing lies off screen or needs scrolling, nothing
// is too small to touch, no caption outgrows its box; and no picture is
// shown coarser than its file allows.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { Cargar, Entorno, Entrar, Jugar, Lineas } from './comun.mjs';

const entorno = Entorno();

// Phones are touched, and their browsers honour the page's viewport.
const telefono = (ancho, alto, densidad) => ({ ancho, alto, densidad, movil: true });
const tamanos = [
  { ancho: 1280, alto: 800, densidad: 1 },
  { ancho: 1920, alto: 1080, densidad: 1 },
  { ancho: 2560, alto: 1440, densidad: 1 },
  { ancho: 1440, alto: 900, densidad: 2 },
  { ancho: 1024, alto: 768, densidad: 1 },
  { ...telefono(844, 390, 3), tumbado: true },
  telefono(360, 740, 3),
  telefono(390, 844, 3),
  telefono(412, 915, 2.625),
];
const Nombre = ({ ancho, alto, densidad }) => `${ancho}×${alto} at density ${densidad}`;
// The share of the window's limiting side that a view fills, at least.
const llenado = 0.85;
// Touch targets: where there is room, and never less.
const dedo = 44;
const minimo = 24;
// Device pixels per pixel of a raster picture, at most.
const nitidez = 1.25;

// «hablar fray cabronus» in the street: seven lines.
const dialogo = 'hablar fray cabronus';
// The street, with the truth serum ready: one order wins.
const casiGanada = ' 1  0  0  0  0  0  0  0  0  0  0  3  0  0  0  0 \r\n';
const ganar = 'dale el suero';

async function Abrir(tamano) {
  return Cargar(entorno.navegador, entorno.servidor.url, {
    width: tamano.ancho, height: tamano.alto, deviceScaleFactor: tamano.densidad,
    isMobile: Boolean(tamano.movil), hasTouch: Boolean(tamano.movil),
  });
}

// The faces and pictures of what is shown, loaded and laid out.
async function Asentar(pagina) {
  await pagina.evaluate(async () => {
    document.body.getBoundingClientRect();
    await document.fonts.ready;
    const fotos = [...document.images].filter((img) => img.checkVisibility());
    await Promise.all(fotos.map((img) => img.decode()));
  });
}

// The shown view, or the open message box, measured in the page.
async function Medir(pagina) {
  await Asentar(pagina);
  return pagina.evaluate(({ dedo, minimo, nitidez }) => {
    const dialogo = document.querySelector('dialog[open]');
    const raiz = dialogo || [...document.querySelectorAll('.vista')].find((vista) => !vista.hidden);
    const caja = (elemento) => {
      const { left, top, right, bottom, width, height } = elemento.getBoundingClientRect();
      return { left, top, right, bottom, width, height };
    };
    const ancho = innerWidth;
    const alto = innerHeight;
    const vistos = [...raiz.querySelectorAll('*')].filter((elemento) => {
      const { width, height } = elemento.getBoundingClientRect();
      return width > 0 && height > 0 && elemento.checkVisibility() && !elemento.closest('.oculto, svg *');
    });
    const nombre = (elemento) => elemento.id || `${elemento.parentElement.id} ${elemento.localName}`;
    // What a scrolling control holds out of its sight is scrolled, not off screen.
    const enDesplazable = (elemento) => {
      for (let padre = elemento.parentElement; padre !== raiz; padre = padre.parentElement)
        if (getComputedStyle(padre).overflowY !== 'visible') return true;
      return false;
    };
    const fuera = vistos.filter((elemento) => !enDesplazable(elemento)).filter((elemento) => {
      const { left, top, right, bottom } = caja(elemento);
      return left < -0.5 || top < -0.5 || right > ancho + 0.5 || bottom > alto + 0.5;
    }).map(nombre);
    // A caption wider or taller than its control is cut, or runs over its
    // neighbours; a one-line label's line may stand taller than its box
    // for a script face's flourishes, as on the desktop.
    const desbordados = vistos.filter((elemento) =>
      elemento.matches('.boton, .menu, [role^="menuitem"], .rotulo, .parrafo, legend')
      && (elemento.scrollWidth > elemento.clientWidth + 1
        || (!elemento.matches('.rotulo') && elemento.scrollHeight > elemento.clientHeight + 1)))
      .map((elemento) => `${nombre(elemento)} ${elemento.scrollWidth}x${elemento.scrollHeight} in ` +
        `${elemento.clientWidth}x${elemento.clientHeight}`);
    // Device pixels per pixel of each raster picture, from the file it shows;
    // a picture kept whole within its box shows at the smaller scale.
    const borrosas = vistos.filter((elemento) => elemento.localName === 'img'
      && !/\.svg$/.test(new URL(elemento.currentSrc).pathname)).map((img) => {
      const { width, height } = caja(img);
      const escala = getComputedStyle(img).objectFit === 'contain'
        ? Math.min(width / img.naturalWidth, height / img.naturalHeight)
        : Math.max(width / img.naturalWidth, height / img.naturalHeight);
      return { fichero: img.currentSrc.split('/').pop(), densidad: escala * devicePixelRatio };
    }).filter(({ densidad }) => densidad > nitidez).map(({ fichero, densidad }) => `${fichero} at ${densidad.toFixed(2)}`);
    const controles = vistos.filter((elemento) => elemento.matches('button, input, [tabindex="0"]'));
    const pequenos = (lado) => controles.filter((control) => {
      const { width, height } = caja(control);
      return width < lado || height < lado;
    }).map((control) => `${control.id} ${Math.round(caja(control).width)}x${Math.round(caja(control).height)}`);
    return {
      ancho, alto,
      desplazable: document.documentElement.scrollWidth > ancho || document.documentElement.scrollHeight > alto,
      caja: caja(dialogo || raiz),
      fuera, desbordados, borrosas,
      pequenos: pequenos(minimo),
      pocoTactiles: pequenos(dedo),
    };
  }, { dedo, minimo, nitidez });
}

// What every view and message box owes every screen.
function Comprobar(medida, donde, tamano) {
  assert.ok(!medida.desplazable, `${donde}: the page scrolls`);
  assert.deepEqual(medida.fuera, [], `${donde}: off screen`);
  assert.deepEqual(medida.desbordados, [], `${donde}: captions outgrow their boxes`);
  assert.deepEqual(medida.borrosas, [], `${donde}: device pixels per picture pixel`);
  assert.deepEqual(tamano.movil ? medida.pocoTactiles : medida.pequenos, [], `${donde}: too small to touch`);
  const { left, top, right, bottom, width, height } = medida.caja;
  assert.ok(Math.abs(left - (medida.ancho - right)) <= 1 && Math.abs(top - (medida.alto - bottom)) <= 1,
    `${donde}: not centred, at ${left},${top} to ${right},${bottom}`);
  return Math.max(width / medida.ancho, height / medida.alto);
}

function Llena(medida, donde) {
  const { width, height } = medida.caja;
  const parte = Math.max(width / medida.ancho, height / medida.alto);
  assert.ok(parte >= llenado, `${donde}: fills ${(parte * 100).toFixed(1)}% of the window's limiting side`);
}

// The controls of the game view that a player needs, each wholly in sight,
// and the answer's last line in sight within the list.
async function TodoALaVista(pagina) {
  return pagina.evaluate(() => {
    const ids = ['Image3', 'Image2', 'List1', 'ordenes', 'Label7', 'Image4', 'Image5', 'Image6', 'Image7',
      'Image8', 'Guardar', 'Cargar', 'salir', 'objetos', 'Salidas', 'limpiar'];
    const dentro = (caja, marco) => caja.top >= marco.top - 0.5 && caja.bottom <= marco.bottom + 0.5
      && caja.left >= marco.left - 0.5 && caja.right <= marco.right + 0.5;
    const pantalla = { left: 0, top: 0, right: innerWidth, bottom: innerHeight };
    const faltan = ids.filter((id) => {
      const control = document.getElementById(`Primero-${id}`);
      return !control.checkVisibility() || !dentro(control.getBoundingClientRect(), pantalla);
    });
    const lista = document.getElementById('Primero-List1');
    const ultima = lista.lastElementChild.getBoundingClientRect();
    if (!dentro(ultima, lista.getBoundingClientRect())) faltan.push('the last line');
    return faltan;
  });
}

for (const tamano of tamanos) {
  const nombre = Nombre(tamano);
  const ajustada = !tamano.movil;

  test(`every view at ${nombre}`, async () => {
    const pagina = await Abrir(tamano);
    const llenar = (medida, donde) => (ajustada || tamano.tumbado) && Llena(medida, donde);
    // A message box is centred, and scaled with its view rather than filling the window.
    const Ver = async (donde, caja = false) => {
      const medida = await Medir(pagina);
      Comprobar(medida, donde, tamano);
      if (!caja) llenar(medida, donde);
    };

    await Ver('title view');
    await pagina.click('#Principal-archivo');
    await Ver('the Archivo menu');
    await pagina.click('#Principal-acercade');
    await Ver('about box', true);
    await pagina.keyboard.press('Enter');
    await pagina.click('#Principal-archivo');
    await pagina.click('#Principal-autor');
    await Ver('about-the-author view');
    await pagina.click('#SobreAutor-Command1');

    await Jugar(pagina);
    await Entrar(pagina, dialogo);
    assert.equal((await Lineas(pagina)).length, 7);
    await Ver('game view after a seven-line dialogue');
    if (!ajustada) assert.deepEqual(await TodoALaVista(pagina), [], 'out of sight after the dialogue');

    // The goodbye box, with its exclamation mark beside the text.
    await Entrar(pagina, ':esc');
    await Ver('goodbye box', true);
    const signo = await pagina.$eval('#aviso .exclamacion', (icono) => {
      const caja = icono.getBoundingClientRect();
      const texto = document.getElementById('aviso-texto').getBoundingClientRect();
      return { visto: icono.checkVisibility(), oculto: icono.getAttribute('aria-hidden'),
        antes: caja.right <= texto.left, lado: caja.width };
    });
    assert.deepEqual({ ...signo, lado: signo.lado > 0 }, { visto: true, oculto: 'true', antes: true, lado: true });
    await Promise.all([pagina.waitForNavigation(), pagina.keyboard.press('Enter')]);
    await pagina.waitForSelector('html[data-listo]');

    await pagina.evaluate((linea) => localStorage.setItem('partida', linea), casiGanada);
    await Jugar(pagina);
    await pagina.click('#Primero-Cargar');
    await Entrar(pagina, ganar);
    await pagina.waitForSelector('#Final:not([hidden])');
    await Ver('ending view');
    assert.deepEqual(pagina.fallos, []);
    await pagina.close();
  });
}

// The windows' own size doesn't fit a phone: the menu doesn't offer it,
// and its arrows go past it.
test('on a phone the Archivo menu offers no original size', async () => {
  const pagina = await Abrir(telefono(360, 740, 3));
  await pagina.focus('#Principal-archivo');
  const enfocados = [];
  for (const tecla of ['ArrowUp', 'ArrowUp']) {
    await pagina.keyboard.press(tecla);
    enfocados.push(await pagina.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(enfocados, ['Principal-alacaca', 'Principal-subir']);
  assert.equal(await pagina.$eval('#Principal-original', (item) => item.checkVisibility()), false);
  await pagina.close();
});

// With the on-screen keyboard up the viewport is much shorter: the command
// box and the answer's last line stay in sight, the box's text is large
// enough that phones don't zoom into it, and Enter sends. Down again, the
// verb and then the character are two taps on the one screen.
test('on a phone with its keyboard up, the box and the answer stay in sight, and MIRAR then the character answer without a scroll', async () => {
  const tamano = telefono(360, 740, 3);
  const pagina = await Abrir(tamano);
  await Jugar(pagina);
  await Entrar(pagina, dialogo);
  const letra = await pagina.$eval('#Primero-ordenes', (caja) => parseFloat(getComputedStyle(caja).fontSize));
  assert.ok(letra >= 16, `the command box's text is ${letra} px`);
  await pagina.tap('#Primero-ordenes');
  for (const alto of [420, 320]) {
    // Measured a frame after the viewport's resize, once the page has answered it.
    await pagina.evaluate(() => {
      window.redimensionado = new Promise((hecho) => visualViewport.addEventListener('resize',
        () => requestAnimationFrame(() => requestAnimationFrame(hecho)), { once: true }));
    });
    await pagina.setViewport({ width: tamano.ancho, height: alto, deviceScaleFactor: tamano.densidad,
      isMobile: true, hasTouch: true });
    const faltan = await pagina.evaluate(async () => {
      await window.redimensionado;
      const caja = (elemento) => elemento.getBoundingClientRect();
      const dentro = (hijo, marco) => hijo.top >= marco.top - 0.5 && hijo.bottom <= marco.bottom + 0.5;
      const pantalla = { top: 0, bottom: visualViewport.height };
      const lista = document.getElementById('Primero-List1');
      const ultima = caja(lista.lastElementChild);
      return [
        ['the command box', dentro(caja(document.getElementById('Primero-ordenes')), pantalla)],
        ['the last line on the screen', dentro(ultima, pantalla)],
        ['the last line in the list', dentro(ultima, caja(lista))],
      ].filter(([, visto]) => !visto).map(([que]) => que);
    });
    assert.deepEqual(faltan, [], `out of sight at ${alto} px high`);
  }
  let antes = await Lineas(pagina);
  await pagina.keyboard.type('mirar persiana');
  await pagina.keyboard.press('Enter');
  assert.notDeepEqual(await Lineas(pagina), antes);
  assert.equal(await pagina.$eval('#Primero-ordenes', (caja) => caja.value), '');

  await pagina.setViewport({ width: tamano.ancho, height: tamano.alto, deviceScaleFactor: tamano.densidad,
    isMobile: true, hasTouch: true });
  await Entrar(pagina, dialogo);
  antes = await Lineas(pagina);
  await pagina.tap('#Primero-Image5');
  await pagina.tap('#Primero-Image2');
  const despues = await Lineas(pagina);
  assert.equal(despues.length, 1);
  assert.notDeepEqual(despues, antes);
  assert.deepEqual(await pagina.evaluate(() => [scrollX, scrollY]), [0, 0]);
  await pagina.close();
});

// The player may prefer the windows' own pixel size: every box then stands
// where the fitted view has it, at one scale less; the choice is kept.
test('the original size, chosen from the menu, keeps the fitted boxes\' proportions and is remembered', async () => {
  const pagina = await Abrir({ ancho: 1920, alto: 1080, densidad: 1 });
  await Jugar(pagina);
  const Cajas = () => pagina.$$eval('#Primero-area > [id]:not(.oculto)', (controles) => {
    const area = document.getElementById('Primero-area').getBoundingClientRect();
    return Object.fromEntries(controles.filter((control) => control.checkVisibility()).map((control) => {
      const caja = control.getBoundingClientRect();
      const medidas = [caja.left - area.left, caja.top - area.top, caja.width, caja.height];
      return [control.id, medidas.map((medida) => medida / area.width)];
    }));
  });
  const Area = () => pagina.$eval('#Primero-area', (area) => [area.offsetWidth, area.offsetHeight]);
  const ajustadas = await Cajas();
  const ajustada = await Area();
  const Elegir = async () => {
    await pagina.click('#Primero-salir');
    await pagina.click('#Principal-archivo');
    await pagina.click('#Principal-original');
    await pagina.click('#Principal-Command1');
  };
  await Elegir();
  const original = await Area();
  // The game window's client area, 10185 by 7320 twips, at 15 twips a pixel.
  assert.deepEqual(original.map(Math.round), [679, 488]);
  const originales = await Cajas();
  assert.deepEqual(Object.keys(originales), Object.keys(ajustadas));
  for (const [id, caja] of Object.entries(originales))
    caja.forEach((medida, i) =>
      assert.ok(Math.abs(medida - ajustadas[id][i]) < 0.002, `${id}: ${caja} against ${ajustadas[id]}`));
  assert.equal(Comprobar(await Medir(pagina), 'at the original size', {}) < llenado, true);

  await pagina.reload();
  await pagina.waitForSelector('html[data-listo]');
  assert.equal(await pagina.$eval('#Principal-original', (item) => item.getAttribute('aria-checked')), 'true');
  await Jugar(pagina);
  assert.deepEqual(await Area(), original);
  await Elegir();
  assert.equal(await pagina.$eval('#Principal-original', (item) => item.getAttribute('aria-checked')), 'false');
  assert.deepEqual(await Area(), ajustada);
  await pagina.close();
});

// The browser's text size, here 24 px for the usual 16: fitted, no text is
// smaller than the windows show it, enlarged as much; where that can't be,
// as at 1024×768, the page reflows, its text enlarged as much.
test('a larger text size in the browser keeps text at least that much larger', async () => {
  const aumento = 24 / 16;
  // The story's face: 8.25 points, 11 pixels in the windows.
  const letraDeVentana = 11;
  const Medida = async (ancho, alto) => {
    const pagina = await entorno.navegador.newPage();
    await pagina.setViewport({ width: ancho, height: alto });
    const cdp = await pagina.createCDPSession();
    await cdp.send('Page.setFontSizes', { fontSizes: { standard: 16 * aumento } });
    await pagina.goto(entorno.servidor.url);
    await pagina.waitForSelector('html[data-listo]');
    const medida = await pagina.evaluate(() => ({
      letra: parseFloat(getComputedStyle(document.getElementById('Principal-Label5')).fontSize),
      reflujo: getComputedStyle(document.getElementById('Principal-Image1')).position !== 'absolute',
    }));
    Comprobar(await Medir(pagina), `${ancho}×${alto}`, {});
    await pagina.close();
    return medida;
  };
  const ancha = await Medida(1280, 800);
  assert.equal(ancha.reflujo, false);
  assert.ok(ancha.letra >= letraDeVentana * aumento, `the story is set at ${ancha.letra} px`);
  const estrecha = await Medida(1024, 768);
  assert.equal(estrecha.reflujo, true);
  assert.ok(estrecha.letra >= letraDeVentana * aumento, `the story is set at ${estrecha.letra} px`);
});
