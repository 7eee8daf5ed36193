// The page in headless chromium: a link runs its search, and #uscita shows
// the lines the native sillabor-cli prints. With --screenshot FILE, saves the
// page as it is then. Run through tests/web/page_check.sh.
// Usage: node --experimental-websocket page_check.mjs DEVTOOLS_PORT SITE_URL [--screenshot FILE]
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';

const [port, site, flag, shot] = process.argv.slice(2);
const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const link = '#anagr/marco%20polo?parole-max=2';
const args = ['anagr', 'marco polo', '--parole-max', '2'];

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
const evaluate = async (expression) => (await send('Runtime.evaluate', { expression, returnByValue: true })).result.result.value;

await send('Emulation.setDeviceMetricsOverride', { width: 1000, height: 640, deviceScaleFactor: 1, mobile: false });
async function waitForEnd(what) {
  const deadline = Date.now() + 60000;
  // A new document, or the search started, first.
  await new Promise((resolve) => setTimeout(resolve, 300));
  while (await evaluate("document.getElementById('uscita')?.dataset.stato") !== 'fine') {
    assert.ok(Date.now() < deadline, what + ': the search did not end within a minute');
    await new Promise((resolve) => setTimeout(resolve, 200));
  }
}

async function search(hash, args, document = '') {
  await send('Page.navigate', { url: site + '/' + document + hash });
  await waitForEnd(hash);
  const shown = await evaluate("document.getElementById('uscita').textContent");
  const status = await evaluate("document.getElementById('stato').textContent");
  const native = spawnSync(path.join(root, 'build/sillabor-cli'), ['--cartella', process.env.SILLABOR_FOLDER, ...args],
    { encoding: 'utf8' });
  assert.equal(shown, native.stdout, hash + ': #uscita shows the native lines');
  assert.match(status, /^Generati \d+ in /, hash + ': the status line is the closing line');
  console.log(`${hash}: ${shown.split('\n').length - 1} righe come il nativo; stato: ${status}`);
}

await search(link, args);
assert.equal(await evaluate("document.querySelector('#pagina [name=frase]').value"), 'marco polo', 'the link fills the field');
if (flag === '--screenshot') {
  const picture = await send('Page.captureScreenshot', { format: 'png' });
  fs.writeFileSync(shot, Buffer.from(picture.result.data, 'base64'));
  console.log('screenshot: ' + shot);
}

// "?" prints the page's help; "Stop !" ends a search that would run on.
await evaluate("document.getElementById('aiuto').click()");
await waitForEnd('?');
const help = await evaluate("document.getElementById('uscita').textContent");
assert.ok(help.split('\n').length > 5, '"?" shows the help of Anagr');
await send('Page.navigate', { url: site + '/#anagr/la%20vispa%20teresa%20avea%20tra%20l%20erbetta?parole-max=X&limite=0' });
await new Promise((resolve) => setTimeout(resolve, 800));
assert.equal(await evaluate("document.getElementById('uscita').dataset.stato"), 'corre', 'an anagram search without a limit runs on');
await evaluate("document.getElementById('stop').click()");
assert.equal(await evaluate("document.getElementById('uscita').dataset.stato"), 'fine', '"Stop !" ends the search');
assert.equal(await evaluate("document.getElementById('stato').textContent"), 'RICERCA INTERROTTA');
console.log('"?" e "Stop !": ok');

// Offline: the service worker has kept the site; the server stops.
await send('Runtime.evaluate', { expression: 'navigator.serviceWorker.ready', awaitPromise: true });
process.kill(Number(process.env.SILLABOR_SERVER_PID));
await new Promise((resolve) => setTimeout(resolve, 300));
// Another document than the first, so that the page itself loads again.
await search('#cerca/mare?categoria=3', ['cerca', '--categoria', '3', 'mare'], 'index.html');
console.log('offline: ok');
socket.close();
process.exit(0);
