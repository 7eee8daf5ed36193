// Keeps the page working offline and quick to open again: every file of the
// site is cached at the first visit and served from the cache from then on.
// scripts/web.sh writes a hash of the site's files into VERSION, so a rebuilt
// site changes this file: the browser installs the new worker, which caches
// the new files, takes over and deletes the old caches.
const VERSION = 'dev';
const CACHE = 'sillabor-' + VERSION;
// (scripts/web.sh puts the module's loader and runner.js into worker.js.)
const FILES = ['./', 'index.html', 'style.css', 'app.js', 'pages.js', 'link.js', 'store.js', 'worker.js',
  'sillabor-web.wasm', 'sillaboraiut.txt', 'Dizionari/Default/j_r_Default'];

self.addEventListener('install', (event) => {
  // Browsers that can (Chromium 123 on) take the site's files straight from
  // the cache, without starting this worker for each request; what the cache
  // does not hold comes from the network.
  if (typeof event.addRoutes === 'function') {
    event.addRoutes({ condition: { requestMethod: 'GET' }, source: { cacheName: CACHE } }).catch(() => {});
  }
  // Past the HTTP cache, which may still hold the files of the old site, and
  // kept with the headers the page needs, as the fetch handler below gives them.
  event.waitUntil(caches.open(CACHE).then((cache) => Promise.all(FILES.map(async (file) => {
    const response = await fetch(new Request(file, { cache: 'reload' }));
    if (!response.ok) throw new Error(`${file}: ${response.status}`);
    await cache.put(file, isolated(response));
  }))).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('sillabor-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page shares memory with its worker (for "Stop !") only when it is
// cross-origin isolated; a server that does not say so gets the headers
// added here, from the second visit on.
function isolated(response) {
  if (response.status === 0 || response.headers.get('Cross-Origin-Embedder-Policy')) return response;
  const headers = new Headers(response.headers);
  headers.set('Cross-Origin-Opener-Policy', 'same-origin');
  headers.set('Cross-Origin-Embedder-Policy', 'require-corp');
  return new Response(response.body, { status: response.status, statusText: response.statusText, headers });
}

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(event.request))
    .then(isolated));
});
