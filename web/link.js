// The address of an answer: '#' and the chosen designations, each percent-encoded as
// UTF-8, joined by '&': '#16MnR&Q235-B%2CC'. Kept in the fragment, so that it never
// reaches a server and the page answers it offline as well.

export function linkFor(designations) {
  return '#' + designations.map(encodeURIComponent).join('&');
}

// The names a fragment carries, as people write links by hand: empty parts ("&&", a
// "&" at the end) carry none, and spaces around a name are not part of it. { names }
// or, where its percent-encoding is broken, { broken: true }.
export function namesIn(fragment) {
  const body = fragment.startsWith('#') ? fragment.slice(1) : fragment;
  const names = [];
  for (const part of body.split('&')) {
    try {
      const name = decodeURIComponent(part).trim();
      if (name !== '') {
        names.push(name);
      }
    } catch {
      return { broken: true };
    }
  }
  return { names };
}

// The designations a link's names choose, looked up with `lookUp` (the core's, as
// velmora-cli resolves names): { designations, readAs } (what each name of today's
// drawings was read as, "" for the catalogue's own) or { problem, name }, where problem
// is 'unknown' (a name that fits no material or several) or 'tooMany' (more than two).
// One material named twice is the joint of that material with itself, which answers
// as the material alone (as `velmora-cli answer 16MnR 16MnR` does). A link that
// chooses anything wrong chooses nothing at all.
export function chosenBy(names, lookUp) {
  if (names.length > 2) {
    return { problem: 'tooMany' };
  }
  const designations = [];
  const readAs = [];
  for (const name of names) {
    const found = lookUp(name);
    if (found.material === '') {
      return { problem: 'unknown', name };
    }
    if (designations.includes(found.material)) {
      continue;
    }
    designations.push(found.material);
    readAs.push(found.readAs);
  }
  return { designations, readAs };
}
