// The browser test of a scanned page whose words come from its invisible
// text layer: each word lies over its own place on the picture, no word
// shows, the words copy with blanks and line ends between them, a
// double-click on a word opens the word index at it, and the page opened at
// an occurrence marks that word, and its other occurrence, red.
// Usage: node scanned_test.mjs SITE_FOLDER WORD (the word stands twice).
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { readPages } from './reader.mjs';

const [folderArgument, word] = process.argv.slice(2);
const pageUrl = pathToFileURL(path.join(path.resolve(folderArgument), 'f000001.htm')).href;
const TRANSPARENT = 'rgba(0, 0, 0, 0)';
const MARK = 'rgba(255, 0, 0, 0.4)';

// Every recognised word once the script has placed it: its place, width
// and baseline as its attributes say, against where it shows; its colours; and
// the page's annotated spans of words within it.
async function laidWords(page) {
  await page.waitForFunction(() => {
    const words = document.querySelectorAll('p.lexiweb-ocr span[data-w]');
    return words.length > 0 && [...words].every((word) => word.style.transform !== '');
  });
  return page.evaluate(() =>
    [...document.querySelectorAll('p.lexiweb-ocr span[data-w]')].map((word) => {
      const line = word.closest('p').getBoundingClientRect();
      const shown = word.getBoundingClientRect();
      const annotated = word.querySelector('span[id]');
      const probe = document.createElement('span');
      probe.style.cssText = 'display:inline-block;width:0;height:0';
      word.prepend(probe);
      const baseline = probe.getBoundingClientRect().bottom - line.top;
      probe.remove();
      const style = getComputedStyle(annotated ?? word);
      return {
        text: word.textContent,
        id: annotated?.id ?? '',
        wantedLeft: line.left + Number(word.dataset.x),
        wantedWidth: Number(word.dataset.w),
        wantedBaseline: Number(word.closest('p').dataset.b),
        baseline,
        left: shown.left,
        width: shown.width,
        color: style.color,
        background: style.backgroundColor,
      };
    }),
  );
}

await readPages('scanned_test', async (reader, check, context) => {
  await reader.goto(pageUrl);
  const words = await laidWords(reader);
  check(words.length === 13, `the page lays ${words.length} words, not 13`);
  for (const w of words) {
    check(Math.abs(w.left - w.wantedLeft) <= 1 && Math.abs(w.width - w.wantedWidth) <= 1,
      `"${w.text}" shows at ${w.left}+${w.width}, not ${w.wantedLeft}+${w.wantedWidth}`);
    check(Math.abs(w.baseline - w.wantedBaseline) <= 1,
      `"${w.text}" stands on a baseline ${w.baseline} below its line's top, not ${w.wantedBaseline}`);
    check(w.color === TRANSPARENT && w.background === TRANSPARENT,
      `"${w.text}" shows in ${w.color} on ${w.background}`);
  }
  const copied = await reader.evaluate(() => {
    getSelection().selectAllChildren(document.querySelector('div[id$="-div"]'));
    return getSelection().toString();
  });
  const lines = words.map((w) => w.text).join(' ').replace(/(\.) /g, '$1\n');
  check(copied.trim() === lines, `the page copies as ${JSON.stringify(copied)}, not ${JSON.stringify(lines)}`);
  const occurrences = words.filter((w) => w.text.toLowerCase() === word && w.id !== '');
  if (check(occurrences.length === 2, `"${word}" is annotated ${occurrences.length} times, not twice`)) {
    const [index] = await Promise.all([
      context.waitForEvent('page'),
      reader.locator(`span[id="${occurrences[1].id}"]`).dblclick(),
    ]);
    await index.waitForLoadState('load');
    check(index.url().endsWith(`#${occurrences[1].id}`), `the double-click opened ${index.url()}`);
    await index.close();

    await reader.goto('about:blank'); // a new load, so that the page head writes its rules
    await reader.goto(`${pageUrl}#${occurrences[0].id}`);
    for (const w of await laidWords(reader)) {
      const isWord = w.text.toLowerCase() === word;
      check(w.background === (isWord ? MARK : TRANSPARENT),
        `opened at ${word}, "${w.text}" has the background ${w.background}`);
      check(w.color === TRANSPARENT, `opened at ${word}, "${w.text}" shows in ${w.color}`);
    }
  }
});
