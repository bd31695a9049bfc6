// Tests of link_check.mjs on small handmade sites in the form lexiweb writes:
// a sound site passes, and each kind of dangling link is caught.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import { checkFolder } from './link_check.mjs';

const HEAD =
  '<HTML>\r\n<head>\r\n<title>\r\nf000001.htm\r\n</title>\r\n<script language="javascript">\r\n' +
  'document.writeln("<style type=\\"text/css\\">");\nif (x) document.writeln("<a href=\\"gone.htm\\">");\r\n' +
  '</script>\r\n</head>\r\n<body>\r\n';

const SOUND_SITE = {
  'f000001.htm':
    HEAD +
    '<span  id = "i0000000001" class="c1" type = "text/javascript" ondblclick = "window.open(\'in000001.htm#i0000000001\'); window.event.cancelbubble = true;" >river</span>\r\n' +
    '<img src="page001.png"><a href="https://www.example.org/x y">web</a> <a href="mailto:a@b.c">mail</a>\r\n' +
    '<!-- <a href="commented.htm"> -->\r\n' +
    '<div style="position:fixed; bottom:0;">\r\n<a href = "f000002.htm">Contents</a>&nbsp \r\n</body></HTML>\r\n',
  'f000002.htm': '<HTML><body><a href="f000001.htm#i0000000001" >back</a><a name=top></a><a href="#top">top</a></body></HTML>',
  'in000001.htm':
    '<HTML><body><ol><li ><a href="f000001.htm#i0000000001" ><span  id="i0000000001" > river</span> </a>' +
    '&nbsp <a href="https://www.google.com/search?q=the river site:www.example.org"> Google </a></li></ol></body></HTML>',
  'page001.png': 'not really a picture',
};

function makeSite(files) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'link-check-'));
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(folder, name), text);
  return folder;
}

function danglingIn(changes) {
  const files = { ...SOUND_SITE, ...changes };
  for (const [name, text] of Object.entries(files)) if (text === null) delete files[name];
  const folder = makeSite(files);
  try {
    return checkFolder(folder).dangling;
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

test('a sound site has no dangling link, and script text and comments are not links', () => {
  const folder = makeSite(SOUND_SITE);
  try {
    const { pages, linkCount, dangling } = checkFolder(folder);
    assert.deepEqual(dangling, []);
    assert.deepEqual(pages, ['f000001.htm', 'f000002.htm', 'in000001.htm']);
    // window.open, img src and the contents link on f000001; back and top on f000002; the item link.
    assert.equal(linkCount, 6);
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
});

test('a double-click target whose index page is missing is dangling', () => {
  assert.deepEqual(danglingIn({ 'in000001.htm': null }), [
    'f000001.htm: ondblclick window.open "in000001.htm#i0000000001": no file in000001.htm',
  ]);
});

test('a link to an occurrence id that the page does not hold is dangling', () => {
  const page = SOUND_SITE['in000001.htm'].replace('f000001.htm#i0000000001', 'f000001.htm#i0000000002');
  assert.deepEqual(danglingIn({ 'in000001.htm': page }), [
    'in000001.htm: <a href> "f000001.htm#i0000000002": no element with id "i0000000002" in f000001.htm',
  ]);
});

test('a missing image and a missing anchor on the same page are caught', () => {
  assert.deepEqual(danglingIn({ 'page001.png': null, 'f000002.htm': '<a href="#nowhere">x</a>' }), [
    'f000001.htm: <img src> "page001.png": no file page001.png',
    'f000002.htm: <a href> "#nowhere": no element with id "nowhere" in f000002.htm',
  ]);
});

test('the command line exits 1 and lists the dangling links', () => {
  const folder = makeSite({ ...SOUND_SITE, 'f000002.htm': '<a href = "f000009.htm">next</a>' });
  try {
    assert.throws(
      () => execFileSync('node', [new URL('./link_check.mjs', import.meta.url).pathname, folder], { stdio: 'pipe' }),
      (error) => error.status === 1 && /f000002\.htm: <a href> "f000009\.htm": no file f000009\.htm/.test(error.stderr),
    );
    fs.writeFileSync(path.join(folder, 'f000002.htm'), '<a href = "f000001.htm">prev</a>');
    const out = execFileSync('node', [new URL('./link_check.mjs', import.meta.url).pathname, folder]).toString();
    assert.match(out, /3 pages, \d+ local links, all resolve/);
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
});
