'use strict';
// Keeps the page for playing offline. scripts/web.sh writes in the version
// (a digest of every file) and the files; a new version is fetched whole on
// the next visit and takes the old one's place.
const version = '@VERSION@';
const ficheros = [@FICHEROS@];

self.addEventListener('install', (evento) => {
  evento.waitUntil(
    caches.open(version)
      .then((cache) => cache.addAll(ficheros.map((fichero) => new Request(fichero, { cache: 'reload' }))))
      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (evento) => {
  evento.waitUntil(
    caches.keys()
      .then((claves) => Promise.all(claves.filter((clave) => clave !== version).map((clave) => caches.delete(clave))))
      .then(() => self.clients.claim()));
});

// The page is kept once, as "./", whichever name it is asked by.
const pagina = /\/index\.html$/;

self.addEventListener('fetch', (evento) => {
  if (evento.request.method !== 'GET') return;
  const guardada = pagina.test(new URL(evento.request.url).pathname) ? './' : evento.request;
  evento.respondWith(caches.match(guardada, { ignoreSearch: true, cacheName: version })
    .then((respuesta) => respuesta || fetch(evento.request)));
});
