// The browser test of a scanned page whose words come from its invisible
// text layer: each word lies over its own place on the picture, no word
// shows, a double-click on a word opens the word index at it, and the page
// opened at an occurrence marks that word, and its other occurrence, red.
// Usage: node scanned_test.mjs SITE_FOLDER WORD (the word stands twice).
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const require = createRequire(import.meta.url);
const { chromium } = require('playwright-core');

const [folderArgument, word] = process.argv.slice(2);
const pageUrl = pathToFileURL(path.join(path.resolve(folderArgument), 'f000001.htm')).href;
const TRANSPARENT = 'rgba(0, 0, 0, 0)';
const MARK = 'rgba(255, 0, 0, 0.4)';
const failures = [];
const check = (ok, message) => {
  if (!ok) failures.push(message);
  return ok;
};

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

async function main() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lexiweb-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  context.setDefaultTimeout(15000);
  try {
    const reader = context.pages()[0] ?? (await context.newPage());
    reader.on('pageerror', (error) => failures.push(`script error: ${error.message}`));
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
    const occurrences = words.filter((w) => w.text.toLowerCase() === word && w.id !== '');
    if (check(occurrences.length === 2, `"${word}" is annotated ${occurrences.length} times, not twice`)) {
      const [index] = await Promise.all([
        context.waitForEvent('page'),
        reader.locator(`span[id="${occurrences[1].id}"]`).dblclick(),
      ]);
      await index.waitForLoadState('load');
      check(index.url().endsWith(`#${occurrences[1].id}`), `the double-click opened ${index.url()}`);
      await index.close();

      await reader.goto(`${pageUrl}#${occurrences[0].id}`);
      for (const w of await laidWords(reader)) {
        const isWord = w.text.toLowerCase() === word;
        check(w.background === (isWord ? MARK : TRANSPARENT),
          `opened at ${word}, "${w.text}" has the background ${w.background}`);
        if (!isWord) check(w.color === TRANSPARENT, `opened at ${word}, "${w.text}" shows in ${w.color}`);
      }
    }
  } catch (error) {
    failures.push(`stopped: ${error.message.split('\n')[0]}`);
  } finally {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  for (const failure of failures) console.error(`FAIL: ${failure}`);
  console.log(`scanned_test: ${failures.length} failed`);
  process.exit(failures.length === 0 ? 0 : 1);
}

await main();
