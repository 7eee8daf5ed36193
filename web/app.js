// The page: the tabs and their controls, the link in the address, and the
// worker that runs the searches.

import { PAGES, GLOBAL_OPTIONS, findPage } from './pages.js';
import { parseLink, makeLink, emptyState, commandLine } from './link.js';
import { listDictionaries, readDictionary, saveDictionary, deleteDictionary } from './store.js';

const $ = (id) => document.getElementById(id);
const output = $('uscita');
const status = $('stato');
const states = new Map(PAGES.map((page) => [page.name, emptyState(page)]));
let current = PAGES[0].name;
let worker = null;
let running = null;  // the request the worker is on
let nextId = 1;
let stoppedId = 0;  // the search "Stop !" ended last
// The dictionary the searches run on, when not the shipped Default:
// {name, files: [{name, bytes}]}, the prepared file among the files.
let dictionary = null;
let stored = [];  // the list of the dictionaries kept in the browser
let ticker = 0;
let timeLimitTimer = 0;
// A page that answers at every keystroke (Cern) runs one command at a time:
// a change made while one runs waits for it, and only the latest one runs then.
let editedWhileRunning = false;

// The builder refuses a source file over this size without reading it, so
// one byte more than this is all it needs to see of a larger file.
const LARGEST_SOURCE = 10485760;
// A worker whose module grew past this is replaced once it has answered.
const LARGEST_KEPT_MEMORY = 512 * 1024 * 1024;
// "Stop !" as the window has it, where the browser allows memory shared with
// the worker (a page served with cross-origin isolation): the module sees the
// flag at its next line and the search ends with its own closing lines and
// none of its lines lost. A search that prints nothing for this long after
// the press, or a page without the flag, has its worker ended instead.
const stopFlag = globalThis.crossOriginIsolated && typeof SharedArrayBuffer === 'function'
  ? new Int32Array(new SharedArrayBuffer(4)) : null;
const STOP_GRACE_MS = 400;
let stopTimer = 0;

function startWorker() {
  // The first one index.html started, with the messages it sent before now.
  const early = window.sillaborEarlyWorker;
  window.sillaborEarlyWorker = null;
  worker = early ? early.worker : new Worker('worker.js');
  worker.onmessage = (event) => onResult(event.data);
  worker.onerror = (event) => {
    event.preventDefault();
    if (!running) {
      status.textContent = 'Errore del modulo: ' + (event.message || 'sconosciuto');
      return;
    }
    brokenSearch(event.message);
  };
  for (const event of early?.events ?? []) (event.type === 'message' ? worker.onmessage : worker.onerror)(event);
  if (stopFlag) worker.postMessage({ type: 'stopFlag', flag: stopFlag });
  // A fresh worker comes back with the dictionary that was loaded.
  if (dictionary) worker.postMessage({ type: 'load', name: dictionary.name, files: dictionary.files });
}

function restartWorker() {
  worker.terminate();
  startWorker();
}

// The module aborted, most likely out of memory: what was shown stays, with
// the lines it printed and had not handed over (`unsent`), and a fresh worker
// takes the next search.
function brokenSearch(message, unsent = '') {
  pending.push(unsent);
  restartWorker();
  status.textContent = 'Ricerca interrotta: memoria esaurita o errore del modulo (' + (message || 'sconosciuto')
    + '). Prova una ricerca pi\u00f9 piccola o con un limite.';
  finish();
}

// Lines that came from the worker and are not shown yet. They go into the
// output a few times a second, in blocks of at most BLOCK_LINES lines that
// the browser lays out only once scrolled into view (style.css): a search can
// print a million lines a second, and laying them all out would leave no
// time for "Stop !".
let pending = [];
const BLOCK_LINES = 1000;
const LINE_HEIGHT = 16;  // #uscita's, in pixels

function showPending() {
  if (pending.length === 0) return;
  const text = pending.join('');
  pending = [];
  const blocks = document.createDocumentFragment();
  let start = 0;
  while (start < text.length) {
    let end = start;
    let lines = 0;
    while (lines < BLOCK_LINES && end < text.length) {
      const next = text.indexOf('\n', end);
      end = next < 0 ? text.length : next + 1;
      ++lines;
    }
    const block = document.createElement('div');
    block.textContent = text.slice(start, end);
    block.style.containIntrinsicBlockSize = `auto ${lines * LINE_HEIGHT}px`;
    blocks.append(block);
    start = end;
  }
  output.append(blocks);
}

function countLines(text) {
  let count = 0;
  for (let at = text.indexOf('\n'); at >= 0; at = text.indexOf('\n', at + 1)) ++count;
  return count;
}

function finish() {
  showPending();
  running = null;
  clearInterval(ticker);
  clearTimeout(timeLimitTimer);
  clearTimeout(stopTimer);
  output.dataset.stato = 'fine';
}

// While a search runs: the lines shown so far and the time.
function showProgress() {
  showPending();
  const seconds = ((performance.now() - running.started) / 1000).toFixed(1);
  status.textContent = `Ricerca in corso: ${running.lines} righe, ${seconds} s`;
}

function onResult(message) {
  if (message.type === 'ready') {
    // Only the first start says so: a worker started again by "Stop !" keeps
    // the status of the stop.
    if (!running && !status.dataset.pronto) status.textContent = 'Dizionario Default pronto';
    status.dataset.pronto = 'si';
    return;
  }
  if (message.type === 'failed') {
    status.textContent = 'Impossibile avviare il modulo: ' + message.message;
    return;
  }
  if (!running || message.id !== running.id) {
    // Lines a stopped search had sent before "Stop !" ended its worker.
    if (message.type === 'lines' && !running && message.id === stoppedId) {
      pending.push(message.text);
      showPending();
    }
    return;
  }
  if (message.type === 'lines') {
    pending.push(message.text);
    running.lines += countLines(message.text);
    return;
  }
  if (message.broken) {
    brokenSearch(message.err, message.out);
    return;
  }
  pending.push(message.out);
  // The closing line (count and time) after a search; the whole message after
  // an error.
  const lines = message.err.split('\n').filter((line) => line.trim() !== '');
  status.textContent = message.code === 0 ? (lines[lines.length - 1] ?? '') : lines.join('\n');
  if (message.file) download(message.file.name, message.file.bytes);
  const request = running;
  finish();
  if (request.type === 'build') builtDictionary(request, message);
  else if (request.type === 'load' && message.code === 0) useDictionary(request.record);
  else if (message.memory > LARGEST_KEPT_MEMORY) restartWorker();
  if (request.keystroke && editedWhileRunning) liveEdited();
}

function download(name, contents) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([contents], { type: 'text/plain' }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// "Salva": the output as it stands, as the window's File, Salva writes it.
function saveOutput() {
  showPending();
  download('risultati.txt', output.textContent);
}

// "Copia": the whole output to the clipboard; where the browser does not let
// the page write it (a page served without https), through a selection.
async function copyOutput() {
  showPending();
  const button = $('copia');
  let copied = false;
  try {
    await navigator.clipboard.writeText(output.textContent);
    copied = true;
  } catch {
    const range = document.createRange();
    range.selectNodeContents(output);
    const selection = getSelection();
    selection.removeAllRanges();
    selection.addRange(range);
    copied = document.execCommand('copy');
    selection.removeAllRanges();
  }
  button.textContent = copied ? 'Copiato' : 'Non copiato';
  setTimeout(() => { button.textContent = 'Copia'; }, 1500);
}

function send(request) {
  if (running) stop();
  request.id = nextId++;
  running = request;
  output.textContent = '';
  pending = [];
  output.dataset.stato = 'corre';
  status.textContent = 'Ricerca in corso...';
  if (stopFlag) Atomics.store(stopFlag, 0, 0);
  const { record, ...message } = request;
  worker.postMessage(message);
  request.started = performance.now();
  request.lines = 0;
  ticker = setInterval(showProgress, 250);
  // The module stops a timed search at its next line; one that prints
  // nothing for long is stopped here, keeping what it printed.
  if (request.timeLimit !== undefined) timeLimitTimer = setTimeout(stop, request.timeLimit * 1000 + 1000);
}

// "Stop !": the module ends the search when it next prints, or the worker goes.
function pressStop() {
  if (!running) return;
  if (!stopFlag || running.stopPressed) {
    stop();
    return;
  }
  running.stopPressed = true;
  Atomics.store(stopFlag, 0, 1);
  stopTimer = setTimeout(stop, STOP_GRACE_MS);
}

// Ends the search at once: its worker goes, with the lines it had not sent.
function stop() {
  if (!running) return;
  stoppedId = running.id;
  restartWorker();
  status.textContent = 'RICERCA INTERROTTA';
  finish();
}

// The command line of a state on the dictionary loaded; the time limit is
// not the module's to keep (it has no thread to keep it with), but the page's.
function commandRequest(state) {
  const args = commandLine(state);
  const request = { type: 'run', args };
  const at = args.indexOf('--tempo-max');
  if (at >= 0 && at < args.indexOf(state.page)) {
    request.timeLimit = Number(args[at + 1]);
    args.splice(at, 2);
  }
  if (dictionary) args.unshift('--dizionario', dictionary.name);
  return request;
}

function runState(state, keystroke = false) {
  if (state.page === 'dizio' && state.args[0] === 'crea') {
    buildDictionary(state);
    return;
  }
  // A keystroke changes the address without adding a step to the history.
  const link = makeLink(state);
  if (location.hash !== link) history[keystroke ? 'replaceState' : 'pushState'](null, '', link);
  const request = commandRequest(state);
  if (state.page === 'dizio' && state.args[0] === 'esporta') request.download = 'Salvataggi/Dizionario.txt';
  request.keystroke = keystroke;
  send(request);
}

function liveEdited() {
  editedWhileRunning = Boolean(running && running.keystroke);
  if (!editedWhileRunning && findPage(current).live) runState(states.get(current), true);
}

// Dizio, "crea": the files chosen become Dizionari/<name>/ in the worker,
// which builds the dictionary as sillabor-cli does; once built it is the one
// loaded, and kept in the browser.
const building = { name: '', files: [] };

async function buildDictionary(state) {
  const name = building.name.trim();
  if (!name || building.files.length === 0) {
    status.textContent = 'Scegli il nome del dizionario e i suoi file di testo.';
    return;
  }
  if (name === 'Default') {
    status.textContent = 'Default \u00e8 il dizionario della pagina: scegli un altro nome.';
    return;
  }
  output.dataset.stato = 'corre';
  const files = await Promise.all(building.files.map(async (file) => ({
    name: file.name,
    bytes: new Uint8Array(await file.slice(0, LARGEST_SOURCE + 1).arrayBuffer()),
  })));
  const args = ['--dizionario', name, 'dizio', 'crea'];
  for (const flag of ['con-maiuscole', 'apostrofo', 'trattino']) if (state.options.get(flag)) args.push('--' + flag);
  send({ type: 'build', name, files, args });
}

async function builtDictionary(request, message) {
  if (message.code !== 0 || !message.prepared) {
    // What a failed build left in the worker goes with it.
    restartWorker();
    return;
  }
  const files = [...request.files, { name: 'j_r_' + request.name, bytes: message.prepared }];
  dictionary = { name: request.name, files };
  try {
    await saveDictionary(request.name, files);
  } catch (error) {
    status.textContent += ' (non conservato nel browser: ' + error + ')';
  }
  await refreshStored();
}

function useDictionary(record) {
  dictionary = record;
  showList();
}

// The list again, leaving the rest of the page (the files chosen) as it is.
function showList() {
  const list = document.getElementById('dizionari');
  if (list) list.replaceWith(dictionaryList());
}

async function loadDictionary(name) {
  if (name === 'Default') {
    if (running) stop();
    dictionary = null;
    restartWorker();
    showList();
    send({ type: 'run', args: ['dizio', 'carica'] });
    return;
  }
  const record = await readDictionary(name);
  if (!record) return;
  send({ type: 'load', name, files: record.files, args: ['--dizionario', name, 'dizio', 'carica'], record });
}

async function forgetDictionary(name) {
  await deleteDictionary(name);
  if (dictionary && dictionary.name === name) {
    if (running) stop();
    dictionary = null;
    restartWorker();
    status.textContent = `Dizionario ${name} eliminato: ora \u00e8 in uso Default`;
  }
  await refreshStored();
}

async function refreshStored() {
  try {
    stored = await listDictionaries();
  } catch {
    stored = [];
  }
  showList();
}

function button(caption, onClick) {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = caption;
  element.addEventListener('click', onClick);
  return element;
}

// The dictionaries to load: Default, and those built here before.
function dictionaryList() {
  const list = document.createElement('ul');
  list.id = 'dizionari';
  list.setAttribute('aria-label', 'Dizionari');
  const inUse = dictionary ? dictionary.name : 'Default';
  for (const entry of [{ name: 'Default', files: [] }, ...stored]) {
    const item = document.createElement('li');
    item.dataset.nome = entry.name;
    const bytes = entry.files.reduce((sum, file) => sum + file.size, 0);
    const size = bytes < 1048576 ? `${Math.ceil(bytes / 1024)} KB` : `${(bytes / 1048576).toFixed(1)} MB`;
    const label = document.createElement('span');
    label.textContent = entry.name + (entry.name === 'Default' ? ' (della pagina)'
      : ` (${entry.files.length - 1} file, ${size}, ${new Date(entry.saved).toLocaleString('it-IT')})`);
    item.append(label);
    if (entry.name === inUse) item.append(' \u2014 in uso');
    item.append(' ', button('Carica', () => loadDictionary(entry.name)));
    if (entry.name !== 'Default') {
      item.append(' ', button('Elimina', () => forgetDictionary(entry.name)));
    }
    list.append(item);
  }
  return list;
}

function buildControls() {
  const nameLabel = document.createElement('label');
  nameLabel.append('Nome del dizionario ');
  const nameInput = document.createElement('input');
  nameInput.type = 'text';
  nameInput.name = 'nome';
  nameInput.maxLength = 100;
  nameInput.value = building.name;
  nameInput.addEventListener('input', () => { building.name = nameInput.value; });
  nameLabel.append(nameInput);
  const filesLabel = document.createElement('label');
  filesLabel.append('File di testo ');
  const filesInput = document.createElement('input');
  filesInput.type = 'file';
  filesInput.name = 'file';
  filesInput.multiple = true;
  filesInput.accept = '.txt,text/plain';
  filesInput.addEventListener('change', () => { building.files = [...filesInput.files]; });
  filesLabel.append(filesInput);
  return [nameLabel, filesLabel];
}

function control(field, value, onChange) {
  const label = document.createElement('label');
  label.append(field.label + ' ');
  let input;
  if (field.flag) {
    input = document.createElement('input');
    input.type = 'checkbox';
    input.checked = Boolean(value);
    label.prepend(input);
    input.addEventListener('change', () => onChange(input.checked));
    input.name = field.name;
    return label;
  }
  if (field.values) {
    input = document.createElement('select');
    if (!field.isArg) input.append(new Option('', ''));
    field.values.forEach((v, i) => input.append(new Option(field.captions ? `${v} ${field.captions[i]}` : v, v)));
  } else if (field.long) {
    input = document.createElement('textarea');
  } else {
    input = document.createElement('input');
    input.type = 'text';
    if (field.number) input.inputMode = 'numeric';
  }
  input.name = field.name;
  input.value = value ?? '';
  input.addEventListener(field.values ? 'change' : 'input', () => onChange(input.value));
  label.append(input);
  return label;
}

// Decrit's panel, as in the window: under each letter A-Z a box for the
// letter it becomes. The option holds the 26 boxes in order, '-' for an empty
// one; a page that has none yet starts from A = A, as the window does.
const ALPHABET = 'abcdefghijklmnopqrstuvwxyz';

function boxesControl(field, value, onChange) {
  const panel = document.createElement('fieldset');
  panel.className = 'caselle';
  const legend = document.createElement('legend');
  legend.textContent = field.label;
  panel.append(legend);
  if (value === undefined) {
    value = ALPHABET;
    onChange(value);
  }
  const boxes = [];
  const written = () => boxes.map((box) => box.value.toLowerCase() || '-').join('');
  const focusBox = (i) => {
    const box = boxes[(i + boxes.length) % boxes.length];
    box.focus();
    box.select();
  };
  [...ALPHABET].forEach((letter, i) => {
    const cell = document.createElement('label');
    cell.append(letter.toUpperCase());
    const box = document.createElement('input');
    box.type = 'text';
    box.name = 'casella-' + letter;
    box.autocapitalize = 'characters';
    box.spellcheck = false;
    box.setAttribute('aria-label', `${letter.toUpperCase()} diventa`);
    const shown = String(value)[i] ?? '';
    box.value = /^[a-z]$/i.test(shown) ? shown : '';
    box.addEventListener('focus', () => box.select());
    // The last letter typed stays; anything else leaves the box empty.
    box.addEventListener('input', () => {
      const typed = [...box.value].reverse().find((c) => /^[a-z]$/i.test(c)) ?? '';
      box.value = typed;
      onChange(written());
      if (typed) focusBox(i + 1);
    });
    box.addEventListener('keydown', (event) => {
      if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
        event.preventDefault();
        focusBox(i + (event.key === 'ArrowLeft' ? -1 : 1));
      }
    });
    boxes.push(box);
    cell.append(box);
    panel.append(cell);
  });
  return panel;
}

function renderPage() {
  const page = findPage(current);
  const state = states.get(current);
  const form = $('pagina');
  form.replaceChildren();
  form.setAttribute('aria-label', page.title);
  page.args.forEach((arg, i) => {
    if (arg.unless && arg.unless.includes(state.args[0])) return;
    form.append(control({ ...arg, isArg: true }, state.args[i], (v) => {
      state.args[i] = v;
      if (i === 0 && page.args[0].values) renderPage();  // a mode changes the controls
      if (page.live) liveEdited();
    }));
  });
  for (const option of [...page.options, ...GLOBAL_OPTIONS]) {
    if (option.only && !option.only.includes(state.args[0])) continue;
    const make = option.boxes ? boxesControl : control;
    form.append(make(option, state.options.get(option.name), (v) => {
      if (v === '' || v === false) state.options.delete(option.name);
      else state.options.set(option.name, v);
      if (page.live) liveEdited();
    }));
  }
  if (page.name === 'dizio') {
    if (state.args[0] === 'crea') form.append(...buildControls());
    form.append(dictionaryList());
  }
  for (const button of $('schede').children) button.setAttribute('aria-selected', String(button.dataset.page === current));
}

function showPage(name) {
  current = name;
  renderPage();
}

function openLink() {
  const state = parseLink(location.hash);
  if (!state) return;
  states.set(state.page, state);
  current = state.page;
  // The search first: the worker starts on it while the page lays out its controls.
  runState(state);
  renderPage();
}

function helpMode() {
  const state = states.get(current);
  if (current === 'cerca') return Number(state.options.get('categoria') ?? 0);
  if (current === 'decrit') return state.args[0] === 'risolvi' ? 0 : 1;
  return 0;
}

for (const page of PAGES) {
  const tab = document.createElement('button');
  tab.type = 'button';
  tab.role = 'tab';
  tab.textContent = page.caption;
  tab.title = page.title;
  tab.dataset.page = page.name;
  tab.addEventListener('click', () => showPage(page.name));
  $('schede').append(tab);
}
$('genera').addEventListener('click', () => runState(states.get(current)));
$('pagina').addEventListener('submit', (event) => {
  event.preventDefault();
  runState(states.get(current));
});
$('stop').addEventListener('click', pressStop);
$('copia').addEventListener('click', copyOutput);
$('salva').addEventListener('click', saveOutput);
$('aiuto').addEventListener('click', () => send({ type: 'help', page: current, mode: helpMode() }));
window.addEventListener('hashchange', openLink);

// Offline use: the service worker keeps the site's files. When a new site
// replaces the one this page came from, the page loads again from it, rather
// than run on with its own files and a worker of the new ones; the address
// holds the search, which runs again.
if ('serviceWorker' in navigator) {
  const hadWorker = Boolean(navigator.serviceWorker.controller);
  navigator.serviceWorker.addEventListener('controllerchange', () => { if (hadWorker) location.reload(); });
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

startWorker();
renderPage();
refreshStored();
openLink();
