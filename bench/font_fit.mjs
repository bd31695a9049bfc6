// Benchmark (not a test): how closely a finished site sets the text of a
// PDF, as a reader sees it. Every absolutely placed text fragment of the
// converter's pages is measured in headless chromium, line by line, and
// compared with the width poppler gives the same line (pdftohtml -xml at the
// same zoom, whose text elements are the lines of the fragments in order).
// Error = |browser width / poppler width - 1|. Prints the median error and
// the share of lines more than 5% off, with scripts off (the faces alone)
// and on (after the fitting script), and the site's size.
// Usage: node bench/font_fit.mjs SITE_FOLDER PDF [ZOOM]; run through
// bench/font_fit, which gives chromium a machine with only the DejaVu fonts.
// FONT_FIT_EVERY=N measures every Nth page only.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { folderBytes } from './site_bytes.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const require = createRequire(path.join(root, 'tests/browser/package.json'));
const { chromium } = require('playwright-core');

// Poppler's line widths per page: {page: [width, ...]} in document order.
function popplerLines(pdf, zoom) {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'font-fit-'));
  try {
    execFileSync('pdftohtml', ['-q', '-xml', '-i', '-zoom', zoom, pdf, path.join(scratch, 'x')]);
    const xml = fs.readFileSync(path.join(scratch, 'x.xml'), 'utf8');
    const pages = {};
    for (const [, number, body] of xml.matchAll(/<page number="(\d+)"[\s\S]*?>([\s\S]*?)<\/page>/g)) {
      pages[number] = [...body.matchAll(/<text top="-?\d+" left="-?\d+" width="(\d+)"/g)].map((m) => Number(m[1]));
    }
    return pages;
  } finally {
    fs.rmSync(scratch, { recursive: true, force: true });
  }
}

// Runs in the page: the width of every line of every converter fragment.
async function lineWidths() {
  await new Promise((done) => (document.readyState === 'complete' ? done() : addEventListener('load', done)));
  // The fitting script waits for the same promise, and its callback was
  // registered first, so it has run when this one goes on.
  await document.fonts.ready;
  const widths = [];
  for (const p of document.querySelectorAll('p[style*="position:absolute"], p[style*="position: absolute"]')) {
    const lines = [[]];
    const walker = document.createTreeWalker(p, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      if (node.nodeType === Node.ELEMENT_NODE) {
        if (node.tagName === 'BR') lines.push([]);
      } else if (node.nodeValue.length) lines[lines.length - 1].push(node);
    }
    for (const nodes of lines) {
      if (!nodes.length) {
        widths.push(0);
        continue;
      }
      const range = document.createRange();
      range.setStartBefore(nodes[0]);
      range.setEndAfter(nodes[nodes.length - 1]);
      widths.push(range.getBoundingClientRect().width);
    }
  }
  return widths;
}

function summary(errors) {
  const sorted = [...errors].sort((a, b) => a - b);
  const median = sorted.length ? sorted[Math.floor(sorted.length / 2)] : NaN;
  const off = sorted.filter((e) => e > 0.05).length / (sorted.length || 1);
  return `median error ${(100 * median).toFixed(1)}%, more than 5% off ${(100 * off).toFixed(0)}% (${sorted.length} lines)`;
}

async function main() {
  const [site, pdf, zoom = '1.5'] = process.argv.slice(2);
  if (!site || !pdf) {
    console.error('usage: node bench/font_fit.mjs SITE_FOLDER PDF [ZOOM]');
    process.exit(2);
  }
  const poppler = popplerLines(pdf, zoom);
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking'],
    env: process.env,
  });
  const results = {};
  let skipped = 0;
  for (const [label, javaScriptEnabled] of [['scripts off', false], ['scripts on', true]]) {
    const context = await browser.newContext({ javaScriptEnabled });
    const page = await context.newPage();
    const errors = [];
    const every = Number(process.env.FONT_FIT_EVERY || 1);
    for (const number of Object.keys(poppler).map(Number).sort((a, b) => a - b)) {
      if ((number - 1) % every !== 0) continue;
      const file = path.join(site, `f${String(number).padStart(6, '0')}.htm`);
      if (!fs.existsSync(file) || poppler[number].length === 0) continue;
      await page.goto(pathToFileURL(file).href);
      // With scripts off the page's own scripts stay off, but the measuring runs.
      const widths = javaScriptEnabled ? await page.evaluate(lineWidths) : await measureWithoutScripts(page);
      if (widths.length !== poppler[number].length) {
        if (label === 'scripts off') skipped++;
        continue;
      }
      widths.forEach((width, i) => {
        const expected = poppler[number][i];
        if (expected > 0) errors.push(Math.abs(width / expected - 1));
      });
    }
    results[label] = summary(errors);
    await context.close();
  }
  await browser.close();
  console.log(`${path.basename(pdf)}:`);
  for (const [label, text] of Object.entries(results)) console.log(`  ${label}: ${text}`);
  if (skipped) console.log(`  pages left out (fragments and poppler lines differ): ${skipped}`);
  const fonts = path.join(site, 'fonts');
  console.log(`  site size ${(folderBytes(site) / 1e6).toFixed(1)} MB` +
    (fs.existsSync(fonts) ? `, of which fonts and script ${(folderBytes(fonts) / 1e6).toFixed(2)} MB` : ''));
}

// A context without JavaScript cannot evaluate either; a CDP session
// evaluates in the page's main world regardless of the setting.
async function measureWithoutScripts(page) {
  const session = await page.context().newCDPSession(page);
  const { result, exceptionDetails } = await session.send('Runtime.evaluate', {
    expression: `(${lineWidths.toString()})()`,
    awaitPromise: true,
    returnByValue: true,
  });
  await session.detach();
  if (exceptionDetails) throw new Error(exceptionDetails.text);
  return result.value;
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
