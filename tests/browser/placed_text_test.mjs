// The browser test of where the site sets its text, on the pages that
// make_browser_site --placed-text writes: each line's baseline where the PDF
// draws it in a face with a large ascent (Latin Modern), the spaces of a
// squeezed line kept a third of their room with the line at its width,
// and the lines of a page shown turned upright and in place.
// Usage: node placed_text_test.mjs SITE_FOLDER
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { readPages } from './reader.mjs';

// Where the PDF draws the lines, in pixels at the site's magnification 1.5:
// the first baseline 72 points below the top of the page as shown, the
// next 16 points lower, each line 72 points from the left edge.
const ZOOM = 1.5;
const FIRST_BASELINE = 72 * ZOOM;
const LINE_SPACING = 16 * ZOOM;
const LEFT = 72 * ZOOM;
// Browsers put baselines on whole pixels; the PDF's fall anywhere.
const SLACK = 1.5;

const [folderArgument] = process.argv.slice(2);

// The lines of the measured fragments of page `number` once the fit script
// has fitted them: their text, baseline and their fragment's left edge
// within the page, its size, face and spacing, the smallest word spacing
// that leaves a space a third of its room, and the width the PDF gives it.
async function fragments(page, number) {
  const file = path.join(path.resolve(folderArgument), `f00000${number}.htm`);
  await page.goto(pathToFileURL(file).href);
  await page.evaluate(() => document.fonts.ready);
  await page.waitForTimeout(300);
  return page.evaluate(() => {
    const box = document.querySelector('div[id$="-div"]').getBoundingClientRect();
    const probe = () => {
      const element = document.createElement('span');
      element.style.cssText = 'display:inline-block;width:0;height:0';
      return element;
    };
    const lines = [];
    for (const p of document.querySelectorAll('p[data-w]')) {
      const space = document.createElement('span');
      space.style.cssText = 'white-space:pre;word-spacing:0;letter-spacing:0';
      space.textContent = 'x x';
      p.append(space);
      const spaced = space.getBoundingClientRect().width;
      space.textContent = 'xx';
      const spaceWidth = spaced - space.getBoundingClientRect().width;
      space.remove();
      const style = getComputedStyle(p);
      const shown = p.getBoundingClientRect();
      // A probe at the start of each line stands on its baseline.
      const starts = [p, ...p.querySelectorAll('br')];
      const texts = p.innerText.split('\n');
      starts.forEach((start, index) => {
        const mark = probe();
        if (start === p) p.prepend(mark);
        else start.after(mark);
        lines.push({
          text: texts[index].trim(),
          baseline: mark.getBoundingClientRect().bottom - box.top,
          left: shown.left - box.left,
          width: shown.width,
          height: shown.height / starts.length,
          family: style.fontFamily,
          wordSpacing: parseFloat(style.wordSpacing) || 0,
          floor: (-2 / 3) * spaceWidth,
          pdfWidth: Number(p.dataset.w),
        });
        mark.remove();
      });
    }
    return lines;
  });
}

function find(list, start, where, check) {
  const found = list.find((fragment) => fragment.text.startsWith(start));
  check(found, `${where}: no fragment starts with "${start}" (${list.map((f) => f.text)})`);
  return found;
}

await readPages('placed_text_test', async (page, check) => {

  const ascent = await fragments(page, 1);
  const lines = [find(ascent, 'Baselines', 'page 1', check), find(ascent, 'A second', 'page 1', check)];
  lines.forEach((line, index) => {
    if (!line) return;
    check(/^lmroman/i.test(line.family), `page 1: "${line.text}" is set in ${line.family}`);
    const wanted = FIRST_BASELINE + index * LINE_SPACING;
    check(Math.abs(line.baseline - wanted) <= SLACK,
      `page 1: the baseline of "${line.text}" stands at ${line.baseline}, the PDF's at ${wanted}`);
  });

  const squeezed = find(await fragments(page, 2), 'Words', 'page 2', check);
  if (squeezed) {
    check(squeezed.wordSpacing >= squeezed.floor - 0.05,
      `page 2: word spacing ${squeezed.wordSpacing} is below the floor ${squeezed.floor}`);
    check(Math.abs(squeezed.width - squeezed.pdfWidth) <= SLACK,
      `page 2: the squeezed line is ${squeezed.width} wide, in the PDF ${squeezed.pdfWidth}`);
  }

  const turned = await fragments(page, 3);
  [find(turned, 'Turned', 'page 3', check), find(turned, 'Their', 'page 3', check)].forEach((line, index) => {
    if (!line) return;
    check(line.width > 3 * line.height,
      `page 3: "${line.text}" is ${line.width} wide and ${line.height} high: not upright`);
    const wanted = FIRST_BASELINE + index * LINE_SPACING;
    check(Math.abs(line.baseline - wanted) <= SLACK,
      `page 3: the baseline of "${line.text}" stands at ${line.baseline}, the PDF's at ${wanted}`);
    check(Math.abs(line.left - LEFT) <= SLACK,
      `page 3: "${line.text}" starts at ${line.left}, in the PDF at ${LEFT}`);
  });
});
