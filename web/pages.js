// The nine pages, each as the sillabor-cli command it runs: its arguments and
// its options in the command's own words, with the window's captions. The
// forms, the links and the command lines are all made from this one table.

const range = (from, to) => Array.from({ length: to - from + 1 }, (_, i) => String(from + i));

export const PAGES = [
  {
    name: 'anagr', caption: 'Anagr', title: 'Anagrammi',
    args: [{ name: 'frase', label: 'Frase' }],
    options: [
      { name: 'fissa', label: 'Fissa' },
      { name: 'lung-min', label: 'Lung. min', values: range(1, 5) },
      { name: 'parole-min', label: 'Parole min', values: range(1, 5) },
      { name: 'parole-max', label: 'Parole max', values: ['1', '2', '3', '4', 'X'] },
      { name: 'schema', label: 'Schema' },
      { name: 'mescola', label: 'Randomizza', flag: true },
      { name: 'espanso', label: 'Output espanso', flag: true },
      { name: 'a-capo', label: 'A capo autom.', flag: true },
      { name: 'filtra', label: 'Imponi i filtri di <Parole>', values: ['tutte', 'almeno', 'una', 'massimo'] },
      { name: 'mostra-in', label: 'Mostra in.', flag: true },
      { name: 'limite', label: 'Limite', number: true },
    ],
  },
  {
    name: 'parole', caption: 'Parole', title: 'Parole',
    args: [],
    options: [
      { name: 'pattern', label: 'Primo pattern' },
      { name: 'modo1', label: 'Primo: modo', values: ['soddisfa', 'non', 'ignora'] },
      { name: 'pattern2', label: 'Secondo pattern' },
      { name: 'modo2', label: 'Secondo: modo', values: ['soddisfa', 'non', 'ignora'] },
      { name: 'o', label: 'o: almeno uno dei due pattern', flag: true },
      { name: 'solo', label: 'Usa solo lettere' },
      { name: 'obbligati', label: 'Gruppi obbligati' },
      { name: 'proibiti', label: 'Gruppi proibiti' },
      { name: 'min', label: 'Min', number: true },
      { name: 'max', label: 'Max', number: true },
    ],
  },
  {
    name: 'cerca', caption: 'Cerca', title: 'Cercalo',
    args: [{ name: 'base', label: 'Parola base' }],
    options: [
      {
        name: 'categoria', label: 'Categoria', values: range(0, 7),
        captions: ['zeppe, scarti, (s)cambi, metatesi, anagr.', 'sciarade, sciarade incatenate',
          'intarsi, incastri e sciarade alterne', 'lucchetti e cerniere', 'parole incluse +',
          'paroliere\u00ae', 'consonando', 'sizigie'],
      },
      { name: 'no-diag', label: 'Paroliere: senza diagonali', flag: true },
      { name: 'riuso', label: 'Riuso lettere', flag: true },
      { name: 'griglia', label: 'Paroliere', values: ['risolvi', 'disponi', 'entrambi'] },
    ],
  },
  {
    name: 'trova', caption: 'Trova', title: 'Crealo',
    args: [{
      name: 'gioco', label: 'Gioco',
      values: ['scambi', 'cambi', 'antipodi-iniziali', 'antipodi-finali', 'metatesi', 'scarti', 'cambi-antipodo',
        'bifronti-iniziale', 'bifronti-finale', 'bifronti-entrambe', 'sciarade', 'sciarade-incatenate',
        'anagrammi', 'intarsi', 'lucchetti', 'cerniere'],
    }],
    options: [
      { name: 'min', label: 'Min', number: true },
      { name: 'max', label: 'Max', number: true },
      { name: 'lettere', label: 'Lettere (X [Y])', words: 2 },
      { name: 'finali', label: 'Anche Finali', flag: true },
    ],
  },
  {
    name: 'metagr', caption: 'Metagr', title: 'Metagram',
    args: [{ name: 'da', label: 'Inizio' }, { name: 'a', label: 'Fine' }],
    options: [
      { name: 'aggiunta-scarto', label: 'Aggiunta / Scarto', flag: true },
      { name: 'lung-min', label: 'Lunghezza min', values: range(1, 6) },
      { name: 'metanagramma', label: 'Metanagramma', flag: true },
    ],
  },
  {
    name: 'decrit', caption: 'Decrit', title: 'Numeri',
    args: [
      { name: 'modo', label: 'Modo', values: ['risolvi', 'critta', 'coppie'], captions: ['Decritta', 'Critta', 'Coppie?'] },
      { name: 'testo', label: 'Crittogramma', long: true, unless: ['coppie'] },
    ],
    options: [
      { name: 'caselle', label: 'Caselle', boxes: true, only: ['critta', 'coppie'] },
      { name: 'bottone', label: 'Bottone', values: ['nulla', 'specchio', 'ruota', 'inverti', 'caso'], only: ['critta', 'coppie'] },
      { name: 'numeri1', label: 'Numeri 1', flag: true, only: ['critta'] },
      { name: 'numeri2', label: 'Numeri 2', flag: true, only: ['critta'] },
    ],
  },
  {
    name: 'curio', caption: 'Curio', title: 'Info',
    args: [{ name: 'report', label: 'Report (1-30, didascalia o elenco)' }],
    options: [{ name: 'micro-modo', label: 'micro: modo', values: range(0, 4) }],
  },
  {
    // As in the window, the page answers at every keystroke, an empty base too.
    name: 'cern', caption: 'Cern', title: 'Cernite', live: true,
    args: [{ name: 'base', label: 'Base', mayBeEmpty: true }],
    options: [{ name: 'goal', label: 'Goal' }],
  },
  {
    name: 'dizio', caption: 'Dizio', title: 'Dizionari',
    args: [{
      name: 'azione', label: 'Azione', values: ['elenco', 'esporta', 'crea'],
      captions: ['Lista Dizionari', 'Esporta Diz. Corrente', 'Crea dai file scelti'],
    }],
    options: [
      { name: 'ordine', label: 'Ordine', values: ['alfab', 'lungh', 'rime'], only: ['esporta'] },
      { name: 'con-maiuscole', label: 'Escludi le parole con maiuscole', flag: true, only: ['crea'] },
      { name: 'apostrofo', label: 'Escludi le parti prima di un apostrofo', flag: true, only: ['crea'] },
      { name: 'trattino', label: 'Escludi le parole prima e dopo un trattino', flag: true, only: ['crea'] },
    ],
  },
];

// Options every page takes, before the command.
export const GLOBAL_OPTIONS = [
  { name: 'seme', label: 'Seme', number: true },
  { name: 'tempo-max', label: 'Tempo max (s)', seconds: true },
];

// Longest text a field keeps; the core refuses far shorter ones with a message.
export const MAX_FIELD = 2000;

export function findPage(name) {
  return PAGES.find((page) => page.name === name) || null;
}
