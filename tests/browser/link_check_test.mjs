// link_check.mjs must catch what it is there to catch and pass a sound site.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import { checkFolder } from './link_check.mjs';

function danglingIn(files) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'link-check-'));
  try {
    for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(folder, name), text);
    return checkFolder(folder).dangling;
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

test('a dangling href and a dangling #anchor are reported, a sound site passes', () => {
  const sound = {
    'f000001.htm': '<span  id="i0000000001">river</span><a href = "f000002.htm#top">next</a>',
    'f000002.htm': '<a name=top></a><a href="f000001.htm#i0000000001" >back</a>',
  };
  assert.deepEqual(danglingIn(sound), []);
  assert.deepEqual(danglingIn({ ...sound, 'f000002.htm': '<a href="f000009.htm">x</a><a href="#top">y</a>' }), [
    'f000001.htm: <a href> "f000002.htm#top": no element with id "top" in f000002.htm',
    'f000002.htm: <a href> "f000009.htm": no file f000009.htm',
    'f000002.htm: <a href> "#top": no element with id "top" in f000002.htm',
  ]);
});

test('the faces a style loads and a script file are links too', () => {
  const page = '<style>@font-face{font-family:A;src:url(fonts/a.woff2)}\n.x{background:url("b.png")}</style>' +
    '<script src="fonts/fit.js" defer></script>';
  assert.deepEqual(danglingIn({ 'f000001.htm': page }), [
    'f000001.htm: <style url src> "fonts/a.woff2": no file fonts/a.woff2',
    'f000001.htm: <style url src> "b.png": no file b.png',
    'f000001.htm: <script src> "fonts/fit.js": no file fonts/fit.js',
  ]);
});
