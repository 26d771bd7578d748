// WebKitGTK for the browser tests: Debian's WebKitWebDriver driving its
// MiniBrowser on a virtual display of its own (MiniBrowser has no headless
// mode), spoken to in plain W3C WebDriver. The browser and its page offer
// the few of puppeteer's methods that comun.mjs and the tests use, with the
// same meaning, so a test runs alike in every engine.
import { spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const driver = process.env.WEBKIT_WEBDRIVER || '/usr/bin/WebKitWebDriver';
const minibrowser = process.env.MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const referencia = 'element-6066-11e4-a52e-4f735466cecf';
// As long as puppeteer waits for a condition.
const paciencia = 30000;
// Room on the virtual screen for MiniBrowser's toolbar. A window resized
// past the screen's edge still shows its whole page.
const margen = 100;
// MiniBrowser's toolbar keeps its window at least 447 pixels wide; shrunk,
// a phone's width fits.
const barraMenuda = 'button, entry, button *, entry * { font-size: 1px; padding: 0; margin: 0; border-width: 0;'
  + ' min-width: 0; min-height: 0; -gtk-icon-transform: scale(0.01); }';

// The page's keys, as puppeteer names them and WebDriver codes them.
const teclas = { Enter: '\uE007', Escape: '\uE00C', Tab: '\uE004', ArrowUp: '\uE013', ArrowDown: '\uE015' };

// Runs before each script: the errors thrown in the page since the first
// script run in it, as puppeteer's 'pageerror' reports them.
const vigilar = `if (!window.fallosTalpin) {
  window.fallosTalpin = [];
  addEventListener('error', (e) => fallosTalpin.push(e.error || e.message));
  addEventListener('unhandledrejection', (e) => fallosTalpin.push(e.reason));
}`;

// A virtual display of `ancho` × `alto` pixels: Xvfb chooses a free
// number and writes it on fd 3.
async function Pantalla(ancho, alto) {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', `${ancho}x${alto}x24`, '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const parado = new Promise((hecho) => xvfb.on('exit', hecho));
  const numero = await new Promise((listo, fallo) => {
    let leido = '';
    xvfb.stdio[3].on('data', (trozo) => {
      leido += trozo;
      if (leido.endsWith('\n')) listo(leido.trim());
    });
    parado.then(() => fallo(new Error('Xvfb stopped before it showed a display')));
  });
  return {
    numero,
    parar: () => {
      xvfb.kill();
      return parado;
    },
  };
}

function PuertoLibre() {
  return new Promise((listo) => {
    const servidor = createServer().listen(0, '127.0.0.1', () => {
      const { port } = servidor.address();
      servidor.close(() => listo(port));
    });
  });
}

// The driver at `base`, once it answers: it says nothing when it starts listening.
async function Esperar(base, proceso) {
  const limite = Date.now() + paciencia;
  for (;;) {
    if (proceso.exitCode !== null) throw new Error('WebKitWebDriver stopped as it started');
    try {
      return await fetch(`${base}/status`);
    } catch (fallo) {
      if (Date.now() > limite) throw new Error(`WebKitWebDriver did not answer at ${base} within ${paciencia} ms`);
      await new Promise((luego) => setTimeout(luego, 50));
    }
  }
}

// One WebDriver command; its value, or its error thrown.
async function Orden(url, metodo, cuerpo) {
  const respuesta = await fetch(url, {
    method: metodo,
    headers: { 'Content-Type': 'application/json' },
    body: cuerpo && JSON.stringify(cuerpo),
  });
  const { value } = await respuesta.json();
  if (!respuesta.ok) throw Object.assign(new Error(`WebDriver ${metodo} ${url}: ${value.error}: ${value.message}`), { codigo: value.error });
  return value;
}

// A function of the tests run in the page with its arguments, as
// puppeteer's evaluate runs it: awaited, its value returned as JSON.
function EnLaPagina(funcion) {
  return `${vigilar}
const listo = arguments[arguments.length - 1];
const funcion = (${funcion});
Promise.resolve().then(() => funcion(...arguments[0])).then(
  (valor) => listo({ valor, fallos: fallosTalpin.splice(0).map(String) }),
  (error) => listo({ error: String(error && error.stack || error), fallos: fallosTalpin.splice(0).map(String) }));`;
}

class Pagina {
  #orden;
  #ventana;
  #oyentes = [];
  keyboard;

  constructor(orden, ventana) {
    this.#orden = orden;
    this.#ventana = ventana;
    // WebDriver answers once the page has handled the keys, as puppeteer does.
    const acciones = (lista) => orden('POST', 'actions', { actions: [{ type: 'key', id: 'teclado', actions: lista }] });
    const pulsar = (valor) => [{ type: 'keyDown', value: valor }, { type: 'keyUp', value: valor }];
    this.keyboard = {
      type: (texto) => acciones([...texto].flatMap(pulsar)),
      press: (tecla) => {
        const valor = teclas[tecla] ?? ([...tecla].length === 1 ? tecla : null);
        if (valor === null) throw new Error(`no WebDriver code for the key ${tecla}`);
        return acciones(pulsar(valor));
      },
    };
  }

  on(evento, oyente) {
    if (evento !== 'pageerror') throw new Error(`WebKitGTK pages report no '${evento}'`);
    this.#oyentes.push(oyente);
  }

  async evaluate(funcion, ...argumentos) {
    const { valor, error, fallos } = await this.#orden('POST', 'execute/async', { script: EnLaPagina(funcion), args: [argumentos] });
    for (const fallo of fallos) for (const oyente of this.#oyentes) oyente(new Error(fallo));
    if (error) throw new Error(`in the page: ${error}`);
    return valor;
  }

  $eval(selector, funcion, ...argumentos) {
    return this.evaluate(`(selector, ...resto) => {
      const elemento = document.querySelector(selector);
      if (!elemento) throw new Error('no element matches ' + selector);
      return (${funcion})(elemento, ...resto);
    }`, selector, ...argumentos);
  }

  $$eval(selector, funcion, ...argumentos) {
    return this.evaluate(`(selector, ...resto) => (${funcion})([...document.querySelectorAll(selector)], ...resto)`,
      selector, ...argumentos);
  }

  focus(selector) {
    return this.$eval(selector, (elemento) => elemento.focus());
  }

  async click(selector) {
    const elemento = await this.#orden('POST', 'element', { using: 'css selector', value: selector });
    await this.#orden('POST', `element/${elemento[referencia]}/click`, {});
  }

  // Until `funcion` holds in the page, through a navigation too, which
  // ends the scripts running in the page it leaves. What the tests wait for
  // is the page's elements or its pictures: it is asked again as either
  // changes, and once more when the time is up.
  async waitForFunction(funcion, { timeout = paciencia } = {}, ...argumentos) {
    const limite = Date.now() + timeout;
    const esperar = `(...argumentos) => new Promise((listo) => {
      const mirar = (agotado) => {
        const valor = (${funcion})(...argumentos);
        if (!valor && agotado !== true) return;
        cambios.disconnect();
        removeEventListener('load', mirar, true);
        removeEventListener('error', mirar, true);
        clearTimeout(plazo);
        listo(valor);
      };
      const cambios = new MutationObserver(mirar);
      cambios.observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
      addEventListener('load', mirar, true);
      addEventListener('error', mirar, true);
      const plazo = setTimeout(mirar, Math.max(0, ${limite} - Date.now()), true);
      mirar();
    })`;
    for (;;) {
      try {
        const valor = await this.evaluate(esperar, ...argumentos);
        if (valor) return valor;
      } catch (fallo) {
        if (!fallo.codigo) throw fallo;
      }
      if (Date.now() > limite) throw new Error(`waited ${timeout} ms in vain for ${funcion}`);
    }
  }

  waitForSelector(selector) {
    return this.waitForFunction((buscado) => document.querySelector(buscado) !== null, {}, selector);
  }

  goto(url) {
    return this.#orden('POST', 'url', { url });
  }

  reload() {
    return this.#orden('POST', 'refresh', {});
  }

  setViewport(vista) {
    return this.#ventana(vista);
  }

  // Once the page has painted what it shows now.
  async screenshot({ path } = {}) {
    await this.evaluate(() => new Promise((pintado) => requestAnimationFrame(() => requestAnimationFrame(pintado))));
    const imagen = Buffer.from(await this.#orden('GET', 'screenshot'), 'base64');
    if (path) writeFileSync(path, imagen);
    return imagen;
  }

  close() {
    return this.goto('about:blank');
  }
}

// A browser with one window, each page shown in it in turn; they share
// their saved game, as a browser's tabs do.
export async function AbrirWebKit({ width, height, deviceScaleFactor: densidad = 1 }) {
  const xvfb = await Pantalla((width + margen) * densidad, (height + margen) * densidad);
  const perfil = mkdtempSync(join(tmpdir(), 'talpin-webkit-'));
  for (const carpeta of ['config/gtk-3.0', 'datos', 'cache']) mkdirSync(join(perfil, carpeta), { recursive: true });
  writeFileSync(join(perfil, 'config/gtk-3.0/gtk.css'), barraMenuda);
  const puerto = await PuertoLibre();
  // In a process group of its own, with MiniBrowser and WebKit's processes.
  const proceso = spawn(driver, [`--port=${puerto}`], {
    detached: true,
    stdio: ['ignore', 'pipe', 'ignore'],
    env: {
      ...process.env, DISPLAY: `:${xvfb.numero}`, GDK_BACKEND: 'x11', GDK_SCALE: String(densidad),
      XDG_CONFIG_HOME: join(perfil, 'config'), XDG_DATA_HOME: join(perfil, 'datos'), XDG_CACHE_HOME: join(perfil, 'cache'),
      LANGUAGE: 'es',
    },
  });
  // Each of them holds the driver's output open, so it closes once they
  // have all ended: the profile is theirs until then.
  const terminados = new Promise((hecho) => proceso.stdout.on('close', hecho));
  proceso.stdout.resume();
  const base = `http://127.0.0.1:${puerto}`;
  const cerrar = async () => {
    try {
      process.kill(-proceso.pid, 'SIGKILL');
    } catch (fallo) {
      if (fallo.code !== 'ESRCH') throw fallo; // all ended already
    }
    await terminados;
    await xvfb.parar();
    rmSync(perfil, { recursive: true, force: true });
  };
  try {
    await Esperar(base, proceso);
    const { sessionId } = await Orden(`${base}/session`, 'POST', {
      capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: minibrowser, args: ['--automation'] } } },
    });
    const orden = (metodo, ruta, cuerpo) => Orden(`${base}/session/${sessionId}/${ruta}`, metodo, cuerpo);
    // The window's size for a viewport, the toolbar's height added.
    const ventana = async (vista) => {
      if ((vista.deviceScaleFactor ?? densidad) !== densidad)
        throw new Error(`WebKitGTK keeps the density it was opened with, ${densidad}`);
      await orden('POST', 'window/rect', { width: vista.width, height: vista.height });
      const [ancho, alto] = await orden('POST', 'execute/sync', { script: 'return [innerWidth, innerHeight]', args: [] });
      await orden('POST', 'window/rect', { width: 2 * vista.width - ancho, height: 2 * vista.height - alto });
    };
    await ventana({ width, height });
    return {
      // A new page takes the window over from the one before.
      newPage: async () => new Pagina(orden, ventana),
      close: cerrar,
    };
  } catch (fallo) {
    await cerrar();
    throw fallo;
  }
}
