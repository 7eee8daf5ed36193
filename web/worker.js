// Runs the searches away from the page. "Stop !" ends a search by ending this
// worker: the page starts a fresh one, and sends it again the dictionary that
// was loaded.
/* global importScripts, SillaborModule, SillaborRunner */

const FILES = ['Dizionari/Default/j_r_Default', 'sillaboraiut.txt'];

// The files are asked for, and the module's code compiled, while the scripts
// below are read.
const reads = FILES.map(async (path) => {
  const response = await fetch(path);
  if (!response.ok) throw new Error(`${path}: ${response.status}`);
  return new Uint8Array(await response.arrayBuffer());
});
const WASM = 'sillabor-web.wasm';
const compiled = fetch(WASM).then((response) => {
  if (!response.ok) throw new Error(`${WASM}: ${response.status}`);
  // A server that does not say application/wasm gets the slower way.
  return WebAssembly.compileStreaming(response)
    .catch(() => fetch(WASM).then((again) => again.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
});
// Rejected when the compiled code cannot be instantiated: the loader would wait for ever.
let instantiationFailed;
const instantiationFailure = new Promise((resolve, reject) => { instantiationFailed = reject; });
// The module's loader takes the compiled code instead of fetching it again.
function instantiateWasm(imports, receiveInstance) {
  compiled.then((module) => WebAssembly.instantiate(module, imports).then((instance) => receiveInstance(instance, module)))
    .catch(instantiationFailed);
  return {};
}

// The site has them in this file (scripts/web.sh): no requests for them.
importScripts('sillabor-web.js', 'runner.js');

const ready = (async () => {
  const [Module, ...contents] = await Promise.all([Promise.race([SillaborModule({ instantiateWasm }), instantiationFailure]), ...reads]);
  SillaborRunner.setupFolder(Module, Object.fromEntries(FILES.map((path, i) => [path, contents[i]])));
  return Module;
})();

ready.then((Module) => {
  postMessage({ type: 'ready' });
  // Default loads while the page waits for its first search, which need not
  // then: a search sent meanwhile waits for it as it would have loaded it.
  try {
    SillaborRunner.run(Module, ['dizio', 'carica']);
  } catch {
    // The first search meets the same fault and says so.
  }
}, (error) => postMessage({ type: 'failed', message: String(error) }));

function perform(Module, request) {
  if (request.type === 'help') return SillaborRunner.help(Module, request.page, request.mode);
  // The page's own dictionaries: their files come from the page, never from a
  // path it names. A name that is not one folder is written nowhere, and the
  // command line refuses it with its own message.
  if (request.type === 'load' || request.type === 'build') {
    const written = SillaborRunner.writeDictionary(Module, request.name, request.files);
    if (!request.args) return { code: written ? 0 : 1, out: '', err: '' };
  }
  const onLines = (text) => postMessage({ type: 'lines', id: request.id, text });
  return SillaborRunner.run(Module, request.args, { onLines, timeLimit: request.timeLimit ?? null, stopFlag });
}

// The page's "Stop !" flag, in memory shared with it (null where the
// browser does not share memory).
let stopFlag = null;

onmessage = async (event) => {
  const request = event.data;
  if (request.type === 'stopFlag') {
    stopFlag = request.flag;
    return;
  }
  let Module;
  try {
    Module = await ready;
  } catch (error) {
    postMessage({ type: 'done', id: request.id, code: 1, out: '', err: String(error) });
    return;
  }
  const started = performance.now();
  let result;
  try {
    result = perform(Module, request);
  } catch (error) {
    // The module aborted (out of memory, most likely): it cannot be trusted
    // any more, and the page starts a fresh worker. The lines the search
    // printed up to then still go to the page.
    postMessage({ type: 'done', id: request.id, code: 1, out: error?.unsent ?? '', err: String(error), broken: true });
    return;
  }
  result.type = 'done';
  result.id = request.id;
  result.elapsed = performance.now() - started;
  // A search that made the module's memory grow far keeps it: the page
  // replaces such a worker once it has answered.
  result.memory = Module.HEAPU8.length;
  if (request.download && result.code === 0) {
    const bytes = SillaborRunner.readFile(Module, request.download);
    if (bytes) result.file = { name: request.download.split('/').pop(), bytes };
  }
  if (request.type === 'build' && result.code === 0) {
    const prepared = SillaborRunner.readFile(Module, `Dizionari/${request.name}/j_r_${request.name}`);
    if (prepared) result.prepared = prepared;
  }
  postMessage(result);
};
