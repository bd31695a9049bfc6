// The browser test of a page's structure and its flowing view, on the page
// of two columns that make_browser_site --two-columns writes: its blocks in
// reading order, the heading, list and table markup; at 320 px no
// horizontal scroll, the figure shown and every word once, the hyphenated
// word whole; on a phone's width the text at a readable size, a double
// click on a word opening its index entry, and the page opened there
// showing it; the control that asks for the facsimile again, remembered.
// Usage: node structure_test.mjs SITE_FOLDER
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { readPages } from './reader.mjs';

const [folderArgument] = process.argv.slice(2);
const pageUrl = pathToFileURL(path.join(path.resolve(folderArgument), 'f000001.htm')).href;

// The words of the page as make_browser_site draws them, in reading order:
// the heading, the left column, then the right one.
const WORDS = (
  'Rivers of the North ' +
  'Northern rivers run cold and clear through the valley, past quiet farms and the ' +
  'mountains, until they reach the grey sea where the herons wait for the evening tide. ' +
  'Salmon swim upstream in autumn Otters play along the banks Willows shade the slow water ' +
  'Fishermen read the river by its colour and its sound, and every season brings a new ' +
  'story to the old mill. ' +
  'River Length Source Amber 120 km Lake Sora Birch 85 km Mount Vel ' +
  'Figure 1: The delta at low tide ' +
  'Below the delta the water spreads wide and shallow over the golden sand.'
).match(/[\p{L}\p{N}]+/gu);

// The page's words as shown, fragment by fragment in the order of the
// page's text: what does not show (a hyphen hidden) left out.
function shownWords() {
  const words = [];
  for (const fragment of document.querySelectorAll('div[id$="-div"] p')) {
    let text = '';
    const walker = document.createTreeWalker(fragment, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      if (node.parentElement.getClientRects().length > 0) text += node.nodeValue;
    }
    words.push(...(text.match(/[\p{L}\p{N}]+/gu) ?? []));
  }
  return words;
}

await readPages('structure', async (reader, check, context) => {
  await reader.setViewportSize({ width: 1280, height: 900 });
  await reader.goto(pageUrl);
  await reader.evaluate(() => document.fonts.ready);

  // The structure, on the desktop's facsimile.
  const structure = await reader.evaluate(() => {
    const page = document.querySelector('div[id$="-div"]');
    const blocks = [...page.children].filter((child) => child.tagName !== 'IMG');
    return {
      flowing: document.documentElement.classList.contains('lw-flowing'),
      order: blocks.map((block) => {
        const kind = block.getAttribute('role') === 'heading'
          ? `h${block.getAttribute('aria-level')}` : block.tagName.toLowerCase();
        return `${kind}:${block.textContent.trim().split(/\s+/)[0] ?? ''}`;
      }),
      items: [...page.querySelectorAll('ul > li')].map((item) => item.textContent.trim()),
      cells: [...page.querySelectorAll('table tr')].map((row) =>
        [...row.querySelectorAll('td')].map((cell) => cell.textContent.trim())),
      topHeadings: page.querySelectorAll('[role=heading][aria-level="1"], h1').length,
    };
  });
  check(!structure.flowing, 'a 1280-px window shows the facsimile');
  const order = structure.order.join(' ');
  check(order === 'h1:Rivers div:Northern ul:• div:Fishermen div:River figure: div:Figure div:Below',
    `blocks in reading order: ${order}`);
  check(structure.topHeadings === 1, `${structure.topHeadings} level-1 headings`);
  check(structure.items.length === 3 && structure.items[1] === '• Otters play along the banks',
    `list items: ${JSON.stringify(structure.items)}`);
  check(JSON.stringify(structure.cells) ===
    JSON.stringify([['River', 'Length', 'Source'], ['Amber', '120 km', 'Lake Sora'],
      ['Birch', '85 km', 'Mount Vel']]), `table cells: ${JSON.stringify(structure.cells)}`);

  // 320 px: the text flows, nothing scrolls sideways, every word once in order.
  await reader.setViewportSize({ width: 320, height: 640 });
  await reader.waitForTimeout(200);
  const narrow = await reader.evaluate(() => {
    const figure = document.querySelector('figure').getBoundingClientRect();
    return {
      flowing: document.documentElement.classList.contains('lw-flowing'),
      width: document.documentElement.scrollWidth,
      figure: { width: figure.width, height: figure.height },
    };
  });
  check(narrow.flowing, 'a 320-px window shows the flowing view');
  check(narrow.width <= 320, `the page is ${narrow.width} px wide at 320 px`);
  check(narrow.figure.width > 200 && narrow.figure.height > 100,
    `the figure shows at ${narrow.figure.width} x ${narrow.figure.height} px`);
  const words = (await reader.evaluate(shownWords)).join(' ');
  check(words === WORDS.join(' '), `the flowing words: ${words}`);

  // A phone's width: readable text; a double click still opens the word's entry.
  await reader.setViewportSize({ width: 360, height: 740 });
  const size = await reader.evaluate(() =>
    parseFloat(getComputedStyle(document.querySelector('.lw-p p')).fontSize));
  check(size >= 16, `body text is ${size} px on a phone`);
  const id = await reader.evaluate(() =>
    [...document.querySelectorAll('span[id^="i"]')].find((span) => span.textContent === 'Fishermen')?.id);
  if (check(id, 'no span for the word Fishermen')) {
    const [index] = await Promise.all([
      context.waitForEvent('page'),
      reader.locator(`span[id="${id}"]`).dblclick(),
    ]);
    await index.waitForLoadState('load');
    check(index.url().endsWith(`#${id}`) && /\/in\d{6}\.htm#/.test(index.url()),
      `a double click opened ${index.url()}`);
    await index.close();
    // Opened at the occurrence: the word is in the window, and red.
    await reader.setViewportSize({ width: 360, height: 300 });
    await reader.goto('about:blank');
    await reader.goto(`${pageUrl}#${id}`);
    await reader.waitForTimeout(500);
    const shown = await reader.evaluate((wordId) => {
      const word = document.getElementById(wordId);
      const box = word.getBoundingClientRect();
      return { top: box.top, bottom: box.bottom, color: getComputedStyle(word).color };
    }, id);
    check(shown.top >= 0 && shown.bottom <= 300, `the occurrence stands at ${shown.top}-${shown.bottom}`);
    check(shown.color === 'rgb(255, 0, 0)', `the occurrence shows in ${shown.color}`);
  }

  // The control asks for the facsimile, and the next page opened keeps it.
  await reader.locator('button.lw-view').click();
  check(!(await reader.evaluate(() => document.documentElement.classList.contains('lw-flowing'))),
    'the control brings the facsimile back');
  await reader.reload();
  check(!(await reader.evaluate(() => document.documentElement.classList.contains('lw-flowing'))),
    'the facsimile asked for stays after a reload');
  await reader.locator('button.lw-view').click();
  check(await reader.evaluate(() => document.documentElement.classList.contains('lw-flowing')),
    'the control asks for the flowing view again');
});
