// Runs sillabor-cli command lines in the WebAssembly module; shared by the
// page's worker and the node tests (a plain script, for importScripts and
// require alike).
(function (root) {
  'use strict';

  const FOLDER = '/lavoro';
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  // Puts the working folder into the module's file system: `files` maps a
  // path inside it to its bytes.
  function setupFolder(Module, files) {
    for (const [path, bytes] of Object.entries(files)) {
      const full = FOLDER + '/' + path;
      Module.FS.mkdirTree(full.slice(0, full.lastIndexOf('/')));
      Module.FS.writeFile(full, bytes);
    }
    Module.FS.mkdirTree(FOLDER + '/Salvataggi');
  }

  function readText(Module, data, size) {
    return decoder.decode(Module.HEAPU8.subarray(data, data + size));
  }

  function takeOutput(Module, code) {
    const result = {
      code,
      out: readText(Module, Module._sillabor_out_data(), Module._sillabor_out_size()),
      err: readText(Module, Module._sillabor_err_data(), Module._sillabor_err_size()),
    };
    Module._sillabor_out_clear();
    return result;
  }

  // The whole lines a command printed and had not handed over when the
  // module aborted ('' if they cannot be read).
  function unsentLines(Module) {
    try {
      const text = readText(Module, Module._sillabor_out_data(), Module._sillabor_out_size());
      return text.slice(0, text.lastIndexOf('\n') + 1);
    } catch {
      return '';
    }
  }

  function withText(Module, bytes, use) {
    const pointer = Module._malloc(bytes.length + 1);
    try {
      Module.HEAPU8.set(bytes, pointer);
      Module.HEAPU8[pointer + bytes.length] = 0;
      return use(pointer, bytes.length);
    } finally {
      Module._free(pointer);
    }
  }

  // Runs `sillabor-cli --cartella FOLDER <args...>`: {code, out, err}.
  // `onLines(text)`, if given, gets whole lines of the output while the
  // command runs, and `out` holds only what came after them. `timeLimit`
  // (seconds) stops the search as --tempo-max does; so does a `stopFlag`
  // (an Int32Array) that holds 1, looked at as each line ends. If the module
  // aborts, the error thrown carries in `unsent` the lines not handed over yet.
  function run(Module, args, { onLines = null, timeLimit = null, stopFlag = null } = {}) {
    // Each argument ends with a NUL, which an argument cannot hold itself.
    const joined = ['--cartella', FOLDER, ...args].map((arg) => String(arg).replace(/\0/g, '') + '\0').join('');
    const bytes = encoder.encode(joined);
    Module.sillaborLines = onLines && ((chunk) => onLines(decoder.decode(chunk)));
    Module.sillaborStop = stopFlag;
    try {
      return withText(Module, bytes, (pointer, length) =>
        takeOutput(Module, Module._sillabor_run(pointer, length, onLines ? 1 : 0, timeLimit === null ? -1 : Math.max(0, timeLimit * 1000))));
    } catch (error) {
      if (error instanceof Object) error.unsent = unsentLines(Module);
      throw error;
    } finally {
      Module.sillaborLines = null;
      Module.sillaborStop = null;
    }
  }

  // The help sections "?" prints for a page.
  function help(Module, page, mode) {
    const name = encoder.encode(page);
    const file = encoder.encode(FOLDER + '/sillaboraiut.txt');
    return withText(Module, name, (namePointer) =>
      withText(Module, file, (filePointer) =>
        takeOutput(Module, Module._sillabor_help(namePointer, mode | 0, filePointer))));
  }

  // A name sillabor-cli takes for --dizionario: one folder of Dizionari/.
  function plainName(name) {
    return typeof name === 'string' && name !== '' && name !== '.' && name !== '..' && !/[\u0000-\u001f\u007f/]/.test(name);
  }

  function removeTree(Module, path) {
    const FS = Module.FS;
    let stat;
    try {
      stat = FS.lstat(path);
    } catch {
      return;
    }
    if (FS.isDir(stat.mode)) {
      for (const entry of FS.readdir(path)) if (entry !== '.' && entry !== '..') removeTree(Module, path + '/' + entry);
      FS.rmdir(path);
    } else {
      FS.unlink(path);
    }
  }

  // Makes Dizionari/<name>/ hold exactly `files` ([{name, bytes}]), as a user
  // would copy them there. False, writing nothing, when a name would not be
  // one folder or one file of it.
  function writeDictionary(Module, name, files) {
    if (!plainName(name) || !files.every((file) => plainName(file.name))) return false;
    Module._sillabor_forget();
    const folder = `${FOLDER}/Dizionari/${name}`;
    removeTree(Module, folder);
    Module.FS.mkdirTree(folder);
    for (const file of files) Module.FS.writeFile(folder + '/' + file.name, file.bytes);
    return true;
  }

  // A file the last command wrote, or null.
  function readFile(Module, path) {
    try {
      return Module.FS.readFile(FOLDER + '/' + path);
    } catch {
      return null;
    }
  }

  const api = { FOLDER, setupFolder, run, help, readFile, plainName, writeDictionary };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.SillaborRunner = api;
})(typeof self !== 'undefined' ? self : globalThis);
