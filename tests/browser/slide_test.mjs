// The browser test of a slide, white text on a dark background: opened at
// an occurrence of WORD, the page turns that word red, every piece of it,
// the spans the fitting script wraps inside it included, and leaves every
// other text white; text selected across fragments and copied keeps its
// words apart (a blank on the same line, a line end between lines, nothing
// within a word set in two sizes); the slide's link shows in its text's
// colour without underline, with the pointer and an outline on hover,
// while the navigation bar's links keep theirs.
// Usage: node slide_test.mjs SITE_FOLDER WORD (make_browser_site --dark-slide).
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { readPages } from './reader.mjs';

const [folderArgument, word] = process.argv.slice(2);
const pageUrl = pathToFileURL(path.join(path.resolve(folderArgument), 'f000001.htm')).href;
const RED = 'rgb(255, 0, 0)';
const WHITE = 'rgb(255, 255, 255)';

// Opens `url` and waits until the page's scripts have fitted and prepared
// its text: they run once the faces have loaded, before this does.
async function open(page, url) {
  await page.goto('about:blank');
  await page.goto(url);
  await page.evaluate(() => document.fonts.ready);
}

// Every element of the page's text that holds text of its own, in document
// order: its text, its colour and the word number class of its word span.
const textPieces = (page) =>
  page.evaluate(() =>
    [...document.querySelectorAll('div[id$="-div"] *')]
      .filter((e) => [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()))
      .map((e) => ({
        text: e.textContent.trim(),
        color: getComputedStyle(e).color,
        word: e.closest('span[class^="c"]')?.className ?? '',
      })),
  );

// The text a reader gets by selecting from the start of `from` to the end
// of `to` (fragments found by their text) and copying it.
async function copied(page, from, to) {
  await page.evaluate(([from, to]) => {
    const fragment = (text) =>
      [...document.querySelectorAll('div[id$="-div"] p')].find((p) => p.textContent.trim() === text);
    const range = document.createRange();
    range.setStartBefore(fragment(from));
    range.setEndAfter(fragment(to));
    getSelection().removeAllRanges();
    getSelection().addRange(range);
  }, [from, to]);
  await page.keyboard.press('Control+C');
  return page.evaluate(() => navigator.clipboard.readText());
}

await readPages('slide_test', async (reader, check) => {
  await open(reader, pageUrl);
  const plain = await textPieces(reader);
  const notWhite = plain.filter((piece) => piece.color !== WHITE);
  check(plain.length > 0 && notWhite.length === 0,
    `opened without a hash, text shows in other colours than white: ${JSON.stringify(notWhite)}`);

  // The occurrences of the word, and whether the fitting script wrapped text inside them.
  const occurrences = await reader.$$eval('span[ondblclick]', (spans, word) =>
    spans.filter((span) => span.textContent.trim().toLowerCase() === word)
      .map((span) => ({ id: span.id, wrapped: span.querySelector('*') !== null })), word);
  check(occurrences.length === 2, `"${word}" stands ${occurrences.length} times, not twice`);
  check(occurrences.every((occurrence) => occurrence.wrapped),
    `the fitting script wrapped no text inside "${word}": ${JSON.stringify(occurrences)}`);

  if (occurrences.length > 0) {
    await open(reader, `${pageUrl}#${occurrences[0].id}`);
    // Any script may wrap a word's text again: the word stays red all the same.
    await reader.evaluate((id) => {
      const text = document.createTreeWalker(document.getElementById(id), NodeFilter.SHOW_TEXT).nextNode();
      const wrapper = document.createElement('span');
      text.replaceWith(wrapper);
      wrapper.appendChild(text);
    }, occurrences[1].id);
    const lit = await textPieces(reader);
    const wordClass = plain.find((piece) => piece.text.toLowerCase() === word)?.word;
    const wrong = lit.filter((piece) => piece.color !== (piece.word === wordClass ? RED : WHITE));
    check(lit.length === plain.length && wrong.length === 0,
      `opened at ${occurrences[0].id}, "${word}" should be red and all else white: ${JSON.stringify(wrong)}`);
  }

  await open(reader, pageUrl);
  const pair = await copied(reader, 'Started', 'This');
  check(/^Started\s+This\s*$/.test(pair), `two fragments of a line copy as ${JSON.stringify(pair)}`);
  const lines = await copied(reader, 'This', 'Next');
  check(/^This\s*\n\s*Next\s*$/.test(lines), `fragments of two lines copy as ${JSON.stringify(lines)}`);
  const sizes = await copied(reader, 'lexi', 'web');
  check(/^lexiweb\s*$/.test(sizes), `a word of two sizes copies as ${JSON.stringify(sizes)}`);

  const link = reader.locator('div[id$="-div"] a[href]');
  const looks = async (locator) => locator.evaluate((a) => {
    const style = getComputedStyle(a);
    return { line: style.textDecorationLine, cursor: style.cursor, color: style.color, outline: style.outlineStyle };
  });
  if (check((await link.count()) === 1, `the slide has ${await link.count()} links, not 1`)) {
    const before = await looks(link);
    check(before.line === 'none' && before.cursor === 'pointer' && before.color === WHITE &&
      before.outline === 'none', `the slide's link looks ${JSON.stringify(before)}`);
    await link.hover();
    const hovered = await looks(link);
    check(hovered.outline === 'solid', `the slide's link under the pointer looks ${JSON.stringify(hovered)}`);
  }
  const nav = await looks(reader.locator('nav[style*="position:fixed"] a').first());
  check(nav.line === 'underline', `the navigation bar's link looks ${JSON.stringify(nav)}`);
}, ['clipboard-read', 'clipboard-write']);
