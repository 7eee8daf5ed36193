// The page in headless chromium: a link runs its search, and #uscita shows
// the lines the native sillabor-cli prints, also for a dictionary built in the
// page. With --screenshot FILE, saves the page after the first search; with
// --dizio-screenshot FILE, the Dizio page after a build.
// Run through tests/web/page_check.sh.
// Usage: node [--experimental-websocket] page_check.mjs DEVTOOLS_PORT SITE_URL [--screenshot FILE | --dizio-screenshot FILE]
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';

const [port, site, flag, shot] = process.argv.slice(2);
const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const link = '#anagr/marco%20polo?parole-max=2';
const args = ['anagr', 'marco polo', '--parole-max', '2'];

const target = await (await fetch(`http://127.0.0.1:${port}/json/new?about:blank`, { method: 'PUT' })).json();
// Node's own WebSocket, or the ws package where node has none (node 18).
const WebSocketClient = globalThis.WebSocket ?? createRequire(import.meta.url)('ws');
const socket = new WebSocketClient(target.webSocketDebuggerUrl);
await new Promise((resolve, reject) => { socket.onopen = resolve; socket.onerror = reject; });
let nextId = 1;
const waiting = new Map();
let workerSession = null;  // the page's latest worker, once attached
socket.onmessage = (event) => {
  const message = JSON.parse(event.data);
  if (message.method === 'Target.attachedToTarget' && message.params.targetInfo.type === 'worker')
    workerSession = message.params.sessionId;
  if (waiting.has(message.id)) {
    waiting.get(message.id)(message);
    waiting.delete(message.id);
  }
};
const send = (method, params = {}, sessionId = undefined) => new Promise((resolve) => {
  const id = nextId++;
  waiting.set(id, resolve);
  socket.send(JSON.stringify({ id, method, params, sessionId }));
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

const text = (id) => evaluate(`document.getElementById('${id}').textContent`);
const native = (args, folder = process.env.SILLABOR_FOLDER) =>
  spawnSync(path.join(root, 'build/sillabor-cli'), ['--cartella', folder, ...args], { encoding: 'utf8', maxBuffer: 1 << 28 });

// Runs a search as the page does: by its link, with a click when `hash` is
// null, or by what a function `hash` does.
async function search(hash, args, document = '', folder = undefined) {
  if (typeof hash === 'function') {
    await hash();
    hash = args.join(' ');
  } else if (hash === null) {
    await evaluate("document.getElementById('genera').click()");
    hash = args.join(' ');
  } else {
    await send('Page.navigate', { url: site + '/' + document + hash });
  }
  await waitForEnd(hash);
  const shown = await evaluate("document.getElementById('uscita').textContent");
  const status = await evaluate("document.getElementById('stato').textContent");
  const want = native(args, folder);
  assert.equal(shown, want.stdout, hash + ': #uscita shows the native lines');
  // The closing line, but for the time it took.
  const closing = want.stderr.split('\n').filter((line) => line.trim() !== '').pop() ?? '';
  const times = (line) => line.replace(/\d+\.\d+ sec/g, 'T sec');
  assert.equal(times(status), times(closing), hash + ': the status line is the closing line');
  console.log(`${hash}: ${shown.split('\n').length - 1} righe come il nativo; stato: ${status}`);
  return shown;
}

await search(link, args);
assert.equal(await evaluate("document.querySelector('#pagina [name=frase]').value"), 'marco polo', 'the link fills the field');
if (flag === '--screenshot') {
  const picture = await send('Page.captureScreenshot', { format: 'png' });
  fs.writeFileSync(shot, Buffer.from(picture.result.data, 'base64'));
  console.log('screenshot: ' + shot);
}

// "Copia" puts the output on the clipboard, "Salva" downloads it.
{
  const shown = await text('uscita');
  await send('Browser.grantPermissions', { origin: site, permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'] });
  await send('Emulation.setFocusEmulationEnabled', { enabled: true });
  await evaluate("document.getElementById('copia').click()");
  await new Promise((resolve) => setTimeout(resolve, 300));
  const clipboard = await send('Runtime.evaluate', { expression: 'navigator.clipboard.readText()', awaitPromise: true, returnByValue: true });
  assert.equal(clipboard.result.result.value, shown, '"Copia" copies the output');
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'sillabor-salva-'));
  await send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await evaluate("document.getElementById('salva').click()");
  const saved = path.join(downloads, 'risultati.txt');
  for (let wait = 0; wait < 50 && !fs.existsSync(saved); ++wait) await new Promise((resolve) => setTimeout(resolve, 100));
  assert.equal(fs.readFileSync(saved, 'utf8'), shown, '"Salva" downloads the output');
  fs.rmSync(downloads, { recursive: true });
  console.log('Copia e Salva: ok');
}

// "?" prints the page's help; "Stop !" ends a search that would run on.
await evaluate("document.getElementById('aiuto').click()");
await waitForEnd('?');
const help = await evaluate("document.getElementById('uscita').textContent");
assert.ok(help.split('\n').length > 5, '"?" shows the help of Anagr');
const endless = '#anagr/la%20vispa%20teresa%20avea%20tra%20l%20erbetta?parole-max=X&limite=0';
await send('Page.navigate', { url: site + '/' + endless });
await new Promise((resolve) => setTimeout(resolve, 1500));
assert.equal(await evaluate("document.getElementById('uscita').dataset.stato"), 'corre', 'an anagram search without a limit runs on');
// Its lines show while it runs, and the status line counts them.
// (Counted in the page: the text soon outgrows a message of the protocol.)
assert.ok(await evaluate("document.getElementById('uscita').textContent.split('\\n').length") > 100,
  'lines show while the search runs');
assert.match(await text('stato'), /^Ricerca in corso: \d+ righe, \d+\.\d s$/);
// The server makes the page cross-origin isolated, so "Stop !" ends the
// search in the module: its closing lines follow the last line it printed,
// with nothing lost in between (the lines before them are the search's own,
// in order: its first lines as the native search prints them).
assert.equal(await evaluate('crossOriginIsolated'), true, 'the page shares memory with its worker');
await evaluate("document.getElementById('stop').click()");
await waitForEnd('Stop !');
// Counted block by block: the whole text can outgrow what a string holds.
const stopped = await evaluate(`(() => {
  let count = 0;
  let tail = '';
  for (const block of document.getElementById('uscita').children) {
    const text = block.textContent;
    for (let at = text.indexOf('\\n'); at >= 0; at = text.indexOf('\\n', at + 1)) ++count;
    tail = (tail + text).slice(-4000);
  }
  return { count, tail: tail.split('\\n').slice(-7, -1) };
})()`);
assert.match(await text('stato'), /^Generati \d+ in /, '"Stop !": the closing status line');
const endlessArgs = ['anagr', 'la vispa teresa avea tra l erbetta', '--parole-max', 'X', '--limite', '0'];
// The native search's lines at the same place: only those four are kept (in
// its 5 s it prints far more than a string can hold).
const nativeTail = spawnSync('sh', ['-c', '"$0" "$@" | head -n ' + (stopped.count - 2) + ' | tail -n 4',
  path.join(root, 'build/sillabor-cli'), '--cartella', process.env.SILLABOR_FOLDER, '--tempo-max', '5', ...endlessArgs],
{ encoding: 'utf8' }).stdout.split('\n').slice(0, -1);
assert.deepEqual(stopped.tail, [...nativeTail, '-'.repeat(50), 'RICERCA INTERROTTA'],
  '"Stop !": the last lines, then the closing lines');
console.log(`"?", righe durante la ricerca e "Stop !": ok (${stopped.count} righe)`);

// Every page: a link shows exactly the lines of its command. The first
// one hands its lines over in several batches.
const table = [
  ['#trova/cerniere?seme=7', ['--seme', '7', 'trova', 'cerniere']],
  ['#parole?pattern=%2B-%2B-&solo=aeiourst', ['parole', '--pattern', '+-+-', '--solo', 'aeiourst']],
  ['#cerca/cantare?categoria=3', ['cerca', '--categoria', '3', 'cantare']],
  ['#cerca/casaletomarinepo?categoria=5&griglia=entrambi&seme=7',
    ['--seme', '7', 'cerca', '--categoria', '5', '--griglia', 'entrambi', 'casaletomarinepo']],
  ['#trova/bifronti-entrambe?lettere=a%20o', ['trova', 'bifronti-entrambe', '--lettere', 'a', 'o']],
  ['#metagr/cane/gatto?aggiunta-scarto&metanagramma', ['metagr', 'cane', 'gatto', '--aggiunta-scarto', '--metanagramma']],
  ['#decrit/risolvi/1%202%203%202%20%204%205%203%206', ['decrit', 'risolvi', '1 2 3 2  4 5 3 6']],
  ['#decrit/critta/ciao?caselle=bcdefghijklmnopqrstuvwxyza&numeri2',
    ['decrit', 'critta', 'ciao', '--caselle', 'bcdefghijklmnopqrstuvwxyza', '--numeri2']],
  ['#curio/1', ['curio', '1']],
  ['#curio/micro?micro-modo=4&seme=7', ['--seme', '7', 'curio', 'micro', '--micro-modo', '4']],
  ['#cern/Roma?goal=i', ['cern', 'Roma', '--goal', 'i']],
  ['#dizio/elenco', ['dizio', 'elenco']],
];
for (const [hash, args] of table) await search(hash, args);

// Cern answers every keystroke: typed a letter at a time, the base shows the
// lines of the command for the whole of it, and the address follows.
await search('#cern?goal=i', ['cern', '--goal', 'i', '']);
await search(async () => {
  await evaluate("document.querySelector('#pagina [name=base]').focus()");
  for (const letter of 'Roma') await send('Input.insertText', { text: letter });
}, ['cern', 'Roma', '--goal', 'i']);
assert.equal(await evaluate('location.hash'), '#cern/Roma?goal=i');
console.log('Cern a ogni tasto: ok');

// Decrit's 26 boxes show the link's --caselle; a letter typed into one goes
// into the command (and the link), and the next box takes the focus.
const critta = '#decrit/critta/ciao?caselle=bcdefghijklmnopqrstuvwxyza&numeri2';
await search(critta, table.find(([hash]) => hash === critta)[1]);
const box = (letter) => `document.querySelector('#pagina [name=casella-${letter}]')`;
assert.deepEqual(await evaluate(`[${box('a')}.value, ${box('z')}.value]`), ['b', 'a']);
await evaluate(`${box('a')}.focus(); ${box('a')}.value = 'X'; ${box('a')}.dispatchEvent(new Event('input'))`);
assert.equal(await evaluate('document.activeElement.name'), 'casella-b');
await search(null, ['decrit', 'critta', 'ciao', '--caselle', 'xcdefghijklmnopqrstuvwxyza', '--numeri2']);
assert.match(await evaluate('location.hash'), /caselle=xcdefghijklmnopqrstuvwxyza/);
console.log('caselle di Decrit: ok');

// A time limit ends the search by itself, with the closing lines of a stop.
const timedStart = Date.now();
await send('Page.navigate', { url: site + '/' + endless + '&tempo-max=1' });
await waitForEnd('tempo-max');
assert.ok(Date.now() - timedStart < 6000, 'the time limit stops the search');
assert.match(await evaluate("document.getElementById('uscita').textContent.slice(-100)"), /\n-{50}\nRICERCA INTERROTTA\n$/);
assert.match(await text('stato'), /^Generati \d+ in /);
console.log('tempo-max: ok');

// Dizio: text files chosen in the page become a dictionary, built as
// sillabor-cli builds it; searches then run on it, also after "Stop !" and
// on a later visit, until it is deleted.
const own = fs.mkdtempSync(path.join(os.tmpdir(), 'sillabor-dizio-'));
process.on('exit', () => fs.rmSync(own, { recursive: true, force: true }));
fs.mkdirSync(path.join(own, 'Dizionari/Mio'), { recursive: true });
fs.mkdirSync(path.join(own, 'Dizionari/Default'));
fs.copyFileSync(path.join(process.env.SILLABOR_FOLDER, 'Dizionari/Default/j_r_Default'), path.join(own, 'Dizionari/Default/j_r_Default'));
const sources = { 'animali.txt': 'cane\ngatto\ncanto\nmare\nrame\nrema\narme\nramo\nroma\namor\n',
  'altre.txt': 'ora\nreo\nera\ntorta\nrotta\ntrota\nmora\ncarne\ncrane\nnacre\n' };
for (const [name, content] of Object.entries(sources)) fs.writeFileSync(path.join(own, 'Dizionari/Mio', name), content);
const setField = (selector, value, event) => evaluate(`(() => { const f = document.querySelector('${selector}');
  f.value = ${JSON.stringify(value)}; f.dispatchEvent(new Event('${event}')); })()`);
await send('Page.navigate', { url: site + '/#dizio' });
await waitForEnd('#dizio');
await setField('#pagina [name=azione]', 'crea', 'change');
await setField('#pagina [name=nome]', 'Mio', 'input');
const { root: documentNode } = (await send('DOM.getDocument')).result;
const input = (await send('DOM.querySelector', { nodeId: documentNode.nodeId, selector: '#pagina [name=file]' })).result;
await send('DOM.setFileInputFiles', { nodeId: input.nodeId, files: Object.keys(sources).map((name) => path.join(own, 'Dizionari/Mio', name)) });
await search(null, ['--dizionario', 'Mio', 'dizio', 'crea'], '', own);
assert.match(await text('dizionari'), /Mio \(2 file.*in uso/, 'the built dictionary is listed, in use');
if (flag === '--dizio-screenshot') {
  const picture = await send('Page.captureScreenshot', { format: 'png' });
  fs.writeFileSync(shot, Buffer.from(picture.result.data, 'base64'));
  console.log('screenshot: ' + shot);
}
const onOwn = ['--dizionario', 'Mio', 'anagr', 'roma'];
await search('#anagr/roma', onOwn, '', own);
// "Stop !" pressed twice ends the worker at once; the fresh one has the
// dictionary too.
await evaluate("document.getElementById('genera').click(); document.getElementById('stop').click(); document.getElementById('stop').click()");
assert.equal(await text('stato'), 'RICERCA INTERROTTA');
await search(null, onOwn, '', own);
// A later visit offers it again: loaded, searched on, deleted.
const visit = '?visita=2';
await send('Page.navigate', { url: site + '/' + visit + '#dizio' });
await waitForEnd('#dizio');
await evaluate("document.querySelector('#dizionari [data-nome=Mio] button').click()");
await waitForEnd('Carica');
assert.equal(await text('uscita'), native(['--dizionario', 'Mio', 'dizio', 'carica'], own).stdout, 'Carica: the native lines');
await search('#anagr/roma', onOwn, visit, own);
await send('Page.navigate', { url: site + '/' + visit + '#dizio' });
await waitForEnd('#dizio');
await evaluate("document.querySelector('#dizionari [data-nome=Mio] button:last-child').click()");
await new Promise((resolve) => setTimeout(resolve, 500));
assert.doesNotMatch(await text('dizionari'), /Mio/, 'deleted');
await search('#anagr/roma', ['anagr', 'roma'], visit);
console.log('Dizio: ok');

// A module that aborts (as when the browser refuses it more memory) ends the
// search with a message, and a fresh worker takes the next one.
await send('Target.setAutoAttach', { autoAttach: true, waitForDebuggerOnStart: false, flatten: true });
for (let i = 0; i < 50 && !workerSession; ++i) await new Promise((resolve) => setTimeout(resolve, 100));
await send('Runtime.evaluate', { awaitPromise: true, expression: `ready.then((Module) => {
  Module._sillabor_run = () => { throw new WebAssembly.RuntimeError('memory access out of bounds'); };
})` }, workerSession);
await evaluate("document.getElementById('genera').click()");
await waitForEnd('abort');
assert.match(await text('stato'), /^Ricerca interrotta: memoria esaurita o errore del modulo \(RuntimeError: memory access/);
await search(null, ['anagr', 'roma']);
// An abort as the search hands over its first lines: they still show.
await send('Runtime.evaluate', { expression: `(() => {
  const post = self.postMessage.bind(self);
  self.postMessage = (message) => {
    if (message.type === 'lines') throw new WebAssembly.RuntimeError('memory access out of bounds');
    post(message);
  };
})()` }, workerSession);
await evaluate(`location.hash = ${JSON.stringify(endless)}`);
await waitForEnd('abort with lines');
assert.match(await text('stato'), /^Ricerca interrotta: memoria esaurita/);
const beforeAbort = await text('uscita');
assert.ok(beforeAbort.endsWith('\n') && native(['--tempo-max', '1', ...endlessArgs]).stdout.startsWith(beforeAbort),
  'the lines printed before the abort');
console.log('modulo interrotto: ok');

// A rebuilt site reaches a browser that kept the old one: the new service
// worker takes over, the page loads again from the new files, and the old
// cache goes. (The server serves a copy of the site, changed here.)
const cacheNames = async () => (await send('Runtime.evaluate',
  { expression: 'caches.keys()', awaitPromise: true, returnByValue: true })).result.result.value;
await send('Runtime.evaluate', { expression: 'navigator.serviceWorker.ready', awaitPromise: true });
const [oldCache] = await cacheNames();
const served = process.env.SILLABOR_SITE_DIR;
const rewrite = (file, from, to) => {
  const text = fs.readFileSync(path.join(served, file), 'utf8');
  assert.ok(text.includes(from), file + ': ' + from);
  fs.writeFileSync(path.join(served, file), text.replace(from, to));
};
rewrite('index.html', '<title>Sillabor</title>', '<title>Sillabor nuova</title>');
rewrite('sw.js', `const VERSION = '${oldCache.slice('sillabor-'.length)}';`, "const VERSION = 'nuova';");
await send('Page.navigate', { url: site + '/index.html#curio/1' });
for (let i = 0; await evaluate('document.title') !== 'Sillabor nuova'; ++i) {
  assert.ok(i < 100, 'the rebuilt site reaches the page');
  await new Promise((resolve) => setTimeout(resolve, 100));
}
await waitForEnd('#curio/1');
assert.deepEqual(await cacheNames(), ['sillabor-nuova'], 'only the new cache is left');
console.log('sito ricostruito: ok');

// Offline: the service worker has kept the site; the server stops.
await send('Runtime.evaluate', { expression: 'navigator.serviceWorker.ready', awaitPromise: true });
process.kill(Number(process.env.SILLABOR_SERVER_PID));
await new Promise((resolve) => setTimeout(resolve, 300));
// Another document than the first, so that the page itself loads again.
await search('#cerca/mare?categoria=3', ['cerca', '--categoria', '3', 'mare'], 'index.html');
console.log('offline: ok');
socket.close();
process.exit(0);
