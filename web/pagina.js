'use strict';
// The page: shows the four windows as views and hands every click and key
// of the game to the game itself, compiled to WebAssembly (talpin.js). No
// text of the game is written here: the captions come with the page, which
// is written from the windows' table, and the answers come from the game.
// The title view is ready at once; the game is fetched meanwhile, and what
// needs it waits for it.
(() => {
  const porId = (id) => document.getElementById(id);
  const caja = porId('Primero-ordenes');
  const lista = porId('Primero-List1');
  const aviso = porId('aviso');
  const anuncio = porId('anuncio');
  const lineas = porId('Primero-List1-lineas');
  const clavePartida = 'partida';
  let juego = null;
  let empezado = false;
  // What closing the message box shown does next.
  let trasAviso = null;

  function Mostrar(nombre) {
    for (const vista of document.querySelectorAll('.vista'))
      vista.hidden = vista.id !== nombre;
    // The view's size, for the styles that fit it to the window.
    document.documentElement.dataset.vista = nombre;
    const vista = porId(nombre);
    document.title = porId(nombre + '-titulo').textContent;
    // Where each window puts the focus when it opens.
    const primero = nombre === 'Primero' ? lista : vista.querySelector('.area .boton');
    if (primero) primero.focus();
  }

  // Where the desktop program ends: a fresh start, as a new run would be.
  function Reiniciar() {
    location.reload();
  }

  function Avisar(titulo, texto, exclamacion, despues) {
    porId('aviso-titulo').textContent = titulo;
    porId('aviso-texto').textContent = texto;
    aviso.toggleAttribute('data-exclamacion', exclamacion);
    trasAviso = despues || null;
    aviso.showModal();
  }
  aviso.addEventListener('close', () => {
    const despues = trasAviso;
    trasAviso = null;
    if (despues) despues();
  });

  // The saved game kept for good, where the browser would clear it to make
  // room: asked once, when the player first saves, so that no browser
  // question interrupts the start of a game.
  let conservarPedido = false;
  function Conservar() {
    if (conservarPedido || !navigator.storage || !navigator.storage.persist) return;
    conservarPedido = true;
    navigator.storage.persist().catch(() => {});
  }

  // The latest answer's last lines in sight, also when the list shrinks,
  // as it does when a phone's keyboard comes up.
  const AlFinal = () => { lista.scrollTop = lista.scrollHeight; };
  new ResizeObserver(AlFinal).observe(lista);

  function Linea(texto) {
    const linea = document.createElement('div');
    linea.setAttribute('role', 'listitem');
    linea.textContent = texto;
    return linea;
  }

  // Each answer, whole and once, for a screen reader, while the list keeps
  // the visible record: readers speak a list changing line by line in part
  // or out of order, but one text put into one polite region whole. Orca
  // drops a text the same as the one before it, so every other answer ends
  // in a no-break space, which nobody hears, and a repeat is spoken again.
  let conEspacio = false;
  function Anunciar(textos) {
    if (textos.length === 0) return;
    conEspacio = !conEspacio;
    anuncio.textContent = textos.join('\n') + (conEspacio ? '\u00a0' : '');
  }

  // The game's side of the window: what the C++ code calls back.
  const pagina = {
    caja: () => caja,
    // One change of the list per answer, and its new lines announced.
    responder(vaciar, textos) {
      const nuevas = textos.map(Linea);
      if (vaciar) lista.replaceChildren(...nuevas);
      else lista.append(...nuevas);
      AlFinal();
      lineas.textContent = [...lista.children].map((linea) => linea.textContent).join('\n');
      if (empezado) Anunciar(textos);
    },
    ordenes(texto, cursor) {
      caja.value = texto;
      caja.setSelectionRange(cursor, cursor);
    },
    foto(personaje, fichero) {
      porId(personaje ? 'Primero-Image2' : 'Primero-Image3').querySelector('img').src = fichero;
    },
    personaje(visible) {
      porId('Primero-Image2').hidden = !visible;
    },
    nombres(lugar, personaje) {
      porId('Primero-Image3').setAttribute('aria-label', lugar);
      // Where nobody stands the hidden picture keeps its last character.
      if (personaje) porId('Primero-Image2').setAttribute('aria-label', personaje);
    },
    final() {
      Mostrar('Final');
    },
    aviso(titulo, texto, exclamacion, terminar) {
      Avisar(titulo, texto, exclamacion, terminar ? Reiniciar : null);
    },
    guardar(linea) {
      try {
        localStorage.setItem(clavePartida, linea);
        Conservar();
        return localStorage.getItem(clavePartida) === linea;
      } catch (fallo) {
        return false; // a full quota, or no storage at all
      }
    },
    leer() {
      try {
        return localStorage.getItem(clavePartida);
      } catch (fallo) {
        return null;
      }
    },
    descargar(linea) {
      const enlace = document.createElement('a');
      enlace.href = URL.createObjectURL(new Blob([linea], { type: 'application/octet-stream' }));
      enlace.download = clavePartida;
      document.body.append(enlace);
      enlace.click();
      enlace.remove();
      setTimeout(() => URL.revokeObjectURL(enlace.href), 0);
    },
    subida: null,
  };

  // The title view.
  const menu = porId('Principal-archivo');
  const opciones = porId('Principal-archivo-opciones');
  // The items shown: the reflowed layout has no original size to offer.
  const items = () => [...opciones.querySelectorAll('[role^="menuitem"]')].filter((item) => item.checkVisibility());
  function AbrirMenu(abrir, foco) {
    menu.setAttribute('aria-expanded', String(abrir));
    opciones.hidden = !abrir;
    if (abrir) items()[foco === 'ultimo' ? items().length - 1 : 0].focus();
  }
  menu.addEventListener('click', () => AbrirMenu(opciones.hidden));
  menu.addEventListener('keydown', (evento) => {
    if (evento.key === 'ArrowDown' || evento.key === 'ArrowUp') {
      evento.preventDefault();
      AbrirMenu(true, evento.key === 'ArrowUp' ? 'ultimo' : 'primero');
    }
  });
  // The letter a caption underlines, its access key.
  const acceso = (control) => control.querySelector('u')?.textContent.toLowerCase();
  // Alt and the menu's letter opens it, as in the title window; the page
  // takes the keys from the browser's own menus while the title view shows.
  document.addEventListener('keydown', (evento) => {
    if (evento.altKey && !evento.ctrlKey && !evento.metaKey && !porId('Principal').hidden && !aviso.open
      && evento.key.toLowerCase() === acceso(menu)) {
      evento.preventDefault();
      AbrirMenu(true);
    }
  });
  opciones.addEventListener('keydown', (evento) => {
    const todos = items();
    const actual = todos.indexOf(document.activeElement);
    const mover = { ArrowDown: 1, ArrowUp: -1 }[evento.key];
    // An item's letter, with Alt or without, chooses it.
    const elegido = !evento.ctrlKey && !evento.metaKey
      && todos.find((item) => acceso(item) === evento.key.toLowerCase());
    if (elegido) {
      evento.preventDefault();
      elegido.click();
    } else if (mover) {
      evento.preventDefault();
      todos[(actual + mover + todos.length) % todos.length].focus();
    } else if (evento.key === 'Escape' || evento.key === 'Tab') {
      AbrirMenu(false);
      menu.focus();
    }
  });
  // An item chosen closes the menu before it runs, so that the focus it
  // leaves behind is the menu's, where a message box gives it back.
  opciones.addEventListener('click', () => {
    AbrirMenu(false);
    menu.focus();
  }, true);
  document.addEventListener('click', (evento) => {
    if (!opciones.hidden && !menu.parentElement.contains(evento.target)) AbrirMenu(false);
  });

  porId('Principal-autor').addEventListener('click', () => Mostrar('SobreAutor'));
  const acercade = porId('Principal-acercade');
  acercade.addEventListener('click',
    () => Avisar(acercade.dataset.titulo, acercade.dataset.texto, 'exclamacion' in acercade.dataset));
  porId('Principal-alacaca').addEventListener('click', Reiniciar);

  // The views at the windows' own size, where the player prefers it to
  // the window's size; kept for the next visit.
  const original = porId('Principal-original');
  const claveOriginal = 'tamano-original';
  function TamanoOriginal(si) {
    document.documentElement.toggleAttribute('data-original', si);
    original.setAttribute('aria-checked', String(si));
  }
  try {
    TamanoOriginal(localStorage.getItem(claveOriginal) !== null);
  } catch (fallo) {
    // No storage: the fitted views, as on a first visit.
  }
  original.addEventListener('click', () => {
    const si = original.getAttribute('aria-checked') !== 'true';
    TamanoOriginal(si);
    try {
      if (si) localStorage.setItem(claveOriginal, '');
      else localStorage.removeItem(claveOriginal);
    } catch (fallo) {
      // Not kept, but chosen for this visit.
    }
  });
  porId('Principal-descargar').addEventListener('click', () => listo.then(() => juego._talpin_descargar()));
  const fichero = porId('fichero-partida');
  porId('Principal-subir').addEventListener('click', () => fichero.click());
  fichero.addEventListener('change', async () => {
    const elegido = fichero.files[0];
    fichero.value = '';
    if (!elegido) return;
    const bytes = new Uint8Array(await elegido.arrayBuffer());
    await listo;
    pagina.subida = bytes;
    juego._talpin_subir();
    pagina.subida = null;
  });
  porId('SobreAutor-Command1').addEventListener('click', () => Mostrar('Principal'));
  porId('Final-Command1').addEventListener('click', Reiniciar);

  // The game starts before its view shows, so that the list takes the
  // focus with the opening line in it: a screen reader reads the line with
  // the list, as the window's, and it is announced no more.
  porId('Principal-Command1').addEventListener('click', () => listo.then(() => {
    if (!empezado) {
      juego._talpin_empezar();
      empezado = true;
      Instalar();
    }
    Mostrar('Primero');
  }));

  // The game view.
  porId('Primero-salir').addEventListener('click', () => Mostrar('Principal'));
  for (const control of document.querySelectorAll('[data-mando]'))
    control.addEventListener('click', () => juego._talpin_pulsar(Number(control.value)));
  // Enter, also a phone keyboard's, sends the form.
  porId('Primero-ordenes-envio').addEventListener('submit', (evento) => {
    evento.preventDefault();
    juego._talpin_intro();
  });
  caja.addEventListener('keydown', (evento) => {
    if (evento.key === 'Escape') {
      evento.preventDefault();
      juego._talpin_esc();
    } else if (evento.key === 'ArrowUp' || evento.key === 'ArrowDown') {
      evento.preventDefault();
      juego._talpin_recordar(evento.key === 'ArrowUp' ? 1 : 0);
    }
  });
  // With the on-screen keyboard up, the box stays in sight.
  if (window.visualViewport)
    window.visualViewport.addEventListener('resize', () => {
      if (document.activeElement === caja) caja.scrollIntoView({ block: 'nearest' });
    });

  // Offline after the first game: the service worker caches the
  // page once the game has started, so the first visit loads only what the
  // title and the opening need.
  function Instalar() {
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  }
  if (navigator.serviceWorker && navigator.serviceWorker.controller) {
    Instalar();
    // A new version took over: show it now, unless a game is under way.
    navigator.serviceWorker.addEventListener('controllerchange', () => {
      if (!empezado) location.reload();
    });
  }

  const listo = new Promise((cargado, fallo) => {
    const codigo = document.createElement('script');
    codigo.src = 'talpin.js';
    codigo.onload = cargado;
    codigo.onerror = fallo;
    document.head.append(codigo);
  }).then(() => Talpin({ pagina })).then((modulo) => {
    juego = modulo;
    performance.mark('juego-listo');
  });
  // The title view is ready for input (the tests wait for this, and
  // bench/web.mjs times both marks).
  document.documentElement.dataset.listo = '';
  performance.mark('titulo-listo');
})();
