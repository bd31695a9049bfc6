// Benchmark (not a test): where the recognised words of a scanned copy's
// site lie, against the born-digital site of the same pages. For every
// annotated word of a recognised line, once the page's script has placed
// it, the words of the same text on the born-digital page are looked up;
// a word matches when there are any, and lies in place when the middle of
// its span is inside one of their boxes. Prints the share in place.
// Usage: node bench/recognised_places.mjs BORN_DIGITAL_SITE SCANNED_SITE
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const require = createRequire(path.join(root, 'tests/browser/package.json'));
const { chromium } = require('playwright-core');

const [bornSite, scannedSite] = process.argv.slice(2).map((folder) => path.resolve(folder));

// The annotated words of a page, their boxes relative to the page's div.
async function words(reader, file, recognised) {
  await reader.goto(pathToFileURL(file).href);
  await reader.evaluate(() => document.fonts.ready);
  if (recognised) {
    await reader.waitForFunction(() =>
      [...document.querySelectorAll('p.lexiweb-ocr span[data-w]')].every((w) => w.style.transform !== ''));
  }
  return reader.evaluate((recognised) => {
    const page = document.querySelector('div[id$="-div"]').getBoundingClientRect();
    const selector = recognised ? 'p.lexiweb-ocr span[id]' : 'span[id]';
    return [...document.querySelectorAll(selector)].map((span) => {
      const box = span.getBoundingClientRect();
      return {
        text: span.textContent.trim().toLowerCase(),
        left: box.left - page.left, right: box.right - page.left,
        top: box.top - page.top, bottom: box.bottom - page.top,
      };
    });
  }, recognised);
}

const context = await chromium.launchPersistentContext(fs.mkdtempSync(path.join(os.tmpdir(), 'places-')), {
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const reader = context.pages()[0] ?? (await context.newPage());
let matched = 0;
let inPlace = 0;
for (const name of fs.readdirSync(scannedSite).filter((n) => /^f\d{6}\.htm$/.test(n)).sort()) {
  if (!fs.readFileSync(path.join(scannedSite, name), 'utf8').includes('lexiweb-ocr')) continue;
  if (!fs.existsSync(path.join(bornSite, name))) continue;
  const born = await words(reader, path.join(bornSite, name), false);
  for (const word of await words(reader, path.join(scannedSite, name), true)) {
    const same = born.filter((b) => b.text === word.text);
    if (same.length === 0) continue;
    ++matched;
    const x = (word.left + word.right) / 2;
    const y = (word.top + word.bottom) / 2;
    if (same.some((b) => x >= b.left && x <= b.right && y >= b.top && y <= b.bottom)) ++inPlace;
  }
}
await context.close();
console.log(`recognised words that match a born-digital word: ${matched}, ` +
  `in place: ${inPlace} (${(100 * inPlace / Math.max(1, matched)).toFixed(1)}%)`);
