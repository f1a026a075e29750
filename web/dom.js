// What the page's scripts share about the document: finding, making and copying.

export const $ = (id) => document.getElementById(id);

export function element(tag, attributes = {}, ...children) {
  const e = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    e.setAttribute(name, value);
  }
  e.append(...children);
  return e;
}

// A designation as a label shows it: it may break before its bracket, nowhere else
// ("0Cr18Ni9" / "(304)"); each part is held together. The build's prerendered page
// lays the materials out from these parts too.
export function designationParts(designation) {
  const bracket = designation.indexOf('(');
  return bracket > 0 ? [designation.slice(0, bracket), designation.slice(bracket)] : [designation];
}

export function designationNodes(designation) {
  const nodes = designationParts(designation).map((part) => element('span', {}, part));
  return nodes.length === 2 ? [nodes[0], document.createElement('wbr'), nodes[1]] : nodes;
}

export async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // No Clipboard API over plain http: the older way, through a selection.
    const area = element('textarea', { class: 'offscreen', 'aria-hidden': 'true' });
    area.value = text;
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
  }
}
