// The dictionaries built in the page, kept in the browser (IndexedDB) from
// one visit to the next. "indice" holds what the list shows ({name, files:
// [{name, size}], saved}), "dati" the files themselves ({name, files:
// [{name, bytes}]}, the prepared file among them), read only to load one.

const DATABASE = 'sillabor';
const INDEX = 'indice';
const DATA = 'dati';

function open() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(DATABASE, 1);
    request.onupgradeneeded = () => {
      request.result.createObjectStore(INDEX, { keyPath: 'name' });
      request.result.createObjectStore(DATA, { keyPath: 'name' });
    };
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

// Runs `use` on both stores in one transaction; its result once committed.
async function transaction(mode, use) {
  const db = await open();
  try {
    return await new Promise((resolve, reject) => {
      const tx = db.transaction([INDEX, DATA], mode);
      const request = use(tx.objectStore(INDEX), tx.objectStore(DATA));
      tx.oncomplete = () => resolve(request?.result);
      tx.onerror = () => reject(tx.error);
      tx.onabort = () => reject(tx.error);
    });
  } finally {
    db.close();
  }
}

export const listDictionaries = () => transaction('readonly', (index) => index.getAll());

export const readDictionary = (name) => transaction('readonly', (index, data) => data.get(name));

export function saveDictionary(name, files) {
  const entry = { name, files: files.map((file) => ({ name: file.name, size: file.bytes.length })), saved: Date.now() };
  return transaction('readwrite', (index, data) => {
    data.put({ name, files });
    return index.put(entry);
  });
}

export const deleteDictionary = (name) => transaction('readwrite', (index, data) => {
  data.delete(name);
  return index.delete(name);
});
