// Checks that a finished site holds no dangling link: every local href, src,
// style url(...) and window.open('...') target of every .htm file in the folder names a file
// of the folder, and every #anchor names an element (id, or name of an <a>)
// of that file. Addresses with a scheme (https://, mailto:, ...) are left out.
// Usage: node link_check.mjs FOLDER. Exit 1 with the list of dangling links.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const ENTITIES = { amp: '&', quot: '"', apos: "'", lt: '<', gt: '>', nbsp: '\u00a0' };

function decodeEntities(text) {
  return text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (whole, name) => {
    if (name[0] === '#') {
      const hex = name[1] === 'x' || name[1] === 'X';
      return String.fromCodePoint(parseInt(name.slice(hex ? 2 : 1), hex ? 16 : 10));
    }
    return ENTITIES[name.toLowerCase()] ?? whole;
  });
}

// The start tags of a page with their attributes (names in lower case).
// Script and style contents and comments are skipped: the highlight script
// writes tag-like text that is no tag of the page.
export function startTags(html) {
  const tags = [];
  const tagPattern = /<!--[\s\S]*?-->|<([a-zA-Z][\w-]*)((?:"[^"]*"|'[^']*'|[^'">])*)>/g;
  const attributePattern = /([^\s=/>]+)(?:\s*=\s*("[^"]*"|'[^']*'|[^\s>]+))?/g;
  let match;
  while ((match = tagPattern.exec(html)) !== null) {
    if (match[1] === undefined) continue;
    const name = match[1].toLowerCase();
    const attributes = {};
    for (const [, key, raw] of match[2].matchAll(attributePattern)) {
      let value = raw ?? '';
      if (value.startsWith('"') || value.startsWith("'")) value = value.slice(1, -1);
      attributes[key.toLowerCase()] = decodeEntities(value);
    }
    tags.push({ name, attributes });
    if (name === 'script' || name === 'style') {
      const endPattern = new RegExp(`</${name}`, 'ig');
      endPattern.lastIndex = tagPattern.lastIndex;
      const end = endPattern.exec(html)?.index ?? html.length;
      // The files a style loads (url(...), such as the faces of @font-face
      // rules) count as its links.
      if (name === 'style') {
        for (const [, , url] of html.slice(tagPattern.lastIndex, end).matchAll(/url\(\s*(['"]?)([^'")]*)\1\s*\)/g)) {
          tags.push({ name: 'style url', attributes: { src: url } });
        }
      }
      tagPattern.lastIndex = end;
    }
  }
  return tags;
}

// The local links of a page: [{kind, target}], kind saying where it stood.
export function localLinks(tags) {
  const links = [];
  for (const { name, attributes } of tags) {
    if (attributes.href !== undefined) links.push({ kind: `<${name} href>`, target: attributes.href });
    if (attributes.src !== undefined) links.push({ kind: `<${name} src>`, target: attributes.src });
    for (const [key, value] of Object.entries(attributes)) {
      if (!key.startsWith('on')) continue;
      for (const [, , target] of value.matchAll(/window\.open\(\s*(['"])(.*?)\1/g)) {
        links.push({ kind: `${key} window.open`, target });
      }
    }
  }
  return links.filter(({ target }) => !/^([a-z][a-z0-9+.-]*:|\/\/)/i.test(target.trim()));
}

export function anchorsOf(tags) {
  const anchors = new Set();
  for (const { name, attributes } of tags) {
    if (attributes.id !== undefined) anchors.add(attributes.id);
    if (name === 'a' && attributes.name !== undefined) anchors.add(attributes.name);
  }
  return anchors;
}

// Every dangling link of the .htm files of `folder`, and counts for the summary.
export function checkFolder(folder) {
  const pages = fs.readdirSync(folder).filter((name) => /\.htm$/i.test(name)).sort();
  const tagsOf = new Map();
  const tagsOfPage = (name) => {
    if (!tagsOf.has(name)) tagsOf.set(name, startTags(fs.readFileSync(path.join(folder, name), 'latin1')));
    return tagsOf.get(name);
  };
  const root = path.resolve(folder);
  const anchorsOfPage = new Map();
  const dangling = [];
  let linkCount = 0;
  for (const page of pages) {
    for (const { kind, target } of localLinks(tagsOfPage(page))) {
      linkCount++;
      const report = (why) => dangling.push(`${page}: ${kind} "${target}": ${why}`);
      const hashAt = target.indexOf('#');
      const filePart = (hashAt < 0 ? target : target.slice(0, hashAt)).replace(/\?.*$/, '');
      let file, anchor;
      try {
        anchor = hashAt < 0 ? '' : decodeURIComponent(target.slice(hashAt + 1));
        file = filePart === '' ? page : decodeURIComponent(filePart);
      } catch {
        report('malformed percent-encoding');
        continue;
      }
      const resolved = path.resolve(folder, file);
      if (!resolved.startsWith(root + path.sep)) {
        report('leads out of the site folder');
      } else if (!fs.existsSync(resolved) || !fs.statSync(resolved).isFile()) {
        report(`no file ${file}`);
      } else if (anchor !== '' && /\.html?$/i.test(file)) {
        const name = path.relative(folder, resolved);
        if (!anchorsOfPage.has(name)) anchorsOfPage.set(name, anchorsOf(tagsOfPage(name)));
        if (!anchorsOfPage.get(name).has(anchor)) report(`no element with id "${anchor}" in ${name}`);
      }
    }
  }
  return { pages, linkCount, dangling };
}

function main() {
  const folder = process.argv[2];
  if (!folder || !fs.existsSync(folder)) {
    console.error('usage: node link_check.mjs FOLDER');
    process.exit(2);
  }
  const { pages, linkCount, dangling } = checkFolder(folder);
  if (pages.length === 0) {
    console.error(`link_check: no .htm file in ${folder}`);
    process.exit(1);
  }
  if (dangling.length > 0) {
    console.error(`link_check: ${dangling.length} dangling link(s) of ${linkCount} in ${pages.length} pages:`);
    for (const line of dangling) console.error(`  ${line}`);
    process.exit(1);
  }
  console.log(`link_check: ${pages.length} pages, ${linkCount} local links, all resolve`);
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) main();
