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
    return {
      code,
      out: readText(Module, Module._sillabor_out_data(), Module._sillabor_out_size()),
      err: readText(Module, Module._sillabor_err_data(), Module._sillabor_err_size()),
    };
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
  function run(Module, args) {
    // Each argument ends with a NUL, which an argument cannot hold itself.
    const joined = ['--cartella', FOLDER, ...args].map((arg) => String(arg).replace(/\0/g, '') + '\0').join('');
    const bytes = encoder.encode(joined);
    return withText(Module, bytes, (pointer, length) => takeOutput(Module, Module._sillabor_run(pointer, length)));
  }

  // The help sections "?" prints for a page.
  function help(Module, page, mode) {
    const name = encoder.encode(page);
    const file = encoder.encode(FOLDER + '/sillaboraiut.txt');
    return withText(Module, name, (namePointer) =>
      withText(Module, file, (filePointer) =>
        takeOutput(Module, Module._sillabor_help(namePointer, mode | 0, filePointer))));
  }

  // A file the last command wrote, or null.
  function readFile(Module, path) {
    try {
      // The module's file system may leave a renamed file without read
      // permission; the page reads it as its owner would.
      Module.FS.chmod(FOLDER + '/' + path, 0o644);
      return Module.FS.readFile(FOLDER + '/' + path);
    } catch {
      return null;
    }
  }

  const api = { FOLDER, setupFolder, run, help, readFile };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else root.SillaborRunner = api;
})(typeof self !== 'undefined' ? self : globalThis);
