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
await send('Page.navigate', { url: site + '/' + link });
const deadline = Date.now() + 60000;
while (await evaluate("document.getElementById('uscita')?.dataset.stato") !== 'fine') {
  assert.ok(Date.now() < deadline, 'the search did not end within a minute');
  await new Promise((resolve) => setTimeout(resolve, 200));
}
const shown = await evaluate("document.getElementById('uscita').textContent");
const status = await evaluate("document.getElementById('stato').textContent");
const field = await evaluate("document.querySelector('#pagina [name=frase]').value");

const native = spawnSync(path.join(root, 'build/sillabor-cli'), ['--cartella', process.env.SILLABOR_FOLDER, ...args],
  { encoding: 'utf8' });
assert.equal(field, 'marco polo', 'the link fills the field');
assert.equal(shown, native.stdout, '#uscita shows the native lines');
assert.ok(status.length > 0, 'the status line');
console.log(`page: ${shown.split('\n').length - 1} righe come il nativo; stato: ${status}`);

if (flag === '--screenshot') {
  const picture = await send('Page.captureScreenshot', { format: 'png' });
  fs.writeFileSync(shot, Buffer.from(picture.result.data, 'base64'));
  console.log('screenshot: ' + shot);
}
socket.close();
process.exit(0);
