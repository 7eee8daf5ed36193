// A search as a link: "#page/arg/arg?option=value&flag", the page and its
// inputs in sillabor-cli's own words. Whatever the address holds, only the
// page's own arguments and options come out, cleaned and within bounds.

import { PAGES, GLOBAL_OPTIONS, MAX_FIELD, findPage } from './pages.js';

function decode(text) {
  try {
    return decodeURIComponent(text);
  } catch {
    return text;  // a stray '%': the text as written
  }
}

// Control characters would reach the command line as they are; only a
// multi-line field keeps its line ends.
function clean(text, multiline) {
  const kept = multiline ? text.replace(/\r\n?/g, '\n').replace(/[\u0000-\u0009\u000b-\u001f\u007f]/g, '')
    : text.replace(/[\u0000-\u001f\u007f]/g, ' ');
  return Array.from(kept).slice(0, MAX_FIELD).join('');
}

function cleanValue(field, raw) {
  if (field.flag) return true;
  const text = clean(String(raw ?? ''), field.long);
  if (field.values) {
    const upper = field.values.find((v) => v.toLowerCase() === text.toLowerCase());
    return upper ?? null;
  }
  if (field.number) return /^\d{1,9}$/.test(text.trim()) ? text.trim() : null;
  if (field.seconds) return /^\d{1,6}(\.\d{1,3})?$/.test(text.trim()) ? text.trim() : null;
  if (field.words) {
    const words = text.trim().split(/\s+/).filter(Boolean).slice(0, field.words);
    return words.length ? words.join(' ') : null;
  }
  return text;
}

// The state of a page with nothing filled in.
export function emptyState(page) {
  return {
    page: page.name,
    args: page.args.map((arg) => (arg.values ? arg.values[0] : '')),
    options: new Map(),
  };
}

function applies(field, state) {
  const mode = state.args[0];
  if (field.only && !field.only.includes(mode)) return false;
  if (field.unless && field.unless.includes(mode)) return false;
  return true;
}

// The state a link names, or null when it names no page.
export function parseLink(hash) {
  const text = String(hash ?? '').replace(/^#/, '');
  const question = text.indexOf('?');
  const path = question < 0 ? text : text.slice(0, question);
  const query = question < 0 ? '' : text.slice(question + 1);
  const parts = path.split('/');
  const page = findPage(decode(parts[0]));
  if (!page) return null;
  const state = emptyState(page);
  page.args.forEach((arg, i) => {
    if (i + 1 >= parts.length) return;
    const value = cleanValue(arg, decode(parts[i + 1]));
    if (value !== null) state.args[i] = value;
  });
  const known = [...page.options, ...GLOBAL_OPTIONS];
  for (const pair of query.split('&')) {
    if (!pair) continue;
    const equals = pair.indexOf('=');
    const name = decode(equals < 0 ? pair : pair.slice(0, equals));
    const field = known.find((option) => option.name === name);
    if (!field || (!field.flag && equals < 0)) continue;
    const value = cleanValue(field, equals < 0 ? '' : decode(pair.slice(equals + 1)));
    if (value !== null && value !== '') state.options.set(name, value);
  }
  for (const option of page.options) if (!applies(option, state)) state.options.delete(option.name);
  return state;
}

const encode = (text) => encodeURIComponent(text).replace(/[!'()*]/g, (c) => '%' + c.charCodeAt(0).toString(16).toUpperCase());

export function makeLink(state) {
  const page = findPage(state.page);
  let args = state.args.slice(0, page.args.length);
  while (args.length && args[args.length - 1] === '') args = args.slice(0, -1);
  const path = [page.name, ...args.map(encode)].join('/');
  const query = [];
  for (const field of [...page.options, ...GLOBAL_OPTIONS]) {
    const value = state.options.get(field.name);
    if (value === undefined || value === '' || value === false) continue;
    query.push(field.flag ? encode(field.name) : `${encode(field.name)}=${encode(value)}`);
  }
  return '#' + path + (query.length ? '?' + query.join('&') : '');
}

// The arguments of sillabor-cli for a state (without the program's name).
export function commandLine(state) {
  const page = findPage(state.page);
  const line = [];
  for (const field of GLOBAL_OPTIONS) {
    const value = state.options.get(field.name);
    if (value) line.push('--' + field.name, value);
  }
  line.push(page.name);
  const positionals = [];
  page.args.forEach((arg, i) => {
    const value = state.args[i] ?? '';
    if (!applies(arg, state) || (value === '' && !arg.mayBeEmpty)) return;
    // The first argument of a page with subcommands is the subcommand.
    if (i === 0 && (page.name === 'decrit' || page.name === 'dizio')) line.push(value);
    else positionals.push(value);
  });
  for (const field of page.options) {
    const value = state.options.get(field.name);
    if (value === undefined || value === '' || value === false || !applies(field, state)) continue;
    if (field.flag) line.push('--' + field.name);
    else if (field.words) line.push('--' + field.name, ...String(value).split(' '));
    else line.push('--' + field.name, String(value));
  }
  // After "--" every word is an argument: a text that starts with '-' is not
  // read as an option, nor an argument as one more value of an option before it.
  if (positionals.length) line.push('--', ...positionals);
  return line;
}

export { PAGES };
