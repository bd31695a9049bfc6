// Reads a library that lexiweb-library built (run_library_browser_test.sh)
// in headless chromium, from file://: a word typed into the front page's
// search field is offered with its occurrences and documents, choosing it
// opens its word page, and the word page leads to a document's word index
// at that word. One typed character offers only words of one character and
// asks, visibly, for a second.
// Usage: node library_test.mjs LIBRARY WORD
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { readPages } from './reader.mjs';

const [library, word] = process.argv.slice(2);
if (!library || !word) {
  console.error('usage: node library_test.mjs LIBRARY WORD');
  process.exit(2);
}
const front = pathToFileURL(path.join(path.resolve(library), 'index.html')).href;

await readPages('library', async (reader, check) => {
  await reader.goto(front);
  check(await reader.locator('tbody tr').count() === 2, 'the front page lists both documents');
  const field = reader.locator('#library-word');
  await field.waitFor();
  await field.click();
  await reader.keyboard.type(word.slice(0, 1));
  const hint = reader.locator('#library-offers li.hint');
  await hint.waitFor();
  check(await hint.isVisible() &&
        (await hint.textContent()) === 'Type a second character to see more words',
        'one character asks for a second');
  const offered = await reader.locator('#library-offers li[role="option"] a').allTextContents();
  check(offered.every((text) => [...text].length === 1),
        `one character offers only words of one character: ${offered.join(' ')}`);
  await reader.keyboard.type(word.slice(1, 4));
  const offer = reader.locator('#library-offers li[role="option"]').first();
  await offer.waitFor();
  const text = await offer.textContent();
  check(text.startsWith(word), `the first offer is ${word}: "${text}"`);
  check(/ \d+ in \d+ documents?$/.test(text), `the offer counts occurrences and documents: "${text}"`);

  await reader.keyboard.press('ArrowDown');
  await reader.keyboard.press('Enter');
  await reader.waitForURL(/\/words\/[0-9a-f]+(-[0-9a-f]{16})?\.html#w[0-9a-f]{16}$/);
  const anchor = new URL(reader.url()).hash;
  const entry = reader.locator(anchor);
  check(await entry.locator('h2').textContent() === word, `the word page's entry is ${word}`);

  await entry.locator('ol a').first().click();
  await reader.waitForURL(/\/documents\/[^/]+\/in\d+\.htm#i\d+$/);
  const occurrence = new URL(reader.url()).hash.slice(1);
  const item = reader.locator(`[id="${occurrence}"]`);
  check(await item.count() === 1, `the document's word index has the occurrence ${occurrence}`);
  const shown = (await item.first().textContent()) ?? '';
  check(shown.toLowerCase().includes(word), `the occurrence is ${word}: "${shown}"`);
});
