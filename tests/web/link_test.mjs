// The link parser against hostile addresses: it never throws, never gives an
// option the page's command does not have, and what it gives makes the same
// link again. Run: node tests/web/link_test.mjs
import assert from 'node:assert/strict';
import { PAGES, GLOBAL_OPTIONS, MAX_FIELD } from '../../web/pages.js';
import { parseLink, makeLink, commandLine } from '../../web/link.js';

// Every option a page's command line may hold, by page.
function allowed(page) {
  return new Set([...page.options, ...GLOBAL_OPTIONS].map((o) => '--' + o.name));
}

function checkState(hash) {
  let state;
  assert.doesNotThrow(() => { state = parseLink(hash); }, hash);
  if (state === null) return;
  const page = PAGES.find((p) => p.name === state.page);
  assert.ok(page, hash);
  assert.equal(state.args.length, page.args.length, hash);
  for (const [name, value] of state.options) {
    const field = [...page.options, ...GLOBAL_OPTIONS].find((o) => o.name === name);
    assert.ok(field, `${hash}: ${name}`);
    if (field.values) assert.ok(field.values.includes(value), `${hash}: ${name}=${value}`);
    if (!field.flag) assert.ok(Array.from(value).length <= MAX_FIELD && !/[\u0000-\u001f]/.test(value), hash);
  }
  page.args.forEach((arg, i) => {
    if (arg.values) assert.ok(arg.values.includes(state.args[i]), hash);
    if (!arg.long) assert.ok(!/[\u0000-\u001f\u007f]/.test(state.args[i]), hash);
  });
  const line = commandLine(state);
  const opts = allowed(page);
  const end = line.indexOf('--');
  for (const word of end < 0 ? line : line.slice(0, end))
    if (word.startsWith('--')) assert.ok(opts.has(word), `${hash}: ${word}`);
  // The link made from the state reads back as the same state.
  const again = parseLink(makeLink(state));
  assert.deepEqual(again.args, state.args, hash);
  assert.deepEqual([...again.options], [...state.options], hash);
}

// The links of the README read as the command lines they stand for.
const examples = [
  ['#anagr/marco%20polo?parole-max=2', ['anagr', '--parole-max', '2', '--', 'marco polo']],
  ['#cerca/mare?categoria=3', ['cerca', '--categoria', '3', '--', 'mare']],
  ['#trova/cambi?lettere=r%20l&max=7', ['trova', '--max', '7', '--lettere', 'r', 'l', '--', 'cambi']],
  ['#metagr/rosa/fiore?aggiunta-scarto', ['metagr', '--aggiunta-scarto', '--', 'rosa', 'fiore']],
  ['#parole?pattern=%2B-%2B', ['parole', '--pattern', '+-+']],
  ['#decrit/risolvi/1%202%203%202?caselle=abc', ['decrit', 'risolvi', '--', '1 2 3 2']],
  ['#cern/-roma', ['cern', '--', '-roma']],
  ['#cern?goal=i', ['cern', '--goal', 'i', '--', '']],
  ['#dizio/esporta?ordine=rime&seme=7', ['--seme', '7', 'dizio', 'esporta', '--ordine', 'rime']],
];
for (const [hash, line] of examples) assert.deepEqual(commandLine(parseLink(hash)), line, hash);

// Hostile addresses, written out and drawn at random.
const hostile = [
  '', '#', '#/', '#?', '#nessuna/pagina', '#anagr/%E0%A4%A', '#anagr/%', '#anagr?__proto__=1&constructor',
  '#anagr?--cartella=/etc', '#anagr?cartella=/etc&tempo-max=1', '#cerca/mare?categoria=99', '#cerca?categoria=-1',
  '#trova/rm%20-rf?lettere=a%20b%20c%20d', '#decrit/risolvi/a?numeri1', '#anagr/a%00b%0Ac', '#metagr/' + 'x'.repeat(100000),
  '#anagr?parole-max=x', '#anagr/a/b/c/d/e', '#parole?min=1e9&max=99999999999', '#anagr?limite=--help',
  '#dizio/crea?con-maiuscole', '#decrit/coppie/testo?numeri2&caselle=zz', '#anagr?fissa=%ud800',
];
for (const hash of hostile) checkState(hash);

const alphabet = ['#', '/', '?', '&', '=', '%', '%2', '%20', '%00', '%FF', '-', '--', '+', 'a', 'Z', '\u00e8', '\ud83d',
  '\n', ' ', 'anagr', 'cerca', 'decrit', 'critta', 'risolvi', 'categoria', 'seme', 'numeri1', 'lettere', '__proto__',
  ...PAGES.map((p) => p.name), ...PAGES.flatMap((p) => p.options.map((o) => o.name))];
let seed = 12345;
const random = (n) => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
for (let i = 0; i < 20000; ++i) {
  let hash = random(4) ? '#' + PAGES[random(PAGES.length)].name : '';
  const pieces = random(12);
  for (let k = 0; k < pieces; ++k) hash += alphabet[random(alphabet.length)];
  checkState(hash);
}
console.log('link parser: ok');
