// What the browser tests of single pages share: a headless chromium of
// their own, whose profile goes when they end, and their checks, counted
// and reported.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';

const require = createRequire(import.meta.url);
const { chromium } = require('playwright-core');

// Runs `test(reader, check, context)` with a page of a chromium of its own
// that holds `permissions`, its context made with `contextOptions` as well
// (a phone's viewport and touch screen, say). A check that fails, a script error of the page
// or an exception that stops the test counts as a failure; prints each and
// "NAME: N failed", and exits with status 1 when any failed.
export async function readPages(name, test, permissions = [], contextOptions = {}) {
  const failures = [];
  const check = (ok, message) => {
    if (!ok) failures.push(message);
    return ok;
  };
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lexiweb-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    ...contextOptions,
  });
  context.setDefaultTimeout(15000);
  try {
    if (permissions.length > 0) await context.grantPermissions(permissions);
    const reader = context.pages()[0] ?? (await context.newPage());
    reader.on('pageerror', (error) => failures.push(`script error: ${error.message}`));
    await test(reader, check, context);
  } catch (error) {
    failures.push(`stopped: ${error.message.split('\n')[0]}`);
  } finally {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  for (const failure of failures) console.error(`FAIL: ${failure}`);
  console.log(`${name}: ${failures.length} failed`);
  process.exit(failures.length === 0 ? 0 : 1);
}
