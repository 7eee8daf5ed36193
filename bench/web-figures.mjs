// Drives one headless chromium for bench/web-figures.sh and prints one JSON
// line of times in milliseconds.
//   ready: from navigation start until the status line has
//          data-pronto="si" (the module started, Default and the help read)
//   searches: for each link, from setting the address until #uscita has
//          data-stato="fine", with the closing line of the status and the
//          number of lines shown; each link is opened ROUNDS times, in turn
// With --wait-cache, waits until the service worker holds every file of the
// site before it returns, so that the next visit finds it warm.
// Usage: node --experimental-websocket web-figures.mjs DEVTOOLS_PORT SITE_URL ROUNDS [--wait-cache] [LINK...]
const [port, site, roundsText, ...rest] = process.argv.slice(2);
const waitCache = rest[0] === '--wait-cache';
const links = waitCache ? rest.slice(1) : rest;
const rounds = Number(roundsText);

const target = await (await fetch(`http://127.0.0.1:${port}/json/new?about:blank`, { method: 'PUT' })).json();
const socket = new WebSocket(target.webSocketDebuggerUrl);
await new Promise((resolve, reject) => { socket.onopen = resolve; socket.onerror = reject; });
let nextId = 1;
const waiting = new Map();
socket.onmessage = (event) => {
  const message = JSON.parse(event.data);
  if (waiting.has(message.id)) {
    waiting.get(message.id)(message);
    waiting.delete(message.id);
  }
};
const send = (method, params = {}) => new Promise((resolve) => {
  const id = nextId++;
  waiting.set(id, resolve);
  socket.send(JSON.stringify({ id, method, params }));
});
const evaluate = async (expression) =>
  (await send('Runtime.evaluate', { expression, returnByValue: true, awaitPromise: true })).result.result?.value;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
async function until(expression, what, limit = 120000) {
  const deadline = Date.now() + limit;
  for (;;) {
    const value = await evaluate(expression);
    if (value) return value;
    if (Date.now() > deadline) throw new Error(what + ': not within ' + limit / 1000 + ' s');
    await sleep(10);
  }
}

// Notes the moment (on the page's clock, zero at navigation start) when the
// status line says the dictionary is ready, and when a search ends.
await send('Page.enable');
await send('Page.addScriptToEvaluateOnNewDocument', {
  source: `new MutationObserver(() => {
    const status = document.getElementById('stato');
    if (window.__ready === undefined && status?.dataset.pronto === 'si') window.__ready = performance.now();
    const output = document.getElementById('uscita');
    if (window.__start !== undefined && window.__end === undefined && output?.dataset.stato === 'fine')
      window.__end = performance.now();
  }).observe(document, { subtree: true, childList: true, attributes: true, attributeFilter: ['data-pronto', 'data-stato'] });`,
});
await send('Page.navigate', { url: site + '/' });
const ready = await until('window.__ready', 'the dictionary ready');
const result = { ready, searches: {} };

for (let round = 0; round < rounds; ++round) {
  for (const link of links) {
    await evaluate(`window.__end = undefined; window.__start = performance.now(); location.hash = ${JSON.stringify(link)}; true`);
    await until('window.__end', link);
    const [ms, status, lines] = await evaluate(`[window.__end - window.__start,
      document.getElementById('stato').textContent,
      document.getElementById('uscita').textContent.split('\\n').length - 1]`);
    (result.searches[link] ??= []).push({ ms, status, lines });
  }
}

if (waitCache) {
  // The worker is active once its install has cached every file.
  await until('navigator.serviceWorker.ready.then(() => true)', 'the service worker');
}
console.log(JSON.stringify(result));
socket.close();
