// Reads a finished lexiweb site in headless chromium as a reader would:
// walks the annotated pages through the navigation bar, double-clicks every
// occurrence of WORD to open the index at its item, follows the item back to
// the page and checks that the word is lit red and the other words black,
// and checks that every entry of the all-words page (the nav bar's index
// link) leads to its word's first occurrence in the index, and that every
// entry of the document's outline on the contents page opens its page,
// that every text fragment is fitted to its width in the PDF, and that the
// search field finds WORD from its first letters. The
// bytes of the contents and search pages are the end-to-end tests' business.
// Usage: node site_test.mjs HTM_OUT WORD PAGE_COUNT OUTLINE_ENTRIES (every
// page holds words; every outline title ends in "(page N)").
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const RED = 'rgb(255, 0, 0)';
const BLACK = 'rgb(0, 0, 0)';
const [folderArgument, wordArgument, pageCountArgument, outlineArgument] = process.argv.slice(2);
if (!folderArgument || !wordArgument || !(Number(pageCountArgument) > 0) || !(Number(outlineArgument) >= 0)) {
  console.error('usage: node site_test.mjs HTM_OUT WORD PAGE_COUNT OUTLINE_ENTRIES');
  process.exit(2);
}
const folder = path.resolve(folderArgument);
const word = wordArgument.toLowerCase();
const pageCount = Number(pageCountArgument);
const outlineEntries = Number(outlineArgument);

let passed = 0;
const failures = [];
class Stop extends Error {}

// Records one check; a failed `need` stops the run, as later checks build on it.
function check(ok, message) {
  if (ok) passed++;
  else failures.push(message);
  return ok;
}
function need(ok, message) {
  if (!check(ok, message)) throw new Stop(message);
}

const urlOf = (name) => pathToFileURL(path.join(folder, name)).href;
// "f000002.htm#i0000000007" for file:///.../f000002.htm#i0000000007.
const nameOf = (url) => path.basename(new URL(url).pathname) + new URL(url).hash;
const outputName = (n) => `f${String(n).padStart(6, '0')}.htm`;

// The word spans of a page, in document order, with their computed colour.
const wordSpans = (page) =>
  page.$$eval('span[ondblclick]', (spans) =>
    spans.map((span) => ({
      id: span.id,
      text: span.textContent.trim(),
      color: getComputedStyle(span).color,
    })),
  );

const navLink = (page, label) =>
  page.locator('nav[style*="position:fixed"] a').filter({ hasText: new RegExp(`^${label}$`) });

async function navHref(page, label) {
  const links = navLink(page, label);
  return (await links.count()) === 1 ? links.getAttribute('href') : null;
}

async function clickAndLoad(page, locator) {
  await Promise.all([page.waitForEvent('load'), locator.click()]);
}

const textOf = async (locator) => (await locator.textContent()).trim();

// Follows "next" from f000001.htm; returns [{name, spans}] in reading order.
// Every page must also offer the same contents, search and index links.
async function walkAnnotatedPages(reader) {
  await reader.goto(urlOf(outputName(1)));
  const pages = [];
  const finalLinks = new Set();
  for (;;) {
    const name = nameOf(reader.url());
    const spans = await wordSpans(reader);
    need(spans.length > 0, `${name}: no word span (span with ondblclick) on the page`);
    const title = await reader.title();
    const page = Number(/^f(\d{6})\.htm$/.exec(name)?.[1]);
    check(title.endsWith(` \u2013 page ${page}`), `${name}: title is "${title}", not the document's and "page ${page}"`);
    const red = spans.filter((span) => span.color === RED).map((span) => span.text);
    check(red.length === 0, `${name}: opened without a hash, yet these words are red: ${red.join(', ')}`);
    const previous = pages.at(-1)?.name ?? null;
    const prevHref = await navHref(reader, 'prev');
    check(prevHref === previous, `${name}: prev link leads to ${prevHref}, expected ${previous}`);
    const labels = ['Contents', 'search', 'index'];
    finalLinks.add((await Promise.all(labels.map((label) => navHref(reader, label)))).join(' '));
    pages.push({ name, spans });
    if ((await navHref(reader, 'next')) === null || pages.length > pageCount) break;
    await clickAndLoad(reader, navLink(reader, 'next'));
  }
  const names = pages.map((page) => page.name).join(', ');
  const expected = Array.from({ length: pageCount }, (_, i) => outputName(i + 1));
  need(names === expected.join(', '), `next links lead through ${names}; expected ${expected.join(', ')}`);
  check(finalLinks.size === 1, `the pages' Contents, search and index links differ: ${[...finalLinks].join(' | ')}`);
  if (pageCount > 1) {
    await clickAndLoad(reader, navLink(reader, 'prev'));
    const opened = nameOf(reader.url());
    check(opened === expected.at(-2), `prev on ${expected.at(-1)} opened ${opened}`);
  }
  return pages;
}

// Double-click on an occurrence, the index item it opens, and the item's link back.
async function checkOccurrence(context, reader, pageName, occurrence) {
  const { id } = occurrence;
  if (nameOf(reader.url()) !== pageName) await reader.goto(urlOf(pageName));
  const [index] = await Promise.all([
    context.waitForEvent('page'),
    reader.locator(`span[id="${id}"]`).dblclick(),
  ]);
  try {
    await index.waitForLoadState('load');
    const opened = nameOf(index.url());
    const rightItem = /^in\d{6}\.htm#/.test(opened) && opened.endsWith(`#${id}`);
    if (!check(rightItem, `double-click on ${pageName} ${id} opened ${opened}, not in000NNN.htm#${id}`)) return;
    const item = index.locator(`[id="${id}"]`);
    if (!check((await item.count()) === 1, `${opened}: no single element with id ${id}`)) return;
    const itemText = await textOf(item);
    check(itemText.toLowerCase() === word, `${opened}: item ${id} reads "${itemText}", not "${word}"`);
    const back = index.locator('a', { has: item });
    const href = await back.getAttribute('href');
    if (!check(href === `${pageName}#${id}`, `${opened}: item links to ${href}, not ${pageName}#${id}`)) return;

    await clickAndLoad(index, back);
    const returned = nameOf(index.url());
    check(returned === `${pageName}#${id}`, `${opened}: item link opened ${returned}`);
    const wrong = (await wordSpans(index))
      .filter((span) => span.text !== '')
      .filter((span) => span.color !== (span.text.toLowerCase() === word ? RED : BLACK))
      .map((span) => `"${span.text}" (${span.id}) is ${span.color}`);
    check(wrong.length === 0, `${returned}: every "${word}" should be red, other words black; ${wrong.join('; ')}`);
  } finally {
    await index.close();
  }
}

// Every entry leads to its word's first occurrence; the entry of WORD is followed.
async function checkAllWordsPage(reader, pages) {
  const firstOccurrence = new Map();
  for (const span of pages.flatMap((page) => page.spans)) {
    const key = span.text.toLowerCase();
    if (key !== '' && !firstOccurrence.has(key)) firstOccurrence.set(key, span.id);
  }
  await clickAndLoad(reader, navLink(reader, 'index'));
  const name = nameOf(reader.url());
  const title = await reader.title();
  need(title.endsWith(' \u2013 all words'), `index link opened ${name}, titled "${title}"`);
  const entries = await reader.$$eval('li a', (links) =>
    links.map((a) => ({ href: a.getAttribute('href'), key: a.textContent.trim().toLowerCase() })),
  );
  const listed = new Map(entries.map((entry) => [entry.key, entry]));
  check(listed.size === entries.length, `${name}: a word is listed more than once`);
  const missing = [...firstOccurrence.keys()].filter((key) => !listed.has(key));
  check(missing.length === 0, `${name}: words of the pages not listed: ${missing.join(', ')}`);
  const misled = entries
    .filter(({ href, key }) => !/^in\d{6}\.htm#/.test(href) || !href.endsWith(`#${firstOccurrence.get(key)}`))
    .map(({ href, key }) => `${key} -> ${href} (first occurrence ${firstOccurrence.get(key)})`);
  check(misled.length === 0, `${name}: entries not leading to the first occurrence: ${misled.join('; ')}`);

  need(listed.has(word), `${name}: no entry for "${word}"`);
  const { href } = listed.get(word);
  await clickAndLoad(reader, reader.locator(`li a[href="${href}"]`));
  const opened = nameOf(reader.url());
  const item = reader.locator(`[id="${firstOccurrence.get(word)}"]`);
  const found = (await item.count()) === 1 && (await textOf(item)).toLowerCase() === word;
  check(opened === href && found, `entry "${word}" opened ${opened}, which lacks the item ${firstOccurrence.get(word)}`);
}

// Each outline entry of the contents page (the nav bar's Contents link),
// clicked in turn, opens the page its title names.
async function checkOutline(reader, pages) {
  await reader.goto(urlOf(pages[0].name));
  await clickAndLoad(reader, navLink(reader, 'Contents'));
  const contents = reader.url();
  const titles = await reader.$$eval('ul a', (links) => links.map((a) => a.textContent.trim()));
  need(titles.length === outlineEntries, `${nameOf(contents)}: ${titles.length} outline entries, expected ${outlineEntries}`);
  for (const [i, title] of titles.entries()) {
    const expected = outputName(Number(/\(page (\d+)\)$/.exec(title)?.[1]));
    if (i > 0) await reader.goto(contents);
    await clickAndLoad(reader, reader.locator('ul a').nth(i));
    const opened = nameOf(reader.url());
    check(opened === expected, `outline entry "${title}" opened ${opened}, not ${expected}`);
  }
}

// Every text fragment of every page carries its width in the PDF (data-w,
// one whole number per line) and, once the fonts have loaded and the
// fitting script has run, is as wide as that, within 5% (or a pixel, the
// rounding of the width); the faces it is set in are loaded from the site.
async function checkFragmentWidths(reader, pages) {
  for (const { name } of pages) {
    await reader.goto(urlOf(name));
    const report = await reader.evaluate(async () => {
      await document.fonts.ready;
      const fragments = [...document.querySelectorAll('p')].filter((p) => getComputedStyle(p).position === 'absolute');
      const off = [];
      let unmeasured = 0;
      for (const p of fragments) {
        if (!p.dataset.w) {
          unmeasured++;
          continue;
        }
        const lines = [[]];
        const walker = document.createTreeWalker(p, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT);
        for (let node = walker.nextNode(); node; node = walker.nextNode()) {
          if (node.nodeType === Node.ELEMENT_NODE) {
            if (node.tagName === 'BR') lines.push([]);
          } else if (node.nodeValue.length) lines[lines.length - 1].push(node);
        }
        const widths = p.dataset.w.split(',').map(Number);
        if (widths.length !== lines.length) {
          off.push(`"${p.textContent}": ${lines.length} lines, ${widths.length} widths`);
          continue;
        }
        lines.forEach((nodes, i) => {
          if (!nodes.length) return;
          const range = document.createRange();
          range.setStartBefore(nodes[0]);
          range.setEndAfter(nodes[nodes.length - 1]);
          const width = range.getBoundingClientRect().width;
          if (Math.abs(width - widths[i]) > Math.max(0.05 * widths[i], 1)) {
            off.push(`"${nodes.map((node) => node.nodeValue).join('')}": ${width.toFixed(1)}px, not ${widths[i]}px`);
          }
        });
      }
      const faces = [...document.fonts].filter((face) => face.status === 'loaded').length;
      return { fragments: fragments.length, unmeasured, off, faces };
    });
    check(report.fragments > 0 && report.unmeasured === 0,
      `${name}: ${report.unmeasured} of ${report.fragments} text fragments carry no width (data-w)`);
    check(report.off.length === 0, `${name}: fragments more than 5% off their width: ${report.off.join('; ')}`);
    check(report.faces > 0, `${name}: no face of the site's fonts folder loaded`);
  }
}

// The search field of every annotated page. It hides neither the navigation
// bar nor a word, at the top of the page or at its end, and adds no text to
// the page. "/" goes to it; the first letters of WORD offer it with its
// number of occurrences; Enter on the offer, a click on it and Enter on the
// whole word (in capitals) each open the index where the all-words page's
// entry leads, at the first occurrence; a word the document lacks gets a
// note, and Enter on it stays; Escape closes.
async function checkSearchField(reader, pages) {
  const spans = pages.flatMap((page) => page.spans).filter((span) => span.text.toLowerCase() === word);
  need(spans.length > 0, `"${word}" stands on no annotated page`);
  await reader.goto(urlOf(pages[0].name));
  await clickAndLoad(reader, navLink(reader, 'index'));
  const entries = await reader.$$eval('li a', (links) =>
    links.map((a) => ({ href: a.getAttribute('href'), key: a.textContent.trim().toLowerCase() })),
  );
  const entryHref = entries.find((entry) => entry.key === word)?.href;
  need(entryHref === `${/^in\d{6}\.htm/.exec(entryHref ?? '')?.[0]}#${spans[0].id}`,
    `the all-words entry of "${word}" leads to ${entryHref}, not to its first occurrence ${spans[0].id}`);

  const box = reader.locator('#lexiweb-find');
  const field = box.locator('input');
  const offers = box.locator('li[role="option"]:not(.note)');
  for (const { name } of pages) {
    await reader.goto(urlOf(name));
    await field.waitFor();
    const hidden = await reader.evaluate(() => {
      const found = [];
      for (const y of [0, document.documentElement.scrollHeight]) {
        window.scrollTo(0, y);
        const f = document.querySelector('#lexiweb-find').getBoundingClientRect();
        for (const element of document.querySelectorAll('span[ondblclick], nav[style*="position:fixed"] a')) {
          for (const r of element.getClientRects()) {
            if (r.left < f.right && f.left < r.right && r.top < f.bottom && f.top < r.bottom) {
              found.push(`"${element.textContent.trim()}" at scroll ${window.scrollY}`);
            }
          }
        }
      }
      window.scrollTo(0, 0);
      return found;
    });
    check(hidden.length === 0, `${name}: the search field hides ${hidden.join(', ')}`);
  }

  const prefix = word.slice(0, 3);
  // Types `text` into the field of page `name`, reached with "/".
  const typeIn = async (name, text) => {
    await reader.goto(urlOf(name));
    await field.waitFor();
    await reader.keyboard.press('/');
    need(await field.evaluate((input) => input === document.activeElement), `${name}: "/" does not go to the search field`);
    await reader.keyboard.type(text);
    await box.locator('li').first().waitFor();
  };
  // Does `action` and checks that it opens the first occurrence.
  const opens = async (how, action) => {
    const loaded = reader.waitForEvent('load', { timeout: 5000 }).then(() => true, () => false);
    await action();
    if (!check(await loaded, `${how} opened nothing`)) return;
    const opened = nameOf(reader.url());
    const item = reader.locator(`[id="${spans[0].id}"]`);
    const found = (await item.count()) === 1 && (await textOf(item)).toLowerCase() === word;
    check(opened === entryHref && found, `${how} opened ${opened}, not the item ${entryHref}`);
  };

  await typeIn(pages[0].name, prefix);
  const offered = await offers.evaluateAll((items) => items.map((item) => [item.dataset.word, item.dataset.count]));
  const strays = offered.filter(([text]) => !text.toLowerCase().startsWith(prefix));
  check(strays.length === 0, `"${prefix}" offers words that do not begin with it: ${strays.join('; ')}`);
  const mine = offered.findIndex(([text]) => text.toLowerCase() === word);
  need(mine >= 0, `"${prefix}" does not offer "${word}", only ${offered.join('; ')}`);
  check(Number(offered[mine][1]) === spans.length,
    `"${word}" is offered with ${offered[mine][1]} occurrences, not ${spans.length}`);
  check((await box.evaluate((element) => element.textContent)) === '', 'the search field adds text to the page');
  for (let i = 0; i <= mine; i++) await reader.keyboard.press('ArrowDown');
  await opens(`Enter on the offer "${word}"`, () => reader.keyboard.press('Enter'));

  await typeIn(pages.at(-1).name, prefix);
  await opens(`a click on the offer "${word}"`, () => offers.nth(mine).click());

  await typeIn(pages[0].name, word.toUpperCase());
  await opens(`Enter on the whole word "${word.toUpperCase()}"`, () => reader.keyboard.press('Enter'));

  const absent = `${word}zqx`;
  await typeIn(pages[0].name, absent);
  const note = await box.locator('li.note').getAttribute('data-note').catch(() => null);
  check((await offers.count()) === 0 && note !== null && note.includes(`\u201c${absent}\u201d`),
    `"${absent}", which the document lacks, gets ${await offers.count()} offers and the note ${note}`);
  await reader.keyboard.press('Enter');
  await reader.waitForTimeout(100);
  check(nameOf(reader.url()) === pages[0].name, `Enter on "${absent}" opened ${nameOf(reader.url())}`);
  await reader.keyboard.press('Escape');
  check(await box.locator('ul').isHidden(), 'Escape leaves the list open');
  check(!(await field.evaluate((input) => input === document.activeElement)), 'Escape leaves the focus in the field');
}

async function main() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lexiweb-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
  });
  context.setDefaultTimeout(15000);
  const watchErrors = (page) =>
    page.on('pageerror', (error) => failures.push(`script error on ${nameOf(page.url())}: ${error.message}`));
  context.pages().forEach(watchErrors);
  context.on('page', watchErrors);
  // Each part runs on its own, so that one failure does not hide the others.
  const part = async (run) => {
    try {
      await run();
    } catch (error) {
      if (!(error instanceof Stop)) failures.push(`stopped: ${error.message.split('\n')[0]}`);
    }
  };
  try {
    const reader = context.pages()[0] ?? (await context.newPage());
    let pages = [];
    await part(async () => (pages = await walkAnnotatedPages(reader)));
    if (pages.length === 0) throw new Stop('no annotated page');
    await part(async () => {
      const occurrences = pages.flatMap((page) =>
        page.spans.filter((span) => span.text.toLowerCase() === word).map((span) => [page.name, span]),
      );
      need(occurrences.length > 0, `"${word}" stands on no annotated page`);
      for (const [pageName, occurrence] of occurrences) {
        await checkOccurrence(context, reader, pageName, occurrence);
      }
    });
    await part(async () => {
      await reader.goto(urlOf(pages[0].name));
      await checkAllWordsPage(reader, pages);
    });
    await part(async () => checkOutline(reader, pages));
    await part(async () => checkFragmentWidths(reader, pages));
    await part(async () => checkSearchField(reader, pages));
  } catch (error) {
    if (!(error instanceof Stop)) failures.push(`stopped: ${error.message.split('\n')[0]}`);
  } finally {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  for (const failure of failures) console.error(`FAIL: ${failure}`);
  console.log(`site_test: ${passed} passed, ${failures.length} failed`);
  process.exit(failures.length === 0 ? 0 : 1);
}

await main();
