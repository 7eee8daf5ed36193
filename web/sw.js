// Keeps the page working offline: every file of the site is cached at the
// first visit; while online the network comes first, so a rebuilt site is
// what the page gets.
const CACHE = 'sillabor-v2';
const FILES = ['./', 'index.html', 'style.css', 'app.js', 'pages.js', 'link.js', 'store.js', 'runner.js', 'worker.js',
  'sillabor-web.js', 'sillabor-web.wasm', 'sillaboraiut.txt', 'Dizionari/Default/j_r_Default'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(fetch(event.request)
    .then((response) => {
      if (response.ok) {
        const copy = response.clone();
        caches.open(CACHE).then((cache) => cache.put(event.request, copy));
      }
      return response;
    })
    .catch(() => caches.match(event.request, { ignoreSearch: true })
      .then((cached) => cached || Response.error())));
});
