// Keeps the page working offline and quick to open again: every file of the
// site is cached at the first visit and served from the cache from then on.
// scripts/web.sh writes a hash of the site's files into VERSION, so a rebuilt
// site changes this file: the browser installs the new worker, which caches
// the new files, takes over and deletes the old caches.
const VERSION = 'dev';
const CACHE = 'sillabor-' + VERSION;
const FILES = ['./', 'index.html', 'style.css', 'app.js', 'pages.js', 'link.js', 'store.js', 'runner.js', 'worker.js',
  'sillabor-web.js', 'sillabor-web.wasm', 'sillaboraiut.txt', 'Dizionari/Default/j_r_Default'];

self.addEventListener('install', (event) => {
  // Past the HTTP cache, which may still hold the files of the old site.
  const requests = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
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
