// Screenshots of the page for looking at what players meet: every view and
// message box, on a desktop, a tablet and a phone screen, each held
// sideways and upright, at densities 1 to 3, in each engine the tests use.
// After scripts/web.sh:
//   node scripts/capturas-web.mjs [--carpeta capturas] [--motor webkit] [--densidad 3]
// writes carpeta/motor/vista-ANCHOxALTO@DENSIDADx.png.
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { parseArgs } from 'node:util';
import { Abrir, Cargar, Entrar, Guion, Jugar, motores, Recargar, Servir } from '../tests/web/comun.mjs';

// Common screens held sideways, in CSS pixels; upright turns them.
const pantallas = [[1920, 1080], [1180, 820], [844, 390]];
const tamanos = pantallas.flatMap(([ancho, alto]) => [[ancho, alto], [alto, ancho]]);

const { values: opciones } = parseArgs({
  options: {
    carpeta: { type: 'string', default: 'capturas' },
    motor: { type: 'string', multiple: true, default: motores },
    densidad: { type: 'string', multiple: true, default: ['1', '2', '3'] },
  },
});

// Each view as the page shows it now, at every size, once the pictures it
// shows are in.
async function Fotografiar(pagina, carpeta, vista, densidad) {
  for (const [ancho, alto] of tamanos) {
    await pagina.setViewport({ width: ancho, height: alto, deviceScaleFactor: densidad });
    await pagina.waitForFunction(() => [...document.images].every((imagen) => imagen.complete || !imagen.getClientRects().length));
    await pagina.screenshot({ path: join(carpeta, `${vista}-${ancho}x${alto}@${densidad}x.png`) });
  }
}

// Through every view of the page, as a player meets them: the title with
// its menu and box, the author, the game at its start and after its longest
// answer, the ending, and the goodbye box of a game left.
async function Recorrer(pagina, foto) {
  await foto('titulo');
  await pagina.click('#Principal-archivo');
  await foto('menu');
  await pagina.click('#Principal-acercade');
  await foto('acercade');
  await pagina.keyboard.press('Enter');
  await pagina.click('#Principal-archivo');
  await pagina.click('#Principal-autor');
  await foto('autor');
  await pagina.click('#SobreAutor-Command1');
  await Jugar(pagina);
  await foto('juego');
  const [, ...pasos] = Guion('completa.txt');
  const largos = pasos.slice(0, -1).map((paso) => paso.esperado.length);
  const larga = largos.indexOf(Math.max(...largos));
  for (const [numero, { entrada }] of pasos.entries()) {
    await Entrar(pagina, entrada);
    if (numero === larga) await foto('respuesta-larga');
  }
  await foto('final');
  await Recargar(pagina, () => pagina.keyboard.press('Enter'));
  await Jugar(pagina);
  await Entrar(pagina, ':esc');
  await foto('adios');
}

const servidor = await Servir();
try {
  for (const motor of opciones.motor) {
    const carpeta = join(opciones.carpeta, motor);
    mkdirSync(carpeta, { recursive: true });
    for (const densidad of opciones.densidad.map(Number)) {
      const [ancho, alto] = tamanos[0];
      const navegador = await Abrir({ motor, ancho, alto, densidad });
      try {
        const pagina = await Cargar(navegador, servidor.url);
        await Recorrer(pagina, (vista) => Fotografiar(pagina, carpeta, vista, densidad));
        await pagina.close();
      } finally {
        await navegador.close();
      }
      console.log(`${carpeta}: density ${densidad}`);
    }
  }
} finally {
  await servidor.parar();
}
