// The page: the tabs and their controls, the link in the address, and the
// worker that runs the searches.

import { PAGES, GLOBAL_OPTIONS, findPage } from './pages.js';
import { parseLink, makeLink, emptyState, commandLine } from './link.js';

const $ = (id) => document.getElementById(id);
const output = $('uscita');
const status = $('stato');
const states = new Map(PAGES.map((page) => [page.name, emptyState(page)]));
let current = PAGES[0].name;
let worker = null;
let running = null;  // the request the worker is on
let nextId = 1;

function startWorker() {
  worker = new Worker('worker.js');
  worker.onmessage = (event) => onResult(event.data);
  worker.onerror = (event) => {
    status.textContent = 'Errore del modulo: ' + (event.message || 'sconosciuto');
    finish();
  };
}

function finish() {
  running = null;
  output.dataset.stato = 'fine';
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
  if (!running || message.id !== running.id) return;
  output.textContent = message.out;
  // The closing line (count and time) after a search; the whole message after
  // an error.
  const lines = message.err.split('\n').filter((line) => line.trim() !== '');
  status.textContent = message.code === 0 ? (lines[lines.length - 1] ?? '') : lines.join('\n');
  if (message.file) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([message.file.bytes], { type: 'text/plain' }));
    link.download = message.file.name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }
  finish();
}

function send(request) {
  if (running) stop();
  request.id = nextId++;
  running = request;
  output.textContent = '';
  output.dataset.stato = 'corre';
  status.textContent = 'Ricerca in corso...';
  worker.postMessage(request);
}

function stop() {
  if (!running) return;
  worker.terminate();
  startWorker();
  status.textContent = 'RICERCA INTERROTTA';
  finish();
}

function runState(state) {
  const link = makeLink(state);
  if (location.hash !== link) history.pushState(null, '', link);
  const request = { type: 'run', args: commandLine(state) };
  if (state.page === 'dizio' && state.args[0] === 'esporta') request.download = 'Salvataggi/Dizionario.txt';
  send(request);
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
    }));
  });
  for (const option of [...page.options, ...GLOBAL_OPTIONS]) {
    if (option.only && !option.only.includes(state.args[0])) continue;
    form.append(control(option, state.options.get(option.name), (v) => {
      if (v === '' || v === false) state.options.delete(option.name);
      else state.options.set(option.name, v);
    }));
  }
  if (page.missing) {
    const note = document.createElement('p');
    note.className = 'nota';
    note.textContent = page.missing;
    form.append(note);
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
  showPage(state.page);
  runState(state);
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
$('stop').addEventListener('click', stop);
$('aiuto').addEventListener('click', () => send({ type: 'help', page: current, mode: helpMode() }));
window.addEventListener('hashchange', openLink);

// Offline use: the service worker keeps the site's files.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});

startWorker();
renderPage();
openLink();
