// Joint lists in the page: a CSV, tab-separated or .xlsx file read on this device (no
// byte leaves it), answered by the core, and the answers made into a file to download.
// What is here is only the browser's part: turning bytes into text (TextDecoder) or a
// workbook's sheet (the zip's own directory, DecompressionStream, DOMParser); every
// rule of reading the list and every answer comes from the core.

const MAIN = ['http://schemas.openxmlformats.org/spreadsheetml/2006/main',
  'http://purl.oclc.org/ooxml/spreadsheetml/main'];
const RELATIONSHIPS = ['http://schemas.openxmlformats.org/officeDocument/2006/relationships',
  'http://purl.oclc.org/ooxml/officeDocument/relationships'];

export class ListProblem extends Error {}

// The entries of a zip, by path: its central directory, read from its end.
function zipEntries(bytes) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  let end = -1;
  for (let i = bytes.length - 22; i >= Math.max(0, bytes.length - 22 - 65535); i -= 1) {
    if (view.getUint32(i, true) === 0x06054b50) {
      end = i;
      break;
    }
  }
  if (end < 0) {
    throw new ListProblem('压缩包已损坏或不完整：找不到其中的文件');
  }
  const count = view.getUint16(end + 10, true);
  let at = view.getUint32(end + 16, true);
  const entries = new Map();
  for (let n = 0; n < count; n += 1) {
    if (at + 46 > bytes.length || view.getUint32(at, true) !== 0x02014b50) {
      throw new ListProblem('压缩包已损坏或不完整');
    }
    const nameLength = view.getUint16(at + 28, true);
    const name = new TextDecoder().decode(bytes.subarray(at + 46, at + 46 + nameLength)).replace(/^\//, '');
    entries.set(name.toLowerCase(), {
      method: view.getUint16(at + 10, true),
      compressed: view.getUint32(at + 20, true),
      size: view.getUint32(at + 24, true),
      header: view.getUint32(at + 42, true),
    });
    at += 46 + nameLength + view.getUint16(at + 30, true) + view.getUint16(at + 32, true);
  }
  return entries;
}

// A file of the zip, unpacked, never past `limit` bytes whatever its entry claims.
async function unzipped(bytes, entries, path, limit) {
  const entry = entries.get(path.toLowerCase());
  if (!entry) {
    throw new ListProblem(`缺少 ${path}`);
  }
  if (entry.size > limit) {
    throw new ListProblem(`${path} 解压后有 ${Math.floor(entry.size / 1e6)} MB，超过 ${limit / 1e6} MB`);
  }
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const start = entry.header + 30 + view.getUint16(entry.header + 26, true) + view.getUint16(entry.header + 28, true);
  const data = bytes.subarray(start, start + entry.compressed);
  if (data.length !== entry.compressed) {
    throw new ListProblem(`${path} 无法完整解压`);
  }
  if (entry.method === 0) {
    return data;
  }
  const reader = new Blob([data]).stream().pipeThrough(new DecompressionStream('deflate-raw')).getReader();
  const chunks = [];
  let total = 0;
  try {
    for (;;) {
      const { done, value } = await reader.read();
      if (done) {
        break;
      }
      total += value.length;
      if (total > limit) {
        reader.cancel();
        throw new ListProblem(`${path} 解压后超过 ${limit / 1e6} MB`);
      }
      chunks.push(value);
    }
  } catch (error) {
    throw error instanceof ListProblem ? error : new ListProblem(`${path} 无法完整解压`);
  }
  const out = new Uint8Array(total);
  let at = 0;
  for (const chunk of chunks) {
    out.set(chunk, at);
    at += chunk.length;
  }
  return out;
}

function xmlOf(bytes, path) {
  const text = new TextDecoder().decode(bytes); // drops a byte-order mark
  const doc = new DOMParser().parseFromString(text, 'application/xml');
  if (doc.getElementsByTagName('parsererror').length > 0) {
    throw new ListProblem(`${path} 不是完好的 XML`);
  }
  return doc;
}

const inMain = (e) => MAIN.includes(e.namespaceURI);
const elements = (root, name) => [...root.getElementsByTagNameNS('*', name)].filter(inMain);

function folderOf(part) {
  return part.slice(0, part.lastIndexOf('/') + 1);
}

function resolved(from, target) {
  const path = [];
  for (const part of (target.startsWith('/') ? target.slice(1) : folderOf(from) + target).split('/')) {
    if (part === '..') {
      path.pop();
    } else if (part !== '.' && part !== '') {
      path.push(part);
    }
  }
  return path.join('/');
}

// The text of <si> or <is>: its <t>, or its runs' <t>, phonetic runs left out.
function stringText(e) {
  return [...e.getElementsByTagNameNS('*', 't')]
    .filter((t) => inMain(t) && !(t.parentElement && t.parentElement.localName === 'rPh'))
    .map((t) => t.textContent).join('');
}

// The first worksheet of an .xlsx (or the one named), as the core takes a sheet.
export async function readWorkbook(bytes, limits, wanted = '') {
  const entries = zipEntries(bytes);
  const part = async (path) => xmlOf(await unzipped(bytes, entries, path, limits.partBytes), path);
  const relationships = async (source) => {
    const path = `${folderOf(source)}_rels/${source.slice(folderOf(source).length)}.rels`;
    const found = new Map();
    for (const r of (await part(path)).getElementsByTagNameNS('*', 'Relationship')) {
      const type = r.getAttribute('Type') ?? '';
      found.set(r.getAttribute('Id'), { type: type.slice(type.lastIndexOf('/') + 1), target: resolved(source, r.getAttribute('Target') ?? '') });
    }
    return found;
  };
  const workbook = [...(await relationships('')).values()].find((r) => r.type === 'officeDocument')?.target;
  if (!workbook) {
    throw new ListProblem('找不到其中的工作簿');
  }
  const rels = await relationships(workbook);
  let sheetPart = null;
  const names = [];
  for (const sheet of elements(await part(workbook), 'sheet')) {
    const name = sheet.getAttribute('name');
    const id = [...sheet.attributes].find((a) => a.localName === 'id' && RELATIONSHIPS.includes(a.namespaceURI))?.value;
    const r = rels.get(id) ?? { type: '' };
    names.push(name);
    if ((wanted === '' && r.type === 'worksheet') || name === wanted) {
      if (r.type !== 'worksheet') {
        throw new ListProblem(`“${name}”不是工作表`);
      }
      sheetPart = r.target;
      break;
    }
  }
  if (!sheetPart) {
    throw new ListProblem(wanted === '' ? '其中没有工作表' : `没有名为“${wanted}”的工作表；有：${names.join('、')}`);
  }
  const sheet = await part(sheetPart);
  const rowElements = elements(sheet, 'row');
  if (rowElements.length > limits.rows) {
    throw new ListProblem(`工作表超过 ${limits.rows} 行`);
  }
  const shared = [...rels.values()].find((r) => r.type === 'sharedStrings');
  return {
    sharedStrings: shared ? elements(await part(shared.target), 'si').map(stringText) : [],
    rows: rowElements.map((row) => ({
      ref: row.getAttribute('r') ?? '',
      cells: elements(row, 'c').map((c) => {
        const t = c.getAttribute('t') ?? '';
        const v = elements(c, 'v')[0];
        const is = elements(c, 'is')[0];
        return { ref: c.getAttribute('r') ?? '', type: t, text: is ? stringText(is) : (v?.textContent ?? '') };
      }),
    })),
    merges: elements(sheet, 'mergeCell').map((m) => m.getAttribute('ref') ?? ''),
  };
}

export function isWorkbook(bytes) {
  return bytes.length >= 4 && bytes[0] === 0x50 && bytes[1] === 0x4b && bytes[2] === 0x03 && bytes[3] === 0x04;
}

export function isOldExcel(bytes) {
  return [0xd0, 0xcf, 0x11, 0xe0, 0xa1, 0xb1, 0x1a, 0xe1].every((b, i) => bytes[i] === b);
}

// The text of a list's bytes, decoded as the core says they are to be ({encoding,
// from}: see listEncoding); null where they cannot be.
export function decodedText(bytes, { encoding, from }) {
  try {
    return encoding === '' ? null : new TextDecoder(encoding, { fatal: true }).decode(bytes.subarray(from));
  } catch {
    return null; // not GB18030 either
  }
}

const CRC_TABLE = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k += 1) {
    c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  }
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) {
    c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
  }
  return (c ^ 0xffffffff) >>> 0;
}

async function deflated(bytes) {
  return new Uint8Array(await new Response(new Blob([bytes]).stream().pipeThrough(new CompressionStream('deflate-raw'))).arrayBuffer());
}

// The parts ([{path, xml}]) packed as a zip, deflated.
export async function zipped(parts) {
  const encoder = new TextEncoder();
  const locals = [];
  const central = [];
  let offset = 0;
  for (const { path, xml } of parts) {
    const name = encoder.encode(path);
    const data = encoder.encode(xml);
    const packed = await deflated(data);
    const header = (signature, size) => {
      const h = new DataView(new ArrayBuffer(size));
      h.setUint32(0, signature, true);
      return h;
    };
    const local = header(0x04034b50, 30);
    local.setUint16(4, 20, true);
    local.setUint16(6, 0x0800, true); // names in UTF-8
    local.setUint16(8, 8, true);
    local.setUint32(14, crc32(data), true);
    local.setUint32(18, packed.length, true);
    local.setUint32(22, data.length, true);
    local.setUint16(26, name.length, true);
    const entry = header(0x02014b50, 46);
    entry.setUint16(4, 20, true);
    entry.setUint16(6, 20, true);
    entry.setUint16(8, 0x0800, true);
    entry.setUint16(10, 8, true);
    entry.setUint32(16, crc32(data), true);
    entry.setUint32(20, packed.length, true);
    entry.setUint32(24, data.length, true);
    entry.setUint16(28, name.length, true);
    entry.setUint32(42, offset, true);
    locals.push(new Uint8Array(local.buffer), name, packed);
    central.push(new Uint8Array(entry.buffer), name);
    offset += 30 + name.length + packed.length;
  }
  const size = central.reduce((n, b) => n + b.length, 0);
  const end = new DataView(new ArrayBuffer(22));
  end.setUint32(0, 0x06054b50, true);
  end.setUint16(8, parts.length, true);
  end.setUint16(10, parts.length, true);
  end.setUint32(12, size, true);
  end.setUint32(16, offset, true);
  return new Blob([...locals, ...central, new Uint8Array(end.buffer)]);
}
