// The WebAssembly module prints exactly what the native sillabor-cli prints:
// the same command lines on the same Default dictionary, stdout compared byte
// for byte, and the same exit code.
// Run after `bash scripts/web.sh --build-only`:
//   node --no-experimental-fetch tests/web/compare_test.mjs
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const require = createRequire(import.meta.url);
const native = path.join(root, 'build/sillabor-cli');
const site = path.join(root, 'build-web/site');

const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'sillabor-web-'));
process.on('exit', () => fs.rmSync(folder, { recursive: true, force: true }));
fs.mkdirSync(path.join(folder, 'Dizionari/Default'), { recursive: true });
fs.copyFileSync(path.join(site, 'Dizionari/Default/j_r_Default'), path.join(folder, 'Dizionari/Default/j_r_Default'));
fs.copyFileSync(path.join(site, 'sillaboraiut.txt'), path.join(folder, 'sillaboraiut.txt'));

const SillaborModule = require(path.join(root, 'build-web/sillabor-web.js'));
const runner = require(path.join(root, 'build-web/runner.js'));
const Module = await SillaborModule();
runner.setupFolder(Module, {
  'Dizionari/Default/j_r_Default': fs.readFileSync(path.join(folder, 'Dizionari/Default/j_r_Default')),
  'sillaboraiut.txt': fs.readFileSync(path.join(folder, 'sillaboraiut.txt')),
});

const cases = [
  ['anagr', 'marco polo', '--parole-max', '2'],
  ['anagr', 'roma', '--mostra-in'],
  ['parole', '--pattern', '1221'],
  ['parole', '--pattern', '+-+-', '--solo', 'aeiourst'],
  ['cerca', 'mare'],
  ['cerca', '--categoria', '3', 'cantare'],
  ['--seme', '7', 'cerca', '--categoria', '5', '--griglia', 'entrambi', 'casaletomarinepo'],
  ['metagr', 'rosa', 'fiore', '--aggiunta-scarto'],
  ['metagr', 'cane', 'gatto', '--aggiunta-scarto', '--metanagramma'],
  ['trova', 'cambi', '--lettere', 'r', 'l', '--max', '7'],
  ['trova', 'bifronti-entrambe', '--lettere', 'a', 'o'],
  ['cern', 'Roma'],
  ['cern', 'Roma', '--goal', 'i'],
  ['decrit', 'risolvi', '1 2 3 2  4 5 3 6'],
  ['decrit', 'critta', 'ciao', '--caselle', 'bcdefghijklmnopqrstuvwxyza', '--numeri2'],
  ['curio', 'elenco'],
  ['curio', '1'],
  ['curio', '+ cambi'],
  ['--seme', '7', 'curio', 'micro', '--micro-modo', '4'],
  // Refusals: the same message and exit code.
  ['anagr', ''],
  ['cerca', '--categoria', '9', 'mare'],
  ['nessuno'],
];

// The module keeps its application, and the dictionary it loaded, from one
// command to the next: each case runs in order and then again in reverse,
// and must print what a fresh native process prints either way.
let failures = 0;
const wanted = new Map(cases.map((args) =>
  [args, spawnSync(native, ['--cartella', folder, ...args], { encoding: 'buffer', maxBuffer: 1 << 28 })]));
for (const [round, order] of [[1, cases], [2, [...cases].reverse()]]) {
  for (const args of order) {
    const want = wanted.get(args);
    const started = Date.now();
    // As the page runs it: lines handed over while the command runs, the rest
    // at the end.
    let shown = '';
    const got = runner.run(Module, args, { onLines: (text) => { shown += text; } });
    const label = JSON.stringify(args) + (round === 2 ? ' (di nuovo)' : '');
    try {
      assert.equal(shown + got.out, want.stdout.toString('utf8'), label + ': stdout');
      assert.equal(got.code, want.status, label + ': exit code');
      if (want.status !== 0) assert.equal(got.err, want.stderr.toString('utf8'), label + ': stderr');
      console.log(`ok   ${label} (${want.stdout.toString().split('\n').length - 1} righe, ${Date.now() - started} ms)`);
    } catch (error) {
      ++failures;
      console.log(`FAIL ${label}\n${error.message.slice(0, 2000)}`);
    }
  }
}

// A link runs what its command line, written out, runs natively.
const { parseLink, commandLine } = await import('../../web/link.js');
const links = [
  ['#trova/cambi?lettere=r', ['trova', 'cambi', '--lettere', 'r']],
  ['#trova/cambi?lettere=r%20l&max=7', ['trova', 'cambi', '--lettere', 'r', 'l', '--max', '7']],
  ['#metagr/rosa/fiore?aggiunta-scarto', ['metagr', 'rosa', 'fiore', '--aggiunta-scarto']],
  ['#cern/-roma', ['cern', '--', '-roma']],
  ['#decrit/critta/ciao?caselle=bcdefghijklmnopqrstuvwxyza&numeri1', ['decrit', 'critta', 'ciao', '--caselle', 'bcdefghijklmnopqrstuvwxyza', '--numeri1']],
];
for (const [hash, args] of links) {
  const want = spawnSync(native, ['--cartella', folder, ...args], { encoding: 'utf8' });
  const got = runner.run(Module, commandLine(parseLink(hash)));
  try {
    assert.ok(want.stdout.length > 0, hash + ': the native command prints');
    assert.equal(got.out, want.stdout, hash);
    console.log(`ok   ${hash}`);
  } catch (error) {
    ++failures;
    console.log(`FAIL ${hash}\n${error.message.slice(0, 2000)}`);
  }
}

// The export the page offers as a download is the native one.
execFileSync(native, ['--cartella', folder, 'dizio', 'esporta', '--ordine', 'rime']);
const exported = runner.run(Module, ['dizio', 'esporta', '--ordine', 'rime']);
assert.equal(exported.code, 0);
assert.ok(Buffer.from(runner.readFile(Module, 'Salvataggi/Dizionario.txt'))
  .equals(fs.readFileSync(path.join(folder, 'Salvataggi/Dizionario.txt'))), 'dizio esporta: the file');

// A dictionary built from files handed to the module: the same lines as a
// native build of those files. Of a file over the 10 MB limit the page hands
// over only one byte past it, which is all the builder needs to refuse it.
const limit = 10485760;
const sources = { 'parole.txt': Buffer.from('cane\ngatto\nmare\nrame\n'), 'grande.txt': Buffer.alloc(limit + 5000, 'abc\n') };
for (const [name, files] of [['Mio', ['parole.txt']], ['Grande', ['parole.txt', 'grande.txt']]]) {
  fs.mkdirSync(path.join(folder, 'Dizionari', name));
  for (const file of files) fs.writeFileSync(path.join(folder, 'Dizionari', name, file), sources[file]);
  assert.ok(runner.writeDictionary(Module, name, files.map((file) => ({ name: file, bytes: sources[file].subarray(0, limit + 1) }))));
  const args = ['--dizionario', name, 'dizio', 'crea'];
  const want = spawnSync(native, ['--cartella', folder, ...args], { encoding: 'utf8' });
  const got = runner.run(Module, args);
  assert.equal(got.out, want.stdout, name + ': the build');
  assert.equal(got.code, want.status, name + ': exit code');
}
assert.equal(runner.run(Module, ['--dizionario', 'Mio', 'anagr', 'mare']).out,
  spawnSync(native, ['--cartella', folder, '--dizionario', 'Mio', 'anagr', 'mare'], { encoding: 'utf8' }).stdout);
assert.equal(runner.writeDictionary(Module, '..', []), false, 'a name that is not one folder');

// Without threads nothing could press "Stop !" when the time is up: the
// option is refused rather than ignored, and the page passes the limit
// itself. A search that would run on ends after it with the native closing
// lines, its lines handed over in several batches on the way.
const timed = runner.run(Module, ['--tempo-max', '1', 'anagr', 'roma']);
assert.equal(timed.code, 2);
assert.match(timed.err, /--tempo-max/);
const endless = ['anagr', 'la vispa teresa avea tra l erbetta', '--parole-max', 'X', '--limite', '0'];
const nativeTimed = spawnSync(native, ['--cartella', folder, '--tempo-max', '0.5', ...endless], { encoding: 'utf8', maxBuffer: 1 << 30 });
let batches = 0;
let lines = '';
const stopped = Date.now();
const limited = runner.run(Module, endless, { onLines: (text) => { ++batches; lines += text; }, timeLimit: 0.5 });
const closing = (text) => text.split('\n').slice(-3).join('\n');
assert.equal(limited.code, nativeTimed.status, 'time limit: exit code');
assert.equal(closing(lines + limited.out), closing(nativeTimed.stdout), 'time limit: the closing lines');
assert.ok(Date.now() - stopped < 5000 && batches > 1, `time limit: stopped in time, ${batches} batches`);

// The page's "Stop !" flag, already set: the search ends at once (at its
// first check or its first line) with the closing lines of a stop, as after
// Ctrl-C.
const flag = new Int32Array(new SharedArrayBuffer(4));
Atomics.store(flag, 0, 1);
let flagged = '';
const pressed = runner.run(Module, endless, { onLines: (text) => { flagged += text; }, stopFlag: flag });
assert.equal(pressed.code, 0, '"Stop !": exit code');
assert.match(flagged + pressed.out, /^(?:[^\n]*\n){0,3}-{50}\nRICERCA INTERROTTA\n$/, '"Stop !": the closing lines');
// So does a search that prints nothing until it has gathered everything: the
// module looks at the flag at the search's own checks for a stop too.
const gathering = runner.run(Module, ['curio', '+ cambi'], { onLines: () => {}, stopFlag: flag });
assert.match(gathering.out, /RICERCA INTERROTTA\n$/, '"Stop !" before a report prints');
assert.match(gathering.err, /Raccolta info al \d+% /);
assert.doesNotMatch(gathering.err, /al 100%/, '"Stop !" ends the report early');

// "?" prints its sections.
const help = runner.help(Module, 'anagr', 0);
assert.equal(help.code, 0);
assert.ok(help.out.split('\n').length > 5, 'help of anagr');
assert.equal(runner.help(Module, 'nessuna', 0).code, 1);

// A module that aborts in the middle of a search (here: when it hands over
// its second batch) still gives the lines it printed and had not handed over,
// so the page shows all it printed up to the abort. Last: the module is not
// to be used after an abort.
let before = '';
let handed = 0;
try {
  runner.run(Module, endless, {
    onLines: (text) => {
      if (++handed === 2) throw new WebAssembly.RuntimeError('memory access out of bounds');
      before += text;
    },
    timeLimit: 2,
  });
  assert.fail('the abort reaches the caller');
} catch (error) {
  assert.ok(error instanceof WebAssembly.RuntimeError, String(error));
  assert.ok(before.length > 0 && error.unsent.length > 0 && error.unsent.endsWith('\n'), 'abort: lines before and after');
  assert.ok(nativeTimed.stdout.startsWith(before + error.unsent), 'abort: the lines printed, in order');
}

if (failures) {
  console.log(`${failures} comandi diversi dal nativo`);
  process.exit(1);
}
console.log('WebAssembly = nativo: ok');
