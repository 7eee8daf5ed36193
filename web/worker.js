// Runs the searches away from the page. "Stop !" ends a search by ending this
// worker: the page starts a fresh one.
/* global importScripts, SillaborModule, SillaborRunner */
importScripts('sillabor-web.js', 'runner.js');

const FILES = ['Dizionari/Default/j_r_Default', 'sillaboraiut.txt'];

const ready = (async () => {
  const Module = await SillaborModule();
  const files = {};
  for (const path of FILES) {
    const response = await fetch(path);
    if (!response.ok) throw new Error(`${path}: ${response.status}`);
    files[path] = new Uint8Array(await response.arrayBuffer());
  }
  SillaborRunner.setupFolder(Module, files);
  return Module;
})();

ready.then(() => postMessage({ type: 'ready' }), (error) => postMessage({ type: 'failed', message: String(error) }));

onmessage = async (event) => {
  const request = event.data;
  let Module;
  try {
    Module = await ready;
  } catch (error) {
    postMessage({ type: 'done', id: request.id, code: 1, out: '', err: String(error) });
    return;
  }
  const started = performance.now();
  const result = request.type === 'help'
    ? SillaborRunner.help(Module, request.page, request.mode)
    : SillaborRunner.run(Module, request.args);
  result.type = 'done';
  result.id = request.id;
  result.elapsed = performance.now() - started;
  if (request.download && result.code === 0) {
    const bytes = SillaborRunner.readFile(Module, request.download);
    if (bytes) result.file = { name: request.download.split('/').pop(), bytes };
  }
  postMessage(result);
};
