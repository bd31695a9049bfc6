// A site read without a mouse, on a phone and by a screen reader's rules, in
// headless chromium on a 360-px phone with a touch screen: a double tap on a
// word opens its index entry at that very occurrence, and so does Enter with
// the caret in a word; from the top of every kind of page the second Tab
// press reaches the search field, and "/" goes there too; what has the focus
// shows it; and axe-core finds nothing on a page of every kind.
// Usage: node access_test.mjs HTM_OUT WORD
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { readPages } from './reader.mjs';

const require = createRequire(import.meta.url);
const AXE = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const AXE_TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

const [folderArgument, word] = process.argv.slice(2);
if (!folderArgument || !word) {
  console.error('usage: node access_test.mjs HTM_OUT WORD');
  process.exit(2);
}
const folder = path.resolve(folderArgument);
const urlOf = (name) => pathToFileURL(path.join(folder, name)).href;
const nameOf = (url) => path.basename(new URL(url).pathname) + new URL(url).hash;
const PHONE = { viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true,
  deviceScaleFactor: 2 };

// The pages of every kind: the document's, the index's, and the contents,
// about and all-words pages (the three after the document's last page).
const documentPages = fs.readdirSync(folder).filter((name) => /^f\d{6}\.htm$/.test(name)).sort();
const finalPages = documentPages.slice(-3);
const pages = documentPages.slice(0, -3);
const kinds = [
  ['document page', pages[1] ?? pages[0]],
  ['index page', 'in000001.htm'],
  ['contents page', finalPages[0]],
  ['about page', finalPages[1]],
  ['all-words page', finalPages[2]],
];

// Opens `name` and waits for the search field, which its script builds once
// the word list's parts are loaded.
async function open(reader, name) {
  await reader.goto(urlOf(name));
  await reader.waitForSelector('[role="search"] input', { state: 'attached' });
}

// The index pages that `how` opens, in the order they open: one, the
// entry, when a word opens as it should.
async function opened(context, how) {
  const popups = [];
  const collect = (page) => popups.push(page);
  context.on('page', collect);
  await how();
  for (let waited = 0; popups.length === 0 && waited < 5000; waited += 100) {
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  await new Promise((resolve) => setTimeout(resolve, 500));  // a second opening, if any
  context.off('page', collect);
  const names = [];
  for (const page of popups) {
    await page.waitForURL(/^file:/, { timeout: 5000 }).catch(() => {});
    names.push(page.url().startsWith('file:') ? nameOf(page.url()) : page.url());
    await page.close();
  }
  return names.join(' and ');
}

await readPages('access', async (reader, check, context) => {
  for (const [kind, name] of kinds) {
    await open(reader, name);

    // Two Tabs from the top: the skip link, then the search field.
    await reader.keyboard.press('Tab');
    const first = await reader.evaluate(() => document.activeElement.id);
    check(first === 'lexiweb-skip', `${kind} ${name}: the first Tab reaches "${first}", not the skip link`);
    const skipShown = await reader.evaluate(() => {
      const box = document.activeElement.getBoundingClientRect();
      return box.top >= 0 && box.height >= 24 && getComputedStyle(document.activeElement).outlineStyle !== 'none';
    });
    check(skipShown, `${kind} ${name}: the focused skip link does not show with its focus ring`);
    await reader.keyboard.press('Tab');
    const second = await reader.evaluate(() =>
      document.activeElement.tagName + ' in ' + (document.activeElement.closest('[role="search"]') ? 'search' : 'none'));
    check(second === 'INPUT in search', `${kind} ${name}: the second Tab reaches ${second}, not the search field`);
    const fieldRing = await reader.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
    check(fieldRing !== 'none', `${kind} ${name}: the focused search field shows no focus ring`);

    // "/" from anywhere else.
    await reader.evaluate(() => document.activeElement.blur());
    await reader.keyboard.press('/');
    const slash = await reader.evaluate(() => document.activeElement.tagName);
    check(slash === 'INPUT', `${kind} ${name}: "/" focuses ${slash}, not the search field`);

    // Nothing wider than the phone's screen.
    const width = await reader.evaluate(() => document.documentElement.scrollWidth);
    if (kind !== 'document page') {
      check(width <= 361, `${kind} ${name}: ${width} px wide on a 360-px phone`);
    }

    await reader.addScriptTag({ content: AXE });
    const violations = await reader.evaluate(async (tags) => {
      const result = await axe.run(document, { runOnly: { type: 'tag', values: tags } });
      return result.violations.map((v) => `${v.id} (${v.nodes.length}: ${v.nodes[0].target.join(' ')})`);
    }, AXE_TAGS);
    check(violations.length === 0, `${kind} ${name}: axe finds ${violations.join(', ')}`);
  }

  // A word opened without a mouse, on every page that holds it.
  let words = 0;
  for (const name of pages) {
    await open(reader, name);
    const spans = await reader.$$eval('span[ondblclick]', (all, wanted) =>
      all.filter((span) => span.textContent.trim().toLowerCase() === wanted).map((span) => span.id), word);
    for (const id of spans) {
      words++;
      const expected = `in000001.htm#${id}`;
      const span = reader.locator(`[id="${id}"]`);
      await span.scrollIntoViewIfNeeded();
      const box = await span.boundingBox();
      const x = box.x + box.width / 2;
      const y = box.y + box.height / 2;
      const tapped = await opened(context, async () => {
        await reader.touchscreen.tap(x, y);
        await reader.waitForTimeout(120);
        await reader.touchscreen.tap(x, y);
      });
      check(tapped === expected, `${name}: a double tap on ${id} opens "${tapped}", not ${expected}`);
      const zoom = await reader.evaluate(() => window.visualViewport.scale);
      check(zoom === 1, `${name}: the double tap on ${id} zoomed the page to ${zoom}`);

      // The caret in the word, as caret browsing or a selection leaves it.
      await reader.evaluate((wordId) => {
        const span = document.getElementById(wordId);
        const text = document.createTreeWalker(span, NodeFilter.SHOW_TEXT).nextNode();
        window.getSelection().collapse(text, Math.min(2, text.length));
        document.activeElement.blur();
      }, id);
      const keyed = await opened(context, () => reader.keyboard.press('Enter'));
      check(keyed === expected, `${name}: Enter in ${id} opens "${keyed}", not ${expected}`);
    }
  }
  check(words >= 3, `only ${words} occurrences of "${word}" found to open`);

  // The page tells a screen reader how a word opens.
  await open(reader, pages[0]);
  const told = await reader.evaluate(() => {
    const main = document.querySelector('main');
    const note = document.getElementById(main.getAttribute('aria-describedby'));
    return main.getAttribute('aria-keyshortcuts') === 'Enter' && /Enter/.test(note.dataset.text) &&
      /double-tap/.test(note.dataset.text);
  });
  check(told, 'the main part names neither its key nor the double tap');
}, [], PHONE);
