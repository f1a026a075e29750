// Writes the page's index.html with the 43 materials in their groups already in it, as
// the core lists them, so that a phone shows them before the WebAssembly has loaded;
// the page's script then takes them over (and builds them afresh from the core should
// they ever differ). Run by the build, never by the page:
//   node prerender.mjs SITE
// reads SITE/velmora.js, SITE/velmora.wasm and SITE/index.html, and writes the last.
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const site = process.argv[2];
const { default: createVelmora } = await import(pathToFileURL(path.join(site, 'velmora.js')));
const { designationParts } = await import(pathToFileURL(path.join(site, 'dom.js')));
const core = await createVelmora({ wasmBinary: fs.readFileSync(path.join(site, 'velmora.wasm')) });

const escape = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const groups = core.groups();
const html = groups.map((group, g) => {
  const rows = group.materials.map((designation, i) => {
    const last = g === groups.length - 1 && i === group.materials.length - 1;
    const timing = last ? ' elementtiming="velmora-materials"' : '';
    const shown = designationParts(designation).map((part) => `<span>${escape(part)}</span>`).join('<wbr>');
    return `<div class="material"><input type="checkbox" id="m${g}-${i}"><label for="m${g}-${i}"${timing}>${shown}</label></div>`;
  });
  return `<fieldset class="group"><legend>${escape(group.caption)}</legend>${rows.join('')}</fieldset>`;
}).join('\n');

const page = path.join(site, 'index.html');
const marker = '<!-- the materials, from the core -->';
const source = fs.readFileSync(page, 'utf8');
if (!source.includes(marker)) {
  throw new Error(`${page} has no "${marker}"`);
}
fs.writeFileSync(page, source.replace(marker, html));
