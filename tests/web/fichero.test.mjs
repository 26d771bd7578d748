// The saved game between the page and the desktop: "Descargar partida"
// gives the desktop's file `partida`, which the native talpin-texto loads,
// and "Subir partida" takes one back; a bad file or a full storage loses
// nothing.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Abrir, Cargar, Comparables, Entrar, Esperar, Estado, Guion, Jugar, Lineas, Servir, raiz } from './comun.mjs';

const nativo = join(raiz, 'build/talpin-texto');
let servidor;
let navegador;
let carpeta;
before(async () => {
  assert.ok(existsSync(nativo), 'build the desktop game first (scripts/pruebas.sh)');
  servidor = await Servir();
  navegador = await Abrir();
  carpeta = mkdtempSync(join(tmpdir(), 'talpin-partida-'));
  symlinkSync(join(raiz, 'graficos'), join(carpeta, 'graficos'));
});
after(async () => {
  await navegador?.close();
  await servidor?.parar();
  rmSync(carpeta, { recursive: true, force: true });
});

// The native terminal game in `carpeta`, with these input lines.
const Nativo = (lineas) => execFileSync(nativo, [], { cwd: carpeta, input: lineas.join('\n') + '\n' }).toString();

// What `:estado` printed: the numbers, the two pictures and the box.
function EstadoNativo(salida) {
  const lineas = salida.split('\n');
  const numeros = lineas.findIndex((linea) => /^([ -]\d+ ){16}$/.test(linea));
  return lineas.slice(numeros, numeros + 4);
}

async function Menu(pagina, opcion) {
  await pagina.click('#Principal-archivo');
  await pagina.click(`#Principal-${opcion}`);
}

async function Subir(pagina, contenido) {
  const fichero = join(carpeta, 'subida');
  writeFileSync(fichero, contenido);
  await pagina.click('#Principal-archivo');
  const [elegir] = await Promise.all([pagina.waitForFileChooser(), pagina.click('#Principal-subir')]);
  await elegir.accept([fichero]);
}

const Aviso = (pagina) =>
  pagina.waitForFunction(() => document.querySelector('#aviso').open &&
    [document.querySelector('#aviso-titulo').textContent, document.querySelector('#aviso-texto').textContent])
    .then((valor) => valor.jsonValue());

test('a game goes from the page to the desktop and back', async () => {
  const pasos = Guion('completa.txt').slice(1);
  const guardar = pasos.findIndex((paso) => paso.entrada === ':guardar');
  const pagina = await Cargar(navegador, servidor.url);
  await Jugar(pagina);
  for (const { entrada } of pasos.slice(0, guardar + 1)) await Entrar(pagina, entrada);
  await pagina.click('#Primero-salir');

  const cdp = await pagina.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: carpeta, eventsEnabled: true });
  const bajada = new Promise((hecho) => cdp.on('Browser.downloadProgress', ({ state }) => {
    if (state !== 'inProgress') hecho(state);
  }));
  await Menu(pagina, 'descargar');
  assert.equal(await Esperar(bajada, 'the download'), 'completed');
  const partida = join(carpeta, 'partida');
  const descargada = readFileSync(partida, 'latin1');
  assert.equal(descargada, await pagina.evaluate(() => localStorage.getItem('partida')));

  // The desktop loads it, moves one place on and saves.
  assert.equal(EstadoNativo(Nativo([':cargar', ':estado']))[0] + '\r\n', descargada);
  Nativo([':cargar', 'retro', ':guardar']);
  const movida = readFileSync(partida, 'latin1');
  assert.notEqual(movida, descargada);

  // Back in the page, in the desktop's looser form: one number a line.
  await Subir(pagina, movida.trim().split(/ +/).join('\n'));
  // The page takes the file once it has read it, and answers only a bad one.
  const tomada = await pagina.waitForFunction((linea) => localStorage.getItem('partida') === linea, {}, movida)
    .then(() => true, () => false);
  assert.ok(tomada, 'the uploaded file never became the saved game');
  await pagina.click('#Principal-Command1');
  await pagina.click('#Primero-Cargar');
  assert.equal(await pagina.evaluate(() => localStorage.getItem('partida')), movida);
  assert.deepEqual(Comparables(await Estado(pagina)), Comparables(EstadoNativo(Nativo([':cargar', ':estado'])).slice(1)));
  await pagina.close();
});

test('a bad file is refused with the load\'s failure line, and changes nothing', async () => {
  const pagina = await Cargar(navegador, servidor.url);
  await pagina.evaluate(() => localStorage.clear());
  await Jugar(pagina);
  await pagina.click('#Primero-Cargar');
  const fallo = (await Lineas(pagina)).at(-1);
  await pagina.click('#Primero-Guardar');
  const guardada = await pagina.evaluate(() => localStorage.getItem('partida'));
  await pagina.click('#Primero-salir');

  for (const malo of ['1 2 3\r\n', ' 10  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 \r\n', 'x'.repeat(70000)]) {
    await Subir(pagina, malo);
    const [titulo, texto] = await Aviso(pagina);
    assert.equal(titulo, await pagina.$eval('#Principal-subir', (item) => item.textContent));
    assert.equal(texto, fallo);
    // The box has the focus, so Enter presses "Aceptar".
    assert.equal(await pagina.evaluate(() => document.activeElement.id), 'aviso-aceptar');
    await pagina.keyboard.press('Enter');
    assert.equal(await pagina.$eval('#aviso', (aviso) => aviso.open), false);
    assert.equal(await pagina.evaluate(() => localStorage.getItem('partida')), guardada);
  }
  await pagina.close();
});

test('a storage that fails answers that the game could not be saved, and keeps the saved one', async () => {
  const pagina = await Cargar(navegador, servidor.url);
  await Jugar(pagina);
  await pagina.click('#Primero-Guardar');
  const guardada = await pagina.evaluate(() => localStorage.getItem('partida'));
  await Entrar(pagina, 'mirar persiana');
  await Entrar(pagina, 'coger astilla');
  await pagina.evaluate(() => {
    Storage.prototype.setItem = () => { throw new DOMException('lleno', 'QuotaExceededError'); };
  });
  const antes = await Lineas(pagina);
  await pagina.click('#Primero-Guardar');
  assert.deepEqual(await Lineas(pagina), [...antes, 'No se ha podido guardar la partida.']);
  assert.equal(await pagina.evaluate(() => localStorage.getItem('partida')), guardada);
  await pagina.close();
});
