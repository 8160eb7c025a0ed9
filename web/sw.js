// Keeps the whole site, so after one visit every page opens and works with no
// server. A new version gets a new cache and the old one is dropped: the build
// names the version after the site's contents, so no release can forget it.
const VERSION = 'sorvani-web-dev';
const SITE = [
  './', 'index.html', 'hoja.html', 'practica.html', 'app.css', 'resolver.js', 'hoja.js', 'practica.js', 'comun.js',
  'sorvani.js', 'sorvani.wasm', 'manifest.webmanifest',
  'icono-192.png', 'icono-512.png', 'icono-maskable-512.png',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(VERSION).then((cache) => cache.addAll(SITE)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== VERSION).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// From the cache at once, refreshed from the server when it answers, so a
// fixed file reaches the next visit and a lost server costs nothing.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin)
    return;
  event.respondWith(caches.open(VERSION).then(async (cache) => {
    const kept = await cache.match(request, { ignoreSearch: true });
    const fresh = fetch(request).then((response) => {
      if (response.ok)
        cache.put(request, response.clone());
      return response;
    });
    if (kept) {
      event.waitUntil(fresh.catch(() => {}));
      return kept;
    }
    return fresh;
  }));
});
