// Benchmark (not a test): what the search field of a finished site costs a
// reader, in headless chromium. For every first character of the document's
// words, and for every two first characters, a fresh page types them into
// the field and counts the bytes of the word list's files it loads until
// the list stands. Each keystroke whose word list parts were loaded already
// is timed from its key event to the end of the field's script and to the
// list drawn after it (the frame after the input). Prints the bytes per
// query (the largest with its query, and the median), the keystroke times
// (median, 95th percentile, largest, how many over 50 ms) and the share of
// the site's bytes that the word list takes.
// Usage: node bench/search_field.mjs SITE_FOLDER [PAGE]
// (PAGE: the annotated page to type on, f000001.htm unless given; run
// `npm ci` in tests/browser first.)
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { folderBytes } from './site_bytes.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const require = createRequire(path.join(root, 'tests/browser/package.json'));
const { chromium } = require('playwright-core');

const [siteArgument, pageArgument = 'f000001.htm'] = process.argv.slice(2);
if (!siteArgument) {
  console.error('usage: node bench/search_field.mjs SITE_FOLDER [PAGE]');
  process.exit(2);
}
const site = path.resolve(siteArgument);
const words = path.join(site, 'words');

// The words of the list as the pages show them, read from its parts.
function listedWords() {
  const found = [];
  const lexiwebWords = {
    parts() {},
    part(number, data) {
      for (let i = 0; i < data.length; i += 4) found.push(data[i]);
    },
  };
  for (const name of fs.readdirSync(words).filter((name) => /^p\d+\.js$/.test(name))) {
    new Function('lexiwebWords', fs.readFileSync(path.join(words, name), 'latin1'))(lexiwebWords);
  }
  const decoder = new TextDecoder();
  return found.map((bytes) =>
    decoder.decode(Buffer.from(bytes.replace(/&(amp|lt|gt|quot);?/g, (w, n) => ({ amp: '&', lt: '<', gt: '>', quot: '"' })[n]), 'latin1')),
  );
}

// In every page: which scripts have loaded, and the time of each keystroke
// whose word list was there, from its key event to the frame after it.
function watch() {
  window.benchLoaded = new Set();
  window.benchTimes = [];
  const done = (event) => {
    if (event.target.src) window.benchLoaded.add(event.target.src);
  };
  document.addEventListener('load', done, true);
  document.addEventListener('error', done, true);
  // The field's own work ends with the input event's handlers, after which
  // this one, on the document, runs.
  let inputEnd = 0;
  document.addEventListener('input', () => {
    inputEnd = performance.now();
  });
  document.addEventListener('keydown', (event) => {
    const start = event.timeStamp;
    const scripts = document.querySelectorAll('script[src]').length;
    requestAnimationFrame(() =>
      setTimeout(() => {
        if (document.querySelectorAll('script[src]').length !== scripts) return;
        window.benchTimes.push({ script: inputEnd - start, list: performance.now() - start });
      }, 0),
    );
  }, true);
}

// Until the list stands: something in it, and every part asked for loaded.
async function settled(page) {
  await page.waitForFunction(() => {
    const list = document.querySelector('#lexiweb-find ul');
    const parts = [...document.querySelectorAll('script[src*="words/"]')];
    return list && list.children.length > 0 && parts.every((script) => window.benchLoaded.has(script.src));
  });
  return page.$$eval('script[src*="words/"]', (scripts) => scripts.map((script) => script.getAttribute('src')));
}

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, p) => values.slice().sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))];

async function main() {
  const firsts = new Set();
  const pairs = new Set();
  for (const word of listedWords()) {
    const characters = [...word.toLowerCase()];
    firsts.add(characters[0]);
    if (characters.length > 1) pairs.add(characters[0] + characters[1]);
  }
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu'] });
  const page = await browser.newPage();
  await page.addInitScript(watch);
  const url = pathToFileURL(path.join(site, pageArgument)).href;
  const loads = [];
  const times = [];
  for (const query of [...firsts, ...pairs].filter((query) => query.trim() === query)) {
    await page.goto(url);
    await page.waitForSelector('#lexiweb-find input');
    await page.focus('#lexiweb-find input');
    for (const character of query) {
      await page.keyboard.type(character);
      await settled(page);
    }
    const files = await settled(page);
    loads.push({ query, bytes: files.reduce((sum, file) => sum + fs.statSync(path.join(site, file)).size, 0) });
    // Once more, with the list's parts loaded.
    await page.keyboard.press('Backspace');
    if (query.length > 1) await settled(page);
    await page.keyboard.type(query.at(-1));
    await settled(page);
    await page.waitForTimeout(20);
    times.push(...(await page.evaluate(() => window.benchTimes)));
  }
  await browser.close();

  const worst = loads.reduce((a, b) => (b.bytes > a.bytes ? b : a));
  const worstFirst = loads.filter((load) => [...load.query].length === 1).reduce((a, b) => (b.bytes > a.bytes ? b : a));
  const listBytes = folderBytes(words);
  const siteBytes = folderBytes(site);
  console.log(`queries: ${firsts.size} first characters, ${pairs.size} pairs`);
  console.log(`bytes loaded for a query of one character: largest ${worstFirst.bytes} ("${worstFirst.query}")`);
  console.log(`bytes loaded for a query of one or two: largest ${worst.bytes} ("${worst.query}"), median ${median(loads.map((load) => load.bytes))}`);
  for (const [label, key] of [['to the end of the field\'s script', 'script'], ['to the list drawn', 'list']]) {
    const values = times.map((time) => time[key]);
    console.log(`keystroke ${label}, word list loaded: ${values.length} keystrokes, median ${median(values).toFixed(1)} ms, ` +
      `95th percentile ${percentile(values, 0.95).toFixed(1)} ms, largest ${Math.max(...values).toFixed(1)} ms, ` +
      `${values.filter((value) => value > 50).length} over 50 ms`);
  }
  console.log(`word list: ${listBytes} bytes of the site's ${siteBytes} (${((100 * listBytes) / siteBytes).toFixed(2)}%)`);
}

await main();
