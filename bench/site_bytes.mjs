// The bytes of the files under a folder, its subfolders included: what the
// benchmarks give as a site's size.
import fs from 'node:fs';
import path from 'node:path';

export function folderBytes(folder) {
  let bytes = 0;
  for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
    const full = path.join(folder, entry.name);
    bytes += entry.isDirectory() ? folderBytes(full) : fs.statSync(full).size;
  }
  return bytes;
}
