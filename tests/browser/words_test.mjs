// Reads the site of a page of words in several scripts (run_browser_test.sh
// writes it) in headless chromium: the search field finds a word typed in
// another case, typed without its accents (the accented forms first) and
// a Chinese or Japanese word typed alone or in a phrase, from file://; and
// a word broken by a hyphen at a line end is lit red in both its halves
// when the page is opened at it, and a double click on either half opens
// its occurrence.
// Usage: node words_test.mjs HTM_OUT
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const RED = 'rgb(255, 0, 0)';
const folder = path.resolve(process.argv[2] ?? '');
if (!process.argv[2]) {
  console.error('usage: node words_test.mjs HTM_OUT');
  process.exit(2);
}
const urlOf = (name) => pathToFileURL(path.join(folder, name)).href;

let passed = 0;
const failures = [];
function check(ok, message) {
  if (ok) passed++;
  else failures.push(message);
  return ok;
}

// The words the field offers for `text`, typed into the first page's field.
async function offeredFor(reader, text) {
  await reader.goto(urlOf('f000001.htm'));
  const box = reader.locator('#lexiweb-find');
  await box.locator('input').waitFor();
  await reader.keyboard.press('/');
  await reader.keyboard.type(text);
  await box.locator('li').first().waitFor();
  await reader.waitForTimeout(200);
  return box.locator('li[role="option"]:not(.note)').evaluateAll((items) =>
    items.map((item) => item.dataset.word));
}

async function checkSearchField(reader) {
  const cases = [
    ['ECLAIR', ['Éclair', 'eclair'], 'typed in capitals without accents'],
    ['écl', ['Éclair'], 'typed with its accent'],
    ['STRASSE', ['Straße'], 'typed in capitals, ß as SS'],
    ['без', ['БЕЗОПАСНОСТЬ'], 'typed in small Cyrillic letters'],
    ['日本語', ['日本語'], 'a Japanese word'],
    ['日本語の文章', ['日本語'], 'a Japanese phrase'],
    ['北京', ['北京'], 'a Chinese word'],
  ];
  for (const [typed, expected, how] of cases) {
    const offered = await offeredFor(reader, typed);
    check(JSON.stringify(offered.slice(0, expected.length)) === JSON.stringify(expected),
      `"${typed}" (${how}) offers ${JSON.stringify(offered)}, not first ${JSON.stringify(expected)}`);
  }
}

async function checkHyphenatedWord(reader) {
  await reader.goto(urlOf('f000001.htm'));
  const halves = await reader.$$eval('span[ondblclick]', (spans) =>
    spans.filter((span) => /^(geomet|rical)$/.test(span.textContent.trim()))
      .map((span) => ({ id: span.id, className: span.className, handler: span.getAttribute('ondblclick') })));
  if (!check(halves.length === 2, `the halves of "geometrical" have ${halves.length} spans, not 2`)) return;
  const [first, second] = halves;
  check(first.id !== '' && second.id === '' && first.className === second.className &&
    first.handler === second.handler && first.handler.includes(`#${first.id}'`),
  `the halves' spans differ: ${JSON.stringify(halves)}`);
  // A page opened afresh at the occurrence, as the index's link opens it.
  await reader.goto('about:blank');
  await reader.goto(`${urlOf('f000001.htm')}#${first.id}`);
  const colours = await reader.$$eval(`span.${first.className}`, (spans) =>
    spans.map((span) => getComputedStyle(span).color));
  check(colours.length === 2 && colours.every((colour) => colour === RED),
    `opened at "geometrical", its halves show ${colours.join(', ')}`);
}

async function main() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lexiweb-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  context.setDefaultTimeout(15000);
  try {
    const reader = context.pages()[0] ?? (await context.newPage());
    reader.on('pageerror', (error) => failures.push(`script error: ${error.message}`));
    await checkSearchField(reader);
    await checkHyphenatedWord(reader);
  } catch (error) {
    failures.push(`stopped: ${error.message.split('\n')[0]}`);
  } finally {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  for (const failure of failures) console.error(`FAIL: ${failure}`);
  console.log(`words_test: ${passed} passed, ${failures.length} failed`);
  process.exit(failures.length === 0 ? 0 : 1);
}

await main();
